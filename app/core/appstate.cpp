#include "app/core/appstate.h"

#include "engine/atomicwrite.h"

#include <QDataStream>
#include <QFile>

QByteArray AppState::defaultCalcFlags()
{
    return QByteArray("\x01\x00\x00\x01\x01\x00", 6);
}

namespace {
// The state file is tiny; anything larger is not ours.
constexpr qint64 kMaxStateFileSize = 64 * 1024;

// Reads one more field when the stream still has data; keeps @p field otherwise.
template <typename T>
bool readOptional(QDataStream &in, T &field)
{
    if (in.atEnd())
        return false;
    T v{};
    in >> v;
    if (in.status() != QDataStream::Ok)
        return false;
    field = v;
    return true;
}
} // namespace

bool readStateFile(const QString &path, AppState &state)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        state.lastUpdateCheck = QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0), Qt::LocalTime);
        return false;
    }
    if (f.size() > kMaxStateFileSize)
        return false;
    const QByteArray bytes = f.readAll();
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_4_6);

    QString magic;
    in >> magic;
    if (in.status() != QDataStream::Ok || magic != QLatin1String(kStateMagic))
        return false;

    QDateTime when;
    QByteArray flags;
    in >> when >> flags;
    if (in.status() != QDataStream::Ok)
        return true;
    if (when.isValid())
        state.lastUpdateCheck = when;
    if (flags.size() == 6) {
        QByteArray clean(6, 0);
        for (int i = 0; i < 6; ++i)
            clean[i] = flags.at(i) ? 1 : 0;
        state.calcFlags = clean;
    }

    // Older versions wrote fewer fields; each one is optional from here on.
    readOptional(in, state.guideNotAtStart);
    readOptional(in, state.themeIndex);
    readOptional(in, state.dayFirstDates);
    qint32 masters = state.extendedMasters;
    if (readOptional(in, masters))
        state.extendedMasters = masters ? 1 : 0;
    readOptional(in, state.layoutName);
    readOptional(in, state.windowGeometry);
    readOptional(in, state.reportChoice);
    return true;
}

bool writeStateFile(const QString &path, const AppState &state)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_6);
    QByteArray flags = state.calcFlags;
    if (flags.size() != 6)
        flags = AppState::defaultCalcFlags();
    out << QString::fromLatin1(kStateMagic) << state.lastUpdateCheck << flags
        << state.guideNotAtStart << state.themeIndex << state.dayFirstDates
        << state.extendedMasters << state.layoutName << state.windowGeometry
        << state.reportChoice;
    if (out.status() != QDataStream::Ok)
        return false;
    return atomicwrite::saveFileAtomically(path, bytes);
}
