#include "engine/cnumerology.h"

#include "engine/calculatorflags.h"
#include "engine/numerologymath.h"
#include "engine/textbuf.h"

using qz::reduceToDigit;
using qz::TextBuf;

namespace {

// Keeps the letters of a name part (QChar::isLetter), as the transits want them.
QString lettersOnly(QStringView part)
{
    QString out;
    out.reserve(part.size());
    for (QChar c : part)
        if (c.isLetter())
            out.append(c);
    return out;
}

// Each letter repeated by its value, cyclically, cut to the transit length. A name
// whose letters are all worth 0 would never fill it: the rest stays blank.
QString buildTransit(const QString &name, bool chaldean, bool reduceMasters)
{
    const int length = NumerologyProfile::TransitLength;
    QString out(length, QLatin1Char(' '));
    if (name.isEmpty())
        return out;
    QChar *dst = out.data();
    int filled = 0;
    while (filled < length) {
        const int before = filled;
        for (QChar c : name) {
            const int v = qz::letterValue(c, chaldean, reduceMasters);
            for (int k = 0; k < v && filled < length; ++k)
                dst[filled++] = c;
            if (filled >= length)
                break;
        }
        if (filled == before)
            break;
    }
    return out;
}

} // namespace

void CNumerology::computeTransits(bool skipMissed)
{
    const QVector<QStringView> words = qz::nameWords(fullNameUpper);
    const int count = words.size();
    QString physical = lettersOnly(words.first());
    QString mental;
    QString spiritual;
    if (count >= 2)
        spiritual = lettersOnly(words.last());
    if (count >= 3) {
        QString middle;
        for (int i = 1; i < count - 1; ++i)
            middle.append(words.at(i));
        mental = lettersOnly(middle);
    }
    if (!skipMissed && count <= 2) {
        if (count == 1)
            spiritual = lettersOnly(words.first());
        mental = spiritual;
    }
    if (physical.isEmpty())
        physical = QStringLiteral("X");

    const bool chaldean = chaldeanMode != 0;
    const bool reduceMasters = calculatorFlags().reduceMasterLetters();
    physicalTransit = buildTransit(physical, chaldean, reduceMasters);
    mentalTransit = buildTransit(mental, chaldean, reduceMasters);
    spiritualTransit = buildTransit(spiritual, chaldean, reduceMasters);

    const QChar *ph = physicalTransit.constData();
    const QChar *me = mentalTransit.constData();
    const QChar *sp = spiritualTransit.constData();
    for (int i = 0; i < TransitLength; ++i) {
        int s = qz::letterValue(ph[i], chaldean, reduceMasters);
        if (!mental.isEmpty())
            s += qz::letterValue(me[i], chaldean, reduceMasters);
        if (!spiritual.isEmpty())
            s += qz::letterValue(sp[i], chaldean, reduceMasters);
        essenceRaw[i] = s;
        essence[i] = (s == 16 || s == 19) ? s : reduceNumber(s);
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
