#include "chart/chartpainter.h"

#include "chart/barcode/barcodepicture.h"
#include "chart/chartnumberfields.h"
#include "chart/chartpanels.h"

#include <QCache>
#include <QPainterPath>

#include <cmath>
#include <ctime>

namespace {

QSizeF contentSize(const ChartItem &content)
{
    return content.owner ? content.owner->size : content.size;
}

QString printedValue(const ChartItem &c, const ChartDrawContext &ctx, bool *known)
{
    *known = true;
    const ChartProfile *pr = ctx.profile;
    const QString &code = c.fieldCode;
    if (code == QLatin1String("#full_name"))
        return pr ? pr->fullName : QString();
    if (code == QLatin1String("#short_name") || code == QLatin1String("#numerologist"))
        return pr ? pr->shortName : QString();
    if (code == QLatin1String("#birthdate"))
        return pr ? ChartProfile::chartDate(pr->birthDate) : QString();
    if (code == QLatin1String("#print_date"))
        return ChartProfile::chartDate(pr ? pr->printDate : QDate::currentDate());
    if (isChartNumberCode(code))
        return pr ? pr->numbers.value(code) : QString();
    *known = false;
    return QString();
}

void drawTextContent(QPainter &p, const ChartItem &c, const ChartDrawContext &ctx)
{
    const QSizeF size = contentSize(c);
    const int flags = c.alignment | Qt::TextWordWrap;
    const QRectF valueRect(1, 0, size.width() - 2, size.height());
    const QRectF ownRect(2, 2, size.width() - 3, size.height() - 3);
    QFont font = c.font;
    font.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(font);
    p.setPen(QPen(c.textColor, 1));

    bool isValueField = false;
    const QString value = printedValue(c, ctx, &isValueField);
    if (isValueField) {
        // On screen an empty value shows the caption so the field stays visible.
        if (!value.isEmpty())
            p.drawText(valueRect, flags, value);
        else if (!ctx.print)
            p.drawText(valueRect, flags, c.text);
    } else if (c.fixedField) {
        QString shown = c.text;
        if (ctx.print) {
            if (c.fieldCode == QLatin1String("#pagenumber"))
                shown = QString::number(ctx.pageNumber);
            else if (c.fieldCode == QLatin1String("#date"))
                shown = ctx.profile ? ChartProfile::chartDate(ctx.profile->targetDate) : QString();
            else if (c.fieldCode == QLatin1String("#dbname"))
                shown = ctx.profile ? ctx.profile->sourceName : QString();
        }
        p.drawText(ownRect, flags, shown);
    }
    if (c.editableText)
        p.drawText(ownRect, flags, c.text);
}

void drawBlockReference(QPainter &p, const ChartItem &c, const ChartDrawContext &ctx)
{
    const QSizeF size = contentSize(c);
    const QRectF rect(QPointF(0, 0), size);
    const ChartPage *block = c.linkedBlock;
    if (ctx.print) {
        if (!block || ctx.depth >= kMaxBlockDepth || block->size.isEmpty())
            return;
        ChartDrawContext sub = ctx;
        sub.depth = ctx.depth + 1;
        if (ctx.blockProfile)
            sub.profile = ctx.blockProfile(c);
        p.save();
        p.scale(size.width() / block->size.width(), size.height() / block->size.height());
        drawChartPage(p, *block, sub);
        p.restore();
        return;
    }
    if (!c.linkedImage.isNull()) {
        p.save();
        p.setOpacity(0.8);
        p.drawImage(rect, c.linkedImage);
        p.restore();
    }
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(24);
    p.setFont(font);
    p.setPen(QPen(c.textColor, 1));
    p.drawText(rect, Qt::AlignCenter, QLatin1Char('#') + QString::number(c.order + 1));
    if (c.frameStyle == 0) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect);
    }
}

// The canvas repaints often; the same few barcodes are drawn again and again.
QImage cachedBarcode(const QString &text, int type, const QColor &colour)
{
    thread_local QCache<QString, QImage> cache(32 * 1024 * 1024);
    const QString key = QString::number(type) + QLatin1Char(':') +
                        QString::number(colour.rgba(), 16) + QLatin1Char(':') + text;
    if (const QImage *hit = cache.object(key))
        return *hit;
    const QImage picture = barcodePicture(text, type, colour);
    cache.insert(key, new QImage(picture), qMax(1, int(picture.sizeInBytes())));
    return picture;
}

