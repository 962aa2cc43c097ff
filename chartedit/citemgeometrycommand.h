#pragma once

#include "chartedit/chartitemstate.h"
#include "chartedit/commandids.h"

#include <QList>
#include <QUndoCommand>
#include <QVector>

class ChartEditSession;
class ChartItem;

/**
 * A move, resize, rotation or content shift of one or more frame items of a
 * page. Every step of one mouse drag carries the same drag number and merges
 * into the first, so a whole drag is one undo step; a drag that ends where it
 * began drops out.
 */
class CItemGeometryCommand : public QUndoCommand
{
public:
    static constexpr int kId = commandids::ItemGeometry;

    struct Change {
        ChartItem *frame = nullptr;
        ChartItemGeometry before;
        ChartItemGeometry after;
    };

    /** @p dragId 0 never merges; the canvas numbers its drags from 1. */
    CItemGeometryCommand(ChartEditSession *session, ChartItem *frame,
                         const ChartItemGeometry &before, const ChartItemGeometry &after,
                         int dragId = 0, const QString &text = QStringLiteral("Move"),
                         QUndoCommand *parent = nullptr);
    CItemGeometryCommand(ChartEditSession *session, const QVector<Change> &changes,
                         int dragId = 0, const QString &text = QStringLiteral("Move"),
                         QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand *other) override;

    ChartItem *frame() const { return m_changes.isEmpty() ? nullptr : m_changes.first().frame; }
    int dragId() const { return m_dragId; }

private:
    bool unchanged() const;
    QList<ChartItem *> frames() const;

    ChartEditSession *m_session;
    QVector<Change> m_changes;
    int m_dragId;
};
