#pragma once

#include "engine/numerologyinput.h"
#include "engine/numerologymath.h"
#include "engine/numerologyprofile.h"

#include <QStringList>
#include <QVarLengthArray>

/**
 * @file
 * The engine at a glance (all Qt Core, no QObject):
 * - calculatorflags.h: the six process-wide calculator flags, `calculatorFlags()`.
 * - numerologymath.h: `qz::letterValue`, `qz::classifyLetter`, `qz::nameWordSums`,
 *   `qz::namePartSums`, `qz::reduceNumber`, `qz::reduceToDigit`, `qz::compatReduce`, ...
 * - numerologyinput.h / numerologyprofile.h: `NumerologyInput` and the profile members.
 * - cnumerology.h: `CNumerology` (profile, cycles, forecast, name advisor, pets,
 *   celebrity matching).
 * - cnumerologypmatrix.h: `CNumerologyPMatrix` (psychomatrix).
 * - ccompnumerology.h: `CCompNumerology` (love compatibility).
 * - celebrity.h: `CelebrityRecord`, `CelebrityTable` (filled by the text store).
 * - namecleaning.h: `qz::cleanName`, `qz::defaultShortName` (typed names).
 */

class CelebrityTable;

/** One entry of a forecast list: the period's date and its personal number. */
struct ForecastEntry {
    QDate date;
    int number = 0;
};

/** One cell of the 12-column personal numbers calendar. */
struct CalendarCell {
    QDate date;
    int number = 0;
    QString text; ///< years: "2024\n(3)"; months: "Jan (4)"; days: "29 (6)"
};

/**
 * The numerology engine of one person: computes the core profile, cycles and
 * forecast, the name advisor ("express") chart, pet numbers and celebrity matches.
 * The results are the public members inherited from NumerologyProfile. A pure
 * calculator: the report writers read a const object. Every calculation starts
 * from reset(), so nothing of an earlier person survives.
 *
 * Validation failures return false and leave their message in lastError()
 * ("Error! Incorrect full or short name!", "Error! Incorrect pet name!").
 */
class CNumerology : public NumerologyProfile
{
public:
    static const QString IncorrectNameMessage; ///< "Error! Incorrect full or short name!"
    static const QString IncorrectPetNameMessage; ///< "Error! Incorrect pet name!"

    CNumerology();

    /**
     * Computes the whole profile under the process-wide calculator flags.
     * Returns false (with lastError()) when validation is on (not calcOnly) and the
     * expression, heart desire, personality, minor expression or minor heart desire
     * is 0; the members then hold what was computed up to that point.
     */
    bool calculate(const NumerologyInput &input);

    /**
     * Name advisor: the date number (first life-path method, whatever the flags)
     * into lifePath/lifePathText when @p date is valid, and the name's expression,
     * heart desire, personality (English vowel rule, no marks) and planes.
     * Returns false only for a name without any countable letter (lastError()).
     */
    bool calculateExpress(const QString &name, const QDate &date, bool chaldean);

    /**
     * Pet numbers (Pythagorean values): petNumber, petBirthdayCode,
     * petForecastDayCode, petDayForecast and the texts birthdayText,
     * expressionText, expressionCalc, personalYearText. False for a pet number of 0.
     */
    bool calculatePet(const QString &petName, const QDate &petBirthDate, const QDate &forecastDate);

    /**
     * The profile of @p input followed by the three celebrity match lists over the
     * first 200 records of @p table. The lists stay empty when the profile fails.
     */
    bool calculateCelebrities(const NumerologyInput &input, const CelebrityTable &table);

    /** Matches the current profile against @p table (the second half of calculateCelebrities). */
    void matchCelebrities(const CelebrityTable &table);

    /** 1: master numbers 11..99; 0: 11, 22, 33. Call before every calculation. */
    void setExtendedMasters(int on) { extendedMasters = on ? 1 : 0; }

    /** Clears every result; lifePath becomes -1, the dates today. Names survive. */
    void reset();

    /** Message of the last failed calculation, empty after a success. */
    QString lastError() const { return m_lastError; }

    // ---- Building blocks in this engine's alphabet and master range ----
    int letterValue(QChar ch) const;
    int wordValue(QStringView text) const;
    QVector<int> nameWordSums(QStringView name) const;
    QVector<int> namePartSums(QStringView name, bool wantVowels, const QVector<int> &marks,
                              int mode) const;
    bool isMasterNumber(int n) const;
    bool isFinalNumber(int n) const;
    /** rc: reduction keeping masters, counting into valueCounters. */
    int reduceNumber(int n)
    {
        return qz::reduceNumber(n, extendedMasters != 0, valueCounters, CounterSize);
    }
    /** rc counting into a caller's array of 100 entries. */
    int reduceNumberInto(int n, int *counters) const
    {
        return qz::reduceNumber(n, extendedMasters != 0, counters, 100);
    }
    int reduceKeepMasters(int n) const { return qz::reduceKeepMasters(n, extendedMasters != 0); }
    int digitSumOnce(int n) const;

    // ---- Forecast and cycles for any date ----
    int personalYearFor(const QDate &date) const;  ///< fr(fr(year) + personalYearBase)
    int personalMonthFor(const QDate &date) const; ///< fr(PY + fr(month))
    int personalDayFor(const QDate &date) const;   ///< fr(PM + fr(day))
    /** Completed years of age at @p date (negative before the birth date). */
    int ageAt(const QDate &date) const;
    /** 9 years from targetDate. */
    QVector<ForecastEntry> forecastYears() const;
    /** 12 months from targetDate (QDate::addMonths). */
    QVector<ForecastEntry> forecastMonths() const;
    /** 9 days from targetDate. */
    QVector<ForecastEntry> forecastDays() const;
    /** 12 cells each for the years, months and days rows of the calendar. */
    QVector<CalendarCell> calendarYears() const;
    QVector<CalendarCell> calendarMonths() const;
    QVector<CalendarCell> calendarDays() const;

private:
    void clearResults();
    void clearNumbers(); ///< clearResults() without the texts
    void computeLifePath(bool partSum, bool plainSum, bool digitSum, int year, int month, int day);
    // One pass over a name: each character's letter value and whether it counts
    // as a vowel (1), a consonant (-1) or neither (0), marks applied. The name
    // numbers and the digit rows all read it.
    // The letter sums of each word (words at single spaces, empty ones kept)
    // over all characters, the vowels and the consonants.
    struct WordSums {
        int all = 0;
        int vowels = 0;
        int consonants = 0;
    };
    struct NameScan {
        QStringView name;
        QVarLengthArray<signed char, 64> kind;
        QVarLengthArray<unsigned char, 64> value;
        QVarLengthArray<WordSums, 8> words;
    };
    void scanName(const QString &name, const QVector<int> &marks, NameScan &scan) const;
    int nameNumber(const NameScan &scan, int part, bool wordsToDigit, int *karmicSeen, int &raw,
                   QString &text, QString &calc);
    void computeDigitRows(const NameScan &scan, QString &vowels, QString &consonants) const;
    void computeLetterDigits(const NameScan &fullName); ///< digit counts from the letter values
    void computePlanes();
    void computeTransits(bool skipMissed);

    QString m_lastError;
    int m_monthNumber = 0; ///< M = rc(birth month) of the last life path
    int m_yearNumber = 0;  ///< Y = rc(birth year)
    bool m_texts = true;   ///< false while calculate() runs for the numbers alone
};
