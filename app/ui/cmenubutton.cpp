#include "app/ui/cmenubutton.h"

#include "app/ui/cmenubuttonaccessible.h"

#include <QMenu>

CMenuButton::CMenuButton(QMenu *menu, QWidget *parent) : QPushButton(parent), m_menu(menu)
{
    CMenuButtonAccessible::installFactory();
}

QMenu *CMenuButton::popupMenu() const
{
    return m_menu;
}

void CMenuButton::setPopupMenu(QMenu *menu)
{
    m_menu = menu;
}
