#include "chart/chartstream.h"

#include "chart/chartitem.h"
#include "chart/chartpage.h"

#include <QVector>

#include <cmath>

namespace chartstream {

namespace {
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_4_6;
constexpr double kMaxCoordinate = 1e6;
constexpr double kMaxItemSide = 1e5;
constexpr int kMaxFontPixelSize = 2000;

bool ok(const QDataStream &s) { return s.status() == QDataStream::Ok; }

bool finiteIn(double v, double limit) { return std::isfinite(v) && std::fabs(v) <= limit; }

QSizeF saneSize(const QSizeF &size)
{
    const double w = size.width();
    const double h = size.height();
    if (!std::isfinite(w) || !std::isfinite(h))
        return QSizeF(0, 0);
    return QSizeF(qBound(0.0, w, kMaxItemSide), qBound(0.0, h, kMaxItemSide));
}

bool readRaw(QDataStream &s, char *data, int len)
{
    if (s.readRawData(data, len) != len) {
        s.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}
} // namespace

void writeItem(QDataStream &s, const ChartItem &item)
{
    s.setVersion(kStreamVersion);
    s << qint32(item.kind) << qint8(item.fixedField ? 0 : 1) << qint8(item.editableText ? 0 : 1)
      << item.auxText << item.fieldCode << item.transform << double(item.rotation) << item.size
      << item.outline << item.textColor << item.naturalSize << item.image
      << qint8(item.flagA ? 0 : 1) << qint8(item.isFrame ? 0 : 1) << item.text << item.font
      << qint64(item.alignment) << qint32(item.lineStyle) << double(item.lineWidth)
      << item.lineColor << qint32(item.imageNumber) << qint32(item.frameStyle)
      << item.frameColor << qint32(item.fitTo) << qint32(item.order)
      << qint32(item.partSelector) << qint32(item.barcodeType) << item.background;
}

void writePage(QDataStream &s, const ChartPage &page)
{
    s.setVersion(kStreamVersion);
    s << double(page.size.width()) << double(page.size.height());
    s << page.name << qint32(page.pageCount) << qint32(page.reserved);
    s << page.backgroundColor << quint8(page.backgroundMode) << page.backgroundImage;
    s << qint32(page.items.size());
    for (const auto &frame : page.items) {
        writeItem(s, *frame);
        s.setVersion(kStreamVersion);
        s << qint8(frame->content ? 1 : 0);
        if (frame->content)
            writeItem(s, *frame->content);
    }
}

bool readImage(QDataStream &s, QImage &image, Budget &budget)
{
    image = QImage();
    qint32 marker = 0;
    s >> marker;
    if (!ok(s))
        return false;
    if (marker == 0)
        return true;

    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    QByteArray png(8, '\0');
    if (!readRaw(s, png.data(), 8))
        return false;
    if (memcmp(png.constData(), signature, 8) != 0) {
        s.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    quint32 width = 0;
    quint32 height = 0;
    for (;;) {
        quint32 length = 0;
        char type[4];
        s >> length;
        if (!ok(s) || !readRaw(s, type, 4))
            return false;
        if (length > 0x7fffffffu || png.size() + qint64(length) + 12 > kMaxPngBytes) {
            s.setStatus(QDataStream::ReadCorruptData);
            return false;
        }
        const char header[8] = {char(length >> 24), char(length >> 16), char(length >> 8),
                                char(length),       type[0],           type[1],
                                type[2],            type[3]};
        png.append(header, 8);
        // The data arrives in blocks so that a false length cannot allocate ahead of it.
        quint32 left = length + 4; // data and CRC
        const int dataStart = png.size();
        while (left > 0) {
            const int block = int(qMin<quint32>(left, 1u << 20));
            const int at = png.size();
            png.resize(at + block);
            if (!readRaw(s, png.data() + at, block))
                return false;
            left -= quint32(block);
        }
        if (memcmp(type, "IHDR", 4) == 0 && length >= 8) {
            const uchar *d = reinterpret_cast<const uchar *>(png.constData() + dataStart);
            width = quint32(d[0]) << 24 | quint32(d[1]) << 16 | quint32(d[2]) << 8 | d[3];
            height = quint32(d[4]) << 24 | quint32(d[5]) << 16 | quint32(d[6]) << 8 | d[7];
        }
        if (memcmp(type, "IEND", 4) == 0)
            break;
    }
    const qint64 pixels = qint64(width) * qint64(height);
    if (width == 0 || height == 0 || width > quint32(kMaxImageSide) ||
        height > quint32(kMaxImageSide) || pixels > kMaxImagePixels || pixels > budget.pixels)
        return true; // the picture is dropped, the stream goes on
    budget.pixels -= pixels;
    image = QImage::fromData(png, "PNG");
    if (image.isNull())
        ++budget.damagedPictures; // the stream is intact, only this picture is lost
    return true;
}

bool readColour(QDataStream &s, QColor &colour)
{
    // model (int8), then alpha, three components and padding (uint16 each)
    char record[11];
    if (!readRaw(s, record, sizeof record))
        return false;
    const qint8 model = qint8(record[0]);
    if (model < QColor::Invalid || model > QColor::ExtendedRgb)
        return true;
    QDataStream copy(QByteArray::fromRawData(record, sizeof record));
    copy.setVersion(s.version());
    copy >> colour;
    return true;
}

bool readPath(QDataStream &s, QPainterPath &path, Budget *budget)
{
    path = QPainterPath();
    qint32 count = 0;
    s >> count;
    if (!ok(s))
        return false;
    if (count == 0)
        return true;
    if (count < 0 || count > kMaxPathElements) {
        s.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    struct Element {
        qint32 type;
        double x, y;
    };
    QVector<Element> elements;
    bool sane = true;
    for (qint32 i = 0; i < count; ++i) {
        Element e{};
        s >> e.type >> e.x >> e.y;
        if (!ok(s))
            return false;
        sane = sane && e.type >= 0 && e.type <= 3 && finiteIn(e.x, kMaxCoordinate) &&
               finiteIn(e.y, kMaxCoordinate);
        elements.append(e);
    }
    qint32 start = 0;
    qint32 fillRule = 0;
    s >> start >> fillRule;
    if (!ok(s))
        return false;
    if (!sane)
        return true;
    if (count > kMaxDrawnPathElements) {
        if (budget)
            ++budget->droppedPaths;
        return true;
    }
    for (int i = 0; i < elements.size(); ++i) {
        const Element &e = elements.at(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            path.moveTo(e.x, e.y);
            break;
        case QPainterPath::LineToElement:
            path.lineTo(e.x, e.y);
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 < elements.size() && elements[i + 1].type == 3 && elements[i + 2].type == 3) {
                path.cubicTo(e.x, e.y, elements[i + 1].x, elements[i + 1].y, elements[i + 2].x,
                             elements[i + 2].y);
                i += 2;
            } else {
                path.lineTo(e.x, e.y);
            }
            break;
        default: // stray curve data
            path.lineTo(e.x, e.y);
            break;
        }
    }
    path.setFillRule(fillRule == 1 ? Qt::WindingFill : Qt::OddEvenFill);
    return true;
}

void sanitizeItem(ChartItem &item)
{
    const QTransform &t = item.transform;
    const double m[9] = {t.m11(), t.m12(), t.m13(), t.m21(), t.m22(),
                         t.m23(), t.m31(), t.m32(), t.m33()};
    for (double v : m) {
        if (!finiteIn(v, kMaxCoordinate)) {
            item.transform = QTransform();
            break;
        }
    }
    item.rotation = ChartItem::normalizedRotation(item.rotation);
    item.size = saneSize(item.size);
    item.naturalSize = saneSize(item.naturalSize);
    if (!std::isfinite(item.lineWidth))
        item.lineWidth = 0;
    item.lineWidth = qBound(0.0, item.lineWidth, 1000.0);
    if (item.lineStyle < Qt::NoPen || item.lineStyle > Qt::DashDotDotLine)
        item.lineStyle = Qt::SolidLine;
    item.font = saneFont(item.font);
}

QFont saneFont(const QFont &font)
{
    // Only what a chart uses is taken over: odd stretch or spacing values from
    // a file make the glyph rasteriser fail, and Qt crashes on that.
    QFont sane(font.family().left(200));
    sane.setPixelSize(qBound(1, font.pixelSize(), kMaxFontPixelSize));
    sane.setWeight(qBound(0, font.weight(), 99));
    sane.setItalic(font.italic());
    sane.setUnderline(font.underline());
    sane.setStrikeOut(font.strikeOut());
    if (font.stretch() >= 50 && font.stretch() <= 200)
        sane.setStretch(font.stretch());
    return sane;
}

bool readItem(QDataStream &s, ChartItem &item, int version, Budget &budget)
{
    s.setVersion(kStreamVersion);
    qint32 kind = 0;
    qint8 notFixed = 1, notEditable = 1, notFlagA = 0, notFrame = 1;
    double rotation = 0;
    s >> kind >> notFixed >> notEditable >> item.auxText >> item.fieldCode >> item.transform >>
        rotation >> item.size;
    if (!ok(s) || !readPath(s, item.outline, &budget))
        return false;
    if (!readColour(s, item.textColor))
        return false;
    s >> item.naturalSize;
    if (!ok(s) || !readImage(s, item.image, budget))
        return false;
    s >> notFlagA >> notFrame >> item.text >> item.font;
    qint64 alignment = 1;
    qint32 lineStyle = 1, imageNumber = 0, frameStyle = 0, fitTo = 1;
    double lineWidth = 1.0;
    s >> alignment >> lineStyle >> lineWidth;
    if (!readColour(s, item.lineColor))
        return false;
    s >> imageNumber >> frameStyle;
    if (!readColour(s, item.frameColor))
        return false;
    s >> fitTo;
    qint32 order = 0, partSelector = 0, barcodeType = 0;
    if (version >= 258)
        s >> order;
    if (version >= 260)
        s >> partSelector;
    if (version >= 261)
        s >> barcodeType;
    if (version >= 263 && !readColour(s, item.background))
        return false;

    item.kind = kind;
    item.fixedField = notFixed == 0;
    item.editableText = notEditable == 0;
    item.rotation = rotation;
    item.flagA = notFlagA == 0;
    item.isFrame = notFrame == 0;
    item.alignment = int(alignment);
    item.lineStyle = lineStyle;
    item.lineWidth = lineWidth;
    item.imageNumber = imageNumber;
    item.frameStyle = frameStyle;
    item.fitTo = fitTo;
    item.order = order;
    item.partSelector = partSelector;
    item.barcodeType = barcodeType;
    if (item.font.pixelSize() <= 0) {
        const qint64 px = qint64(item.font.pointSize()) * 12 / 10 + 1;
        item.font.setPixelSize(int(qBound<qint64>(1, px, kMaxFontPixelSize)));
    }
    sanitizeItem(item);
    return ok(s);
}

bool readPage(QDataStream &s, ChartPage &page, int version, Budget &budget)
{
    s.setVersion(kStreamVersion);
    double width = 0, height = 0;
    s >> width >> height;
    if (std::isfinite(width) && std::isfinite(height) && width >= 1 && height >= 1 &&
        width <= kMaxItemSide && height <= kMaxItemSide)
        page.size = QSizeF(width, height);
    if (version >= 258) {
        qint32 count = 0, reserved = 0;
        s >> page.name >> count >> reserved;
        page.pageCount = qBound(0, int(count), 100000);
        page.reserved = reserved;
    }
    if (version >= 259) {
        quint8 mode = ChartPage::kNoBackground;
        if (!readColour(s, page.backgroundColor))
            return false;
        s >> mode;
        page.backgroundMode = mode;
        if (!ok(s) || !readImage(s, page.backgroundImage, budget))
            return false;
    }
    qint32 count = 0;
    s >> count;
    if (!ok(s))
        return false;
    if (count < 0 || count > budget.items) {
        s.setStatus(QDataStream::ReadCorruptData);
        return false;
    }
    for (qint32 i = 0; i < count; ++i) {
        auto frame = std::make_unique<ChartItem>();
        if (!readItem(s, *frame, version, budget))
            return false;
        qint8 hasContent = 0;
        s >> hasContent;
        if (!ok(s))
            return false;
        if (hasContent) {
            auto content = std::make_unique<ChartItem>();
            if (!readItem(s, *content, version, budget))
                return false;
            frame->setContent(std::move(content));
        }
        --budget.items;
        page.addItem(std::move(frame));
    }
    return ok(s);
}

} // namespace chartstream
