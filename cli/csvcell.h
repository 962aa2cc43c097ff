#pragma once

#include <QByteArray>
#include <QString>

/**
 * Appends one CSV/TSV cell: as it is, or in double quotes with its quotes
 * doubled when it holds the delimiter, a quote or a line break (RFC 4180).
 */
void appendCsvCell(QByteArray &out, const char *bytes, int size, char delimiter);

/** Appends @p text as one UTF-8 cell, quoted like appendCsvCell(). */
void appendCsvText(QByteArray &out, const QString &text, char delimiter);
