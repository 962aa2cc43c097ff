#include "reports/reportcatalogue.h"

#include "reports/creportfielditem.h"

namespace ReportCatalogue {
namespace {

// Built-in order; the last entry of each kind is the available-only custom text.
const Field kNumerology[] = {
    {0, "Numerology Chart for", 0},
    {1, "Life Path Number", 101},
    {2, "Birthday Number", 102},
    {3, "Expression Number", 104},
    {4, "Minor Expression Number", 105},
    {5, "Heart Desire Number", 108},
    {6, "Minor Heart Desire Number", 111},
    {25, "Compound Number", 122},
    {7, "Personality Number", 109},
    {21, "Minor Personality Number", 109},
    {22, "Karmic Debts Numbers", 103},
    {8, "Maturity Number", 117},
    {9, "Rational Thought Number", 118},
    {10, "Karmic Lessons Number", 112},
    {11, "Balance Number", 114},
    {12, "Hidden Passion Number", 110},
    {13, "Subconscious Confidence Number", 113},
    {26, "Planes of Expression", 123},
    {28, "Planes of Expression Mental Number", 125},
    {27, "Planes of Expression Physical Number", 124},
    {29, "Planes of Expression Emotional Number", 126},
    {30, "Planes of Expression Intuitive Number", 127},
    {14, "Pinnacles Numbers", 116},
    {15, "Challenges Numbers", 115},
    {31, "Bridge Life Path - Expression", 128},
    {32, "", 129},
    {33, "Bridge Heart's Desire - Personality", 130},
    {34, "", 131},
    {16, "Personal Year Number:", 106},
    {17, "Personal Month Number:", 107},
    {18, "Personal Day Number:", 107},
    {19, "Transits for age", 119},
    {20, "Essence for age", 120},
    {35, "Custom Text", CustomTextTable},
};

const Field kPsychoMatrix[] = {
    {0, "Numerology Psychomatrix Chart for", 0},
    {1, "Character (1)", 204},
    {2, "Energy (2)", 205},
    {3, "Interest (3)", 206},
    {4, "Health (4)", 207},
    {5, "Intuition (5)", 208},
    {6, "Labour (6)", 209},
    {7, "Luck (7)", 210},
    {8, "Duty (8)", 211},
    {9, "Memory (9)", 212},
    {10, "Purposeful (1-4-7)", 201},
    {11, "Family formation (2-5-8)", 202},
    {12, "Stability (3-6-9)", 203},
    {13, "Self appraisal (1-2-3)", 213},
    {14, "Finance (4-5-6)", 214},
    {15, "Talent (7-8-9)", 215},
    {16, "Spirituality (1-5-9)", 216},
    {17, "Sexual life (3-5-7)", 217},
    {18, "Custom Text", CustomTextTable},
};

const Field kLove[] = {
    {0, "Numerology Compatibility Report", 402},
    {1, "Life Path Compatibility", 404},
    {2, "Birthday Compatibility", 401},
    {7, "", 402},
    {3, "Name Compatibility", 403},
    {4, "Psycho-matrix", 0},
    {5, "Family", 402},
    {8, "Character", 405},
    {9, "Energy", 406},
    {6, "Carnal Interests", 402},
    {10, "Final", 402},
    {11, "Custom Text", CustomTextTable},
};

const Field kCelebrities[] = {
    {0, "Celebrities Report for", 0},
    {1, "Celebrities with same Life Path", 602},
    {2, "Celebrities with same Birth day", 603},
    {3, "Celebrities with same Expression number", 604},
    {4, "Custom Text", CustomTextTable},
};

const Field kPet[] = {
    {0, "Pet Numerology Chart", 0},
    {1, "Pet number", 301},
    {2, "Day Forecast for", 302},
    {3, "Custom Text", CustomTextTable},
};

// Part of no list, but its texts live in the karmic debt table.
const Field kKarmicDebt = {23, "", 103};

template <size_t N>
QVector<Field> toVector(const Field (&fields)[N], bool withCustom)
{
    QVector<Field> out;
    out.reserve(int(N));
    for (size_t i = 0; i < N; ++i) {
        if (!withCustom && fields[i].textTable == CustomTextTable)
            continue;
        out.append(fields[i]);
    }
    return out;
}

QVector<Field> fieldsOf(int kind, bool withCustom)
{
    switch (kind) {
    case RKNumerology: return toVector(kNumerology, withCustom);
    case RKPsychoMatrix: return toVector(kPsychoMatrix, withCustom);
    case RKLoveCompatibility: return toVector(kLove, withCustom);
    case RKCelebrities: return toVector(kCelebrities, withCustom);
    case RKPet: return toVector(kPet, withCustom);
    default: return {};
    }
}

template <size_t N>
const Field *find(const Field (&fields)[N], int id)
{
    for (size_t i = 0; i < N; ++i) {
        if (fields[i].id == id)
            return &fields[i];
    }
    return nullptr;
}

} // namespace

QVector<Field> builtInFields(int kind)
{
    return fieldsOf(kind, false);
}

QVector<Field> availableFields(int kind)
{
    return fieldsOf(kind, true);
}

const Field *findField(int kind, int id)
{
    switch (kind) {
    case RKNumerology:
        if (id == kKarmicDebt.id)
            return &kKarmicDebt;
        return find(kNumerology, id);
    case RKPsychoMatrix: return find(kPsychoMatrix, id);
    case RKLoveCompatibility: return find(kLove, id);
    case RKCelebrities: return find(kCelebrities, id);
    case RKPet: return find(kPet, id);
    default: return nullptr;
    }
}

QString fieldCaption(int kind, int id)
{
    const Field *f = findField(kind, id);
    return f ? QString::fromLatin1(f->caption) : QString();
}

int customTextId(int kind)
{
    switch (kind) {
    case RKNumerology: return 35;
    case RKPsychoMatrix: return 18;
    case RKLoveCompatibility: return 11;
    case RKCelebrities: return 4;
    case RKPet: return 3;
    default: return -1;
    }
}

QString hideImagesKey(int kind)
{
    switch (kind) {
    case RKNumerology: return QStringLiteral("RTNumerology-hide-images");
    case RKPsychoMatrix: return QStringLiteral("RTPsychoMatrix-hide-images");
    case RKLoveCompatibility: return QStringLiteral("RTLoveCompatibility-hide-images");
    case RKCelebrities: return QStringLiteral("RTCelebrities-hide-images");
    case RKPet: return QStringLiteral("RTPet-hide-images");
    default: return QString();
    }
}

} // namespace ReportCatalogue

int textTableFor(int kind, int id)
{
    const ReportCatalogue::Field *f = ReportCatalogue::findField(kind, id);
    return f ? f->textTable : 0;
}
