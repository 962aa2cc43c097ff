#pragma once

#include "chartedit/chartitemstate.h"

#include <QUndoCommand>

class ChartDocument;
class ChartItem;

/**
 * A move, resize, rotation or content shift of one frame item. Every step of
 * one mouse drag carries the same drag number and merges into the first, so a
 * whole drag is one undo step; a drag that ends where it began drops out.
 */
class CItemGeometryCommand : public QUndoCommand
{
public:
    static constexpr int kId = 0x4751; // merge id of geometry changes

    /** @p dragId 0 never merges; the canvas numbers its drags from 1. */
    CItemGeometryCommand(ChartDocument *doc, ChartItem *frame, const ChartItemGeometry &before,
                         const ChartItemGeometry &after, int dragId = 0,
                         const QString &text = QStringLiteral("Move"),
                         QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand *other) override;

    ChartItem *frame() const { return m_frame; }
    int dragId() const { return m_dragId; }

private:
    ChartDocument *m_doc;
    ChartItem *m_frame;
    ChartItemGeometry m_before;
    ChartItemGeometry m_after;
    int m_dragId;
};
