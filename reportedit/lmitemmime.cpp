#include "reportedit/lmitemmime.h"

#include "reports/creportlayoutfile.h"

#include <QDataStream>

namespace {

constexpr int kStreamVersion = 12;
// Far above the 256 entries the program creates; a drag claiming more is damaged.
constexpr quint32 kMaxEntries = 4096;
constexpr quint32 kMaxOptions = 1024;
// All pictures of one drag together; a field of the program holds far less.
constexpr qint64 kMaxDragPixels = 2 * CReportLayoutFile::MaxImagePixels;

template <class T>
void writeList(QDataStream &out, const QVector<T> &list)
{
    out << quint32(list.size());
    for (const T &v : list)
        out << v;
}

template <class T>
bool readList(QDataStream &in, QVector<T> &list)
{
    quint32 n = 0;
    in >> n;
    if (in.status() != QDataStream::Ok || n > kMaxEntries)
        return false;
    list.clear();
    for (quint32 i = 0; i < n; ++i) {
        T v;
        in >> v;
        if (in.status() != QDataStream::Ok)
            return false;
        list.append(v);
    }
    return true;
}

// Pictures come from any drag source: each is checked before it is decoded.
bool readImages(QDataStream &in, QVector<QImage> &list)
{
    quint32 n = 0;
    in >> n;
    if (in.status() != QDataStream::Ok || n > kMaxEntries)
        return false;
    list.clear();
    qint64 pixels = 0;
    for (quint32 i = 0; i < n; ++i) {
        const QImage image = CReportLayoutFile::readStreamImage(in);
        pixels += qint64(image.width()) * image.height();
        if (in.status() != QDataStream::Ok || pixels > kMaxDragPixels)
            return false;
        list.append(image);
    }
    return true;
}

}  // namespace

namespace LmItemMime {

QString mimeType()
{
    return QStringLiteral("int/x-lm-item");
}

QByteArray encode(const CReportFieldItem &item, const QString &shortLabel)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << qint32(item.id) << shortLabel << qint32(item.reportKind) << item.headerFont << item.contentFont
        << item.headerColor << item.contentColor << item.defaultStyle;
    writeList(out, item.customTexts);
    writeList(out, item.images);
    writeList(out, item.useDefaultText);
    out << item.caption;
    out << quint32(item.options.size());
    for (auto it = item.options.cbegin(); it != item.options.cend(); ++it)
        out << it.key() << it.value();
    return data;
}

bool decode(const QByteArray &data, CReportFieldItem *item, QString *shortLabel)
{
    QDataStream in(data);
    in.setVersion(kStreamVersion);
    CReportFieldItem r;
    qint32 id = 0;
    qint32 kind = 0;
    QString label;
    in >> id >> label >> kind >> r.headerFont >> r.contentFont >> r.headerColor >> r.contentColor >> r.defaultStyle;
    if (in.status() != QDataStream::Ok || kind < 0 || kind >= RKCount || id < 0 || id > 255)
        return false;
    if (!readList(in, r.customTexts) || !readImages(in, r.images) || !readList(in, r.useDefaultText))
        return false;
    in >> r.caption;
    quint32 n = 0;
    in >> n;
    if (in.status() != QDataStream::Ok || n > kMaxOptions)
        return false;
    for (quint32 i = 0; i < n; ++i) {
        QString k, v;
        in >> k >> v;
        if (in.status() != QDataStream::Ok)
            return false;
        r.options.insert(k, v);
    }
    r.id = id;
    r.reportKind = kind;
    if (item)
        *item = r;
    if (shortLabel)
        *shortLabel = label;
    return true;
}

}  // namespace LmItemMime