void drawBarcode(QPainter &p, const ChartItem &c, const ChartDrawContext &ctx)
{
    const QSizeF size = contentSize(c);
    if (c.alignment != Qt::AlignLeft && c.alignment != Qt::AlignHCenter &&
        c.alignment != Qt::AlignRight)
        return;
    const QImage picture =
        cachedBarcode(substituteFieldCodes(c.text, ctx.profile), c.barcodeType, c.textColor);
    if (picture.isNull() || size.isEmpty())
        return;
    const QSizeF fitted = fitSize(picture.size(), size);
    double x = 0;
    if (c.alignment == Qt::AlignHCenter)
        x = (size.width() - fitted.width()) / 2;
    else if (c.alignment == Qt::AlignRight)
        x = size.width() - fitted.width();
    const double y = (size.height() - fitted.height()) / 2;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(QPointF(x, y), fitted), picture);
    p.restore();
}

void drawStockImage(QPainter &p, const ChartItem &c)
{
    if (c.image.isNull())
        return;
    const QSizeF size = contentSize(c);
    QSizeF drawn = c.image.size();
    if (c.fitTo == 1 && drawn.width() > 0)
        drawn = QSizeF(size.width(), drawn.height() * size.width() / drawn.width());
    p.drawImage(QRectF(QPointF(0, 0), drawn), c.image);
}

// Text and pictures under a degenerate or wildly stretched transform make
// the glyph rasteriser fail (and Qt then crashes); such items are skipped.
bool drawableTransform(const QTransform &t)
{
    const double sx = std::hypot(t.m11(), t.m12());
    const double sy = std::hypot(t.m21(), t.m22());
    const double det = std::fabs(t.m11() * t.m22() - t.m12() * t.m21());
    if (!std::isfinite(sx) || !std::isfinite(sy) || !std::isfinite(det) || !std::isfinite(t.dx()) ||
        !std::isfinite(t.dy()) || t.type() == QTransform::TxProject)
        return false;
    if (sx > 1e4 || sy > 1e4 || sx < 1e-4 || sy < 1e-4)
        return false;
    const double stretch = qMax(sx, sy) / qMin(sx, sy);
    const double skew = det / (sx * sy); // 1 for a rectangle, 0 when flattened
    // Glyphs were seen to fail at a stretch of about 500; nothing real comes near 50.
    return stretch <= 50 && skew >= 1e-3;
}

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

bool isComplex(const QPainterPath &path)
{
    return path.elementCount() > kComplexPathElements;
}

// The corner of a page whose drawing was stopped early.
void markIncomplete(QPainter &p, const ChartPage &page)
{
    const double side = qMin(page.size.width(), page.size.height()) * 0.06;
    QPainterPath corner;
    corner.moveTo(0, 0);
    corner.lineTo(side, 0);
    corner.lineTo(0, side);
    corner.closeSubpath();
    p.fillPath(corner, QColor(220, 0, 0));
}

} // namespace

ChartDrawBudget::ChartDrawBudget(double seconds) : m_end(threadSeconds() + seconds) {}

bool ChartDrawBudget::isSpent()
{
    if (!m_spent && threadSeconds() > m_end)
        m_spent = true;
    return m_spent;
}

double defaultPageDrawSeconds()
{
    // Sanitizer builds run several times slower; the limit is a guard, not a goal.
#if defined(__SANITIZE_ADDRESS__)
    return 6.0;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return 6.0;
#else
    return 1.5;
#endif
#else
    return 1.5;
#endif
}

QString substituteFieldCodes(const QString &text, const ChartProfile *profile)
{
    if (!profile || !text.contains(QLatin1Char('#')))
        return text;
    QString result = text;
    result.replace(QLatin1String("#full_name"), profile->fullName);
    result.replace(QLatin1String("#short_name"), profile->shortName);
    result.replace(QLatin1String("#numerologist"), profile->shortName);
    result.replace(QLatin1String("#birthdate"), ChartProfile::chartDate(profile->birthDate));
    result.replace(QLatin1String("#print_date"), ChartProfile::chartDate(profile->printDate));
    for (const ChartNumberField &f : chartNumberFields())
        result.replace(f.code, profile->numbers.value(f.code));
    return result;
}

QSizeF fitSize(const QSizeF &size, const QSizeF &bounds)
{
    if (size.isEmpty() || bounds.isEmpty())
        return QSizeF(0, 0);
    const double factor = qMin(bounds.width() / size.width(), bounds.height() / size.height());
    return QSizeF(size.width() * factor, size.height() * factor);
}

