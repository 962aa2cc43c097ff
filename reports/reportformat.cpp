#include "reports/reportformat.h"

#include <QStringList>

namespace ReportFormat {

QString monthAbbreviation(int month)
{
    static const char *const names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12)
        return QString();
    return QLatin1String(names[month - 1]);
}

QString shortDate(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return monthAbbreviation(date.month()) + QLatin1Char(' ') + QString::number(date.day())
           + QLatin1Char(' ') + QString::number(date.year());
}

QString personLine(const QString &fullName, const QString &shortName, const QDate &birthDate)
{
    return fullName.toUpper() + QStringLiteral(" (") + shortName + QStringLiteral("), ")
           + shortDate(birthDate);
}

bool isBlank(const QString &text)
{
    return text.isEmpty() || text == QLatin1String(" ");
}

QVector<int> numberList(const QString &text)
{
    QVector<int> out;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &p : parts) {
        bool ok = false;
        const int n = p.trimmed().toInt(&ok);
        if (ok)
            out.append(n);
    }
    return out;
}

bool isMaster(int n, bool extended)
{
    if (n < 11 || n > 99 || n % 11 != 0)
        return false;
    return extended || n <= 33;
}

QString boldMasters(const QString &text, bool extended)
{
    QString out;
    out.reserve(text.size() + 16);
    int i = 0;
    const int len = text.size();
    while (i < len) {
        if (!text.at(i).isDigit()) {
            out += text.at(i++);
            continue;
        }
        int j = i;
        while (j < len && text.at(j).isDigit())
            ++j;
        const QStringRef run = text.midRef(i, j - i);
        if (run.size() == 2 && isMaster(run.toInt(), extended))
            out += QStringLiteral("<b>") + run + QStringLiteral("</b>");
        else
            out += run;
        i = j;
    }
    return out;
}

} // namespace ReportFormat
