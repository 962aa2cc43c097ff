#pragma once

#include <QDate>
#include <QString>
#include <QVector>

/** Small text helpers shared by the report writers. */
namespace ReportFormat {

/** "Jan" ... "Dec" for month 1..12, empty otherwise (never localised). */
QString monthAbbreviation(int month);

/** "Nov 29 1985": month abbreviation, day and year without leading zeros. */
QString shortDate(const QDate &date);

/** The person line: FULL NAME (Short), Nov 29 1985. */
QString personLine(const QString &fullName, const QString &shortName, const QDate &birthDate);

/** True for an empty entry or one holding a single space (the absent-text marker). */
bool isBlank(const QString &text);

/** The numbers of a list such as "2, 5" (a "-" or empty list gives none). */
QVector<int> numberList(const QString &text);

/**
 * Wraps every number of @p text that is a master number (11, 22, 33, or up
 * to 99 when @p extended is set) in <b>...</b>. Digit runs of other lengths
 * (years, 111) are left alone.
 */
QString boldMasters(const QString &text, bool extended);

/** True when @p n is a master number in the given range. */
bool isMaster(int n, bool extended);

} // namespace ReportFormat
