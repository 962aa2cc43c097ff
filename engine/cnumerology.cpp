#include "engine/cnumerology.h"

#include "engine/calculatorflags.h"
#include "engine/numerologymath.h"
#include "engine/textbuf.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>
#include <cstring>

using qz::reduceToDigit;
using qz::TextBuf;

const QString CNumerology::IncorrectNameMessage =
    QStringLiteral("Error! Incorrect full or short name!");
const QString CNumerology::IncorrectPetNameMessage = QStringLiteral("Error! Incorrect pet name!");

namespace {

bool reduceLetters() { return calculatorFlags().reduceMasterLetters(); }

constexpr bool isPlainVowel(ushort u) { return u == 'A' || u == 'E' || u == 'I' || u == 'O' || u == 'U'; }

// What the name scan needs of an ASCII character, per alphabet (Pythagorean,
// Pythagorean with master letters, Chaldean) and vowel rule (English,
// Universal): its letter value and whether it is a vowel (1), a consonant (-1),
// neither (0), or depends on its neighbours (AskNeighbours: W and Y in English,
// and lower-case letters, which qz::classifyLetter upper-cases first).
constexpr signed char AskNeighbours = 2;
struct ScanEntry {
    signed char kind = 0;
    unsigned char value = 0;
};
struct ScanTables {
    ScanEntry entries[3][2][128] = {};

    constexpr ScanTables()
    {
        for (int alphabet = 0; alphabet < 3; ++alphabet) {
            for (int rule = 0; rule < 2; ++rule) {
                for (int u = 0; u < 128; ++u) {
                    ScanEntry &e = entries[alphabet][rule][u];
                    if (u >= '0' && u <= '9')
                        e.value = static_cast<unsigned char>(u - '0');
                    if (u >= 'a' && u <= 'z')
                        e.kind = AskNeighbours;
                    if (u < 'A' || u > 'Z')
                        continue;
                    const int l = u - 'A';
                    e.value = alphabet == 2   ? qz::detail::ChaldeanValues[l]
                              : alphabet == 1 ? qz::detail::PythagoreanMasterValues[l]
                                              : qz::detail::PythagoreanValues[l];
                    if (rule == qz::PhoneticUniversal)
                        e.kind = isPlainVowel(static_cast<ushort>(u)) || u == 'Y' ? 1 : -1;
                    else if (u == 'W' || u == 'Y')
                        e.kind = AskNeighbours;
                    else
                        e.kind = isPlainVowel(static_cast<ushort>(u)) ? 1 : -1;
                }
            }
        }
    }
};
constexpr ScanTables Scan;

// The digit of every letter value a scan can hold (0 stays 0).
struct DigitTable {
    unsigned char digits[256] = {};
    constexpr DigitTable()
    {
        for (int v = 1; v < 256; ++v)
            digits[v] = static_cast<unsigned char>(1 + (v - 1) % 9);
    }
};
constexpr DigitTable DigitOf;

} // namespace

CNumerology::CNumerology()
{
    clearResults();
}

void CNumerology::reset()
{
    m_texts = true;
    clearResults();
    birthDate = QDate::currentDate();
    targetDate = birthDate;
    targetYear = targetDate.year();
}

