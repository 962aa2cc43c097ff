#include "reports/numerologycharts.h"

#include "engine/cnumerology.h"
#include "reports/reportformat.h"

namespace NumerologyCharts {
namespace {

const QLatin1String kTableOpen(
    "<table comment=\"st_fs\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
    "style=\"border-collapse:collapse; border-color:#9a9a9a; margin:6px 0px 10px 4px;\">\r\n");
const QLatin1String kTableClose("</table>\r\n");
const QLatin1String kCell("<td comment=\"st_ttd\">");
const QLatin1String kCellEnd("</td>");

QString cell(const QString &content)
{
    return kCell + content + kCellEnd;
}

QString boldCell(const QString &content)
{
    return kCell + QStringLiteral("<b>") + content + QStringLiteral("</b>") + kCellEnd;
}

// One digit row: the row's digit at each position, or a master letter value when
// letters keep it (then the digit row holds its reduced digit).
QString digitRow(const CNumerology &num, const QString &name, const QString &digits, const QString &chain)
{
    QString row = QStringLiteral("<tr>");
    for (int i = 0; i < name.size(); ++i) {
        const QChar ch = name.at(i);
        QString shown = i < digits.size() ? digits.at(i) : QChar(QLatin1Char(' '));
        const bool counted = !shown.trimmed().isEmpty();
        const int value = num.letterValue(ch);
        if (counted && value > 9)
            shown = QString::number(value);
        if (shown.trimmed().isEmpty())
            shown = QStringLiteral("&nbsp;");
        const bool bold = ch == QLatin1Char('K') || ch == QLatin1Char('V');
        row += bold ? boldCell(shown) : cell(shown);
    }
    row += cell(ReportFormat::boldMasters(chain.toHtmlEscaped(), num.extendedMasters)) + QStringLiteral("</tr>\r\n");
    return row;
}

// A planes cell reads "letters=value, count" (totals "value, count"): only the
// value is a number of the profile; letter counts are never master numbers.
QString planesCell(const QString &text, bool extended)
{
    const int equals = text.indexOf(QLatin1Char('='));
    const int from = equals + 1;
    int to = text.indexOf(QLatin1Char(','), from);
    if (to < 0)
        to = text.size();
    return cell(text.left(from).toHtmlEscaped()
                + ReportFormat::boldMasters(text.mid(from, to - from).toHtmlEscaped(), extended)
                + text.mid(to).toHtmlEscaped());
}

} // namespace

QString nameTable(const CNumerology &num, bool shortName)
{
    const QString &name = shortName ? num.shortNameUpper : num.fullNameUpper;
    const QString placeholder = shortName ? QStringLiteral("__shortname__") : QStringLiteral("__fullname__");
    QString html = kTableOpen;
    html += QStringLiteral("<tr><td comment=\"st_ttd\" colspan=\"") + placeholder + QStringLiteral("\">")
            + (shortName ? QStringLiteral("<b>Short name</b>") : QStringLiteral("<b>Full name</b>"))
            + QStringLiteral("</td></tr>\r\n");
    html += digitRow(num, name, shortName ? num.shortVowelDigits : num.vowelDigits,
                     shortName ? num.minorHeartDesireCalc : num.heartDesireCalc);

    html += QStringLiteral("<tr>");
    for (const QChar ch : name) {
        const QString shown = ch == QLatin1Char(' ') ? QStringLiteral("&nbsp;") : QString(ch).toHtmlEscaped();
        html += (ch == QLatin1Char('K') || ch == QLatin1Char('V')) ? boldCell(shown) : cell(shown);
    }
    html += cell(ReportFormat::boldMasters((shortName ? num.minorExpressionCalc : num.expressionCalc).toHtmlEscaped(),
                                           num.extendedMasters))
            + QStringLiteral("</tr>\r\n");

    html += digitRow(num, name, shortName ? num.shortConsonantDigits : num.consonantDigits,
                     shortName ? num.minorPersonalityCalc : num.personalityCalc);
    html += kTableClose;
    html.replace(placeholder, QString::number(name.size() + 1));
    return html;
}

QString planesTable(const CNumerology &num)
{
    static const char *const planes[4] = {"Mental<br />", "Physical<br />", "Emotional<br />", "Intuitive<br />"};
    const bool ext = num.extendedMasters;
    QString html = QStringLiteral("<div style=\"page-break-inside:avoid; page-break-after:auto\">\r\n");
    html += kTableOpen;
    html += QStringLiteral("<tr><td  colspan=\"5\"><b>Planes of expression</b></td></tr>\r\n");
    html += QStringLiteral("<tr>") + cell(QStringLiteral("&nbsp;")) + cell(QStringLiteral("Creative<br />"))
            + cell(QStringLiteral("Dual<br />")) + cell(QStringLiteral("Grounded<br />"))
            + cell(QStringLiteral("<b>Plane</b><br />")) + QStringLiteral("</tr>\r\n");
    for (int plane = 0; plane < 4; ++plane) {
        html += QStringLiteral("<tr>") + cell(QLatin1String(planes[plane]));
        for (int kind = 0; kind < 3; ++kind)
            html += planesCell(num.planesCells[kind * 5 + plane], ext);
        html += boldCell(num.planesCells[15 + plane]);
        html += QStringLiteral("</tr>\r\n");
    }
    html += QStringLiteral("<tr>") + cell(QStringLiteral("<b>Total</b>"));
    for (int kind = 0; kind < 3; ++kind)
        html += planesCell(num.planesCells[kind * 5 + 4], ext);
    html += cell(QStringLiteral("&nbsp;")) + QStringLiteral("</tr>\r\n");
    html += kTableClose + QStringLiteral("</div>\r\n");
    return html;
}

QString calendarTable(const CNumerology &num)
{
    const QDate target = num.targetDate;
    QString html = kTableOpen;
    html += QStringLiteral("<tr><td colspan=\"13\" align=\"left\"><b>Personal numbers calendar</b></td></tr>\r\n");

    html += QStringLiteral("<tr>") + cell(QStringLiteral("<b>Years</b>"));
    for (int i = 0; i < 12; ++i) {
        const QDate d = target.addYears(i);
        html += QStringLiteral("<td comment=\"st_ttd\" width=\"50\">") + QString::number(num.targetYear + i)
                + QStringLiteral("<br/>(") + QString::number(num.personalYearFor(d)) + QStringLiteral(")</td>");
    }
    html += QStringLiteral("</tr>\r\n<tr>") + cell(QStringLiteral("<b>Months</b>"));
    for (int i = 0; i < 12; ++i) {
        const QDate d = target.addMonths(i);
        html += QStringLiteral("<td comment=\"st_ttd\" width=\"60\">") + ReportFormat::monthAbbreviation(d.month())
                + QStringLiteral(" (") + QString::number(num.personalMonthFor(d)) + QStringLiteral(")</td>");
    }
    html += QStringLiteral("</tr>\r\n<tr>") + cell(QStringLiteral("<b>Days</b>"));
    for (int i = 0; i < 12; ++i) {
        const QDate d = target.addDays(i);
        html += QStringLiteral("<td comment=\"st_ttd\" width=\"60\">") + QString::number(d.day())
                + QStringLiteral(" (") + QString::number(num.personalDayFor(d)) + QStringLiteral(")</td>");
    }
    html += QStringLiteral("</tr>\r\n") + kTableClose;
    return html;
}

QString essenceTable(const CNumerology &num)
{
    static const QLatin1String ageCell("<td  comment=\"st_ttd\" width=\"18\" align=\"center\" >");
    const int birthYear = num.birthDate.isValid() ? num.birthDate.year() : 0;
    const bool ext = num.extendedMasters;
    auto letter = [](const QString &transit, int age) {
        const QChar c = age < transit.size() ? transit.at(age) : QChar(QLatin1Char(' '));
        return c == QLatin1Char(' ') ? QStringLiteral("&nbsp;") : QString(c).toHtmlEscaped();
    };

    // Each block of 25 ages sits in one row of the outer table, so that a page
    // may break between blocks but never inside one.
    QString html = QStringLiteral("<table comment=\"st_fs\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\" "
                                  "style=\"margin:6px 0px 10px 4px;\">\r\n");
    html += QStringLiteral("<tr><td colspan=\"101\" align=\"left\"><b>Essence and Transits Cycles</b></td></tr>\r\n");
    for (int first = 0; first < 100; first += 25) {
        QString age = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Age</b>"));
        QString year = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Year</b>"));
        QString physical = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Physical</b>"));
        QString mental = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Mental</b>"));
        QString spiritual = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Spiritual</b>"));
        QString essence = QStringLiteral("<tr>") + cell(QStringLiteral("<b>Essence</b>"));
        for (int a = first; a < first + 25; ++a) {
            age += ageCell + QString::number(a) + kCellEnd;
            year += ageCell + QString::number((birthYear + a) % 100).rightJustified(2, QLatin1Char('0')) + kCellEnd;
            physical += ageCell + letter(num.physicalTransit, a) + kCellEnd;
            mental += ageCell + letter(num.mentalTransit, a) + kCellEnd;
            spiritual += ageCell + letter(num.spiritualTransit, a) + kCellEnd;
            essence += ageCell + ReportFormat::boldMasters(QString::number(num.essence[a]), ext) + kCellEnd;
        }
        const QString rowEnd = QStringLiteral("</tr>\r\n");
        html += QStringLiteral("<tr><td comment=\"st_ttd\">\r\n")
                + QStringLiteral("<table comment=\"st_fs\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                 "style=\"border-collapse:collapse; border-color:#9a9a9a;\">\r\n")
                + age + rowEnd + year + rowEnd + physical + rowEnd + mental + rowEnd + spiritual + rowEnd + essence
                + rowEnd + kTableClose + QStringLiteral("</td></tr>\r\n");
        html += QStringLiteral("<tr><td>&nbsp;</td></tr>\r\n");
    }
    html += kTableClose;
    return html;
}

QString allTables(const CNumerology &num)
{
    return nameTable(num, false) + nameTable(num, true) + planesTable(num) + calendarTable(num) + essenceTable(num);
}

} // namespace NumerologyCharts
