#include "panels/panelpaint.h"

#include "panels/ctheme.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>

namespace PanelPaint {

QColor themed(const CTheme *theme, QRgb rgb)
{
    const QColor c = QColor::fromRgb(rgb);
    return theme ? theme->mapColor(c) : c;
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

QString valueMarkup(const QString &value)
{
    static const QRegularExpression master(
        QStringLiteral("(?<![0-9])(11|22|33|44|55|66|77|88|99)(?![0-9])"));
    QString html = value.toHtmlEscaped();
    html.replace(master, QStringLiteral("<font color=\"#F06040\">\\1</font>"));
    return QStringLiteral("<font color=\"#ece7e0\">") + html + QStringLiteral("</font>");
}

void drawRichText(QPainter &p, const CTheme *theme, int x, int y, int maxWidth,
                  const QString &html, const QFont &font)
{
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(font);
    doc.setHtml(theme ? theme->mapStyleText(html) : html);
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
