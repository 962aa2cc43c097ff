#pragma once

#include <QDate>
#include <QString>
#include <QVector>

/**
 * Input of one profile calculation (`CNumerology::calculate`). The report layouts
 * belong to the reports layer, which passes only the chosen index along.
 */
struct NumerologyInput {
    QString fullName;            ///< full birth name, words separated by single spaces
    QString shortName;           ///< the name in everyday use
    QVector<int> fullNameMarks;  ///< letter marks of the full name (qz::LetterMark), by character position
    QVector<int> shortNameMarks; ///< letter marks of the short name
    bool chaldean = false;       ///< true: Chaldean letter values
    QDate birthDate;             ///< date of birth
    QDate targetDate;            ///< date the forecast numbers are computed for
    int layoutIndex = 0;         ///< 1-based report layout; 0 or out of range: built-in report
    int phonetic = 0;            ///< qz::PhoneticMode: 0 English, 1 Universal
    bool calcOnly = false;       ///< true: compute only, no name validation
    /// true: skip the planes, letter counts, transits and essence (left empty), for
    /// callers that read none of them
    bool skipPlanesAndTransits = false;
    /// true: compute the numbers only; every text of the profile except the two
    /// upper-case names is left empty, for callers that read no text
    bool skipTexts = false;
};
