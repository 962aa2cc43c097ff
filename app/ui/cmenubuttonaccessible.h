#pragma once

#include <QAccessibleWidget>

class CMenuButton;
class QMenu;

/**
 * A button that pops up a menu, for screen readers: while the menu is open
 * it is the button's child, so the open menu is part of the window's tree
 * (Qt leaves pop-up windows out of the application's children).
 */
class CMenuButtonAccessible : public QAccessibleWidget
{
public:
    explicit CMenuButtonAccessible(CMenuButton *button);

    /** Lets every CMenuButton report its menu (once). */
    static void installFactory();

    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    static QAccessibleInterface *factory(const QString &className, QObject *object);
    QMenu *menu() const;
};
