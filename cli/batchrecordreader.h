#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <vector>

/**
 * Reads batch input as RFC 4180 records: fields split at the delimiter (',' or
 * a tab), a field that starts with '"' is quoted and may hold delimiters, line
 * breaks and doubled quotes; records end at LF or CRLF; a UTF-8 byte-order
 * mark at the start is skipped. A quote inside an unquoted field is kept as
 * it is.
 *
 * Bytes are read by length, never as C strings: a NUL byte, bytes that are
 * not UTF-8 or a record longer than MaxRecordBytes make that one record an
 * error and the reading goes on. An over-long record is dropped up to the end
 * of its line without buffering it (an unclosed quote then ends there too).
 * Record numbers are the input line the record starts on, counting every line.
 */
class BatchRecordReader
{
public:
    static constexpr int MaxRecordBytes = 64 * 1024;

    struct Record {
        int number = 0;     ///< input line of the record's start; 1 for the first
        QStringList fields; ///< empty when error is set
        QString error;      ///< why the record cannot be used, or empty
        bool blank = false; ///< nothing but white space on one line
    };

    BatchRecordReader(std::FILE *in, char delimiter = ',') : m_in(in), m_delimiter(delimiter) {}

    /** The next record; false at the end of the input. */
    bool next(Record &record);

private:
    // The next input byte, or EOF.
    int nextByte() { return m_at < m_end ? static_cast<unsigned char>(m_buffer[m_at++]) : refill(); }
    int refill();
    // Reads the next block of input after the bytes not yet used; false at the end of the input.
    bool readMore();
    // A record of one line without quotes, split in place; false to read it byte by byte.
    bool nextPlain(Record &record);
    // Sets the record's fields from m_fieldEnds, the fields @p gap bytes apart.
    bool fill(Record &record, const char *bytes, int gap, bool quoted);

    std::FILE *m_in;
    char m_delimiter;
    std::vector<char> m_buffer; ///< input read ahead; m_at..m_end not yet used
    int m_at = 0;
    int m_end = 0;
    bool m_eof = false;
    QByteArray m_bytes;
    std::vector<int> m_fieldEnds;
    int m_line = 0;
    bool m_started = false;
};
