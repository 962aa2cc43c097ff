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
int reduceNumber(int n, bool extendedMasters, int *counters = nullptr, int counterSize = 128);
/** The same without counting; 0 for n <= 0 or when a step reaches 0. */
int reduceKeepMasters(int n, bool extendedMasters);
/** Reduction to one digit ignoring masters; n <= 9 (0, negatives) is returned unchanged. */
int reduceToDigit(int n);
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
int letterValue(QChar ch, bool chaldean, bool reduceMasterLetters);
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

} // namespace qz
