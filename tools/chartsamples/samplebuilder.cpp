#include "samplebuilder.h"

#include "chart/chartfields.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace samples {

namespace {
void applyStyle(ChartItem &c, const TextStyle &style)
{
    QFont font(style.family);
    font.setPixelSize(style.pixelSize);
    font.setBold(style.bold);
    c.font = font;
    c.textColor = style.colour;
    c.alignment = style.alignment;
}

void placeAt(ChartItem *frame, const QRectF &rect)
{
    frame->transform = QTransform::fromTranslate(rect.x(), rect.y());
}
} // namespace

ChartItem *addField(ChartPage &page, const QString &fieldCode, const QString &caption,
                    const QRectF &rect, const TextStyle &style)
{
    ChartItem *frame = createFieldItem(page, caption, rect.topLeft(), rect.size());
    placeAt(frame, rect);
    ChartItem *c = frame->content.get();
    c->kind = ChartItem::KindText;
    c->fieldCode = fieldCode;
    c->fixedField = true;
    applyStyle(*c, style);
    return frame;
}

ChartItem *addText(ChartPage &page, const QString &text, const QRectF &rect,
                   const TextStyle &style)
{
    ChartItem *frame = createFieldItem(page, text, rect.topLeft(), rect.size());
    placeAt(frame, rect);
    ChartItem *c = frame->content.get();
    c->kind = ChartItem::KindText;
    c->fieldCode = QStringLiteral("#text");
    c->editableText = true;
    applyStyle(*c, style);
    return frame;
}

ChartItem *addPanel(ChartPage &page, const QString &entryText, const QPointF &at, double scale,
                    const QColor &background, const QColor &labelColour, const QColor &frame)
{
    for (const ChartFieldEntry &e : chartFieldEntries()) {
        if (e.code != 1 || e.text != entryText)
            continue;
        ChartItem *item = addFieldItem(page, e, at);
        item->transform = QTransform(scale, 0, 0, scale, at.x(), at.y());
        ChartItem *c = item->content.get();
        c->background = background;
        c->textColor = labelColour;
        if (frame.isValid()) {
            c->frameStyle = 1;
            c->frameColor = frame;
        }
        return item;
    }
    return nullptr;
}

ChartItem *addImage(ChartPage &page, const QImage &picture, const QRectF &rect)
{
    ChartItem *frame = createImageItem(page, picture, rect.topLeft());
    if (!frame)
        return nullptr;
    frame->setSize(rect.size());
    frame->outline = QPainterPath();
    frame->outline.addRect(QRectF(QPointF(0, 0), rect.size()));
    frame->content->setSize(rect.size());
    frame->content->fieldCode = QStringLiteral("#image");
    placeAt(frame, rect);
    return frame;
}

ChartItem *addBarcode(ChartPage &page, const QString &text, int symbology, const QRectF &rect,
                      const QColor &colour, int alignment)
{
    ChartItem *frame = createFieldItem(page, text, rect.topLeft(), rect.size());
    placeAt(frame, rect);
    ChartItem *c = frame->content.get();
    c->kind = ChartItem::KindBarcode;
    c->editableText = true;
    c->barcodeType = symbology;
    c->textColor = colour;
    c->alignment = alignment;
    return frame;
}

ChartItem *addBlockReference(ChartPage &page, ChartPage *block, const QRectF &rect)
{
    ChartItem *frame = createBlockItem(page, block, rect.topLeft());
    if (!frame)
        return nullptr;
    placeAt(frame, rect);
    return frame;
}

QImage banner(const QSize &size, const QColor &from, const QColor &to, bool circles)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    p.fillRect(image.rect(), g);
    if (circles) {
        const struct {
            double x, y, r;
        } rings[] = {{0.82, 0.2, 0.55}, {0.95, 0.9, 0.35}, {0.65, 1.1, 0.3}};
        for (const auto &ring : rings) {
            const QPointF centre(ring.x * size.width(), ring.y * size.height());
            const double radius = ring.r * size.height() * 1.6;
            QRadialGradient glow(centre, radius);
            glow.setColorAt(0, QColor(255, 255, 255, 46));
            glow.setColorAt(1, QColor(255, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(centre, radius, radius);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(255, 255, 255, 60), size.height() / 90.0));
            p.drawEllipse(centre, radius * 0.7, radius * 0.7);
        }
    }
    return image;
}

QImage digitWheel(int side, const QColor &ring, const QColor &digits)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    const double radius = side * 0.46;
    p.setPen(QPen(ring, side / 60.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.drawEllipse(centre, radius * 0.62, radius * 0.62);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(int(side * 0.13));
    font.setBold(true);
    p.setFont(font);
    for (int d = 1; d <= 9; ++d) {
        const double angle = (d - 1) * 40.0 * M_PI / 180.0 - M_PI / 2;
        const QPointF at(centre.x() + radius * 0.81 * std::cos(angle),
                         centre.y() + radius * 0.81 * std::sin(angle));
        p.setPen(digits);
        p.drawText(QRectF(at.x() - side * 0.1, at.y() - side * 0.1, side * 0.2, side * 0.2),
                   Qt::AlignCenter, QString::number(d));
        const QPointF inner(centre.x() + radius * 0.62 * std::cos(angle),
                            centre.y() + radius * 0.62 * std::sin(angle));
        p.setPen(QPen(ring, side / 90.0));
        p.drawLine(centre, inner);
    }
    p.setBrush(ring);
    p.drawEllipse(centre, side * 0.04, side * 0.04);
    return image;
}

QImage rule(const QColor &colour)
{
    QImage image(64, 4, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

} // namespace samples
