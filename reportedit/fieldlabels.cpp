#include "reportedit/fieldlabels.h"

namespace {

const char *const kNumerology[] = {
    "Header", "Life Path", "Birthday", "Expression", "Minor Expression", "Heart Desire",
    "Minor Heart Desire", "Personality", "Maturity", "Rational Thought", "Karmic Lessons", "Balance",
    "Hidden Passion", "Subconscious Confid.", "Pinnacles", "Challenges", "Personal Year",
    "Personal Month", "Personal Day", "Transits", "Essence", "Minor Personality", "Karmic Debts",
    "Karmic Debt", "Compatible", "Compound", "Planes of Expression", "PE Physical", "PE Mental",
    "PE Emotional", "PE Intuitive", "Bridge LP-E", "Bridge LP+E", "Bridge HD-P", "Bridge HD+P",
    "Custom Text"};
const char *const kPsychoMatrix[] = {
    "Header", "Character", "Energy", "Interest", "Health", "Intuition", "Labour", "Luck", "Duty",
    "Memory", "Purposeful", "Family Formation", "Stability", "Self Appraisal", "Finance", "Talent",
    "Spirituality", "Sexual Life", "Custom Text"};
const char *const kCompatibility[] = {
    "Header", "Life Path", "Birthday", "Name", "Psycho-matrix", "Family", "Carnal Interests",
    "Detailed Birthday", "Character", "Energy", "Final", "Custom Text"};
const char *const kCelebrities[] = {"Header", "Life Path", "Birthday", "Expression", "Custom Text"};
const char *const kPet[] = {"Header", "Pet", "Day Forecast", "Custom Text"};

template <int N>
QString pick(const char *const (&labels)[N], int id)
{
    return id >= 0 && id < N ? QString::fromLatin1(labels[id]) : QString();
}

}  // namespace

namespace FieldLabels {

QString shortLabel(int kind, int id)
{
    switch (kind) {
    case 0: return pick(kNumerology, id);
    case 1: return pick(kPsychoMatrix, id);
    case 2: return pick(kCompatibility, id);
    case 3: return pick(kCelebrities, id);
    case 4: return pick(kPet, id);
    default: return QString();
    }
}

QString availableLabel(int kind, int id)
{
    if (kind == 2 && (id == 8 || id == 9))
        return QStringLiteral("PM ") + shortLabel(kind, id);
    return shortLabel(kind, id);
}

QStringList kindNames()
{
    return {QStringLiteral("Numerology"), QStringLiteral("Psycho Matrix"), QStringLiteral("Love Compatibility"),
            QStringLiteral("Celebrities"), QStringLiteral("Pet")};
}

}  // namespace FieldLabels
