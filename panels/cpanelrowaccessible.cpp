#include "panels/cpanelrowaccessible.h"

#include "panels/cpanelrows.h"

CPanelRowAccessible::CPanelRowAccessible(QWidget *panel, CPanelRows *rows, int row)
    : m_panel(panel), m_rows(rows), m_row(row)
{
}

bool CPanelRowAccessible::isValid() const
{
    return m_panel && m_row < m_rows->rowCount();
}

QWindow *CPanelRowAccessible::window() const
{
    return m_panel ? m_panel->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CPanelRowAccessible::parent() const
{
    return m_panel ? QAccessible::queryAccessibleInterface(m_panel) : nullptr;
}

QString CPanelRowAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    switch (t) {
    case QAccessible::Name:
        return m_rows->rowName(m_row);
    case QAccessible::Value:
    case QAccessible::Description:
        return m_rows->rowValue(m_row);
    default:
        return QString();
    }
}

QRect CPanelRowAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const QRect r = m_rows->rowRect(m_row);
    return QRect(m_panel->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State CPanelRowAccessible::state() const
{
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    s.invisible = !m_panel->isVisible();
    s.readOnly = true;
    if (m_rows->rowActivates(m_row)) {
        s.focusable = true;
        s.focused = m_panel->hasFocus() && m_rows->focusRow() == m_row;
    }
    return s;
}

void *CPanelRowAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList CPanelRowAccessible::actionNames() const
{
    if (isValid() && m_rows->rowActivates(m_row))
        return {pressAction()};
    return {};
}

void CPanelRowAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && isValid() && m_rows->rowActivates(m_row))
        m_rows->activateRow(m_row);
}

QStringList CPanelRowAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == pressAction() && isValid() && m_rows->rowActivates(m_row))
        return {QStringLiteral("Return"), QStringLiteral("Space")};
    return {};
}
