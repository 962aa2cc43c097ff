#include "chart/chartprofile.h"

QStringList ChartProfile::tableLabels(const QString &fieldCode)
{
    if (fieldCode == QLatin1String("Main Features"))
        return {QStringLiteral("Life Path"),      QStringLiteral("Birthday"),
                QStringLiteral("Expression (M)"), QStringLiteral("Heart Desire (M)"),
                QStringLiteral("Personality (M)"), QStringLiteral("Karmic Debts")};
    if (fieldCode == QLatin1String("Additional Features"))
        return {QStringLiteral("Maturity"),       QStringLiteral("Rational Thought"),
                QStringLiteral("Karmic Lessons"), QStringLiteral("Balance"),
                QStringLiteral("Hidden Passion"), QStringLiteral("Subcons.Confid.")};
    if (fieldCode == QLatin1String("Life Cycles"))
        return {QStringLiteral("Age span"),      QStringLiteral("Challenges"),
                QStringLiteral("Pinnacles"),     QStringLiteral("Personal Year"),
                QStringLiteral("LP Periods"),    QStringLiteral("LP Age Span")};
    if (fieldCode == QLatin1String("Bridges"))
        return {QStringLiteral("Life path - Expr."), QStringLiteral("Heart D. - Pers.")};
    return {};
}

QStringList ChartProfile::tableValues(const QString &fieldCode) const
{
    if (fieldCode == QLatin1String("Main Features"))
        return mainFeatures;
    if (fieldCode == QLatin1String("Additional Features"))
        return additionalFeatures;
    if (fieldCode == QLatin1String("Life Cycles"))
        return lifeCycles;
    if (fieldCode == QLatin1String("Bridges"))
        return bridges;
    return {};
}

QString ChartProfile::monthAbbreviation(int month)
{
    static const char *const names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(names[month - 1]);
}

QString ChartProfile::chartDate(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return monthAbbreviation(date.month()) + QLatin1Char(' ') + QString::number(date.day()) +
           QLatin1Char(' ') + QString::number(date.year());
}
