#include "cli/batchdate.h"

#include "cli/cliargs.h"

#include <QLocale>

namespace {

// Digits of t[from, to) as a number; -1 unless 1..maxDigits ASCII digits.
int digits(const QString &t, int from, int to, int maxDigits)
{
    if (to - from < 1 || to - from > maxDigits)
        return -1;
    int n = 0;
    for (int i = from; i < to; ++i) {
        const ushort u = t.at(i).unicode();
        if (u < '0' || u > '9')
            return -1;
        n = n * 10 + (u - '0');
    }
    return n;
}

} // namespace

bool parseBatchDate(const QString &text, DateOrder order, QDate *date, QString *error)
{
    if (order == DateOrder::Iso)
        return parseIsoDate(text, date, error);
    const QString t = text.trimmed();
    const bool iso = t.size() == 10 && t.at(4) == QLatin1Char('-') && t.at(7) == QLatin1Char('-');
    if (iso)
        return parseIsoDate(text, date, error);

    const QString expected = order == DateOrder::Dmy
        ? QStringLiteral("YYYY-MM-DD, D.M.YYYY or D/M/YYYY")
        : QStringLiteral("YYYY-MM-DD, M/D/YYYY or M.D.YYYY");
    int first = 0;
    while (first < t.size() && t.at(first) != QLatin1Char('.') && t.at(first) != QLatin1Char('/'))
        ++first;
    int a = -1, b = -1, y = -1;
    if (first > 0 && first < t.size()) {
        const QChar sep = t.at(first);
        const int second = t.indexOf(sep, first + 1);
        if (second > first && t.indexOf(sep, second + 1) < 0) {
            a = digits(t, 0, first, 2);
            b = digits(t, first + 1, second, 2);
            y = t.size() - second - 1 == 4 ? digits(t, second + 1, t.size(), 4) : -1;
        }
    }
    if (a < 0 || b < 0 || y < 0) {
        *error = QStringLiteral("invalid date '%1' (expected %2)").arg(text, expected);
        return false;
    }
    const int d = order == DateOrder::Dmy ? a : b;
    const int m = order == DateOrder::Dmy ? b : a;
    QString why;
    if (y < 1)
        why = QStringLiteral("there is no year 0");
    else if (m < 1 || m > 12)
        why = QStringLiteral("there is no month %1").arg(m);
    else if (d < 1 || d > QDate(y, m, 1).daysInMonth())
        why = QStringLiteral("%1 %2 has %3 days")
                  .arg(QLocale::c().standaloneMonthName(m))
                  .arg(y)
                  .arg(QDate(y, m, 1).daysInMonth());
    if (!why.isEmpty()) {
        *error = QStringLiteral("impossible date '%1' (%2)").arg(text, why);
        return false;
    }
    *date = QDate(y, m, d);
    return true;
}
