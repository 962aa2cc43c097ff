#pragma once

// A tiny file system with no room left, for checking that a save fails
// cleanly and keeps the file that was there. It needs the right to mount
// (root outside a locked-down container); without it isReady() is false and
// reason() says why, so tests can skip.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

class FullDisk
{
public:
    FullDisk()
    {
        if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder");
            return;
        }
        const QByteArray where = QFile::encodeName(m_dir.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=1m") != 0) {
            m_reason = QStringLiteral("cannot mount a small tmpfs here (")
                       + QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char(')');
            return;
        }
        m_mounted = true;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isReady() const { return m_mounted; }
    QString reason() const { return m_reason; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    /** Writes @p bytes as @p name while there is still room. */
    bool put(const QString &name, const QByteArray &bytes) const
    {
        QFile f(filePath(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
    }

    /** Takes every free byte with a filler file; true once a write was refused. */
    bool fill() const
    {
        QFile f(filePath(QStringLiteral(".filler")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size()) {
        }
        while (f.write("x", 1) == 1) {
        }
        return true;
    }

    /** The bytes of @p name now. */
    QByteArray bytesOf(const QString &name) const
    {
        QFile f(filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    /** Names in the folder other than the filler (left-over temporary files show up here). */
    QStringList entries() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

/** Skips the current test when no full file system can be made here. */
#define QZ_REQUIRE_FULL_DISK(disk)                                                                 \
    do {                                                                                           \
        if (!(disk).isReady())                                                                     \
            QSKIP(qPrintable((disk).reason()));                                                    \
    } while (false)
