#pragma once

#include "reports/creportlayoutlist.h"

#include <QObject>

/**
 * The layouts the report manager edits: a working copy of the program's
 * list. Every change goes through setLayout() (field edits, by undo commands)
 * or the list operations, and is announced, so the dialog's lists only show
 * what the model holds.
 */
class CLayoutEditModel : public QObject
{
    Q_OBJECT
public:
    explicit CLayoutEditModel(const CReportLayoutList &list, QObject *parent = nullptr);

    const CReportLayoutList &list() const { return m_list; }
    CReportLayoutList &list() { return m_list; }
    int count() const { return m_list.count(); }
    const CReportLayout &layout(int index) const { return m_list.at(index); }

    /** Replaces layout @p index (ignored outside the list) and emits layoutChanged(). */
    void setLayout(int index, const CReportLayout &layout);
    /** Appends a layout and emits listChanged(). */
    void appendLayout(const CReportLayout &layout);
    void removeLayout(int index);
    void renameLayout(int index, const QString &name);

    // Pure edits of one layout, used to build the after-state of a command.
    /** Moves field @p from of @p kind to the gap @p gap (0..count, counted before removal). */
    static bool moveField(CReportLayout &layout, int kind, int from, int gap);
    static bool insertField(CReportLayout &layout, int kind, int gap, const CReportFieldItem &item);
    static bool removeField(CReportLayout &layout, int kind, int index);

signals:
    void layoutChanged(int index);
    void listChanged();

private:
    CReportLayoutList m_list;
};
