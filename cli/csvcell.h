#pragma once

#include <QByteArray>
#include <QString>

/**
 * Appends one CSV/TSV cell: as it is, or in double quotes with its quotes
 * doubled when it holds the delimiter, a quote or a line break (RFC 4180).
 */
void appendCsvCell(QByteArray &out, const char *bytes, int size, char delimiter);

/** Most bytes writeCsvText() writes for @p text. */
inline int csvTextRoom(const QString &text)
{
    return 6 * text.size() + 3; // three UTF-8 bytes per unit, each quote doubled, a leading '
}

/**
 * Writes @p text as one UTF-8 cell, quoted like appendCsvCell(), at @p d (room
 * for csvTextRoom()); the end. A text that starts like a spreadsheet formula
 * (= + - @, a tab or a carriage return) gets a leading ' so that it stays text;
 * a lone "-" is left as it is.
 */
char *writeCsvText(char *d, const QString &text, char delimiter);
