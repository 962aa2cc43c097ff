#pragma once

#include <QAccessibleWidget>

class QComboBox;

/**
 * A combo box for screen readers: named by its caption (its accessible
 * name, else its buddy label), with the chosen entry as its value. Qt's own
 * interface names a box by its current entry on Linux, so "Gender" would be
 * heard as "Female". A box without any caption keeps that behaviour.
 */
class CCaptionedComboAccessible : public QAccessibleWidget
{
public:
    explicit CCaptionedComboAccessible(QComboBox *box);

    /** Lets every QComboBox report its caption (once). */
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    static QAccessibleInterface *factory(const QString &className, QObject *object);
    QComboBox *box() const;
    QString currentText() const;
};
