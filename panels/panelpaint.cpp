#include "panels/panelpaint.h"

#include "panels/ctheme.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>

namespace PanelPaint {

namespace {
double luminance(const QColor &c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor readableOn(const QColor &colour, const QColor &background, double ratio)
{
    QColor c = colour;
    for (int step = 0; step < 64 && contrastRatio(c, background) < ratio && c.lightness() < 255; ++step)
        c = QColor::fromHsl(c.hslHue(), c.hslSaturation(), qMin(255, c.lightness() + 6));
    return c;
}

QColor themed(const CTheme *theme, QRgb rgb)
{
    const QColor c = QColor::fromRgb(rgb);
    if (!theme)
        return c;
    const QColor mapped = theme->mapColor(c);
    // The accent (master numbers, essence row) is dimmer than plain text, and
    // recolouring keeps only its brightness: lift it to stay readable.
    if (rgb == kAccent)
        return readableOn(mapped, theme->mapColor(QColor::fromRgb(kBody)), kAccentContrast);
    return mapped;
}

QColor readableThemed(const CTheme *theme, QRgb rgb, const QColor &background)
{
    // A little to spare: blending and rounding in the painter cost a few hundredths.
    return readableOn(themed(theme, rgb), background, kAccentContrast + 0.1);
}

QFont pixelFont(const QString &family, int px, bool bold)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    if (family == QLatin1String("Courier"))
        f.setStyleHint(QFont::TypeWriter);
    return f;
}

void fillBody(QPainter &p, const CTheme *theme, int header, int width, int rows)
{
    p.fillRect(QRect(0, header, width, rows * 16 + 6), themed(theme, kBody));
}

void drawFrame(QPainter &p, const CTheme *theme, int header, int width, int rows)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(themed(theme, kFrameOuter));
    p.drawRect(0, header - 1, width - 1, rows * 16 + 6);
    p.setPen(themed(theme, kFrameInner));
    p.drawRect(1, header - 1, width - 3, rows * 16 + 5);
}

QString valueMarkup(const QString &value, bool highlightMasters)
{
    static const QRegularExpression master(
        QStringLiteral("(?<![0-9])(11|22|33|44|55|66|77|88|99)(?![0-9])"));
    QString html = value.toHtmlEscaped();
    if (highlightMasters)
        html.replace(master, QStringLiteral("<font color=\"#F06040\">\\1</font>"));
    return QStringLiteral("<font color=\"#ece7e0\">") + html + QStringLiteral("</font>");
}

int richTextWidth(const QString &html, const QFont &font)
{
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    doc.setHtml(html);
    return int(std::ceil(doc.idealWidth()));
}

QFont fittedFont(const QString &html, QFont font, int maxWidth, int minPx)
{
    // Antialiased edges reach a pixel past the advance; keep two spare.
    while (font.pixelSize() > minPx && richTextWidth(html, font) > maxWidth - 2)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawRichText(QPainter &p, const CTheme *theme, int x, int y, int maxWidth,
                  const QString &html, const QFont &font, const QColor &background)
{
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    QString mapped = theme ? theme->mapStyleText(html) : html;
    if (theme) {
        const QColor back = background.isValid() ? background : themed(theme, kBody);
        for (QRgb rgb : {kAccent, kText})
            mapped.replace(theme->mapColor(QColor::fromRgb(rgb)).name(),
                           readableThemed(theme, rgb, back).name(), Qt::CaseInsensitive);
    }
    doc.setHtml(mapped);
    p.save();
    p.translate(x, y);
    const QRectF clip(0, 0, qMax(0, maxWidth), doc.size().height() + 2);
    p.setClipRect(clip, Qt::IntersectClip);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = clip;
    doc.documentLayout()->draw(&p, ctx);
    p.restore();
}

}  // namespace PanelPaint
