#include "chartedit/canvasgeometry.h"

#include "chart/chartitem.h"
#include "chart/chartpage.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace canvasgeometry {

QRectF itemRect(const ChartItem &frame)
{
    if (!frame.outline.isEmpty())
        return frame.outline.boundingRect();
    return QRectF(QPointF(0, 0), frame.size);
}

QRectF frameBounds(const ChartItem &frame)
{
    if (frame.outline.isEmpty())
        return frame.transform.mapRect(QRectF(QPointF(0, 0), frame.size));
    return frame.transform.map(frame.outline).boundingRect();
}

QPointF snapPoint(const QPointF &p, double stepX, double stepY)
{
    const double x = stepX > 0 ? std::floor(p.x() / stepX + 0.5) * stepX : p.x();
    const double y = stepY > 0 ? std::floor(p.y() / stepY + 0.5) * stepY : p.y();
    return QPointF(x, y);
}

QRectF keepOnPage(const QRectF &rect, const QSizeF &page)
{
    QRectF r = rect;
    if (r.right() > page.width())
        r.moveRight(page.width());
    if (r.bottom() > page.height())
        r.moveBottom(page.height());
    if (r.left() < 0)
        r.moveLeft(0);
    if (r.top() < 0)
        r.moveTop(0);
    return r;
}

void moveFrameTo(ChartItem &frame, const QPointF &topLeft)
{
    const QPointF delta = topLeft - frameBounds(frame).topLeft();
    frame.transform = frame.transform * QTransform::fromTranslate(delta.x(), delta.y());
}

bool keepItemsOnPage(ChartPage &page)
{
    bool moved = false;
    for (auto &frame : page.items) {
        const QRectF bounds = frameBounds(*frame);
        const QRectF inside = keepOnPage(bounds, page.size);
        if (inside.topLeft() != bounds.topLeft()) {
            moveFrameTo(*frame, inside.topLeft());
            moved = true;
        }
    }
    return moved;
}

bool resizeRect(const QRectF &start, int handle, const QPointF &point, bool keepRatio,
                bool snap, double stepX, double stepY, QRectF *result)
{
    double left = start.left(), top = start.top(), right = start.right(), bottom = start.bottom();
    const bool corner = handle >= 0 && handle <= 3;
    const bool movesLeft = handle == 0 || handle == 2 || handle == 4;
    const bool movesRight = handle == 1 || handle == 3 || handle == 5;
    const bool movesTop = handle == 0 || handle == 1;
    const bool movesBottom = handle == 2 || handle == 3 || handle == 6;
    if (movesLeft)
        left = point.x();
    if (movesRight)
        right = point.x();
    if (movesTop)
        top = point.y();
    if (movesBottom)
        bottom = point.y();

    if (keepRatio && corner) {
        if (start.width() <= 0 || start.height() <= 0)
            return false;
        const double ratio = start.width() / start.height();
        if (snap && stepX > 0) {
            if (movesLeft)
                left = std::floor(left / stepX + 0.5) * stepX;
            else
                right = std::floor(right / stepX + 0.5) * stepX;
        }
        const double height = (right - left) / ratio;
        if (movesTop)
            top = bottom - height;
        else
            bottom = top + height;
        const double w = right - left, h = bottom - top;
        if (w < 1 || h < 1)
            return false;
        auto round5 = [](double v) { return std::round(v * 1e5) / 1e5; };
        if (round5(w / h) != round5(ratio))
            return false;
    } else if (snap && !keepRatio) {
        const QPointF tl = snapPoint(QPointF(left, top), stepX, stepY);
        const QPointF br = snapPoint(QPointF(right, bottom), stepX, stepY);
        if (movesLeft)
            left = tl.x();
        if (movesTop)
            top = tl.y();
        if (movesRight)
            right = br.x();
        if (movesBottom)
            bottom = br.y();
    }
    if (right - left < 1 || bottom - top < 1)
        return false;
    *result = QRectF(QPointF(left, top), QPointF(right, bottom));
    return true;
}

double signedAngle(const QPointF &centre, const QPointF &from, const QPointF &to)
{
    const QPointF a = from - centre;
    const QPointF b = to - centre;
    const double cross = a.x() * b.y() - a.y() * b.x();
    const double dot = a.x() * b.x() + a.y() * b.y();
    if (cross == 0 && dot == 0)
        return 0;
    return qRadiansToDegrees(std::atan2(cross, dot));
}

QVector<QRectF> handleRects(const ChartItem &frame, double sx, double sy,
                            const QSizeF &rotatePicture)
{
    QVector<QRectF> h(kHandleCount);
    if (!(sx > 0) || !(sy > 0))
        return h;
    const QRectF r = itemRect(frame).adjusted(-2 / sx, -2 / sy, 1 / sx, 1 / sy);
    const double hw = kHandleSide / sx, hh = kHandleSide / sy;
    auto square = [&](double x, double y) { return QRectF(x - hw / 2, y - hh / 2, hw, hh); };
    const double midY = (r.top() + r.bottom()) / 2;
    h[0] = square(r.left(), r.top());
    h[1] = square(r.right(), r.top());
    h[2] = square(r.left(), r.bottom());
    h[3] = square(r.right(), r.bottom());
    h[4] = square(r.left(), midY);
    h[5] = square(r.right(), midY);
    h[6] = square((r.left() + r.right()) / 2, r.bottom());
    const double stripLeft = r.left() + 8 / sx, stripRight = r.right() - 8 / sx;
    if (stripRight > stripLeft)
        h[7] = QRectF(stripLeft, r.top() - 12 / sy, stripRight - stripLeft, 24 / sy);
    h[8] = QRectF(r.right() + 3 / sx, r.bottom() - 15 / sy, 15 / sx, 15 / sy);
    const double pw = rotatePicture.width(), ph = rotatePicture.height();
    if (!frame.isFrame && r.width() * sx > 3 * pw && r.height() * sy > 2 * ph) {
        const double cx = r.center().x(), quarter = r.width() / 4;
        const QSizeF side(pw / sx, ph / sy);
        for (int i = 0; i < 2; ++i) {
            const double x = i == 0 ? cx + quarter : cx - quarter;
            h[9 + i] = QRectF(QPointF(x - side.width() / 2, midY - side.height() / 2), side);
        }
    }
    return h;
}

void renumberBlockOrders(ChartPage &page)
{
    QList<ChartItem *> refs = page.blockReferences();
    std::stable_sort(refs.begin(), refs.end(),
                     [](const ChartItem *a, const ChartItem *b) { return a->order < b->order; });
    for (int i = 0; i < refs.size(); ++i)
        refs[i]->order = i;
}

} // namespace canvasgeometry
