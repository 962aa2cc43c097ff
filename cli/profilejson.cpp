#include "cli/profilejson.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

void writeMatrixJson(JsonWriter &json, const CNumerologyPMatrix &m)
{
    json.beginObject();
    json.field("cells", m.cells, 10);
    json.field("lines", m.lines, 8);
    json.field("summary", m.summary);
    json.field("workingNumbers", m.workingNumbers, 4);
    json.endObject();
}

void writeProfileJson(JsonWriter &json, const CNumerology &p, const CNumerologyPMatrix *matrix)
{
    using P = NumerologyProfile;
    json.beginObject();
    json.field("valueCounters", p.valueCounters, P::CounterSize);
    json.field("lifePath", p.lifePath);
    json.field("challenges", p.challenges, 4);
    json.field("targetYear", p.targetYear);
    json.field("personalYearBase", p.personalYearBase);
    json.field("planeClassCounts", p.planeClassCounts, 12);
    json.field("letterCounts", p.letterCounts, 26);
    json.field("chaldeanMode", p.chaldeanMode);
    json.field("extendedMasters", p.extendedMasters);
    json.field("birthDate", p.birthDate);
    json.field("expression", p.expression);
    json.field("physicalTransit", p.physicalTransit);
    json.field("mentalTransit", p.mentalTransit);
    json.field("spiritualTransit", p.spiritualTransit);
    json.field("essenceRaw", p.essenceRaw, P::TransitLength);
    json.field("essence", p.essence, P::TransitLength);
    json.field("fullNameUpper", p.fullNameUpper);
    json.field("shortNameUpper", p.shortNameUpper);
    json.field("targetDate", p.targetDate);
    json.field("lifePathText", p.lifePathText);
    json.field("birthdayText", p.birthdayText);
    json.field("expressionText", p.expressionText);
    json.field("minorExpressionText", p.minorExpressionText);
    json.field("heartDesireText", p.heartDesireText);
    json.field("minorHeartDesireText", p.minorHeartDesireText);
    json.field("personalityText", p.personalityText);
    json.field("minorPersonalityText", p.minorPersonalityText);
    json.field("maturityText", p.maturityText);
    json.field("rationalThoughtText", p.rationalThoughtText);
    json.field("karmicDebtsText", p.karmicDebtsText);
    json.field("karmicLessonsText", p.karmicLessonsText);
    json.field("challengesText", p.challengesText);
    json.field("pinnaclesText", p.pinnaclesText);
    json.field("bridgeLifePathExpressionText", p.bridgeLifePathExpressionText);
    json.field("bridgeHeartPersonalityText", p.bridgeHeartPersonalityText);
    json.field("balanceText", p.balanceText);
    json.field("personalYearText", p.personalYearText);
    json.field("hiddenPassionText", p.hiddenPassionText);
    json.field("subconsciousConfidenceText", p.subconsciousConfidenceText);
    json.field("pinnacleSpansText", p.pinnacleSpansText);
    json.field("lifePathPeriodsText", p.lifePathPeriodsText);
    json.field("lifePathPeriodSpansText", p.lifePathPeriodSpansText);
    json.field("planesCellTexts", p.planesCellTexts, P::PlanesCellCount);
    json.field("planesCells", p.planesCells, P::PlanesCellCount);
    json.field("vowelDigits", p.vowelDigits);
    json.field("consonantDigits", p.consonantDigits);
    json.field("expressionCalc", p.expressionCalc);
    json.field("heartDesireCalc", p.heartDesireCalc);
    json.field("personalityCalc", p.personalityCalc);
    json.field("shortVowelDigits", p.shortVowelDigits);
    json.field("shortConsonantDigits", p.shortConsonantDigits);
    json.field("minorExpressionCalc", p.minorExpressionCalc);
    json.field("minorHeartDesireCalc", p.minorHeartDesireCalc);
    json.field("minorPersonalityCalc", p.minorPersonalityCalc);
    json.field("expressionRaw", p.expressionRaw);

    // The numbers behind the texts.
    json.field("lifePathRaw", p.lifePathRaw);
    json.field("birthdayNumber", p.birthdayNumber);
    json.field("heartDesire", p.heartDesire);
    json.field("heartDesireRaw", p.heartDesireRaw);
    json.field("personality", p.personality);
    json.field("personalityRaw", p.personalityRaw);
    json.field("minorExpression", p.minorExpression);
    json.field("minorExpressionRaw", p.minorExpressionRaw);
    json.field("minorHeartDesire", p.minorHeartDesire);
    json.field("minorHeartDesireRaw", p.minorHeartDesireRaw);
    json.field("minorPersonality", p.minorPersonality);
    json.field("minorPersonalityRaw", p.minorPersonalityRaw);
    json.field("maturity", p.maturity);
    json.field("rationalThought", p.rationalThought);
    json.field("balance", p.balance);
    json.field("personalYear", p.personalYear);
    json.field("pinnacles", p.pinnacles, 4);
    json.field("lifePathPeriods", p.lifePathPeriods, 3);
    json.field("bridgeLifePathExpression", p.bridgeLifePathExpression);
    json.field("bridgeHeartPersonality", p.bridgeHeartPersonality);
    json.field("bridgeLifePathExpressionCode", p.bridgeLifePathExpressionCode);
    json.field("bridgeHeartPersonalityCode", p.bridgeHeartPersonalityCode);
    json.field("karmicDebts", p.karmicDebts, p.karmicDebtCount);
    json.field("planeNumbers", p.planeNumbers, 4);
    json.field("planesValues", p.planesValues, P::PlanesCellCount);

    if (matrix) {
        json.key("matrix");
        writeMatrixJson(json, *matrix);
    }
    json.endObject();
}