namespace {

// The text members, emptied in place by clearResults() so their buffers are
// reused by the next calculation. Every QString member of NumerologyProfile
// must be listed (the reset test checks them all).
QString NumerologyProfile::*const ReusedTexts[] = {
    &NumerologyProfile::physicalTransit, &NumerologyProfile::mentalTransit,
    &NumerologyProfile::spiritualTransit, &NumerologyProfile::lifePathText,
    &NumerologyProfile::birthdayText, &NumerologyProfile::expressionText,
    &NumerologyProfile::minorExpressionText, &NumerologyProfile::heartDesireText,
    &NumerologyProfile::minorHeartDesireText, &NumerologyProfile::personalityText,
    &NumerologyProfile::minorPersonalityText, &NumerologyProfile::maturityText,
    &NumerologyProfile::rationalThoughtText, &NumerologyProfile::karmicDebtsText,
    &NumerologyProfile::karmicLessonsText, &NumerologyProfile::challengesText,
    &NumerologyProfile::pinnaclesText, &NumerologyProfile::bridgeLifePathExpressionText,
    &NumerologyProfile::bridgeHeartPersonalityText, &NumerologyProfile::balanceText,
    &NumerologyProfile::personalYearText, &NumerologyProfile::hiddenPassionText,
    &NumerologyProfile::subconsciousConfidenceText, &NumerologyProfile::pinnacleSpansText,
    &NumerologyProfile::lifePathPeriodsText, &NumerologyProfile::lifePathPeriodSpansText,
    &NumerologyProfile::vowelDigits, &NumerologyProfile::consonantDigits,
    &NumerologyProfile::expressionCalc, &NumerologyProfile::heartDesireCalc,
    &NumerologyProfile::personalityCalc, &NumerologyProfile::shortVowelDigits,
    &NumerologyProfile::shortConsonantDigits, &NumerologyProfile::minorExpressionCalc,
    &NumerologyProfile::minorHeartDesireCalc, &NumerologyProfile::minorPersonalityCalc,
    &NumerologyProfile::fullNameUpper, &NumerologyProfile::shortNameUpper,
};
constexpr int ReusedTextCount = sizeof(ReusedTexts) / sizeof(ReusedTexts[0]);
constexpr int NameTextCount = 2; // the last two entries: the names survive a reset

// A QString added to the profile without being listed above would keep stale
// text across calculations; the layout check makes that a build error.
static_assert(sizeof(NumerologyProfile) ==
                  sizeof(NumerologyNumbers) +
                      (ReusedTextCount + 2 * NumerologyProfile::PlanesCellCount) * sizeof(QString) +
                      5 * sizeof(QVector<int>),
              "every QString member of NumerologyProfile must be in ReusedTexts");

// The texts that calculate() writes only after its validation step: a failed
// calculation leaves them empty.
QString NumerologyProfile::*const TextsAfterValidation[] = {
    &NumerologyProfile::maturityText, &NumerologyProfile::rationalThoughtText,
    &NumerologyProfile::bridgeLifePathExpressionText,
    &NumerologyProfile::bridgeHeartPersonalityText, &NumerologyProfile::balanceText,
    &NumerologyProfile::karmicDebtsText, &NumerologyProfile::physicalTransit,
    &NumerologyProfile::mentalTransit, &NumerologyProfile::spiritualTransit,
};

} // namespace

void CNumerology::clearResults()
{
    clearNumbers();
    NumerologyProfile &p = *this;
    for (int i = 0; i < ReusedTextCount - NameTextCount; ++i)
        qz::clearText(p.*ReusedTexts[i]);
    for (int i = 0; i < PlanesCellCount; ++i) {
        qz::clearText(planesCellTexts[i]);
        qz::clearText(planesCells[i]);
    }
}

void CNumerology::clearNumbers()
{
    // Names, alphabet and master range survive; every other number, list and
    // the error are cleared.
    const int chaldean = chaldeanMode;
    const int masters = extendedMasters;
    // Copied from one blank: assigning a temporary zeroes 1.5 KB and then copies it.
    static const NumerologyNumbers Blank;
    static_cast<NumerologyNumbers &>(*this) = Blank;
    chaldeanMode = chaldean;
    extendedMasters = masters;
    fullNameMarks.clear();
    shortNameMarks.clear();
    celebrityLifePathMatches.clear();
    celebrityBirthDayMatches.clear();
    celebrityExpressionMatches.clear();
    m_lastError.clear();
}

// ---- Building blocks bound to this engine ----

int CNumerology::letterValue(QChar ch) const
{
    return qz::letterValue(ch, chaldeanMode != 0, reduceLetters());
}

int CNumerology::wordValue(QStringView text) const
{
    return qz::wordValue(text, chaldeanMode != 0, reduceLetters());
}

QVector<int> CNumerology::nameWordSums(QStringView name) const
{
    return qz::nameWordSums(name, chaldeanMode != 0, reduceLetters());
}

QVector<int> CNumerology::namePartSums(QStringView name, bool wantVowels, const QVector<int> &marks,
                                       int mode) const
{
    return qz::namePartSums(name, wantVowels, marks, mode, chaldeanMode != 0, reduceLetters());
}

bool CNumerology::isMasterNumber(int n) const { return qz::isMasterNumber(n, extendedMasters != 0); }

