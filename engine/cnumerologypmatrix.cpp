#include "engine/cnumerologypmatrix.h"

#include "engine/textbuf.h"

#include <QVarLengthArray>

#include <algorithm>
#include <cstring>

namespace {

// UTF-16 text with its length, padded to a fixed size so that the summary
// copies every label with the same few moves instead of a call.
constexpr int LabelRoom = 28;
struct Label {
    char16_t text[LabelRoom];
    int size;
};

template <int N>
constexpr Label label(const char16_t (&text)[N])
{
    static_assert(N - 1 <= LabelRoom, "a section label fits its room");
    Label l{};
    for (int i = 0; i < N - 1; ++i)
        l.text[i] = text[i];
    l.size = N - 1;
    return l;
}

constexpr Label SectionLabels[18] = {
    {},
    label(u"Character (1) - "),
    label(u"Energy (2) - "),
    label(u"Interest (3) - "),
    label(u"Health (4) - "),
    label(u"Intuition (5) - "),
    label(u"Labour (6) - "),
    label(u"Luck (7) - "),
    label(u"Duty (8) - "),
    label(u"Memory (9) - "),
    label(u"Purposeful (1-4-7) - "),
    label(u"Family formation (2-5-8) - "),
    label(u"Stability (3-6-9) - "),
    label(u"Self appraisal (1-2-3) - "),
    label(u"Finance (4-5-6) - "),
    label(u"Talent (7-8-9) - "),
    label(u"Spirituality (1-5-9) - "),
    label(u"Sexual life (3-5-7) - "),
};

constexpr char16_t LineEnd[8] = {u'<', u'b', u'r', u' ', u'/', u'>', u'\r', u'\n'};

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
    qz::clearText(summary);
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

    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    Digits digits;
    appendDigits(day, digits);
    appendDigits(month, digits);
    appendDigits(year, digits);
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
    // Per section: a label (copied whole, padding included, then overwritten),
    // a number of at most 11 characters and the line end.
    // Written straight into the summary, then cut to what was written.
    constexpr int Room = 17 * (LabelRoom + 12 + 8);
    char16_t *text = reinterpret_cast<char16_t *>(qz::prepareText(summary, Room));
    int len = 0;
    for (int code = 1; code <= 17; ++code) {
        if (!active[code])
            continue;
        const Label &l = SectionLabels[code];
        std::memcpy(text + len, l.text, sizeof(l.text));
        len += l.size;
        // The digits go straight into the text: copying them from a builder
        // loads characters just stored, which stalls the processor.
        const int value = sectionValue(code);
        if (value >= 0 && value < 100) {
            if (value >= 10)
                text[len++] = static_cast<char16_t>('0' + value / 10);
            text[len++] = static_cast<char16_t>('0' + value % 10);
        } else {
            qz::TextBufN<12> digits;
            digits.num(value);
            std::memcpy(text + len, digits.data(), sizeof(char16_t) * static_cast<size_t>(digits.size()));
            len += digits.size();
        }
        std::memcpy(text + len, LineEnd, sizeof(LineEnd));
        len += 8;
    }
    qz::endText(summary, len);
}

QString CNumerologyPMatrix::sectionLabel(int code)
{
    if (code < 1 || code > 17)
        return QString();
    return QString::fromUtf16(SectionLabels[code].text, SectionLabels[code].size);
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
