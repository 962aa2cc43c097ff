#include "chartedit/geometryrows.h"

#include "chart/chartitem.h"
#include "chartedit/canvasdrag.h"
#include "chartedit/canvasgeometry.h"

#include <QLocale>
#include <QtMath>

namespace geometryrows {

namespace {
const char *const kTitles[] = {"X", "Y", "Width", "Height", "Rotation"};

PropertyRow numberRow(const QString &title, double value)
{
    PropertyRow r;
    r.title = title;
    r.kind = PropertyRow::Text;
    r.text = QLocale::c().toString(value, 'f', 2);
    return r;
}
} // namespace

bool isGeometryRow(const QString &title)
{
    for (const char *t : kTitles) {
        if (title == QLatin1String(t))
            return true;
    }
    return false;
}

QVector<PropertyRow> rowsFor(const ChartItem &frame, double pageUnitsPerUnit)
{
    const QRectF r = canvasgeometry::frameBounds(frame);
    const double u = pageUnitsPerUnit > 0 ? pageUnitsPerUnit : 1.0;
    return {numberRow(QStringLiteral("X"), r.left() / u), numberRow(QStringLiteral("Y"), r.top() / u),
            numberRow(QStringLiteral("Width"), r.width() / u),
            numberRow(QStringLiteral("Height"), r.height() / u),
            numberRow(QStringLiteral("Rotation"), frame.rotation)};
}

bool edited(const ChartItem &frame, const PropertyRow &row, double pageUnitsPerUnit,
            const QSizeF &page, ChartItemGeometry *after)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(row.text.trimmed(), &ok);
    if (!ok || !qIsFinite(value) || !isGeometryRow(row.title))
        return false;
    const double u = pageUnitsPerUnit > 0 ? pageUnitsPerUnit : 1.0;
    const double units = value * u;
    const ChartItemGeometry before = ChartItemGeometry::capture(frame);
    const QRectF r = canvasgeometry::frameBounds(frame);
    if (row.title == QLatin1String("X") || row.title == QLatin1String("Y")) {
        const QPointF delta = row.title == QLatin1String("X") ? QPointF(units - r.left(), 0)
                                                              : QPointF(0, units - r.top());
        *after = canvasdrag::nudge(before, delta, page);
    } else if (row.title == QLatin1String("Rotation")) {
        // A turn about the centre from the present angle to the typed one.
        const double turn = qDegreesToRadians(ChartItem::normalizedRotation(value) - frame.rotation);
        canvasdrag::Start s;
        s.geometry = before;
        s.rect = r;
        s.frameFlagged = frame.isFrame;
        s.press = r.center() + QPointF(100, 0);
        *after = canvasdrag::rotate(s, r.center() + QPointF(100 * std::cos(turn), 100 * std::sin(turn)));
    } else {
        const bool horizontal = row.title == QLatin1String("Width");
        if (units < 1)
            return false;
        canvasdrag::Start s;
        s.geometry = before;
        s.rect = r;
        s.frameFlagged = frame.isFrame;
        s.handle = horizontal ? 5 : 6;
        s.press = horizontal ? QPointF(r.right(), r.center().y()) : QPointF(r.center().x(), r.bottom());
        const QPointF to = horizontal ? QPointF(r.left() + units, s.press.y())
                                      : QPointF(s.press.x(), r.top() + units);
        const int kind = frame.content ? frame.content->kind : ChartItem::KindNone;
        canvasdrag::Context c;
        c.page = page;
        *after = canvasdrag::resize(s, to, c,
                                    canvasdrag::modeForHandle(s.handle, kind) == canvasdrag::ResizeFree,
                                    before);
    }
    return *after != before;
}

} // namespace geometryrows
