#pragma once

#include <QAccessibleWidget>
#include <QVector>

class CPanelRows;

/**
 * A painted panel for screen readers: a list named by the panel's title,
 * its rows as children named by their labels with their values as text,
 * then the panel's real child widgets.
 */
class CPanelAccessible : public QAccessibleWidget
{
public:
    CPanelAccessible(QWidget *w, CPanelRows *rows);
    ~CPanelAccessible() override;

    /** The factory given to QAccessible::installFactory. */
    static QAccessibleInterface *factory(const QString &className, QObject *object);

    CPanelRows *rows() const { return m_rows; }

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    CPanelRows *m_rows;
    mutable QVector<QAccessible::Id> m_rowIds;
};
