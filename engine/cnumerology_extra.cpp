#include "engine/celebrity.h"
#include "engine/cnumerology.h"

#include "engine/calculatorflags.h"
#include "engine/numerologymath.h"
#include "engine/textbuf.h"

#include <cstring>

using qz::reduceToDigit;
using qz::TextBuf;

bool CNumerology::calculateExpress(const QString &name, const QDate &date, bool chaldean)
{
    const CalculatorFlags flags = calculatorFlags();
    chaldeanMode = chaldean ? 1 : 0;
    fullNameUpper = name.toUpper();
    shortNameUpper.clear();
    reset();
    phonetic = qz::PhoneticEnglish;

    // Date number: always the first life-path method.
    if (date.isValid()) {
        birthDate = date;
        const int D = reduceNumber(date.day());
        const int M = reduceNumber(date.month());
        const int Y = reduceNumber(date.year());
        const int S = D + M + Y;
        lifePath = reduceNumber(S);
        lifePathRaw = S;
        birthdayNumber = D;
        TextBuf t;
        t.num(D).ch('+').num(M).ch('+').num(Y).ch('=').num(S);
        if (lifePath != S)
            t.ch('=').num(lifePath);
        lifePathText = t.toString();
    } else {
        lifePath = 0;
    }

    int karmicSeen[CounterSize] = {};
    const bool wordsToDigit = flags.wordsToDigit();
    NameScan scan;
    scanName(fullNameUpper, QVector<int>(), scan);
    expression = nameNumber(scan, 0, wordsToDigit, karmicSeen, expressionRaw,
                            expressionText, expressionCalc);
    heartDesire = nameNumber(scan, 1, wordsToDigit, karmicSeen, heartDesireRaw,
                             heartDesireText, heartDesireCalc);
    personality = nameNumber(scan, -1, wordsToDigit, karmicSeen, personalityRaw,
                             personalityText, personalityCalc);
    computeLetterDigits(scan);
    computeDigitRows(scan, vowelDigits, consonantDigits);
    computePlanes();

    if (expression == 0) {
        m_lastError = fullNameUpper.trimmed().isEmpty()
                          ? QStringLiteral("Enter your data before calculation!")
                          : IncorrectNameMessage;
        return false;
    }
    return true;
}

bool CNumerology::calculatePet(const QString &petName, const QDate &petBirthDate,
                               const QDate &forecastDate)
{
    // Pets always take Pythagorean values.
    chaldeanMode = 0;
    fullNameUpper = petName.toUpper();
    shortNameUpper.clear();
    reset();
    birthDate = petBirthDate;
    targetDate = forecastDate;
    targetYear = forecastDate.year();

    auto dayCode = [](const QDate &d) {
        return reduceToDigit(reduceToDigit(d.year()) + reduceToDigit(d.month()) +
                             reduceToDigit(d.day()));
    };
    petBirthdayCode = dayCode(petBirthDate);
    petForecastDayCode = dayCode(forecastDate);
    birthdayText = qz::numText(petBirthdayCode);

    // Every word is reduced, whatever "Down to digit every word" says.
    const QVector<int> sums = nameWordSums(fullNameUpper);
    int total = 0;
    TextBuf chain;
    chain.ch('=');
    for (int i = 0; i < sums.size(); ++i) {
        const int r = reduceNumber(sums.at(i));
        total += r;
        if (i)
            chain.ch('+');
        chain.num(r);
    }
    petNumber = reduceToDigit(total);
    expression = petNumber;
    expressionRaw = total;
    expressionText = qz::pairText(petNumber, total);
    expressionCalc = chain.toString();
    if (petNumber == 0) {
        m_lastError = IncorrectPetNameMessage;
        return false;
    }
    petDayForecast = reduceToDigit(petNumber + petForecastDayCode + petBirthdayCode);
    personalYearText = qz::numText(petDayForecast);
    return true;
}

bool CNumerology::calculateCelebrities(const NumerologyInput &input, const CelebrityTable &table)
{
    if (!calculate(input))
        return false;
    matchCelebrities(table);
    return true;
}

void CNumerology::matchCelebrities(const CelebrityTable &table)
{
    celebrityLifePathMatches.clear();
    celebrityBirthDayMatches.clear();
    celebrityExpressionMatches.clear();
    const int day = birthDate.day();
    for (int i = 0; i < CelebrityTable::MatchedRecords; ++i) {
        const CelebrityRecord &r = table.record(i);
        // An unset record (0) never matches, even when the person's number is 0.
        if (r.lifePath > 0 && r.lifePath == lifePath)
            celebrityLifePathMatches.append(i);
        if (day >= 1 && r.day() == day && r.birthDayNumber > 0)
            celebrityBirthDayMatches.append(i);
        if (r.expression > 0 && r.expression == expression)
            celebrityExpressionMatches.append(i);
    }
}
