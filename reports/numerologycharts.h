#pragma once

#include <QString>

class CNumerology;

/**
 * The chart tables under the head of the numerology report: name letters of
 * the full and the short name, planes of expression, the personal numbers
 * calendar and the essence and transits table. Tables carry comment="st_fs",
 * their cells comment="st_ttd"; master numbers in the cells are bold.
 */
namespace NumerologyCharts {

/** Letters, vowel and consonant digits of the full (or short) name with their chains. */
QString nameTable(const CNumerology &num, bool shortName);
/** The 4 x 3 planes grid with the plane numbers and kind totals. */
QString planesTable(const CNumerology &num);
/** Years, months and days from the target date with their personal numbers. */
QString calendarTable(const CNumerology &num);
/** Ages 0..99 in blocks of 25: year, transit letters and essence. */
QString essenceTable(const CNumerology &num);
/** All of the above in report order. */
QString allTables(const CNumerology &num);

} // namespace NumerologyCharts
