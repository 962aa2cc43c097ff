#pragma once

#include "chartedit/chartitemstate.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>

/**
 * The drag state machine of the page canvas, as plain functions: each step
 * of a drag is computed from the state at the press, never from the previous
 * step, and yields the item's new geometry.
 */
namespace canvasdrag {

enum Mode {
    None = 0,
    ShiftContent = 1,
    Move = 2,
    Rotate = 3,
    Resize = 4,
    ResizeFree = 12, ///< resize of text and field contents (kinds 5, 6, 7)
    RotateFree = 13,
    RubberBand = 20 ///< selecting the items inside a rectangle dragged on empty page
};

/** What was recorded at the press. */
struct Start {
    ChartItemGeometry geometry; ///< transform, rotation, outline, size of frame and content
    QRectF rect;                ///< bounding rectangle in page units
    QPointF press;              ///< press point in page units
    int handle = -1;
    bool frameFlagged = true;
};

/** The page and grid the drag works against. */
struct Context {
    QSizeF page;
    bool snap = false;
    double stepX = 10.0;
    double stepY = 10.0;
};

/** The drag mode a handle starts for a content kind. */
int modeForHandle(int handle, int contentKind);

/** Move: the start rectangle moved by the delta, top-left snapped, pushed back inside the page. */
ChartItemGeometry move(const Start &s, const QPointF &point, const Context &c);

/** Rotate: turned around the centre by the angle between press and point. */
ChartItemGeometry rotate(const Start &s, const QPointF &point);

/**
 * Resize by a handle; @p freeResize is mode 12 (text and fields: the outline
 * and content follow the rectangle), otherwise mode 4 scales the item. A step
 * that the rules refuse returns the start geometry's last accepted state, so
 * the caller passes @p current.
 */
ChartItemGeometry resize(const Start &s, const QPointF &point, const Context &c, bool freeResize,
                         const ChartItemGeometry &current);

/** Content shift: the content moved by the delta, un-rotated and divided by the scale. */
ChartItemGeometry shiftContent(const Start &s, const QPointF &point);

/** A move of the whole item by @p delta, kept on the page (the arrow keys). */
ChartItemGeometry nudge(const ChartItemGeometry &g, const QPointF &delta, const QSizeF &page);

/** The bounding rectangle of a geometry in page units. */
QRectF bounds(const ChartItemGeometry &g);

} // namespace canvasdrag
