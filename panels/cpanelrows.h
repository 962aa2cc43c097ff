#pragma once

#include <QRect>
#include <QString>

class QWidget;

/**
 * What a painted panel tells assistive technology: its name and its rows,
 * each with a label, a value and a place. Panels whose rows open an
 * explanation on click also open it through activateRow().
 */
class CPanelRows
{
public:
    /** Registers the accessibility factory for every panel (once). */
    explicit CPanelRows(QWidget *self);
    virtual ~CPanelRows() = default;
    CPanelRows(const CPanelRows &) = delete;
    CPanelRows &operator=(const CPanelRows &) = delete;

    QWidget *panelWidget() const { return m_self; }

    virtual QString panelName() const = 0;
    virtual int rowCount() const = 0;
    virtual QString rowName(int row) const = 0;
    virtual QString rowValue(int row) const = 0;
    /** In widget coordinates. */
    virtual QRect rowRect(int row) const = 0;
    /** Whether a click on @p row opens something (and Enter or Space does too). */
    virtual bool rowActivates(int /*row*/) const { return false; }
    virtual void activateRow(int /*row*/) {}
    /** The row that has the keyboard focus, or -1. */
    int focusRow() const { return m_focusRow; }

protected:
    /** Moves the keyboard row and tells assistive technology. */
    void setFocusRow(int row);
    /**
     * Up, Down, Home, End move between rows that open something; Enter and
     * Space open the focused one. Returns false for other keys.
     */
    bool handleRowKey(int key);

private:
    QWidget *m_self;
    int m_focusRow = -1;
};
