#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/**
 * Reads the lines of a scrambled data file and descrambles them, with hard
 * limits so that a hostile file can neither exhaust memory nor hang us:
 * a line longer than kMaxScrambledLineLength is skipped whole, and reading
 * stops after kMaxDataFileBytes bytes.
 */
class ScrambledLineReader
{
public:
    /** Upper bound on how much of a data file is read (a full file is a few MB). */
    static constexpr qint64 kMaxDataFileBytes = 32 * 1024 * 1024;

    explicit ScrambledLineReader(const QString &path);

    /** True when the file could be opened for reading. */
    bool isOpen() const { return m_file.isOpen(); }

    /**
     * Reads the next line. Returns false at the end of the file (or of the
     * byte budget). @p line receives the descrambled text; a line shorter
     * than 2 characters is passed on unchanged, as the format wants.
     */
    bool next(QString &line);

    /** Lines skipped because they were longer than the format allows. */
    int overlongLines() const { return m_overlong; }
    /** True when reading stopped at the byte budget before the file's end. */
    bool truncated() const { return m_truncated; }
    /** Lines returned so far. */
    int lineCount() const { return m_lines; }

private:
    bool readRawLine(int &length);

    QFile m_file;
    QByteArray m_raw;
    QByteArray m_plain;
    qint64 m_consumed = 0;
    int m_overlong = 0;
    int m_lines = 0;
    bool m_truncated = false;
};
