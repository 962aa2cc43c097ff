#include "engine/cnumerology.h"

#include "engine/calculatorflags.h"
#include "engine/numerologymath.h"
#include "engine/textbuf.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

using qz::reduceToDigit;
using qz::TextBuf;

namespace {

using Letters = QVarLengthArray<QChar, 64>;

// The essence of every year sum below 128 per master range: rc, with 16 and 19 kept.
struct EssenceTable {
    signed char values[2][NumerologyProfile::CounterSize] = {};

    constexpr EssenceTable()
    {
        for (int ext = 0; ext < 2; ++ext)
            for (int s = 0; s < NumerologyProfile::CounterSize; ++s)
                values[ext][s] = (s == 16 || s == 19)
                                     ? static_cast<signed char>(s)
                                     : qz::detail::Reductions.entries[ext][s].result;
    }
};

constexpr EssenceTable Essences;

// Appends the letters of a name part (QChar::isLetter), as the transits want them.
void appendLetters(QStringView part, Letters &out)
{
    for (QChar c : part)
        if (c.isLetter())
            out.append(c);
}

// Each letter repeated by its value, cyclically, cut to the transit length (into
// @p dst, TransitLength characters); the value behind each year goes to @p values. A name whose letters are all worth 0
// would never fill it: the transit stays blank and its values 0.
void buildTransit(QChar *dst, const Letters &name, bool chaldean, bool reduceMasters, int *values)
{
    const int length = NumerologyProfile::TransitLength;
    // The first round of the name...
    int filled = 0;
    for (int i = 0; i < name.size() && filled < length; ++i) {
        const QChar c = name[i];
        const int v = qz::letterValue(c, chaldean, reduceMasters);
        const int end = std::min(length, filled + v);
        for (; filled < end; ++filled) {
            dst[filled] = c;
            values[filled] = v;
        }
    }
    if (filled == 0) {
        std::fill(dst, dst + length, QLatin1Char(' '));
        std::fill(values, values + length, 0);
        return;
    }
    // ...then every later round is a copy of the rounds before it, doubling each time.
    while (filled < length) {
        const int chunk = std::min(filled, length - filled);
        std::copy(dst, dst + chunk, dst + filled);
        std::copy(values, values + chunk, values + filled);
        filled += chunk;
    }
}

} // namespace

void CNumerology::computeTransits(bool skipMissed)
{
    // Words at single spaces, empty words kept: first, middle ones, last.
    const QStringView name(fullNameUpper);
    const int firstSpace = name.indexOf(QLatin1Char(' '));
    const int lastSpace = name.lastIndexOf(QLatin1Char(' '));
    int count = 1;
    for (QChar c : name)
        if (c.unicode() == ' ')
            ++count;
    const QStringView firstWord = firstSpace < 0 ? name : name.left(firstSpace);
    const QStringView lastWord = lastSpace < 0 ? name : name.mid(lastSpace + 1);

    Letters physical, mental, spiritual;
    appendLetters(firstWord, physical);
    if (count >= 2)
        appendLetters(lastWord, spiritual);
    if (count >= 3) // the words between, joined without separator
        appendLetters(name.mid(firstSpace + 1, lastSpace - firstSpace - 1), mental);
    if (!skipMissed && count <= 2) {
        if (count == 1)
            appendLetters(firstWord, spiritual);
        mental = spiritual;
    }
    if (physical.isEmpty())
        physical.append(QLatin1Char('X'));

    const bool chaldean = chaldeanMode != 0;
    const bool reduceMasters = calculatorFlags().reduceMasterLetters();
    // The essence of a year sums the letter values of its three transit letters
    // (a blank year counts 0).
    int physicalValues[TransitLength], mentalValues[TransitLength], spiritualValues[TransitLength];
    // Without texts the letters go to a scratch row and the strings stay empty.
    QChar scratch[TransitLength];
    const auto row = [&](QString &transit) {
        return m_texts ? qz::prepareText(transit, TransitLength) : scratch;
    };
    buildTransit(row(physicalTransit), physical, chaldean, reduceMasters, physicalValues);
    buildTransit(row(mentalTransit), mental, chaldean, reduceMasters, mentalValues);
    buildTransit(row(spiritualTransit), spiritual, chaldean, reduceMasters, spiritualValues);
    // rc of each year's sum, 16 and 19 kept; the values met on the way are counted
    // per distinct sum rather than per year. A sum has three letter values of at
    // most 22 (V as a master letter).
    constexpr int MaxYearSum = 3 * 22;
    int perSum[MaxYearSum + 1] = {};
    const int ext = extendedMasters ? 1 : 0;
    const qz::detail::ReductionTable::Entry *table = qz::detail::Reductions.entries[ext];
    const signed char *essenceOf = Essences.values[ext];
    // The sums first, in a loop the compiler can vectorise; then the lookups.
    for (int i = 0; i < TransitLength; ++i)
        essenceRaw[i] = physicalValues[i] + mentalValues[i] + spiritualValues[i];
    for (int i = 0; i < TransitLength; ++i) {
        const int s = essenceRaw[i];
        if (s >= 0 && s <= MaxYearSum) {
            essence[i] = essenceOf[s];
            ++perSum[s];
        } else {
            essence[i] = reduceNumber(s);
        }
    }
    perSum[16] = perSum[19] = 0; // kept as they are: nothing met on the way
    for (int s = 1; s <= MaxYearSum; ++s) {
        if (!perSum[s])
            continue;
        const qz::detail::ReductionTable::Entry &e = table[s];
        for (int k = 0; k < e.countLen; ++k)
            valueCounters[e.counted[k]] += perSum[s];
    }
}

