#include "chart/chartnumberfields.h"

const QList<ChartNumberField> &chartNumberFields()
{
    // No code may begin with another: barcode texts are searched for every one.
    static const QList<ChartNumberField> fields{
        {QStringLiteral("Life Path"), QStringLiteral("#life_path"), &NumerologyNumbers::lifePath},
        {QStringLiteral("Birthday"), QStringLiteral("#birthday"),
         &NumerologyNumbers::birthdayNumber},
        {QStringLiteral("Expression"), QStringLiteral("#expression"),
         &NumerologyNumbers::expression},
        {QStringLiteral("Heart's Desire"), QStringLiteral("#heart_desire"),
         &NumerologyNumbers::heartDesire},
        {QStringLiteral("Personality"), QStringLiteral("#personality"),
         &NumerologyNumbers::personality},
        {QStringLiteral("Maturity"), QStringLiteral("#maturity"), &NumerologyNumbers::maturity},
        {QStringLiteral("Personal Year"), QStringLiteral("#personal_year"),
         &NumerologyNumbers::personalYear},
        {QStringLiteral("Minor Expression"), QStringLiteral("#minor_expression"),
         &NumerologyNumbers::minorExpression},
        {QStringLiteral("Minor Heart's Desire"), QStringLiteral("#minor_heart_desire"),
         &NumerologyNumbers::minorHeartDesire},
        {QStringLiteral("Minor Personality"), QStringLiteral("#minor_personality"),
         &NumerologyNumbers::minorPersonality},
        {QStringLiteral("Rational Thought"), QStringLiteral("#rational_thought"),
         &NumerologyNumbers::rationalThought},
        {QStringLiteral("Balance"), QStringLiteral("#balance"), &NumerologyNumbers::balance},
        {QStringLiteral("Subconscious Confidence"), QStringLiteral("#subconscious_confidence"),
         &NumerologyNumbers::subconsciousConfidence},
        {QStringLiteral("Bridge LP - Expr."), QStringLiteral("#bridge_lp_expression"),
         &NumerologyNumbers::bridgeLifePathExpression},
        {QStringLiteral("Bridge HD - Pers."), QStringLiteral("#bridge_hd_personality"),
         &NumerologyNumbers::bridgeHeartPersonality}};
    return fields;
}

bool isChartNumberCode(const QString &code)
{
    for (const ChartNumberField &f : chartNumberFields()) {
        if (f.code == code)
            return true;
    }
    return false;
}
