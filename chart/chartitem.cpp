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
    copy->fixedField = fixedField;
    copy->editableText = editableText;
    copy->auxText = auxText;
    copy->fieldCode = fieldCode;
    copy->transform = transform;
    copy->rotation = rotation;
    copy->size = size;
    copy->outline = outline;
    copy->textColor = textColor;
    copy->naturalSize = naturalSize;
    copy->image = image;
    copy->flagA = flagA;
    copy->isFrame = isFrame;
    copy->text = text;
    copy->font = font;
    copy->alignment = alignment;
    copy->lineStyle = lineStyle;
    copy->lineWidth = lineWidth;
    copy->lineColor = lineColor;
    copy->imageNumber = imageNumber;
    copy->frameStyle = frameStyle;
    copy->frameColor = frameColor;
    copy->partSelector = partSelector;
    copy->fitTo = fitTo;
    copy->order = order;
    copy->barcodeType = barcodeType;
    copy->background = background;
    copy->linkedImage = linkedImage;
    copy->linkedBlock = linkedBlock;
    if (content)
        copy->setContent(content->clone());
    return copy;
}
