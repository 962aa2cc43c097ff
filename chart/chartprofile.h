#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

/**
 * What a chart draws for one person (one record): the names and dates, the
 * name-panel rows and every value of the number panels, already written as
 * the main window's panels show them. Filled from the engine by
 * chartProfileFromEngine() (chartprofileengine.h) or by hand in tests.
 */
struct ChartProfile {
    QString fullName;  ///< as typed
    QString shortName; ///< as typed
    QDate birthDate;
    QDate targetDate; ///< the forecast date
    QDate printDate = QDate::currentDate();
    QString sourceName; ///< printed by "#dbname"

    // Name panel: upper-case names, digit rows (one character per letter) and chains.
    QString fullNameUpper, vowelDigits, consonantDigits;
    QString expressionCalc, heartDesireCalc, personalityCalc;
    QString shortNameUpper, shortVowelDigits, shortConsonantDigits;
    QString minorExpressionCalc, minorHeartDesireCalc, minorPersonalityCalc;

    /** Psychomatrix counts per digit (entry 0 unused) and the eight line sums. */
    int matrixCells[10] = {};
    int matrixLines[8] = {}; ///< 1-2-3, 4-5-6, 7-8-9, 1-4-7, 2-5-8, 3-6-9, 1-5-9, 3-5-7
    bool hasMatrix = false;

    /** The 20 display strings of the planes grid, kind x 5 + plane. */
    QStringList planesCells;

    /** Personal numbers calendar: 12 cells per row, already written. */
    QStringList calendarYears, calendarMonths, calendarDays;
    /** Index of the cell of the reference date in each calendar row (usually 0). */
    int calendarCurrent[3] = {0, 0, 0};

    /** Core numbers by field code ("#life_path" -> "7"); empty before a calculation. */
    QHash<QString, QString> numbers;

    /** Values of the number tables, row by row as in tableLabels(). */
    QStringList mainFeatures, additionalFeatures, lifeCycles, bridges;

    bool isEmpty() const { return fullName.isEmpty() && shortName.isEmpty(); }

    /** Row labels of a number table by its field code, empty for an unknown one. */
    static QStringList tableLabels(const QString &fieldCode);
    /** Row values of a number table by its field code. */
    QStringList tableValues(const QString &fieldCode) const;
    /** A date as "Jan 5 1990" (English month abbreviation, no leading zeros). */
    static QString chartDate(const QDate &date);
    /** "Jan" .. "Dec". */
    static QString monthAbbreviation(int month);
};
