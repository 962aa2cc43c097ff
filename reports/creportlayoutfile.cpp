#include "reports/creportlayoutfile.h"

#include "engine/atomicwrite.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

bool ok(const QDataStream &in)
{
    return in.status() == QDataStream::Ok;
}

void corrupt(QDataStream &in)
{
    if (ok(in))
        in.setStatus(QDataStream::ReadCorruptData);
}

// Reads a count and refuses one above @p cap, so nothing is sized from a hostile number.
bool readCount(QDataStream &in, quint32 cap, quint32 &count)
{
    in >> count;
    if (!ok(in))
        return false;
    if (count > cap) {
        corrupt(in);
        return false;
    }
    return true;
}

bool readRaw(QDataStream &in, char *data, int len)
{
    if (in.readRawData(data, len) != len) {
        if (ok(in))
            in.setStatus(QDataStream::ReadPastEnd);
        return false;
    }
    return true;
}

// QImage is streamed as a marker (0 = null image) followed by a PNG file. The
// PNG is gathered chunk by chunk with size checks before it is decoded, so a
// hostile header cannot make the decoder allocate a huge picture.
QImage readImage(QDataStream &in)
{
    qint32 marker = 0;
    in >> marker;
    if (!ok(in) || marker == 0)
        return QImage();

    static const char signature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};
    QByteArray png(8, '\0');
    if (!readRaw(in, png.data(), 8))
        return QImage();
    if (memcmp(png.constData(), signature, 8) != 0) {
        corrupt(in);
        return QImage();
    }
    bool sawHeader = false;
    for (;;) {
        char head[8];
        if (!readRaw(in, head, 8))
            return QImage();
        const quint32 len = qFromBigEndian<quint32>(head);
        if (qint64(len) + 12 > CReportLayoutFile::MaxImageBytes - png.size()) {
            corrupt(in);
            return QImage();
        }
        const int at = png.size();
        png.append(head, 8);
        png.resize(at + 8 + int(len) + 4);
        if (!readRaw(in, png.data() + at + 8, int(len) + 4))
            return QImage();
        const QByteArray type(head + 4, 4);
        if (type == "IHDR") {
            if (len < 8) {
                corrupt(in);
                return QImage();
            }
            const quint32 w = qFromBigEndian<quint32>(png.constData() + at + 8);
            const quint32 h = qFromBigEndian<quint32>(png.constData() + at + 12);
            // Unsigned: two sides near 2^32 overflow a signed 64-bit product.
            if (w == 0 || h == 0 || quint64(w) * quint64(h) > quint64(CReportLayoutFile::MaxImagePixels)) {
                corrupt(in);
                return QImage();
            }
            sawHeader = true;
        } else if (type == "IEND") {
            break;
        }
    }
    QImage image;
    if (!sawHeader || !image.loadFromData(png, "PNG")) {
        corrupt(in);
        return QImage();
    }
    return image;
}

// A colour is a colour-model byte and five 16-bit fields. The model is checked
// before Qt sees it: an unknown one would leave the colour in an undefined state.
QColor readColor(QDataStream &in)
{
    char raw[11];
    if (!readRaw(in, raw, sizeof raw))
        return QColor();
    const int model = static_cast<qint8>(raw[0]);
    if (model < int(QColor::Invalid) || model > int(QColor::ExtendedRgb))
        return QColor(Qt::black);
    QDataStream fields(QByteArray(raw, sizeof raw));
    fields.setVersion(in.version());
    QColor c;
    fields >> c;
    return c;
}

void readStringMap(QDataStream &in, QMap<QString, QString> &map)
{
    quint32 n = 0;
    if (!readCount(in, CReportLayoutFile::MaxMapEntries, n))
        return;
    for (quint32 i = 0; i < n; ++i) {
        QString key, value;
        in >> key >> value;
        if (!ok(in))
            return;
        map.insert(key, value);
    }
}