bool CNumerology::isFinalNumber(int n) const { return qz::isFinalNumber(n, extendedMasters != 0); }

int CNumerology::digitSumOnce(int n) const { return qz::digitSumOnce(n, extendedMasters != 0); }

// ---- The profile ----

void CNumerology::computeLifePath(bool partSum, bool plainSum, bool digitSum, int year, int month,
                                  int day)
{
    const bool ext = extendedMasters != 0;
    const int D = qz::reduceNumber(day, ext);
    const int M = qz::reduceNumber(month, ext);
    const int Y = qz::reduceNumber(year, ext);
    const bool method1 = partSum || (!plainSum && !digitSum);

    const int S1 = D + M + Y;
    const int S2 = day + month + year;
    const int yearAbs = std::abs(year);
    const int S3 = day / 10 + day % 10 + month / 10 + month % 10 + qz::digitSum4(yearAbs);
    const int L1 = method1 ? qz::reduceNumber(S1, ext) : 0;
    const int L2 = plainSum ? qz::reduceNumber(S2, ext) : 0;
    const int L3 = digitSum ? qz::reduceNumber(S3, ext) : 0;

    // The counters end up holding what the winning method met: its sum alone, or
    // day, month, year and the sum when a master-number step chose it.
    int winner = 0;
    int sum = 0;
    bool masterStep = false;
    if (L1 != 0) {
        winner = 1;
        lifePath = L1;
        sum = S1;
    } else if (L2 != 0) {
        winner = 2;
        lifePath = L2;
        sum = S2;
    } else if (L3 != 0) {
        winner = 3;
        lifePath = L3;
        sum = S3;
    } else {
        lifePath = 0;
        sum = method1 ? S1 : (plainSum ? S2 : S3);
    }
    if (plainSum && isMasterNumber(L2) && !isMasterNumber(lifePath)) {
        winner = 2;
        lifePath = L2;
        sum = S2;
        masterStep = true;
    }
    if (digitSum && isMasterNumber(L3) && !isMasterNumber(lifePath)) {
        winner = 3;
        lifePath = L3;
        sum = S3;
        masterStep = true;
    }
    std::memset(valueCounters, 0, sizeof(valueCounters));
    if (masterStep) {
        reduceNumber(day);
        reduceNumber(month);
        reduceNumber(year);
    }
    reduceNumber(sum);
    lifePathRaw = sum;
    birthdayNumber = D;
    m_monthNumber = M;
    m_yearNumber = Y;

    const int m = reduceToDigit(M), d = reduceToDigit(D), y = reduceToDigit(Y);
    lifePathPeriods[0] = m;
    lifePathPeriods[1] = d;
    lifePathPeriods[2] = y;
    if (!m_texts)
        return;
    TextBuf t;
    if (winner == 1) {
        const int daySum = day / 10 + day % 10;
        t.num(D);
        if (daySum >= 10)
            t.ch('/').num(daySum);
        t.ch('+').num(M).ch('+').num(Y);
        const int w = qz::digitSum4(yearAbs);
        if (w >= 10)
            t.ch('/').num(w);
        t.ch('=').num(S1);
    } else {
        t.num(sum);
    }
    if (lifePath != sum) {
        t.ch('=').num(lifePath);
        const int once = digitSumOnce(sum);
        if (once > 9 && once != lifePath)
            t.ch('/').num(once);
    }
    t.assignTo(lifePathText);
}

