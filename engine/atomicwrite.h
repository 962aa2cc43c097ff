#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

/**
 * @file
 * Saving user files so that a failed save never costs the previous file.
 *
 * Qt 5.15's QSaveFile::commit() still replaces the target when flushing its
 * own buffer failed (a full disk leaves an empty file behind and reports
 * success), and QImage::save(path) writes straight over the target. Every
 * writer therefore builds its bytes in memory first and hands them to
 * saveFileAtomically(), which checks each write count and the flush before it
 * commits, and cancels (keeping the old file) on any failure.
 */
namespace atomicwrite {

/**
 * Writes all of @p data to @p device in chunks, checking every count. False
 * as soon as a write fails or writes nothing; a short write is continued.
 * When the device is a file, its buffer is flushed and that is checked too.
 */
bool writeAll(QIODevice &device, const QByteArray &data);

/**
 * Replaces the file at @p path with @p data, atomically: either every byte is
 * on disk under @p path, or the file that was there before is untouched.
 * On failure returns false and, when @p error is given, sets it to the
 * system's reason (for instance "No space left on device").
 */
bool saveFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

} // namespace atomicwrite
