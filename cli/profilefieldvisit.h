#pragma once

#include "engine/cnumerology.h"

/**
 * Calls @p visit(name, value...) for every profile member that batch and
 * profile output name, in output order: (name, int), (name, bool), (name,
 * QString), (name, QDate), (name, const int *, count) or (name, const
 * QString *, count). The psychomatrix ("matrix") is not among them.
 */
template <class Visit>
inline void visitProfileFields(Visit &&visit, const CNumerology &p)
{
    using P = NumerologyProfile;
    visit("valueCounters", p.valueCounters, P::CounterSize);
    visit("lifePath", p.lifePath);
    visit("challenges", p.challenges, 4);
    visit("targetYear", p.targetYear);
    visit("personalYearBase", p.personalYearBase);
    visit("planeClassCounts", p.planeClassCounts, 12);
    visit("letterCounts", p.letterCounts, 26);
    visit("chaldeanMode", p.chaldeanMode);
    visit("extendedMasters", p.extendedMasters);
    visit("birthDate", p.birthDate);
    visit("expression", p.expression);
    visit("physicalTransit", p.physicalTransit);
    visit("mentalTransit", p.mentalTransit);
    visit("spiritualTransit", p.spiritualTransit);
    visit("essenceRaw", p.essenceRaw, P::TransitLength);
    visit("essence", p.essence, P::TransitLength);
    visit("fullNameUpper", p.fullNameUpper);
    visit("shortNameUpper", p.shortNameUpper);
    visit("targetDate", p.targetDate);
    visit("lifePathText", p.lifePathText);
    visit("birthdayText", p.birthdayText);
    visit("expressionText", p.expressionText);
    visit("minorExpressionText", p.minorExpressionText);
    visit("heartDesireText", p.heartDesireText);
    visit("minorHeartDesireText", p.minorHeartDesireText);
    visit("personalityText", p.personalityText);
    visit("minorPersonalityText", p.minorPersonalityText);
    visit("maturityText", p.maturityText);
    visit("rationalThoughtText", p.rationalThoughtText);
    visit("karmicDebtsText", p.karmicDebtsText);
    visit("karmicLessonsText", p.karmicLessonsText);
    visit("challengesText", p.challengesText);
    visit("pinnaclesText", p.pinnaclesText);
    visit("bridgeLifePathExpressionText", p.bridgeLifePathExpressionText);
    visit("bridgeHeartPersonalityText", p.bridgeHeartPersonalityText);
    visit("balanceText", p.balanceText);
    visit("personalYearText", p.personalYearText);
    visit("hiddenPassionText", p.hiddenPassionText);
    visit("subconsciousConfidenceText", p.subconsciousConfidenceText);
    visit("pinnacleSpansText", p.pinnacleSpansText);
    visit("lifePathPeriodsText", p.lifePathPeriodsText);
    visit("lifePathPeriodSpansText", p.lifePathPeriodSpansText);
    visit("planesCellTexts", p.planesCellTexts, P::PlanesCellCount);
    visit("planesCells", p.planesCells, P::PlanesCellCount);
    visit("vowelDigits", p.vowelDigits);
    visit("consonantDigits", p.consonantDigits);
    visit("expressionCalc", p.expressionCalc);
    visit("heartDesireCalc", p.heartDesireCalc);
    visit("personalityCalc", p.personalityCalc);
    visit("shortVowelDigits", p.shortVowelDigits);
    visit("shortConsonantDigits", p.shortConsonantDigits);
    visit("minorExpressionCalc", p.minorExpressionCalc);
    visit("minorHeartDesireCalc", p.minorHeartDesireCalc);
    visit("minorPersonalityCalc", p.minorPersonalityCalc);
    visit("expressionRaw", p.expressionRaw);

    // The numbers behind the texts.
    visit("lifePathRaw", p.lifePathRaw);
    visit("birthdayNumber", p.birthdayNumber);
    visit("heartDesire", p.heartDesire);
    visit("heartDesireRaw", p.heartDesireRaw);
    visit("personality", p.personality);
    visit("personalityRaw", p.personalityRaw);
    visit("minorExpression", p.minorExpression);
    visit("minorExpressionRaw", p.minorExpressionRaw);
    visit("minorHeartDesire", p.minorHeartDesire);
    visit("minorHeartDesireRaw", p.minorHeartDesireRaw);
    visit("minorPersonality", p.minorPersonality);
    visit("minorPersonalityRaw", p.minorPersonalityRaw);
    visit("maturity", p.maturity);
    visit("rationalThought", p.rationalThought);
    visit("balance", p.balance);
    visit("personalYear", p.personalYear);
    visit("pinnacles", p.pinnacles, 4);
    visit("lifePathPeriods", p.lifePathPeriods, 3);
    visit("bridgeLifePathExpression", p.bridgeLifePathExpression);
    visit("bridgeHeartPersonality", p.bridgeHeartPersonality);
    visit("bridgeLifePathExpressionCode", p.bridgeLifePathExpressionCode);
    visit("bridgeHeartPersonalityCode", p.bridgeHeartPersonalityCode);
    visit("karmicDebts", p.karmicDebts, p.karmicDebtCount);
    visit("planeNumbers", p.planeNumbers, 4);
    visit("planesValues", p.planesValues, P::PlanesCellCount);
}