void CNumerology::scanName(const QString &name, const QVector<int> &marks, NameScan &scan) const
{
    const int n = name.size();
    const QChar *chars = name.constData();
    const bool chaldean = chaldeanMode != 0;
    const bool reduceMasters = reduceLetters();
    // ASCII characters come from a table; others, and unknown vowel rules, from
    // the general functions.
    const ScanEntry *table = nullptr;
    if (phonetic == qz::PhoneticEnglish || phonetic == qz::PhoneticUniversal)
        table = Scan.entries[chaldean ? 2 : (reduceMasters ? 0 : 1)][phonetic];
    scan.name = QStringView(name);
    scan.kind.resize(n);
    scan.value.resize(n);
    scan.words.clear();
    signed char *kinds = scan.kind.data();
    unsigned char *values = scan.value.data();
    const int *mark = marks.constData();
    const int markCount = marks.size();
    WordSums word;
    for (int i = 0; i < n; ++i) {
        const ushort u = chars[i].unicode();
        int kind, value;
        if (u < 128 && table) {
            kind = table[u].kind;
            value = table[u].value;
            if (kind == AskNeighbours) // neighbours across a space are non-letters, so the whole name will do
                kind = qz::classifyLetter(scan.name, i, phonetic);
        } else {
            kind = qz::classifyLetter(scan.name, i, phonetic);
            value = qz::letterValue(chars[i], chaldean, reduceMasters);
        }
        if (i < markCount) {
            if (mark[i] == qz::MarkVowel)
                kind = 1;
            else if (mark[i] == qz::MarkConsonant)
                kind = -1;
        }
        kinds[i] = static_cast<signed char>(kind);
        values[i] = static_cast<unsigned char>(value);
        if (u == ' ') {
            scan.words.append(word);
            word = WordSums();
            continue;
        }
        word.all += value;
        if (kind > 0)
            word.vowels += value;
        else if (kind < 0)
            word.consonants += value;
    }
    scan.words.append(word);
}

int CNumerology::nameNumber(const NameScan &scan, int part, bool wordsToDigit, int *karmicSeen,
                            int &raw, QString &text, QString &calc)
{
    // The word sums over all characters (part 0), the vowels (1) or the consonants (-1).
    const int words = scan.words.size();
    int total = 0;
    QVarLengthArray<int, 16> reduced(words);
    for (int w = 0; w < words; ++w) {
        const WordSums &word = scan.words[w];
        const int sum = part == 0 ? word.all : (part > 0 ? word.vowels : word.consonants);
        const int r = reduceNumber(sum);
        total += wordsToDigit ? r : sum;
        reduced[w] = r;
    }
    const int number = reduceNumber(total);
    reduceNumberInto(total, karmicSeen);
    raw = total;
    if (!m_texts)
        return number;
    TextBuf chain;
    chain.ch('=');
    for (int w = 0; w < words; ++w) {
        const WordSums &word = scan.words[w];
        const int sum = part == 0 ? word.all : (part > 0 ? word.vowels : word.consonants);
        if (w > 0)
            chain.ch('+');
        chain.pair(reduced[w], sum);
    }
    chain.ch('=').num(total);
    if (number != total)
        chain.ch('=').num(number);
    qz::assignPair(text, number, total);
    chain.assignTo(calc);
    return number;
}

void CNumerology::computeDigitRows(const NameScan &scan, QString &vowels, QString &consonants) const
{
    const int n = scan.name.size();
    QChar *v = qz::prepareText(vowels, n);
    QChar *c = qz::prepareText(consonants, n);
    for (int i = 0; i < n; ++i) {
        v[i] = c[i] = QLatin1Char(' ');
        const int kind = scan.kind[i];
        if (kind == 0)
            continue;
        const QChar digit(ushort('0' + DigitOf.digits[scan.value[i]]));
        if (kind > 0)
            v[i] = digit;
        else
            c[i] = digit;
    }
}

void CNumerology::computeLetterDigits(const NameScan &fullName)
{
    int tally[10] = {};
    for (unsigned char value : fullName.value)
        ++tally[DigitOf.digits[value]];
    for (int d = 1; d <= 9; ++d)
        digitCounts[d] = tally[d];
    subconsciousConfidence = 0;
    for (int d = 1; d <= 9; ++d)
        subconsciousConfidence += digitCounts[d] != 0;
    if (!m_texts)
        return;
    TextBuf lessons, passion;
    int maxCount = 0;
    for (int d = 1; d <= 9; ++d)
        maxCount = std::max(maxCount, digitCounts[d]);
    for (int d = 1; d <= 9; ++d) {
        if (digitCounts[d] == 0) {
            if (!lessons.isEmpty())
                lessons.str(", ");
            lessons.num(d);
        }
        if (digitCounts[d] == maxCount) {
            if (!passion.isEmpty())
                passion.str(", ");
            passion.num(d);
        }
    }
    if (lessons.isEmpty())
        lessons.ch('-');
    lessons.assignTo(karmicLessonsText);
    passion.assignTo(hiddenPassionText);
    qz::assignNum(subconsciousConfidenceText, subconsciousConfidence);
}

