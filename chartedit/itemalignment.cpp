#include "chartedit/itemalignment.h"

#include <algorithm>
#include <numeric>

namespace itemalignment {

namespace {
QVector<QPointF> distribute(const QVector<QRectF> &rects, bool horizontal)
{
    QVector<QPointF> result(rects.size());
    if (rects.size() < 3)
        return result;
    auto start = [horizontal](const QRectF &r) { return horizontal ? r.left() : r.top(); };
    auto length = [horizontal](const QRectF &r) { return horizontal ? r.width() : r.height(); };
    QVector<int> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return start(rects[a]) < start(rects[b]); });
    const QRectF &first = rects[order.first()];
    double end = 0, total = 0;
    for (const QRectF &r : rects) {
        end = std::max(end, start(r) + length(r));
        total += length(r);
    }
    const double gap = (end - start(first) - total) / (rects.size() - 1);
    double at = start(first);
    for (int index : order) {
        const double delta = at - start(rects[index]);
        result[index] = horizontal ? QPointF(delta, 0) : QPointF(0, delta);
        at += length(rects[index]) + gap;
    }
    return result;
}
} // namespace

QVector<QPointF> moves(const QVector<QRectF> &rects, Kind kind, const QSizeF &page)
{
    if (kind == DistributeHorizontally || kind == DistributeVertically)
        return distribute(rects, kind == DistributeHorizontally);
    QRectF box = rects.size() == 1 ? QRectF(QPointF(0, 0), page) : QRectF();
    if (rects.size() > 1) {
        box = rects.first();
        for (const QRectF &r : rects)
            box |= r;
    }
    QVector<QPointF> result;
    for (const QRectF &r : rects) {
        switch (kind) {
        case AlignLeft:
            result << QPointF(box.left() - r.left(), 0);
            break;
        case AlignRight:
            result << QPointF(box.right() - r.right(), 0);
            break;
        case AlignTop:
            result << QPointF(0, box.top() - r.top());
            break;
        case AlignBottom:
            result << QPointF(0, box.bottom() - r.bottom());
            break;
        case CenterHorizontally:
            result << QPointF(box.center().x() - r.center().x(), 0);
            break;
        default:
            result << QPointF(0, box.center().y() - r.center().y());
            break;
        }
    }
    return result;
}

} // namespace itemalignment
