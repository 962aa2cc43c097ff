#include "engine/cnumerologypmatrix.h"

#include "engine/textbuf.h"

#include <QVarLengthArray>

#include <algorithm>

namespace {

const char *const SectionLabels[18] = {
    nullptr,
    "Character (1) - ",
    "Energy (2) - ",
    "Interest (3) - ",
    "Health (4) - ",
    "Intuition (5) - ",
    "Labour (6) - ",
    "Luck (7) - ",
    "Duty (8) - ",
    "Memory (9) - ",
    "Purposeful (1-4-7) - ",
    "Family formation (2-5-8) - ",
    "Stability (3-6-9) - ",
    "Self appraisal (1-2-3) - ",
    "Finance (4-5-6) - ",
    "Talent (7-8-9) - ",
    "Spirituality (1-5-9) - ",
    "Sexual life (3-5-7) - ",
};

// Which entry of `lines` belongs to section codes 10..17.
constexpr int SectionLine[8] = {
    CNumerologyPMatrix::Line147, CNumerologyPMatrix::Line258, CNumerologyPMatrix::Line369,
    CNumerologyPMatrix::Line123, CNumerologyPMatrix::Line456, CNumerologyPMatrix::Line789,
    CNumerologyPMatrix::Line159, CNumerologyPMatrix::Line357,
};

using Digits = QVarLengthArray<int, 32>;

void appendDigits(int n, Digits &out)
{
    // n mod 10000 keeping the sign; a negative value stays one (non-digit) entry.
    n %= 10000;
    if (n <= 0) {
        out.append(n);
        return;
    }
    int buf[4];
    int k = 0;
    while (n > 0) {
        buf[k++] = n % 10;
        n /= 10;
    }
    while (k)
        out.append(buf[--k]);
}

int digitTotal(int n)
{
    // Digit sum of |n| with the sign of n: a negative working number keeps its sign.
    const int sign = n < 0 ? -1 : 1;
    int a = n < 0 ? -n : n;
    int sum = 0;
    while (a > 0) {
        sum += a % 10;
        a /= 10;
    }
    return sign * sum;
}

} // namespace

CNumerologyPMatrix::CNumerologyPMatrix() = default;

void CNumerologyPMatrix::reset()
{
    std::fill(std::begin(cells), std::end(cells), 0);
    std::fill(std::begin(lines), std::end(lines), 0);
    std::fill(std::begin(workingNumbers), std::end(workingNumbers), 0);
    summary.clear();
}

void CNumerologyPMatrix::dateDigits(int n, QVector<int> &out)
{
    Digits d;
    appendDigits(n, d);
    for (int v : d)
        out.append(v);
}

QVector<int> CNumerologyPMatrix::defaultSections()
{
    QVector<int> codes;
    codes.reserve(19);
    for (int i = 0; i <= 18; ++i)
        codes.append(i);
    return codes;
}

bool CNumerologyPMatrix::calculate(const QString &personName, const QDate &date)
{
    static const QVector<int> defaults = defaultSections();
    return calculate(personName, date, defaults);
}

bool CNumerologyPMatrix::calculate(const QString &personName, const QDate &date,
                                   const QVector<int> &sectionCodes)
{
    reset();
    name = personName;
    birthDate = date;
    if (!date.isValid())
        return false;

    Digits digits;
    appendDigits(date.day(), digits);
    appendDigits(date.month(), digits);
    appendDigits(date.year(), digits);
    int n1 = 0;
    for (int v : digits)
        n1 += v;
    const int n2 = digitTotal(n1);
    const int n3 = n1 - 2 * digits.first();
    const int n4 = digitTotal(n3);
    workingNumbers[0] = n1;
    workingNumbers[1] = n2;
    workingNumbers[2] = n3;
    workingNumbers[3] = n4;
    appendDigits(n1, digits);
    appendDigits(n2, digits);
    appendDigits(n3, digits);
    appendDigits(n4, digits);

    // Negative working numbers (possible for dates after 1999) are not digits and
    // are left out of the counts.
    for (int v : digits)
        if (v >= 0 && v <= 9)
            ++cells[v];

    lines[Line123] = cells[1] + cells[2] + cells[3];
    lines[Line456] = cells[4] + cells[5] + cells[6];
    lines[Line789] = cells[7] + cells[8] + cells[9];
    lines[Line147] = cells[1] + cells[4] + cells[7];
    lines[Line258] = cells[2] + cells[5] + cells[8];
    lines[Line369] = cells[3] + cells[6] + cells[9];
    lines[Line159] = cells[1] + cells[5] + cells[9];
    lines[Line357] = cells[3] + cells[5] + cells[7];
    buildSummary(sectionCodes);
    return true;
}

void CNumerologyPMatrix::buildSummary(const QVector<int> &sectionCodes)
{
    bool active[18] = {};
    for (int code : sectionCodes)
        if (code >= 1 && code <= 17)
            active[code] = true;
    qz::TextBuf t;
    for (int code = 1; code <= 17; ++code) {
        if (!active[code])
            continue;
        t.str(SectionLabels[code]).num(sectionValue(code)).str("<br />\r\n");
    }
    summary = t.toString();
}

QString CNumerologyPMatrix::sectionLabel(int code)
{
    if (code < 1 || code > 17)
        return QString();
    return QString::fromLatin1(SectionLabels[code]);
}

int CNumerologyPMatrix::sectionValue(int code) const
{
    if (code >= 1 && code <= 9)
        return cells[code];
    if (code >= 10 && code <= 17)
        return lines[SectionLine[code - 10]];
    return 0;
}

int CNumerologyPMatrix::textLevel(int count)
{
    return std::min(std::max(count, 0) + 1, 7);
}
