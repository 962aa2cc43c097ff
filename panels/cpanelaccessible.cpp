#include "panels/cpanelaccessible.h"

#include "panels/cpanelrowaccessible.h"
#include "panels/cpanelrows.h"

CPanelAccessible::CPanelAccessible(QWidget *w, CPanelRows *rows)
    : QAccessibleWidget(w, QAccessible::List), m_rows(rows)
{
}

CPanelAccessible::~CPanelAccessible()
{
    for (QAccessible::Id id : qAsConst(m_rowIds))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *CPanelAccessible::factory(const QString &, QObject *object)
{
    auto *w = qobject_cast<QWidget *>(object);
    if (auto *rows = dynamic_cast<CPanelRows *>(w))
        return new CPanelAccessible(w, rows);
    return nullptr;
}

QString CPanelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return m_rows->panelName();
    return QAccessibleWidget::text(t);
}

int CPanelAccessible::childCount() const
{
    return m_rows->rowCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface *CPanelAccessible::child(int index) const
{
    const int rows = m_rows->rowCount();
    if (index < 0)
        return nullptr;
    if (index >= rows)
        return QAccessibleWidget::child(index - rows);
    // Rows are kept once made: screen readers hold on to them by id.
    while (m_rowIds.size() <= index) {
        auto *row = new CPanelRowAccessible(widget(), m_rows, m_rowIds.size());
        m_rowIds.append(QAccessible::registerAccessibleInterface(row));
    }
    return QAccessible::accessibleInterface(m_rowIds.at(index));
}

int CPanelAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int at = m_rowIds.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child)));
    if (at >= 0)
        return at < m_rows->rowCount() ? at : -1;
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : m_rows->rowCount() + widgetIndex;
}

QAccessibleInterface *CPanelAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface *w = QAccessibleWidget::childAt(x, y))
        return w;
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (int r = 0; r < m_rows->rowCount(); ++r)
        if (m_rows->rowRect(r).contains(local))
            return child(r);
    return nullptr;
}

QAccessibleInterface *CPanelAccessible::focusChild() const
{
    const int row = m_rows->focusRow();
    if (widget()->hasFocus() && row >= 0 && row < m_rows->rowCount())
        return child(row);
    return QAccessibleWidget::focusChild();
}
