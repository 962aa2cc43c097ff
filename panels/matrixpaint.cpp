#include "panels/matrixpaint.h"

#include "panels/ctheme.h"
#include "panels/matrixgrid.h"
#include "panels/panelpaint.h"

#include <QFontMetrics>
#include <QPainter>

using namespace PanelPaint;

namespace MatrixGrid {

void paintBackground(QPainter &p, const CTheme *theme, const QRect &area)
{
    if (theme && !theme->background().isNull())
        p.drawImage(0, 0, theme->background());
    else
        p.fillRect(area, themed(theme, kBody));
}

void paintCells(QPainter &p, const CTheme *theme, bool money)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QFont caption = pixelFont(QStringLiteral("Arial"), 11, true);
    const QFont markFont = pixelFont(QStringLiteral("Arial"), 12, true);
    QColor fill = themed(theme, 0x2c2420);
    fill.setAlpha(170);
    QColor sumFill = themed(theme, 0x44372f);
    sumFill.setAlpha(170);
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            if (!isCell(c, r))
                continue;
            const int cell = c + Columns * r;
            const bool digitCell = c >= 1 && c <= 3 && r <= 2;
            const QRectF rect = QRectF(cellRect(c, r)).adjusted(0.5, 0.5, -0.5, -0.5);
            p.setPen(QPen(themed(theme, digitCell ? 0x8b7e75 : 0x6a5d55), 1));
            p.setBrush(digitCell ? fill : sumFill);
            p.drawRoundedRect(rect, 5, 5);

            // Captions sit in the top band of their cell, the value below them.
            const int x = 12 + 118 * c;
            const int y = 35 + 63 * r + 6;
            const QRect band(x, y, 104, 14);
            p.setFont(markFont);
            p.setPen(themed(theme, digitCell ? kAccent : kHeading));
            const QString m = mark(cell);
            p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, m);
            const int mw = QFontMetrics(markFont).horizontalAdvance(m) + 5;
            p.setFont(caption);
            p.setPen(themed(theme, kHeading));
            p.drawText(band.adjusted(mw, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       label(cell, money));
        }
    }
    p.setBrush(Qt::NoBrush);
}

void paintValue(QPainter &p, const CTheme *theme, const QRect &r, const QString &value,
                bool compact)
{
    if (value.isEmpty())
        return;
    int px = compact ? 16 : 22;
    QFont f = pixelFont(QStringLiteral("Arial"), px, true);
    // Long contents (many repeated digits) shrink until they fit.
    while (px > 9 && QFontMetrics(f).horizontalAdvance(value) > r.width() - 6) {
        --px;
        f.setPixelSize(px);
    }
    p.setFont(f);
    p.setPen(themed(theme, kText));
    p.drawText(r.adjusted(0, 16, 0, 0), Qt::AlignCenter, value);
}

}  // namespace MatrixGrid
