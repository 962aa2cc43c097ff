#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

/**
 * Reads batch input line by line by length, never as C strings: a NUL byte,
 * bytes that are not UTF-8 or a line longer than MaxLineBytes make that one
 * line an error, the reading goes on with the next line, and line numbers
 * count every line of the input. An over-long line is skipped without
 * buffering it.
 */
class BatchLineReader
{
public:
    static constexpr int MaxLineBytes = 64 * 1024;

    struct Line {
        int number = 0; ///< 1 for the first line of the input
        QString text;   ///< without the line end ("\n", "\r\n"); empty when error is set
        QString error;  ///< why the line cannot be used, or empty
    };

    explicit BatchLineReader(std::FILE *in) : m_in(in) {}

    /** The next line; false at the end of the input. */
    bool next(Line &line);

private:
    std::FILE *m_in;
    QByteArray m_bytes;
    int m_number = 0;
};
