#include "app/ui/ccaptionedcomboaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

CCaptionedComboAccessible::CCaptionedComboAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox)
{
}

void CCaptionedComboAccessible::installFactory()
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

QAccessibleInterface *CCaptionedComboAccessible::factory(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    return box && className == QLatin1String("QComboBox") ? new CCaptionedComboAccessible(box) : nullptr;
}

QComboBox *CCaptionedComboAccessible::box() const
{
    return static_cast<QComboBox *>(widget());
}

QString CCaptionedComboAccessible::currentText() const
{
    return box()->isEditable() && box()->lineEdit() ? box()->lineEdit()->text() : box()->currentText();
}

QString CCaptionedComboAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return currentText();
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    // The caption is looked up when asked: the label may come after the box.
    QString name = QAccessibleWidget::text(t);
    if (name.isEmpty()) {
        // Only a label of its own: a group box around it names a whole group.
        const auto labels = relations(QAccessible::Label);
        for (const auto &l : labels) {
            if (qobject_cast<QLabel *>(l.first->object())) {
                name = l.first->text(QAccessible::Name);
                break;
            }
        }
    }
    return name.isEmpty() ? currentText() : name;
}

QAccessible::State CCaptionedComboAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = box()->view()->isVisible();
    s.collapsed = !s.expanded;
    s.editable = box()->isEditable();
    return s;
}

int CCaptionedComboAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface *CCaptionedComboAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
}

int CCaptionedComboAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child->object() == box()->view() ? 0 : -1;
}

QStringList CCaptionedComboAccessible::actionNames() const
{
    return {showMenuAction(), pressAction()};
}

void CCaptionedComboAccessible::doAction(const QString &actionName)
{
    if (actionName != showMenuAction() && actionName != pressAction())
        return;
    if (box()->view()->isVisible())
        box()->hidePopup();
    else
        box()->showPopup();
}