// Reads one item; false (and the stream in error) when it is incomplete.
bool readItem(QDataStream &in, quint32 version, CReportFieldItem &item)
{
    in >> item.id >> item.name >> item.reportKind >> item.headerFont >> item.contentFont;
    item.headerColor = readColor(in);
    item.contentColor = readColor(in);
    in >> item.defaultStyle;
    if (!ok(in))
        return false;

    quint32 n = 0;
    if (!readCount(in, CReportLayoutFile::MaxValueEntries, n))
        return false;
    item.customTexts.reserve(int(qMin<quint32>(n, 256)));
    for (quint32 i = 0; i < n; ++i) {
        QString text;
        in >> text;
        if (!ok(in))
            return false;
        item.customTexts.append(text);
    }

    if (!readCount(in, CReportLayoutFile::MaxValueEntries, n))
        return false;
    item.images.reserve(int(qMin<quint32>(n, 256)));
    for (quint32 i = 0; i < n; ++i) {
        QImage image = readImage(in);
        if (!ok(in))
            return false;
        item.images.append(image);
    }

    if (!readCount(in, CReportLayoutFile::MaxValueEntries, n))
        return false;
    item.useDefaultText.reserve(int(qMin<quint32>(n, 256)));
    for (quint32 i = 0; i < n; ++i) {
        bool flag = true;
        in >> flag;
        if (!ok(in))
            return false;
        item.useDefaultText.append(flag);
    }

    in >> item.caption;
    if (!ok(in))
        return false;
    if (version >= 2) {
        readStringMap(in, item.options);
        if (!ok(in))
            return false;
    }
    return true;
}

void writeItem(QDataStream &out, quint32 version, const CReportFieldItem &item)
{
    out << item.id << item.name << item.reportKind << item.headerFont << item.contentFont
        << item.headerColor << item.contentColor << item.defaultStyle;
    out << quint32(item.customTexts.size());
    for (const QString &t : item.customTexts)
        out << t;
    out << quint32(item.images.size());
    for (const QImage &img : item.images)
        out << img;
    out << quint32(item.useDefaultText.size());
    for (bool f : item.useDefaultText)
        out << f;
    out << item.caption;
    if (version >= 2)
        out << item.options;
}

} // namespace

QImage CReportLayoutFile::readStreamImage(QDataStream &in)
{
    return readImage(in);
}

CReportLayoutFile::Status CReportLayoutFile::read(QIODevice *device, CReportLayout &layout)
{
    QDataStream in(device);
    in.setVersion(StreamVersion);
    quint32 magic = 0, version = 0;
    in >> magic;
    if (!ok(in) || magic != Magic)
        return WrongMagic;
    in >> version;
    if (!ok(in))
        return WrongMagic;
    if (version > CurrentVersion)
        return NewerVersion;

    for (QList<CReportFieldItem> &list : layout.lists)
        list.clear();
    layout.options.clear();

    for (int kind = 0; kind < RKCount && ok(in); ++kind) {
        quint32 count = 0;
        if (!readCount(in, MaxItemsPerList, count))
            break;
        for (quint32 i = 0; i < count; ++i) {
            CReportFieldItem item;
            if (!readItem(in, version, item))
                break;
            layout.lists[kind].append(item);
        }
    }
    if (ok(in) && !in.atEnd())
        readStringMap(in, layout.options);
    const Status status = ok(in) ? Ok : Truncated;
    layout.migrate();
    return status;
}

CReportLayoutFile::Status CReportLayoutFile::read(const QString &path, CReportLayout &layout)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return OpenFailed;
    if (file.size() > MaxFileSize)
        return TooLarge;
    CReportLayout loaded;
    const Status status = read(&file, loaded);
    if (status != Ok && status != Truncated)
        return status;
    loaded.name = QFileInfo(path).fileName();
    loaded.name.chop(5); // ".qznr"
    layout = loaded;
    return status;
}

QString CReportLayoutFile::statusText(Status status)
{
    switch (status) {
    case Ok:
        return QString();
    case Truncated:
        return QStringLiteral("is damaged; only part of the layout could be read");
    case OpenFailed:
        return QStringLiteral("cannot be opened");
    case WrongMagic:
        return QStringLiteral("is not a report layout file (wrong format)");
    case NewerVersion:
        return QStringLiteral("was written by a newer version of the program");
    case TooLarge:
        return QStringLiteral("is larger than any report layout (damaged)");
    }
    return QString();
}

bool CReportLayoutFile::write(QIODevice *device, const CReportLayout &layout, quint32 version)
{
    QDataStream out(device);
    out.setVersion(StreamVersion);
    out << Magic << version;
    for (const QList<CReportFieldItem> &list : layout.lists) {
        out << quint32(list.size());
        for (const CReportFieldItem &item : list)
            writeItem(out, version, item);
    }
    out << layout.options;
    return out.status() == QDataStream::Ok;
}

bool CReportLayoutFile::write(const QString &path, const CReportLayout &layout, QString *error,
                              quint32 version)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!write(&buffer, layout, version)) {
        if (error)
            *error = QStringLiteral("the layout could not be encoded");
        return false;
    }
    return atomicwrite::saveFileAtomically(path, bytes, error);
}
