#include "engine/ccompnumerology.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/numerologymath.h"
#include "engine/textbuf.h"

#include <algorithm>
#include <cstdlib>

using qz::compatReduce;

namespace {

// Partner groups per reduced life path, searched in order; the strings are
// searched for the partner's decimal text.
const char *const LifePathGroups[9][4] = {
    {"1, 5, 7", "3, 9", "8", "2, 4, 6"},
    {"2, 4, 8", "3, 6", "9", "1, 5, 7"},
    {"3, 6, 9", "1, 2, 5", "", "4, 7, 8"},
    {"2, 4, 8", "6, 7", "", "1, 3, 5, 9"},
    {"1, 5, 7", "3, 9", "8", "2, 4, 6"},
    {"3, 6, 9", "2, 4, 8", "", "1, 5, 7"},
    {"1, 5, 7", "4", "9", "2, 3, 6, 8"},
    {"2, 4, 8", "6", "1,5", "3, 7, 9"},
    {"3, 6, 9", "1, 5", "2,7", "4, 8"},
};
constexpr int GroupPercent[4] = {90, 75, 50, 35};

constexpr int BirthdayPercent[9] = {80, 75, 70, 50, 60, 95, 70, 65, 50};

// Upper triangle, indexed [min - 1][max - 1].
constexpr int NamePercent[9][9] = {
    {55, 90, 85, 70, 90, 85, 70, 60, 95},
    {0, 40, 70, 95, 70, 85, 70, 75, 65},
    {0, 0, 65, 65, 60, 95, 50, 50, 70},
    {0, 0, 0, 70, 75, 70, 60, 70, 90},
    {0, 0, 0, 0, 95, 70, 70, 60, 75},
    {0, 0, 0, 0, 0, 60, 55, 75, 70},
    {0, 0, 0, 0, 0, 0, 55, 50, 70},
    {0, 0, 0, 0, 0, 0, 0, 60, 75},
    {0, 0, 0, 0, 0, 0, 0, 0, 60},
};

constexpr int ValuesPercent[6] = {100, 90, 75, 50, 40, 30};

inline bool inDigitRange(int n) { return n >= 1 && n <= 9; }

QString percentText(int percent)
{
    qz::TextBuf t;
    t.num(percent).ch('%');
    return t.toString();
}

QString sumText(int a, int b, int code)
{
    qz::TextBuf t;
    t.num(a).ch('+').num(b).ch('=').num(code);
    return t.toString();
}

int pairCode(int a, int b) { return std::max(a, b) + 10 * std::min(a, b); }

} // namespace

CCompNumerology::CCompNumerology() = default;

void CCompNumerology::reset()
{
    *this = CCompNumerology();
}

int CCompNumerology::lifePathPercentFor(int a, int b)
{
    // A life path of 0 (no valid birth date) has no row: keep the neutral default.
    if (!inDigitRange(a) || !inDigitRange(b))
        return 50;
    const char digit = static_cast<char>('0' + b);
    for (int g = 0; g < 4; ++g)
        for (const char *p = LifePathGroups[a - 1][g]; *p; ++p)
            if (*p == digit)
                return GroupPercent[g];
    return 50;
}

int CCompNumerology::birthdayPercentFor(int code)
{
    return inDigitRange(code) ? BirthdayPercent[code - 1] : 50;
}

int CCompNumerology::namePercentFor(int e, int f)
{
    if (!inDigitRange(e) || !inDigitRange(f))
        return 50;
    return NamePercent[std::min(e, f) - 1][std::max(e, f) - 1];
}

int CCompNumerology::valuesPercentFor(int lineA, int lineB)
{
    const int diff = std::abs(std::min(std::max(lineA, 0), 5) - std::min(std::max(lineB, 0), 5));
    return ValuesPercent[diff];
}

bool CCompNumerology::calculate(const CNumerology &a, const CNumerology &b,
                                const CNumerologyPMatrix &matrixA, const CNumerologyPMatrix &matrixB)
{
    reset();

    // Life path.
    lifePathA = compatReduce(a.lifePath);
    lifePathB = compatReduce(b.lifePath);
    lifePathPercent = lifePathPercentFor(lifePathA, lifePathB);
    lifePathCode = compatReduce(lifePathA + lifePathB);
    lifePathTextCode = pairCode(lifePathA, lifePathB);
    lifePathCalcText = sumText(a.lifePath, b.lifePath, lifePathCode);
    lifePathPercentText = percentText(lifePathPercent);

    // Birthday.
    const int dayA = a.birthDate.day(), dayB = b.birthDate.day();
    birthdayA = compatReduce(dayA);
    birthdayB = compatReduce(dayB);
    birthdayCode = compatReduce(birthdayA + birthdayB);
    birthdayPercent = birthdayPercentFor(birthdayCode);
    birthdayTextCode = pairCode(birthdayA, birthdayB);
    birthdayCalcText = sumText(dayA, dayB, birthdayCode);
    birthdayPercentText = percentText(birthdayPercent);

    // Family, from the psychomatrix lines.
    using M = CNumerologyPMatrix;
    homeProductA = matrixA.lines[M::Line258] * matrixA.lines[M::Line369] * matrixA.lines[M::Line357];
    homeProductB = matrixB.lines[M::Line258] * matrixB.lines[M::Line369] * matrixB.lines[M::Line357];
    spiritProductA = matrixA.lines[M::Line147] * matrixA.lines[M::Line123] * matrixA.lines[M::Line159];
    spiritProductB = matrixB.lines[M::Line147] * matrixB.lines[M::Line123] * matrixB.lines[M::Line159];
    homeStability = (homeProductA * homeProductB + 180) / 365;
    spiritualStability = (spiritProductA * spiritProductB + 180) / 365;
    marriageTerm = homeStability == spiritualStability ? homeStability
                                                       : homeStability + spiritualStability;
    familyPercent = std::min(marriageTerm * 111 / 35, 100);
    homeProductAText = qz::numText(homeProductA);
    homeProductBText = qz::numText(homeProductB);
    spiritProductAText = qz::numText(spiritProductA);
    spiritProductBText = qz::numText(spiritProductB);
    homeStabilityText = qz::numText(homeStability);
    spiritualStabilityText = qz::numText(spiritualStability);
    marriageTermText = qz::numText(marriageTerm);
    familyPercentText = percentText(familyPercent);

    // Values (line 3-5-7).
    valuesPercent = valuesPercentFor(matrixA.lines[M::Line357], matrixB.lines[M::Line357]);
    valuesPercentText = percentText(valuesPercent);

    // Character and energy codes.
    auto cellCode = [&](int k) {
        const int c = std::min(matrixA.cells[k], 6);
        const int d = std::min(matrixB.cells[k], 6);
        return 10 * std::min(c, d) + std::max(c, d) + 11;
    };
    characterCode = cellCode(1);
    energyCode = cellCode(2);

    // Name.
    nameA = compatReduce(a.expression);
    nameB = compatReduce(b.expression);
    nameCode = compatReduce(nameA + nameB);
    namePercent = namePercentFor(nameA, nameB);
    nameTextCode = pairCode(nameA, nameB);
    nameCalcText = sumText(a.expressionRaw, b.expressionRaw, nameCode);
    namePercentText = percentText(namePercent);

    totalPercent = (valuesPercent + 2 * lifePathPercent + 2 * familyPercent + birthdayPercent +
                    namePercent) / 7;
    totalPercentText = percentText(totalPercent);
    return true;
}
