#pragma once

#include "reports/creportlayoutlist.h"

#include <QObject>
#include <QVector>

/**
 * The layouts the report manager edits: a working copy of the program's
 * list. Each layout carries an id that stays the same while rows come and
 * go, so undo commands find their layout after inserts, deletions and
 * renames. Every change is announced: content edits by layoutChanged(),
 * inserts, removals and renames by listChanged().
 */
class CLayoutEditModel : public QObject
{
    Q_OBJECT
public:
    explicit CLayoutEditModel(const CReportLayoutList &list, QObject *parent = nullptr);

    const CReportLayoutList &list() const { return m_list; }
    /** For saveLayouts(), which records the files it wrote; layouts change only through the setters. */
    CReportLayoutList &list() { return m_list; }
    int count() const { return m_list.count(); }
    const CReportLayout &layout(int index) const { return m_list.at(index); }

    /** The id of row @p index (0 outside the list). */
    quint64 idAt(int index) const;
    /** The row of the layout with @p id, or -1. */
    int indexOfId(quint64 id) const;
    /** An id no layout of this model has had. */
    quint64 newId() { return ++m_lastId; }

    /** Replaces layout @p index (ignored outside the list) and emits layoutChanged(). */
    void setLayout(int index, const CReportLayout &layout);
    /** Replaces the fields and options of layout @p id; its name stays. */
    void setContent(quint64 id, const CReportLayout &layout);
    /** Inserts @p layout as row @p index under @p id; emits listChanged() and layoutInserted(). */
    void insertLayout(int index, quint64 id, const CReportLayout &layout);
    void removeLayout(quint64 id);
    void renameLayout(quint64 id, const QString &name);

    // Pure edits of one layout, used to build the after-state of a command.
    /** Moves field @p from of @p kind to the gap @p gap (0..count, counted before removal). */
    static bool moveField(CReportLayout &layout, int kind, int from, int gap);
    static bool insertField(CReportLayout &layout, int kind, int gap, const CReportFieldItem &item);
    static bool removeField(CReportLayout &layout, int kind, int index);

signals:
    void layoutChanged(int index);
    void listChanged();
    void layoutInserted(int index);

private:
    CReportLayoutList m_list;
    QVector<quint64> m_ids;
    quint64 m_lastId = 0;
};
