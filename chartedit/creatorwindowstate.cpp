#include "chartedit/creatorwindowstate.h"

#include <QDataStream>
#include <QFile>
#include <QSaveFile>

namespace {
const char kMagic[] = "QZCREATORWIN";
constexpr qint32 kVersion = 1;
constexpr qint64 kMaxFileSize = 4096;
constexpr int kMaxColumns = 8;
constexpr int kMaxSide = 20000;
} // namespace

bool CreatorWindowState::read(const QString &path, CreatorWindowState &state)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxFileSize)
        return false;
    QDataStream in(f.readAll());
    in.setVersion(QDataStream::Qt_4_6);
    QByteArray magic;
    qint32 version = 0, w = 0, h = 0, count = 0;
    bool maximized = false;
    in >> magic >> version >> w >> h >> maximized >> count;
    if (in.status() != QDataStream::Ok || magic != QByteArray(kMagic) || version < 1 ||
        count < 0 || count > kMaxColumns)
        return false;
    QList<int> widths;
    for (qint32 i = 0; i < count; ++i) {
        qint32 width = 0;
        in >> width;
        widths << qBound(0, int(width), kMaxSide);
    }
    if (in.status() != QDataStream::Ok)
        return false;
    state.size = QSize(qBound(1, int(w), kMaxSide), qBound(1, int(h), kMaxSide));
    state.maximized = maximized;
    state.columnWidths = widths;
    return true;
}

bool CreatorWindowState::write(const QString &path) const
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_6);
        out << QByteArray(kMagic) << kVersion << qint32(size.width()) << qint32(size.height())
            << maximized;
        const int count = qMin(int(columnWidths.size()), kMaxColumns);
        out << qint32(count);
        for (int i = 0; i < count; ++i)
            out << qint32(columnWidths[i]);
        if (out.status() != QDataStream::Ok)
            return false;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
