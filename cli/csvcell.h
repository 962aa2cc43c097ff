#pragma once

#include <QByteArray>

/**
 * Appends one CSV/TSV cell: as it is, or in double quotes with its quotes
 * doubled when it holds the delimiter, a quote or a line break (RFC 4180).
 */
void appendCsvCell(QByteArray &out, const char *bytes, int size, char delimiter);
