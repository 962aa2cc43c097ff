#include "chart/chartprofileengine.h"

#include "chart/chartnumberfields.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

namespace {
QString withMinor(const QString &major, const QString &minor)
{
    return major + QStringLiteral(" (") + minor + QLatin1Char(')');
}
} // namespace

ChartProfile chartProfileFromEngine(const CNumerology &e, const CNumerologyPMatrix *matrix,
                                    const QString &fullName, const QString &shortName)
{
    ChartProfile p;
    p.fullName = fullName.isEmpty() ? e.fullNameUpper : fullName;
    p.shortName = shortName.isEmpty() ? e.shortNameUpper : shortName;
    p.birthDate = e.birthDate;
    p.targetDate = e.targetDate;

    p.fullNameUpper = e.fullNameUpper;
    p.vowelDigits = e.vowelDigits;
    p.consonantDigits = e.consonantDigits;
    p.expressionCalc = e.expressionCalc;
    p.heartDesireCalc = e.heartDesireCalc;
    p.personalityCalc = e.personalityCalc;
    p.shortNameUpper = e.shortNameUpper;
    p.shortVowelDigits = e.shortVowelDigits;
    p.shortConsonantDigits = e.shortConsonantDigits;
    p.minorExpressionCalc = e.minorExpressionCalc;
    p.minorHeartDesireCalc = e.minorHeartDesireCalc;
    p.minorPersonalityCalc = e.minorPersonalityCalc;

    if (matrix) {
        for (int i = 0; i < 10; ++i)
            p.matrixCells[i] = matrix->cells[i];
        for (int i = 0; i < 8; ++i)
            p.matrixLines[i] = matrix->lines[i];
        p.hasMatrix = true;
    }
    for (const QString &cell : e.planesCells)
        p.planesCells << cell;

    // The calendar panel writes the number first: "3 (2026)", "4 (Jan)", "6 (29)".
    const QVector<CalendarCell> years = e.calendarYears();
    const QVector<CalendarCell> months = e.calendarMonths();
    const QVector<CalendarCell> days = e.calendarDays();
    for (const CalendarCell &c : years)
        p.calendarYears << QStringLiteral("%1 (%2)").arg(c.number).arg(c.date.year());
    for (const CalendarCell &c : months)
        p.calendarMonths << QStringLiteral("%1 (%2)").arg(c.number).arg(
                                ChartProfile::monthAbbreviation(c.date.month()));
    for (const CalendarCell &c : days)
        p.calendarDays << QStringLiteral("%1 (%2)").arg(c.number).arg(c.date.day());

    p.mainFeatures = QStringList{e.lifePathText,
                      e.birthdayText,
                      withMinor(e.expressionText, e.minorExpressionText),
                      withMinor(e.heartDesireText, e.minorHeartDesireText),
                      withMinor(e.personalityText, e.minorPersonalityText),
                      e.karmicDebtsText};
    p.additionalFeatures = QStringList{e.maturityText,     e.rationalThoughtText, e.karmicLessonsText,
                            e.balanceText,      e.hiddenPassionText,
                            e.subconsciousConfidenceText};
    p.lifeCycles = QStringList{e.pinnacleSpansText, e.challengesText,     e.pinnaclesText,
                    e.personalYearText,  e.lifePathPeriodsText, e.lifePathPeriodSpansText};
    p.bridges = QStringList{e.bridgeLifePathExpressionText, e.bridgeHeartPersonalityText};
    if (e.lifePath >= 0) { // -1: nothing calculated yet
        for (const ChartNumberField &f : chartNumberFields())
            p.numbers.insert(f.code, QString::number(e.*f.number));
    }
    return p;
}
