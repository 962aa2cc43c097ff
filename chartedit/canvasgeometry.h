#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QVector>

class ChartItem;
class ChartPage;

/** Arithmetic of the page canvas, free of widgets so it can be reasoned about alone. */
namespace canvasgeometry {

/** Number of handles of a selected item (0..6 resize, 7 move, 8..10 rotate). */
constexpr int kHandleCount = 11;
/** Side of a handle square in view pixels. */
constexpr double kHandleSide = 16.0;

/** The frame's outline (or its size when it has none) in item units. */
QRectF itemRect(const ChartItem &frame);
/** The frame's outline mapped to page units, as a bounding rectangle. */
QRectF frameBounds(const ChartItem &frame);

/** Rounds both coordinates to the grid (x' = floor(x / step + 0.5) * step). */
QPointF snapPoint(const QPointF &p, double stepX, double stepY);

/**
 * Moves @p rect back inside a page of @p page size: past the right or bottom
 * edge it moves back, then past the left or top edge it moves forward, so the
 * top-left corner stays visible for items larger than the page.
 */
QRectF keepOnPage(const QRectF &rect, const QSizeF &page);

/** Translates the frame so that its bounding rectangle starts at @p topLeft. */
void moveFrameTo(ChartItem &frame, const QPointF &topLeft);

/** Pushes every item of the page back inside it; true when one moved. */
bool keepItemsOnPage(ChartPage &page);

/**
 * The rectangle a resize handle gives when dragged to @p point (page units,
 * already clamped to the page). Corners move two edges, 4 and 5 the left or
 * right side, 6 the bottom; the opposite sides stay. With @p keepRatio a
 * corner keeps the width-to-height ratio of @p start (the horizontal movement
 * decides, left and right edges snap to the grid). Without it the top-left and
 * bottom-right corners snap. False when the result is not to be applied
 * (collapsed, or a ratio that no longer matches).
 */
bool resizeRect(const QRectF &start, int handle, const QPointF &point, bool keepRatio,
                bool snap, double stepX, double stepY, QRectF *result);

/** Signed angle in degrees from @p from to @p to as seen from @p centre (clockwise on screen positive). */
double signedAngle(const QPointF &centre, const QPointF &from, const QPointF &to);

/**
 * The handle rectangles of a selected frame in item units, for a view in
 * which one item unit is @p sx by @p sy pixels; handles 9 and 10 need the
 * rotate picture's size @p rotatePicture and are empty for frame-flagged items
 * or items too small on screen.
 */
QVector<QRectF> handleRects(const ChartItem &frame, double sx, double sy,
                            const QSizeF &rotatePicture);

/**
 * Gives the block references of the page orders 0, 1, 2, ... in the sequence
 * of their present orders (equal orders keep their stacking sequence).
 */
void renumberBlockOrders(ChartPage &page);

} // namespace canvasgeometry
