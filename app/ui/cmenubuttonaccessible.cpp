#include "app/ui/cmenubuttonaccessible.h"

#include "app/ui/cmenubutton.h"

#include <QMenu>

CMenuButtonAccessible::CMenuButtonAccessible(CMenuButton *button)
    : QAccessibleWidget(button, QAccessible::ButtonMenu)
{
}

void CMenuButtonAccessible::installFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

QAccessibleInterface *CMenuButtonAccessible::factory(const QString &className, QObject *object)
{
    auto *button = qobject_cast<CMenuButton *>(object);
    return button && className == QLatin1String("CMenuButton") ? new CMenuButtonAccessible(button) : nullptr;
}

QMenu *CMenuButtonAccessible::menu() const
{
    return static_cast<CMenuButton *>(widget())->popupMenu();
}

QAccessible::State CMenuButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.hasPopup = true;
    s.expandable = true;
    s.expanded = menu() && menu()->isVisible();
    s.collapsed = !s.expanded;
    return s;
}

int CMenuButtonAccessible::childCount() const
{
    return menu() && menu()->isVisible() ? 1 : 0;
}

QAccessibleInterface *CMenuButtonAccessible::child(int index) const
{
    return index == 0 && childCount() == 1 ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
}

int CMenuButtonAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && childCount() == 1 && child->object() == menu() ? 0 : -1;
}

QStringList CMenuButtonAccessible::actionNames() const
{
    return {pressAction(), showMenuAction()};
}

void CMenuButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() || actionName == showMenuAction())
        static_cast<CMenuButton *>(widget())->click();
}
