#include "chartedit/canvasdrag.h"

#include "chart/chartitem.h"
#include "chartedit/canvasgeometry.h"

#include <cmath>

namespace canvasdrag {

namespace {
QTransform rotationAbout(const QPointF &c, double degrees)
{
    return QTransform::fromTranslate(-c.x(), -c.y()) * QTransform().rotate(degrees) *
           QTransform::fromTranslate(c.x(), c.y());
}

/** Moves the geometry so that its bounding rectangle starts at @p topLeft. */
void placeAt(ChartItemGeometry &g, const QPointF &topLeft)
{
    const QPointF d = topLeft - bounds(g).topLeft();
    g.transform = g.transform * QTransform::fromTranslate(d.x(), d.y());
}

double scaleX(const QTransform &t) { return std::hypot(t.m11(), t.m12()); }
double scaleY(const QTransform &t) { return std::hypot(t.m21(), t.m22()); }
} // namespace

QRectF bounds(const ChartItemGeometry &g)
{
    if (g.outline.isEmpty())
        return g.transform.mapRect(QRectF(QPointF(0, 0), g.size));
    return g.transform.map(g.outline).boundingRect();
}

int modeForHandle(int handle, int contentKind)
{
    const bool freeKind = contentKind == ChartItem::KindTransient ||
                          contentKind == ChartItem::KindText ||
                          contentKind == ChartItem::KindStockImage;
    // A barcode's frame takes the new size and the symbol is fitted inside it:
    // scaling the item would stretch the symbol out of its proportions.
    if (handle >= 0 && handle <= 6)
        return freeKind || contentKind == ChartItem::KindBarcode ? ResizeFree : Resize;
    if (handle == 7)
        return Move;
    if (handle >= 8 && handle <= 10)
        return freeKind ? RotateFree : Rotate;
    return None;
}

ChartItemGeometry move(const Start &s, const QPointF &point, const Context &c)
{
    QRectF r = s.rect.translated(point - s.press);
    if (c.snap)
        r.moveTopLeft(canvasgeometry::snapPoint(r.topLeft(), c.stepX, c.stepY));
    r = canvasgeometry::keepOnPage(r, c.page);
    ChartItemGeometry g = s.geometry;
    placeAt(g, r.topLeft());
    return g;
}

ChartItemGeometry rotate(const Start &s, const QPointF &point)
{
    const double angle = canvasgeometry::signedAngle(s.rect.center(), s.press, point);
    ChartItemGeometry g = s.geometry;
    if (s.frameFlagged) {
        // Frame items turn their outline; the content turns with it.
        const QPointF centre = QRectF(QPointF(0, 0), g.size).center();
        const QTransform turn = rotationAbout(centre, angle);
        QPainterPath outline = g.outline;
        if (outline.isEmpty())
            outline.addRect(QRectF(QPointF(0, 0), g.size));
        g.outline = turn.map(outline);
        g.contentTransform = g.contentTransform * turn;
    } else {
        g.transform = g.transform * rotationAbout(s.rect.center(), angle);
    }
    g.rotation = ChartItem::normalizedRotation(s.geometry.rotation + angle);
    g.contentRotation = g.rotation;
    return g;
}

ChartItemGeometry resize(const Start &s, const QPointF &point, const Context &c, bool freeResize,
                         const ChartItemGeometry &current)
{
    const QPointF clamped(qBound(0.0, point.x(), c.page.width()),
                          qBound(0.0, point.y(), c.page.height()));
    QRectF r;
    if (!canvasgeometry::resizeRect(s.rect, s.handle, clamped, !freeResize, c.snap, c.stepX,
                                    c.stepY, &r))
        return current;
    const bool side = s.handle >= 4 && s.handle <= 6;
    if (!freeResize && side && std::fmod(s.geometry.rotation, 90.0) != 0) {
        // A turned item stretched along the page's axes would shear: its
        // side handles scale it evenly instead.
        const double f = s.handle == 6 ? r.height() / s.rect.height() : r.width() / s.rect.width();
        if (s.handle == 6)
            r.setWidth(s.rect.width() * f);
        else
            r.setHeight(s.rect.height() * f);
    }
    ChartItemGeometry g = s.geometry;
    const double fx = r.width() / s.rect.width();
    const double fy = r.height() / s.rect.height();
    if (!freeResize) {
        // The item is scaled so that its bounding rectangle fills the new one.
        g.transform = g.transform * QTransform::fromTranslate(-s.rect.left(), -s.rect.top()) *
                      QTransform::fromScale(fx, fy) * QTransform::fromTranslate(r.left(), r.top());
        return g;
    }
    // Text and fields: the frame gets the new size, so the text wraps instead of stretching.
    const QSizeF oldSize = g.size;
    const QSizeF newSize(qMax(1.0, oldSize.width() * fx), qMax(1.0, oldSize.height() * fy));
    const QPointF oldCentre = QRectF(QPointF(0, 0), oldSize).center();
    const QPointF newCentre = QRectF(QPointF(0, 0), newSize).center();
    g.size = newSize;
    g.contentSize = newSize;
    QPainterPath outline;
    outline.addRect(QRectF(QPointF(0, 0), newSize));
    if (s.frameFlagged && s.geometry.rotation != 0)
        outline = rotationAbout(newCentre, s.geometry.rotation).map(outline);
    g.outline = outline;
    const QPointF d = newCentre - oldCentre;
    g.contentTransform = QTransform::fromTranslate(-d.x(), -d.y()) * g.contentTransform *
                         QTransform::fromTranslate(d.x(), d.y());
    placeAt(g, r.topLeft());
    return g;
}

ChartItemGeometry shiftContent(const Start &s, const QPointF &point)
{
    const QPointF delta = point - s.press;
    const QPointF unrotated = QTransform().rotate(-s.geometry.rotation).map(delta);
    const double sx = scaleX(s.geometry.transform), sy = scaleY(s.geometry.transform);
    const QPointF local(sx > 0 ? unrotated.x() / sx : 0, sy > 0 ? unrotated.y() / sy : 0);
    ChartItemGeometry g = s.geometry;
    g.contentTransform = QTransform::fromTranslate(local.x(), local.y()) * g.contentTransform;
    return g;
}

ChartItemGeometry nudge(const ChartItemGeometry &start, const QPointF &delta, const QSizeF &page)
{
    ChartItemGeometry g = start;
    const QRectF r = canvasgeometry::keepOnPage(bounds(start).translated(delta), page);
    placeAt(g, r.topLeft());
    return g;
}

} // namespace canvasdrag