void drawPageBackground(QPainter &p, const ChartPage &page)
{
    if (page.backgroundMode == ChartPage::kNoBackground)
        return;
    const QRectF rect(QPointF(0, 0), page.size);
    if (page.backgroundImage.isNull()) {
        p.fillRect(rect, page.backgroundColor);
    } else if (page.backgroundMode == 1) {
        p.drawImage(QPointF(0, 0), page.backgroundImage);
    } else if (page.backgroundMode == 2) {
        p.drawImage(rect, page.backgroundImage);
    } else {
        p.fillRect(rect, page.backgroundColor);
    }
}

void drawChartPage(QPainter &p, const ChartPage &page, const ChartDrawContext &ctx)
{
    p.save();
    const QRectF rect(QPointF(0, 0), page.size);
    p.fillRect(rect, Qt::white);
    drawPageBackground(p, page);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(rect, Qt::IntersectClip);
    for (const auto &frame : page.items) {
        if (ctx.budget && ctx.budget->isSpent())
            break;
        drawFrameItem(p, *frame, ctx);
    }
    if (ctx.depth == 0 && ctx.budget && ctx.budget->wasSpent())
        markIncomplete(p, page);
    p.restore();
}

void drawFrameItem(QPainter &p, const ChartItem &frame, const ChartDrawContext &ctx)
{
    p.save();
    p.setTransform(frame.transform, true);
    if (!drawableTransform(p.worldTransform())) {
        p.restore();
        return;
    }
    QPainterPath outline = frame.outline;
    if (outline.isEmpty())
        outline.addRect(QRectF(QPointF(0, 0), frame.size));
    // Antialiasing makes Qt take seconds for an outline of many crossing edges.
    if (isComplex(outline))
        p.setRenderHint(QPainter::Antialiasing, false);
    const ChartItem *content = frame.content.get();
    if (content) {
        p.save();
        if (content->kind != ChartItem::KindShape)
            p.setClipPath(outline, Qt::IntersectClip);
        p.setTransform(content->transform, true);
        if (drawableTransform(p.worldTransform()))
            drawContent(p, *content, ctx);
        p.restore();
    }
    if (content && content->frameStyle == 1) {
        p.setPen(QPen(content->frameColor, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
    } else if (!ctx.print && ctx.showBoundaries) {
        QPen pen(ctx.boundaryColor, 0);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
    }
    p.restore();
}

void drawContent(QPainter &p, const ChartItem &c, const ChartDrawContext &ctx)
{
    const QSizeF size = contentSize(c);
    switch (c.kind) {
    case ChartItem::KindImage:
        if (!c.image.isNull())
            p.drawImage(QRectF(QPointF(0, 0), size), c.image);
        break;
    case ChartItem::KindShape: {
        const QPainterPath path = c.outline.isEmpty() && c.owner ? c.owner->outline : c.outline;
        const bool complex = isComplex(path);
        if (complex)
            p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(path, c.textColor);
        if (c.lineWidth > 0) {
            // Dashing a long complex outline makes millions of pieces.
            p.setPen(QPen(c.lineColor, c.lineWidth, complex ? Qt::SolidLine : Qt::PenStyle(c.lineStyle)));
            p.setBrush(Qt::NoBrush);
            p.drawPath(path);
        }
        break;
    }
    case ChartItem::KindText:
        drawTextContent(p, c, ctx);
        break;
    case ChartItem::KindStockImage:
        drawStockImage(p, c);
        break;
    case ChartItem::KindBlockReference:
        drawBlockReference(p, c, ctx);
        break;
    case ChartItem::KindBarcode:
        drawBarcode(p, c, ctx);
        break;
    case ChartItem::KindNumerologyPanel:
    case ChartItem::KindNamePanel:
    case ChartItem::KindCalendarPanel:
    case ChartItem::KindNumberTable:
    case ChartItem::KindBridges:
        drawPanelContent(p, c, ctx);
        break;
    default: // frames, transient and part selectors show nothing themselves
        break;
    }
}

QImage renderPagePicture(const ChartPage &page, const QSize &pictureSize,
                         const ChartDrawContext &ctx)
{
    QImage picture(pictureSize, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    if (page.size.isEmpty())
        return picture;
    const QSizeF fitted = fitSize(page.size, pictureSize);
    QPainter p(&picture);
    p.translate((pictureSize.width() - fitted.width()) / 2,
                (pictureSize.height() - fitted.height()) / 2);
    p.scale(fitted.width() / page.size.width(), fitted.height() / page.size.height());
    ChartDrawBudget budget(defaultPageDrawSeconds());
    ChartDrawContext limited = ctx;
    if (!limited.budget)
        limited.budget = &budget;
    drawChartPage(p, page, limited);
    return picture;
}