void CNumerology::computePlanes()
{
    const bool chaldean = chaldeanMode != 0;
    const bool reduceMasters = reduceLetters();
    for (QChar ch : fullNameUpper) {
        const ushort u = ch.unicode();
        if (u >= 'A' && u <= 'Z')
            ++letterCounts[u - 'A'];
    }
    int cellCount[12] = {};
    int cellValue[12] = {};
    int planeLetters[4] = {};
    int kindLetters[3] = {};
    // A cell holds at most 26 letters with their counts plus its result.
    qz::TextBufN<200> cellText[12];
    for (int l = 0; l < 26; ++l) {
        const int n = letterCounts[l];
        if (n == 0)
            continue;
        const QChar letter(ushort('A' + l));
        const int c = qz::detail::PlaneClasses[l];
        const int plane = c % 4, kind = c / 4;
        if (m_texts)
            cellText[c].ch(static_cast<char>('A' + l)).num(n);
        cellCount[c] += n;
        planeClassCounts[c] += n;
        cellValue[c] += reduceToDigit(qz::letterValue(letter, chaldean, reduceMasters)) * n;
        planeLetters[plane] += n;
        kindLetters[kind] += n;
    }
    int result[12] = {};
    for (int c = 0; c < 12; ++c)
        result[c] = reduceKeepMasters(cellValue[c]);
    for (int kind = 0; kind < 3; ++kind) {
        int sum = 0;
        for (int plane = 0; plane < 4; ++plane) {
            const int c = kind * 4 + plane;
            const int cell = kind * 5 + plane;
            sum += result[c];
            if (cellCount[c] == 0) {
                qz::clearText(planesCellTexts[cell]);
                qz::clearText(planesCells[cell]);
                continue;
            }
            planesValues[cell] = result[c];
            if (!m_texts)
                continue;
            cellText[c].assignTo(planesCellTexts[cell]);
            cellText[c].ch('=').pair(result[c], cellValue[c]).str(", ").num(cellCount[c]);
            cellText[c].assignTo(planesCells[cell]);
        }
        planeKindTotals[kind] = reduceKeepMasters(sum);
        planesValues[kind * 5 + 4] = planeKindTotals[kind];
        if (!m_texts)
            continue;
        TextBuf t;
        t.pair(planeKindTotals[kind], sum).str(", ").num(kindLetters[kind]);
        t.assignTo(planesCells[kind * 5 + 4]);
    }
    for (int plane = 0; plane < 4; ++plane) {
        int sum = 0;
        for (int kind = 0; kind < 3; ++kind)
            sum += result[kind * 4 + plane];
        planeNumbers[plane] = reduceKeepMasters(sum);
        planesValues[15 + plane] = planeNumbers[plane];
        if (!m_texts)
            continue;
        TextBuf t;
        t.pair(planeNumbers[plane], sum).str(", ").num(planeLetters[plane]);
        t.assignTo(planesCells[15 + plane]);
    }
    if (!m_texts)
        return;
    qz::assignLatin1(planesCells[19], "0, 0", 4);
    // The total cells show no letters.
    for (int cell : {4, 9, 14, 15, 16, 17, 18, 19})
        qz::clearText(planesCellTexts[cell]);
}

