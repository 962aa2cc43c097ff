#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QVector>

/** The align and distribute commands as arithmetic on bounding rectangles. */
namespace itemalignment {

enum Kind {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    CenterHorizontally, ///< horizontal centres on one vertical line
    CenterVertically,   ///< vertical centres on one horizontal line
    DistributeHorizontally,
    DistributeVertically
};

/**
 * How far each of @p rects moves. Several rectangles align to the box around
 * them; a single one aligns to the page of @p page size. Distributing spaces
 * three or more rectangles evenly between the outermost two (equal gaps, in
 * the order of their left or top edges); fewer do not move.
 */
QVector<QPointF> moves(const QVector<QRectF> &rects, Kind kind, const QSizeF &page);

} // namespace itemalignment
