#include "panels/cpanelrows.h"

#include "panels/cpanelaccessible.h"

#include <QAccessible>
#include <QWidget>

CPanelRows::CPanelRows(QWidget *self) : m_self(self)
{
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(CPanelAccessible::factory);
        installed = true;
    }
}

void CPanelRows::setFocusRow(int row)
{
    m_focusRow = row;
    m_self->update();
    if (row < 0 || !m_self->hasFocus() || !QAccessible::isActive())
        return;
    QAccessibleEvent ev(m_self, QAccessible::Focus);
    ev.setChild(row);
    QAccessible::updateAccessibility(&ev);
}

bool CPanelRows::handleRowKey(int key)
{
    QList<int> active;
    for (int r = 0; r < rowCount(); ++r)
        if (rowActivates(r))
            active.append(r);
    if (active.isEmpty())
        return false;
    const int at = active.indexOf(m_focusRow);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        setFocusRow(active.at(qMax(0, at - 1)));
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        setFocusRow(active.at(at < 0 ? 0 : qMin(active.size() - 1, at + 1)));
        return true;
    case Qt::Key_Home:
        setFocusRow(active.first());
        return true;
    case Qt::Key_End:
        setFocusRow(active.last());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (at >= 0)
            activateRow(m_focusRow);
        return at >= 0;
    default:
        return false;
    }
}
