#pragma once

#include "reports/creportlayout.h"

#include <QString>

class QIODevice;

/**
 * Reader and writer of one ".qznr" layout file: a QDataStream (version 12,
 * big-endian) holding the magic "QNRP", a format version (0, 1 or 2), the five
 * field lists and the layout option map. Item option maps exist from format
 * version 2 on.
 *
 * The reader treats every file as hostile: counts are capped before anything
 * is allocated, pictures are checked before they are decoded, and a read error
 * ends the current list early while keeping what was read.
 */
class CReportLayoutFile
{
public:
    static constexpr quint32 Magic = 0x514E5250;  ///< "QNRP"
    static constexpr quint32 CurrentVersion = 2;
    static constexpr int StreamVersion = 12;       ///< QDataStream::Qt_4_6

    // Limits far above anything the program writes; a file beyond them is corrupt.
    static constexpr quint32 MaxItemsPerList = 4096;
    static constexpr quint32 MaxValueEntries = 65536;
    static constexpr quint32 MaxMapEntries = 4096;
    static constexpr qint64 MaxFileSize = 512ll * 1024 * 1024;
    static constexpr qint64 MaxImageBytes = 32ll * 1024 * 1024;
    static constexpr qint64 MaxImagePixels = 64ll * 1024 * 1024;

    enum Status {
        Ok,            ///< read completely
        Truncated,     ///< read with errors: the lists end early, what was read is kept
        OpenFailed,    ///< the file could not be opened (skipped)
        WrongMagic,    ///< another file format (skipped)
        NewerVersion,  ///< written by a newer program (skipped)
        TooLarge       ///< larger than any layout could be (skipped)
    };

    /**
     * Reads @p path into @p layout; the layout name is the file name without
     * its ".qznr" suffix. Returns Ok or Truncated when a layout was read (it is
     * then migrated in memory), one of the other states when the file is skipped.
     */
    static Status read(const QString &path, CReportLayout &layout);
    /** What @p status means for a file, as a sentence part ("is damaged; ..."); empty for Ok. */
    static QString statusText(Status status);
    /** Reads a layout from an open device; the name is left alone. */
    static Status read(QIODevice *device, CReportLayout &layout);
    /**
     * Reads one picture in QDataStream form (a marker, then PNG) with the
     * checks of the layout reader: at most MaxImageBytes of PNG and
     * MaxImagePixels pixels, measured before decoding. A damaged or oversized
     * picture sets the stream status and gives a null image.
     */
    static QImage readStreamImage(QDataStream &in);

    /**
     * Writes @p layout atomically to @p path: the old file is replaced only
     * when the new one was written completely. @p version below 2 writes the
     * older form without item option maps.
     */
    static bool write(const QString &path, const CReportLayout &layout, QString *error = nullptr,
                      quint32 version = CurrentVersion);
    /** Writes to an open device. */
    static bool write(QIODevice *device, const CReportLayout &layout, quint32 version = CurrentVersion);
};