bool CNumerology::calculate(const NumerologyInput &input)
{
    const CalculatorFlags flags = calculatorFlags();
    const bool wordsToDigit = flags.wordsToDigit();

    // Step 1: names survive the reset, every number starts at 0. Every text is
    // written below (the later ones emptied when validation fails), so they keep
    // their buffers instead of being emptied first.
    chaldeanMode = input.chaldean ? 1 : 0;
    qz::assignUpper(fullNameUpper, input.fullName);
    qz::assignUpper(shortNameUpper, input.shortName);
    m_texts = !input.skipTexts;
    if (m_texts)
        clearNumbers();
    else
        clearResults(); // nothing below writes a text, so none may keep an earlier one
    birthDate = input.birthDate;
    targetDate = input.targetDate;
    targetYear = targetDate.year();
    phonetic = input.phonetic;
    fullNameMarks = input.fullNameMarks;
    shortNameMarks = input.shortNameMarks;

    // Steps 2 and 3.
    int year = 0, month = 0, day = 0;
    birthDate.getDate(&year, &month, &day);
    computeLifePath(flags.lifePathPartSum(), flags.lifePathPlainSum(), flags.lifePathDigitSum(),
                    year, month, day);

    // Step 4.
    if (m_texts) {
        TextBuf t;
        t.num(day);
        if (birthdayNumber != day)
            t.str(" (").num(birthdayNumber).ch(')');
        t.assignTo(birthdayText);
    }
    reduceNumber(day);
    int karmicSeen[CounterSize];
    std::memcpy(karmicSeen, valueCounters, sizeof(karmicSeen));

    // Step 5: challenges from fully reduced month, day and year.
    const int D = birthdayNumber;
    const int M = m_monthNumber;
    const int Y = m_yearNumber;
    const int m = lifePathPeriods[0], d = lifePathPeriods[1], y = lifePathPeriods[2];
    challenges[0] = std::abs(d - m);
    challenges[1] = std::abs(d - y);
    challenges[2] = std::abs(challenges[0] - challenges[1]);
    challenges[3] = std::abs(y - m);
    if (m_texts) {
        TextBuf t;
        t.num(challenges[0]).str(", ").num(challenges[1]).str(", ").num(challenges[2]).str(", ")
            .num(challenges[3]);
        t.assignTo(challengesText);
    }

    // Step 6: pinnacles, masters kept.
    pinnacles[0] = reduceNumber(M + D);
    pinnacles[1] = reduceNumber(D + Y);
    pinnacles[2] = reduceNumber(pinnacles[0] + pinnacles[1]);
    pinnacles[3] = reduceNumber(M + Y);
    if (m_texts) {
        TextBuf t;
        for (int i = 0; i < 4; ++i) {
            if (i)
                t.str(", ");
            t.pair(reduceToDigit(pinnacles[i]), pinnacles[i]);
        }
        t.assignTo(pinnaclesText);
    }

    // Step 7.
    personalYearBase = reduceToDigit(d + m);
    personalYear = reduceToDigit(reduceToDigit(targetYear) + personalYearBase);
    if (m_texts)
        qz::assignNum(personalYearText, personalYear);

    // Step 8: spans.
    {
        static const int periodEnd1[10] = {0, 26, 25, 24, 23, 31, 30, 29, 28, 27};
        static const int periodEnd2[10] = {0, 53, 52, 51, 59, 58, 57, 56, 55, 54};
        const int L = std::max(0, reduceToDigit(lifePath));
        pinnacleSpanEnds[0] = 36 - L;
        pinnacleSpanEnds[1] = 45 - L;
        pinnacleSpanEnds[2] = 54 - L;
        const int B = periodEnd1[L], A = periodEnd2[L];
        lifePathPeriodEnds[0] = B;
        lifePathPeriodEnds[1] = A;
        if (m_texts) {
            TextBuf t;
            t.str("0-").num(36 - L).ch('-').num(45 - L).ch('-').num(54 - L).str("-E");
            t.assignTo(pinnacleSpansText);
            t.clear();
            t.num(m).str(", ").num(d).str(", ").num(y);
            t.assignTo(lifePathPeriodsText);
            t.clear();
            t.str("0-").num(B).ch(',').num(B + 1).ch('-').num(A).ch(',').num(A + 1).str("-E");
            t.assignTo(lifePathPeriodSpansText);
        }
    }

    // Step 9: expression.
    std::memset(valueCounters, 0, sizeof(valueCounters));
    NameScan scan;
    scanName(fullNameUpper, fullNameMarks, scan);
    // Steps 17 and 19 read the full name's letter values: taken now, before the
    // scan is reused for the short name.
    const int firstWordValue = scan.words[0].all;
    int balanceSum = 0;
    {
        bool wordStart = true;
        const QChar *chars = fullNameUpper.constData();
        for (int i = 0; i < scan.value.size(); ++i) {
            if (chars[i].unicode() == ' ') {
                wordStart = true;
                continue;
            }
            if (wordStart)
                balanceSum += reduceToDigit(scan.value[i]);
            wordStart = false;
        }
    }
    expression = nameNumber(scan, 0, wordsToDigit, karmicSeen, expressionRaw, expressionText,
                            expressionCalc);

    // Step 10.
    computeLetterDigits(scan);

    // Step 11.
    heartDesire = nameNumber(scan, 1, wordsToDigit, karmicSeen,
                             heartDesireRaw, heartDesireText, heartDesireCalc);
    personality = nameNumber(scan, -1, wordsToDigit, karmicSeen,
                             personalityRaw, personalityText, personalityCalc);

    // Steps 12 and 13.
    if (m_texts)
        computeDigitRows(scan, vowelDigits, consonantDigits);
    if (input.skipPlanesAndTransits) {
        for (QString &text : planesCellTexts)
            text.clear();
        physicalTransit.clear();
        mentalTransit.clear();
        spiritualTransit.clear();
    } else {
        computePlanes();
    }

    // Step 14: the short name.
    std::memset(valueCounters, 0, sizeof(valueCounters));
    scanName(shortNameUpper, shortNameMarks, scan);
    minorExpression = nameNumber(scan, 0, wordsToDigit, karmicSeen,
                                 minorExpressionRaw, minorExpressionText, minorExpressionCalc);
    minorHeartDesire = nameNumber(scan, 1, wordsToDigit, karmicSeen,
                                  minorHeartDesireRaw, minorHeartDesireText, minorHeartDesireCalc);
    minorPersonality = nameNumber(scan, -1, wordsToDigit, karmicSeen,
                                  minorPersonalityRaw, minorPersonalityText, minorPersonalityCalc);
    if (m_texts)
        computeDigitRows(scan, shortVowelDigits, shortConsonantDigits);

    // Step 15.
    if (!input.calcOnly && (expression == 0 || heartDesire == 0 || personality == 0 ||
                            minorExpression == 0 || minorHeartDesire == 0)) {
        NumerologyProfile &p = *this;
        for (QString NumerologyProfile::*text : TextsAfterValidation)
            qz::clearText(p.*text);
        m_lastError = IncorrectNameMessage;
        return false;
    }

    // Step 16.
    maturityRaw = lifePath + expression;
    maturity = reduceNumber(maturityRaw);
    if (m_texts)
        qz::assignPair(maturityText, maturity, maturityRaw);

    // Step 17: rational thought from the raw value of the first word.
    {
        rationalThoughtRaw = D + firstWordValue;
        rationalThought = reduceToDigit(rationalThoughtRaw);
        if (m_texts)
            qz::assignPair(rationalThoughtText, rationalThought, rationalThoughtRaw);
    }

    // Step 18: bridges on fully reduced values.
    {
        const int lp = reduceToDigit(lifePath), e = reduceToDigit(expression);
        const int hd = reduceToDigit(heartDesire), p = reduceToDigit(personality);
        bridgeLifePathExpression = std::abs(lp - e);
        bridgeHeartPersonality = std::abs(hd - p);
        bridgeLifePathExpressionCode = std::min(lp, e) + 10 * std::max(lp, e);
        bridgeHeartPersonalityCode = std::min(hd, p) + 10 * std::max(hd, p);
        if (m_texts)
            qz::assignNum(bridgeLifePathExpressionText, bridgeLifePathExpression);
        if (m_texts)
            qz::assignNum(bridgeHeartPersonalityText, bridgeHeartPersonality);
    }

    // Step 19: balance from the first letters of the non-empty words.
    {
        const int sum = balanceSum;
        balanceRaw = sum;
        balance = reduceToDigit(sum);
        if (m_texts)
            qz::assignPair(balanceText, balance, balanceRaw);
    }

    // Step 20: karmic debts met on the way.
    {
        TextBuf t;
        karmicDebtCount = 0;
        for (int debt : qz::KarmicDebtNumbers) {
            if (karmicSeen[debt] > 0) {
                if (!t.isEmpty())
                    t.str(", ");
                t.num(debt);
                karmicDebts[karmicDebtCount++] = debt;
            }
        }
        if (t.isEmpty())
            t.ch('-');
        if (m_texts)
            t.assignTo(karmicDebtsText);
    }

    // Step 21.
    if (!input.skipPlanesAndTransits)
        computeTransits(flags.skipMissedTransits());
    return true;
}
