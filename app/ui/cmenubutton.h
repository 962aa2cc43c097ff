#pragma once

#include <QPointer>
#include <QPushButton>

class QMenu;

/** An image button that pops up a menu; screen readers find the open menu under it. */
class CMenuButton : public QPushButton
{
    Q_OBJECT
public:
    CMenuButton(QMenu *menu, QWidget *parent = nullptr);

    QMenu *popupMenu() const;
    void setPopupMenu(QMenu *menu);

private:
    QPointer<QMenu> m_menu;
};
