#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <QVector>

/**
 * @file
 * Letter values, the vowel rule, name splitting and every reduction of the engine.
 * Pure functions: the alphabet, the master-number range and the letter-master
 * option are passed in explicitly, so they can be used from any layer and thread.
 * `CNumerology` offers the same operations bound to its own mode and counters.
 *
 * Notation used in the documentation: rc = reduceNumber (masters kept, values
 * counted), fr = reduceToDigit (always to one digit).
 */
namespace qz {

/** The "Phonetic:" choice: which letters count as vowels. */
enum PhoneticMode { PhoneticEnglish = 0, PhoneticUniversal = 1 };

/** Per-character override of the vowel rule; other values mean "no override". */
enum LetterMark { MarkNone = 0, MarkVowel = 1, MarkConsonant = 2 };

/** The karmic-debt numbers 13, 14, 16, 19 in their order of listing. */
constexpr int KarmicDebtNumbers[4] = {13, 14, 16, 19};

/** 11 always; 22 and 33 in both modes; 44..99 (multiples of 11) only with @p extendedMasters. */
bool isMasterNumber(int n, bool extendedMasters);
/** 0..9 or a master number. */
bool isFinalNumber(int n, bool extendedMasters);
/** 13, 14, 16 or 19. */
bool isKarmicDebt(int n);

/** Sum of the lowest four decimal digits of n. */
int digitSum4(int n);

/**
 * Standard reduction keeping master numbers. 0 for n < 1 or n > 9999. Every
 * final or karmic-debt value met on the way adds one to counters[value] when
 * counters is given and value < counterSize.
 */
inline int reduceNumber(int n, bool extendedMasters, int *counters = nullptr, int counterSize = 128);
/** The same without counting; 0 for n <= 0 or when a step reaches 0. */
inline int reduceKeepMasters(int n, bool extendedMasters);
/** Reduction to one digit ignoring masters; n <= 9 (0, negatives) is returned unchanged. */
inline int reduceToDigit(int n);
/** n when final, else one digitSum4 step (the compound value shown in chains). */
int digitSumOnce(int n, bool extendedMasters);
/** Compatibility step: n when 0..9, 11, 22 or 33, else digitSum4(n). */
int compatStep(int n);
/** Reduction to 1..9 for compatibility: 11, 22, 33 become 2, 4, 6; 0 or less gives 0. */
int compatReduce(int n);

/**
 * Value of one upper-case character: digits keep their value, 'A'..'Z' take the
 * Chaldean table or their Pythagorean position (reduced to a digit unless the
 * position is 11 or 22 and @p reduceMasterLetters is off); everything else 0.
 */
inline int letterValue(QChar ch, bool chaldean, bool reduceMasterLetters);
/** Plain sum of letterValue over the text. */
int wordValue(QStringView text, bool chaldean, bool reduceMasterLetters);

/**
 * Vowel rule for the character at @p pos of one word (already upper-cased):
 * 1 vowel, -1 consonant, 0 not a letter A..Z (or an unknown mode). English mode
 * applies the W and Y rules, which look at the neighbours inside the same word.
 */
int classifyLetter(QStringView word, int pos, int mode);

/** The words of a name: split at every single space, empty words kept. */
QVector<QStringView> nameWords(QStringView name);
/** wordValue of each word of the name, in order. */
QVector<int> nameWordSums(QStringView name, bool chaldean, bool reduceMasterLetters);
/**
 * Per word, the value of only its vowels (@p wantVowels) or only its consonants,
 * honouring @p marks indexed by the character position in the whole name.
 */
QVector<int> namePartSums(QStringView name, bool wantVowels, const QVector<int> &marks, int mode,
                          bool chaldean, bool reduceMasterLetters);

/**
 * Planes-of-expression class of a letter: kind * 4 + plane (plane 0 Mental,
 * 1 Physical, 2 Emotional, 3 Intuitive; kind 0 Creative, 1 Dual, 2 Grounded); -1
 * for non-letters. Lower-case input is upper-cased first.
 */
int letterPlaneClass(QChar ch);

/** "Jan".."Dec" for month 1..12, an empty string otherwise. */
QString monthShortName(int month);

namespace detail {
// Plane class per letter 'A'..'Z', kind * 4 + plane (see letterPlaneClass()).
constexpr signed char PlaneClasses[26] = {
    0,  6, 11, 9, 1, 7, 8, 4, 2, 4, 3, 8, 9, // A..M
    4,  2, 4,  7, 2, 6, 6, 7, 11, 5, 6, 7, 2 // N..Z
};

// Chaldean values of 'A'..'Z'; no letter is worth 9.
constexpr unsigned char ChaldeanValues[26] = {1, 2, 3, 4, 5, 8, 3, 5, 1, 1, 2, 3, 4,
                                              5, 7, 8, 1, 2, 3, 4, 6, 6, 6, 5, 1, 7};
// Pythagorean values: the position reduced to a digit, or K and V kept at 11 and 22.
constexpr unsigned char PythagoreanValues[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4,
                                                 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr unsigned char PythagoreanMasterValues[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 11, 3, 4,
                                                       5, 6, 7, 8, 9, 1, 2, 3, 22, 5, 6, 7, 8};

constexpr bool masterIn(int n, bool ext)
{
    return n == 11 || n == 22 || n == 33 || (ext && n >= 44 && n <= 99 && n % 11 == 0);
}
constexpr bool finalIn(int n, bool ext) { return (n >= 0 && n <= 9) || masterIn(n, ext); }
constexpr bool karmicIn(int n) { return n == 13 || n == 14 || n == 16 || n == 19; }
constexpr int digitSumOf(int n) { return n / 1000 % 10 + n / 100 % 10 + n / 10 % 10 + n % 10; }

// The reduction of every value below 128, worked out at compile time per master
// range: the result and the values that reduceNumber counts on the way.
struct ReductionTable {
    struct Entry {
        signed char result = 0;
        unsigned char countLen = 0;
        unsigned char counted[4] = {};
    };
    Entry entries[2][128] = {};

    constexpr ReductionTable()
    {
        for (int ext = 0; ext < 2; ++ext) {
            for (int start = 1; start < 128; ++start) {
                Entry &e = entries[ext][start];
                int n = start;
                for (;;) {
                    const bool final = finalIn(n, ext != 0);
                    if ((final || karmicIn(n)) && e.countLen < 4)
                        e.counted[e.countLen++] = static_cast<unsigned char>(n);
                    if (final)
                        break;
                    n = digitSumOf(n);
                }
                e.result = static_cast<signed char>(n);
            }
        }
    }
};

inline constexpr ReductionTable Reductions;

// The rare inputs of the inline reductions below.
int reduceKeepMastersSlow(int n, bool extendedMasters);
int reduceToDigitSlow(int n);
} // namespace detail

inline int reduceKeepMasters(int n, bool extendedMasters)
{
    // Below 128 the reduction table holds the answer (0 for 0).
    if (n >= 0 && n < 128)
        return detail::Reductions.entries[extendedMasters ? 1 : 0][n].result;
    return detail::reduceKeepMastersSlow(n, extendedMasters);
}

inline int reduceToDigit(int n)
{
    if (n <= 9)
        return n;
    // Up to four digits the repeated digit sum of a positive number is its digital root.
    if (n <= 9999)
        return 1 + (n - 1) % 9;
    return detail::reduceToDigitSlow(n);
}

inline int reduceNumber(int n, bool extendedMasters, int *counters, int counterSize)
{
    if (n < 1 || n > 9999)
        return 0;
    // Values of 128 and more are never final and never counted: one step brings
    // every value up to 9999 below 37.
    if (n >= 128)
        n = detail::digitSumOf(n);
    const detail::ReductionTable::Entry &e = detail::Reductions.entries[extendedMasters ? 1 : 0][n];
    if (counters) {
        for (int i = 0; i < e.countLen; ++i)
            if (e.counted[i] < counterSize)
                ++counters[e.counted[i]];
    }
    return e.result;
}

inline int letterValue(QChar ch, bool chaldean, bool reduceMasterLetters)
{
    const ushort u = ch.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u < 'A' || u > 'Z')
        return 0;
    const int index = u - 'A';
    if (chaldean)
        return detail::ChaldeanValues[index];
    // Letter positions only reach 26, so K (11) and V (22) are the masters in either range.
    return reduceMasterLetters ? detail::PythagoreanValues[index]
                               : detail::PythagoreanMasterValues[index];
}

} // namespace qz