int CNumerology::personalYearFor(const QDate &date) const
{
    return reduceToDigit(reduceToDigit(date.year()) + personalYearBase);
}

int CNumerology::personalMonthFor(const QDate &date) const
{
    return reduceToDigit(personalYearFor(date) + reduceToDigit(date.month()));
}

int CNumerology::personalDayFor(const QDate &date) const
{
    return reduceToDigit(personalMonthFor(date) + reduceToDigit(date.day()));
}

int CNumerology::ageAt(const QDate &date) const
{
    int age = date.year() - birthDate.year() - 1;
    if (birthDate.month() < date.month() ||
        (birthDate.month() == date.month() && date.day() >= birthDate.day()))
        ++age;
    return age;
}

QVector<ForecastEntry> CNumerology::forecastYears() const
{
    QVector<ForecastEntry> out;
    out.reserve(9);
    for (int i = 0; i < 9; ++i) {
        const QDate date = targetDate.addYears(i);
        out.append({date, personalYearFor(date)});
    }
    return out;
}

QVector<ForecastEntry> CNumerology::forecastMonths() const
{
    QVector<ForecastEntry> out;
    out.reserve(12);
    for (int i = 0; i < 12; ++i) {
        const QDate date = targetDate.addMonths(i);
        out.append({date, personalMonthFor(date)});
    }
    return out;
}

QVector<ForecastEntry> CNumerology::forecastDays() const
{
    QVector<ForecastEntry> out;
    out.reserve(9);
    for (int i = 0; i < 9; ++i) {
        const QDate date = targetDate.addDays(i);
        out.append({date, personalDayFor(date)});
    }
    return out;
}

QVector<CalendarCell> CNumerology::calendarYears() const
{
    QVector<CalendarCell> out;
    out.reserve(12);
    for (int i = 0; i < 12; ++i) {
        const QDate date = targetDate.addYears(i);
        CalendarCell cell;
        cell.date = date;
        cell.number = personalYearFor(date);
        TextBuf t;
        t.num(targetYear + i).str("\n(").num(cell.number).ch(')');
        cell.text = t.toString();
        out.append(cell);
    }
    return out;
}

QVector<CalendarCell> CNumerology::calendarMonths() const
{
    QVector<CalendarCell> out;
    out.reserve(12);
    for (int i = 0; i < 12; ++i) {
        const QDate date = targetDate.addMonths(i);
        CalendarCell cell;
        cell.date = date;
        cell.number = personalMonthFor(date);
        cell.text = qz::monthShortName(date.month()) + QStringLiteral(" (") +
                    qz::numText(cell.number) + QLatin1Char(')');
        out.append(cell);
    }
    return out;
}

QVector<CalendarCell> CNumerology::calendarDays() const
{
    QVector<CalendarCell> out;
    out.reserve(12);
    for (int i = 0; i < 12; ++i) {
        const QDate date = targetDate.addDays(i);
        CalendarCell cell;
        cell.date = date;
        cell.number = personalDayFor(date);
        TextBuf t;
        t.num(date.day()).str(" (").num(cell.number).ch(')');
        cell.text = t.toString();
        out.append(cell);
    }
    return out;
}
