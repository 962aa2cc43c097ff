#include "chart/chartitem.h"

#include <cmath>

QFont ChartItem::defaultFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    font.setWeight(50);
    font.setPixelSize(11);
    return font;
}

std::unique_ptr<ChartItem> ChartItem::createFrame(int contentKind, const QSizeF &size)
{
    auto frame = std::make_unique<ChartItem>(KindFrame);
    frame->isFrame = true;
    frame->setSize(size);
    frame->outline.addRect(QRectF(QPointF(0, 0), frame->size));
    auto content = std::make_unique<ChartItem>(contentKind);
    content->setSize(size);
    frame->setContent(std::move(content));
    return frame;
}

void ChartItem::setContent(std::unique_ptr<ChartItem> item)
{
    content = std::move(item);
    if (content)
        content->owner = this;
}

double ChartItem::normalizedRotation(double degrees)
{
    if (!std::isfinite(degrees))
        return 0.0;
    double r = std::fmod(degrees, 360.0);
    if (r < 0)
        r += 360.0;
    return r;
}

void ChartItem::setRotation(double degrees)
{
    rotation = normalizedRotation(degrees);
    if (content)
        content->rotation = rotation;
}

void ChartItem::setSize(const QSizeF &newSize)
{
    double w = newSize.width();
    double h = newSize.height();
    if (w == 0)
        w = h;
    if (h == 0)
        h = w;
    size = QSizeF(w, h);
}

std::unique_ptr<ChartItem> ChartItem::clone() const
{
    auto copy = std::make_unique<ChartItem>(kind);
    copy->assignState(*this);
    return copy;
}

void ChartItem::assignState(const ChartItem &o)
{
    kind = o.kind;
    fixedField = o.fixedField;
    editableText = o.editableText;
    auxText = o.auxText;
    fieldCode = o.fieldCode;
    transform = o.transform;
    rotation = o.rotation;
    size = o.size;
    outline = o.outline;
    textColor = o.textColor;
    naturalSize = o.naturalSize;
    image = o.image;
    flagA = o.flagA;
    isFrame = o.isFrame;
    text = o.text;
    font = o.font;
    alignment = o.alignment;
    lineStyle = o.lineStyle;
    lineWidth = o.lineWidth;
    lineColor = o.lineColor;
    imageNumber = o.imageNumber;
    frameStyle = o.frameStyle;
    frameColor = o.frameColor;
    partSelector = o.partSelector;
    fitTo = o.fitTo;
    order = o.order;
    barcodeType = o.barcodeType;
    background = o.background;
    linkedImage = o.linkedImage;
    linkedBlock = o.linkedBlock;
    if (!o.content)
        content.reset();
    else if (content)
        content->assignState(*o.content);
    else
        setContent(o.content->clone());
}
