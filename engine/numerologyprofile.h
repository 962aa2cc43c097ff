#pragma once

#include <QDate>
#include <QString>
#include <QVector>

#include <type_traits>

/**
 * @file
 * The results of one calculation, held as public members of `CNumerology`.
 * Panels, reports and the chart designer read them; only the engine writes them.
 *
 * Notation of the texts: a reduced number whose source differs is written
 * reduced/unreduced ("5/23"); chains join terms with + and = ("11/11+11+5/23=27=9");
 * lists are joined by ", " and "-" stands for an empty list.
 *
 * The numbers and dates form a plain base (cleared in one go); the texts and
 * lists follow in NumerologyProfile.
 */
struct NumerologyNumbers {
    static constexpr int CounterSize = 128;
    static constexpr int TransitLength = 128;
    static constexpr int PlanesCellCount = 20;

    int valueCounters[CounterSize] = {}; ///< values met while reducing
    int lifePath = -1;                   ///< life path, master numbers kept (-1 after reset)
    int challenges[4] = {};              ///< the four challenge numbers
    int targetYear = 0;                  ///< year of targetDate
    int personalYearBase = 0;            ///< fr(fr(D) + fr(M)); the year is added per date
    int planeClassCounts[12] = {};       ///< full-name letters per plane class (kind*4+plane)
    int letterCounts[26] = {};           ///< occurrences of 'A'..'Z' in the full name
    int chaldeanMode = 0;                ///< 1: Chaldean letter values
    int extendedMasters = 0;             ///< 1: masters 11..99, 0: 11, 22, 33
    QDate birthDate;
    int expression = 0;                  ///< expression number
    int essenceRaw[TransitLength] = {};  ///< unreduced essence per age
    int essence[TransitLength] = {};     ///< essence per age (16 and 19 kept)
    QDate targetDate;
    int expressionRaw = 0;               ///< unreduced expression total (compound number)

    // ---- The numbers behind the texts, for reports, panels and charts ----
    int lifePathRaw = 0;            ///< the unreduced sum the life path came from
    int birthdayNumber = 0;         ///< D = rc(birth day)
    int heartDesire = 0, heartDesireRaw = 0;
    int personality = 0, personalityRaw = 0;
    int minorExpression = 0, minorExpressionRaw = 0;
    int minorHeartDesire = 0, minorHeartDesireRaw = 0;
    int minorPersonality = 0, minorPersonalityRaw = 0;
    int maturity = 0, maturityRaw = 0;
    int rationalThought = 0, rationalThoughtRaw = 0;
    int balance = 0, balanceRaw = 0;
    int personalYear = 0;           ///< personal year of targetDate
    int pinnacles[4] = {};          ///< masters kept
    int pinnacleSpanEnds[3] = {};   ///< 36-L, 45-L, 54-L
    int lifePathPeriods[3] = {};    ///< fully reduced month, day, year
    int lifePathPeriodEnds[2] = {}; ///< last age of period 1 and of period 2
    int bridgeLifePathExpression = 0;     ///< |fr(LP) - fr(E)|
    int bridgeHeartPersonality = 0;       ///< |fr(HD) - fr(P)|
    int bridgeLifePathExpressionCode = 0; ///< min + 10*max of fr(LP), fr(E) ("Bridge LP+E")
    int bridgeHeartPersonalityCode = 0;   ///< min + 10*max of fr(HD), fr(P) ("Bridge HD+P")
    int digitCounts[10] = {};       ///< full-name letters per digit 1..9 (entry 0 unused)
    int karmicDebtCount = 0;        ///< how many of karmicDebts are used
    int karmicDebts[4] = {};        ///< the karmic debts found, in the order 13, 14, 16, 19
    int subconsciousConfidence = 0;
    int planeNumbers[4] = {};       ///< Mental, Physical, Emotional, Intuitive
    int planeKindTotals[3] = {};    ///< Creative, Dual, Grounded
    int planesValues[PlanesCellCount] = {}; ///< result per grid cell (0 for empty cells)
    int phonetic = 0;               ///< qz::PhoneticMode used

    // ---- Pet calculation (CNumerology::calculatePet) ----
    int petNumber = 0;              ///< P = fr(sum of rc(word sums))
    int petBirthdayCode = 0;        ///< B
    int petForecastDayCode = 0;     ///< F
    int petDayForecast = 0;         ///< fr(P + F + B), also in personalYearText
};

struct NumerologyProfile : NumerologyNumbers {
    QString physicalTransit;             ///< 128 characters, one per year of age (spaces when absent)
    QString mentalTransit;
    QString spiritualTransit;
    QString fullNameUpper;
    QString shortNameUpper;
    QString lifePathText;                ///< life-path chain, e.g. 11/11+11+5/23=27=9
    QString birthdayText;                ///< e.g. "29 (11)"
    QString expressionText;
    QString minorExpressionText;
    QString heartDesireText;
    QString minorHeartDesireText;
    QString personalityText;
    QString minorPersonalityText;
    QString maturityText;
    QString rationalThoughtText;
    QString karmicDebtsText;             ///< e.g. "13, 16" or "-"
    QString karmicLessonsText;           ///< missing digits, e.g. "2, 5" or "-"
    QString challengesText;              ///< "c1, c2, c3, c4"
    QString pinnaclesText;               ///< "p1, p2, p3, p4", masters as 2/11
    QString bridgeLifePathExpressionText;
    QString bridgeHeartPersonalityText;
    QString balanceText;
    QString personalYearText;            ///< personal year of targetDate (pet: day forecast)
    QString hiddenPassionText;
    QString subconsciousConfidenceText;
    QString pinnacleSpansText;           ///< e.g. 0-27-36-45-E
    QString lifePathPeriodsText;         ///< "m, d, y"
    QString lifePathPeriodSpansText;     ///< e.g. 0-27,28-54,55-E
    QString planesCellTexts[PlanesCellCount]; ///< letters per grid cell, e.g. "A2N1"
    QString planesCells[PlanesCellCount];     ///< display strings of the planes grid
    QString vowelDigits;                 ///< one character per full-name character
    QString consonantDigits;
    QString expressionCalc;              ///< e.g. =2/20+6/24=8
    QString heartDesireCalc;
    QString personalityCalc;
    QString shortVowelDigits;
    QString shortConsonantDigits;
    QString minorExpressionCalc;
    QString minorHeartDesireCalc;
    QString minorPersonalityCalc;

    QVector<int> fullNameMarks;     ///< marks the calculation used
    QVector<int> shortNameMarks;

    // ---- Celebrity matches (CNumerology::calculateCelebrities): record indices ----
    QVector<int> celebrityLifePathMatches;   ///< "Celebrities with same Life Path"
    QVector<int> celebrityBirthDayMatches;   ///< "Celebrities with same Birth day"
    QVector<int> celebrityExpressionMatches; ///< "Celebrities with same Expression number"
};

static_assert(std::is_trivially_copyable<NumerologyNumbers>::value,
              "the numbers of a profile are cleared by plain assignment");
