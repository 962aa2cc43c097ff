#include "engine/atomicwrite.h"

#include <QFileDevice>
#include <QSaveFile>

namespace atomicwrite {

namespace {
constexpr qint64 kChunk = 1 << 16;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString reasonOf(const QFileDevice &file, const char *fallback)
{
    const QString reason = file.errorString();
    // Qt leaves "Unknown error" behind when only a count came back short.
    if (reason.isEmpty() || file.error() == QFileDevice::NoError)
        return QString::fromLatin1(fallback);
    return reason;
}
} // namespace

bool writeAll(QIODevice &device, const QByteArray &data)
{
    qint64 done = 0;
    const qint64 total = data.size();
    while (done < total) {
        const qint64 n = device.write(data.constData() + done, qMin(kChunk, total - done));
        if (n <= 0)
            return false;
        done += n;
    }
    if (auto *file = qobject_cast<QFileDevice *>(&device))
        return file->flush();
    return true;
}

bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, reasonOf(file, "cannot create the file"));
        return false;
    }
    if (!writeAll(file, data)) {
        setError(error, reasonOf(file, "the file could not be written completely"));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, reasonOf(file, "the file could not be completed"));
        return false;
    }
    return true;
}

} // namespace atomicwrite
