#pragma once

#include "chart/chartdocument.h"

#include <QColor>
#include <QImage>
#include <QRectF>

/** Small helpers that place items on a page the way the chart creator would. */
namespace samples {

struct TextStyle {
    int pixelSize = 11;
    bool bold = false;
    QColor colour{Qt::black};
    int alignment = Qt::AlignLeft;
    QString family = QStringLiteral("Arial");
};

/** A data field ("#full_name", "#birthdate", ...) with its caption. */
ChartItem *addField(ChartPage &page, const QString &fieldCode, const QString &caption,
                    const QRectF &rect, const TextStyle &style);
/** A text item that prints its own text. */
ChartItem *addText(ChartPage &page, const QString &text, const QRectF &rect,
                   const TextStyle &style);
/** A number panel or table, scaled by @p scale, with a background and an optional frame. */
ChartItem *addPanel(ChartPage &page, const QString &entryText, const QPointF &at, double scale,
                    const QColor &background, const QColor &labelColour, const QColor &frame);
/** A picture stretched over @p rect. */
ChartItem *addImage(ChartPage &page, const QImage &picture, const QRectF &rect);
/** A barcode of @p text in @p symbology. */
ChartItem *addBarcode(ChartPage &page, const QString &text, int symbology, const QRectF &rect,
                      const QColor &colour, int alignment = Qt::AlignHCenter);
/** A block reference to @p block at @p rect. */
ChartItem *addBlockReference(ChartPage &page, ChartPage *block, const QRectF &rect);

/** A horizontal gradient band, @p size pixels, with soft circles for a little depth. */
QImage banner(const QSize &size, const QColor &from, const QColor &to, bool circles = true);
/** A ring of the digits 1 to 9, the numerologist's wheel, @p side pixels square. */
QImage digitWheel(int side, const QColor &ring, const QColor &digits);
/** A thin rule of @p colour. */
QImage rule(const QColor &colour);

} // namespace samples
