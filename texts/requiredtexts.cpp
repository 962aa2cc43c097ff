#include "texts/requiredtexts.h"

#include "texts/interpretationtexts.h"

namespace {

void addRange(QVector<TextAddress> &list, int section, int first, int last)
{
    for (int i = first; i <= last; ++i)
        list.append({section, i});
}

void addList(QVector<TextAddress> &list, int section, std::initializer_list<int> indices)
{
    for (int i : indices)
        list.append({section, i});
}

// Pair codes low + 10 * high of two numbers 1..9 (11, 21, 22, 31 ... 99).
void addHighTensPairs(QVector<TextAddress> &list, int section)
{
    for (int high = 1; high <= 9; ++high) {
        for (int low = 1; low <= high; ++low)
            list.append({section, low + 10 * high});
    }
}

// Pair codes high + 10 * low of two numbers 1..9 (11, 12 ... 19, 22 ... 99).
void addLowTensPairs(QVector<TextAddress> &list, int section)
{
    for (int low = 1; low <= 9; ++low) {
        for (int high = low; high <= 9; ++high)
            list.append({section, high + 10 * low});
    }
}

QVector<TextAddress> buildRequiredList()
{
    QVector<TextAddress> list;
    const auto masters = {11, 22, 33, 44, 55, 66, 77, 88, 99};

    // Numerology report.
    list.append({900, 0});
    for (int section : {101, 104, 105, 108, 109, 111, 116, 117}) {
        addRange(list, section, 0, 9);
        addList(list, section, masters);
    }
    addRange(list, 102, 0, 31);
    addList(list, 103, {0, 13, 14, 16, 19});
    for (int section : {106, 107, 110, 112, 113, 114, 118})
        addRange(list, section, 0, 9);
    addRange(list, 115, 0, 9);
    addRange(list, 119, 0, 26);
    addRange(list, 120, 0, 9);
    addList(list, 120, {11, 16, 19, 22, 33, 44, 55, 66, 77, 88, 99});
    list.append({123, 0});
    for (int section : {124, 125, 126, 127}) {
        addRange(list, section, 0, 9);
        addList(list, section, {11, 22, 33});
    }
    for (int section : {128, 130})
        addRange(list, section, 0, 9);
    for (int section : {129, 131})
        addHighTensPairs(list, section);

    // Name advisor: double-digit and compound numbers, name and date numbers.
    addRange(list, 121, 10, 99);
    addRange(list, 122, 10, 99);
    addRange(list, 501, 1, 9);
    addList(list, 501, masters);

    // Psychomatrix: introduction and the seven levels of every cell and line.
    for (int section = 201; section <= 217; ++section)
        addRange(list, section, 0, 7);

    // Pet.
    addRange(list, 301, 0, 9);
    addRange(list, 302, 1, 9);

    // Compatibility.
    for (int section : {401, 403, 404})
        addLowTensPairs(list, section);
    addRange(list, 402, 0, 3);
    for (int code = 1; code <= 9; ++code)
        list.append({402, detailedBirthdayTextIndex(code)});
    for (int section : {405, 406}) {
        for (int low = 0; low <= 6; ++low) {
            for (int high = low; high <= 6; ++high)
                list.append({section, 10 * low + high + 11});
        }
    }

    // Guide texts of the details dialog: title, calculation and interpretation.
    for (int guide = 0; guide < 36; ++guide) {
        for (int part = 0; part < 3; ++part)
            list.append({700 + guide / 10, (guide % 10) * 10 + part});
    }
    return list;
}

struct SectionName
{
    int section;
    const char *name;
};

constexpr SectionName kSectionNames[] = {
    {101, "Life Path"},
    {102, "Birthday"},
    {103, "Karmic Debt"},
    {104, "Expression"},
    {105, "Minor Expression"},
    {106, "Personal Year"},
    {107, "Personal Month and Day"},
    {108, "Heart Desire"},
    {109, "Personality"},
    {110, "Hidden Passion"},
    {111, "Minor Heart Desire"},
    {112, "Karmic Lessons"},
    {113, "Subconscious Confidence"},
    {114, "Balance"},
    {115, "Challenges"},
    {116, "Pinnacles"},
    {117, "Maturity"},
    {118, "Rational Thought"},
    {119, "Transits"},
    {120, "Essence"},
    {121, "Double-digit name number"},
    {122, "Compound number"},
    {123, "Planes of Expression"},
    {124, "Physical plane"},
    {125, "Mental plane"},
    {126, "Emotional plane"},
    {127, "Intuitive plane"},
    {128, "Bridge Life Path - Expression"},
    {129, "Bridge Life Path + Expression"},
    {130, "Bridge Heart's Desire - Personality"},
    {131, "Bridge Heart's Desire + Personality"},
    {132, "Unused"},
    {201, "Psychomatrix: Purposeful (1-4-7)"},
    {202, "Psychomatrix: Family formation (2-5-8)"},
    {203, "Psychomatrix: Stability (3-6-9)"},
    {204, "Psychomatrix: Character (1)"},
    {205, "Psychomatrix: Energy (2)"},
    {206, "Psychomatrix: Interest (3)"},
    {207, "Psychomatrix: Health (4)"},
    {208, "Psychomatrix: Intuition (5)"},
    {209, "Psychomatrix: Labour (6)"},
    {210, "Psychomatrix: Luck (7)"},
    {211, "Psychomatrix: Duty (8)"},
    {212, "Psychomatrix: Memory (9)"},
    {213, "Psychomatrix: Self appraisal (1-2-3)"},
    {214, "Psychomatrix: Finance (4-5-6)"},
    {215, "Psychomatrix: Talent (7-8-9)"},
    {216, "Psychomatrix: Spirituality (1-5-9)"},
    {217, "Psychomatrix: Sexual life (3-5-7)"},
    {301, "Pet number"},
    {302, "Pet day forecast"},
    {401, "Birthday compatibility"},
    {402, "Compatibility report"},
    {403, "Name compatibility"},
    {404, "Life Path compatibility"},
    {405, "Character compatibility"},
    {406, "Energy compatibility"},
    {501, "Name advisor"},
    {601, "Celebrity record"},
    {602, "Celebrity: same Life Path"},
    {603, "Celebrity: same Birth day"},
    {604, "Celebrity: same Expression"},
    {611, "Celebrity record (100+)"},
    {612, "Celebrity: same Life Path (100+)"},
    {613, "Celebrity: same Birth day (100+)"},
    {614, "Celebrity: same Expression (100+)"},
    {700, "Guide"},
    {701, "Guide"},
    {702, "Guide"},
    {703, "Guide"},
    {900, "General"},
};

} // namespace

const QVector<TextAddress> &requiredTextEntries()
{
    static const QVector<TextAddress> list = buildRequiredList();
    return list;
}

int detailedBirthdayTextIndex(int birthdayCode)
{
    return birthdayCode >= 1 && birthdayCode <= 9 ? 10 + birthdayCode : -1;
}

QString textSectionTitle(int section)
{
    for (const SectionName &entry : kSectionNames) {
        if (entry.section == section)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

QString textEntryLabel(int section, int index)
{
    if (section >= 700 && section <= 703) {
        static const char *const parts[] = {"title", "Calculating", "Interpretation", "extra"};
        const int guide = (section - 700) * 10 + index / 10;
        const int part = index % 10;
        const QString partName = part < 4 ? QString::fromLatin1(parts[part]) : QStringLiteral("unused part");
        return QStringLiteral("guide %1.%2 (%3)").arg(guide).arg(part).arg(partName);
    }
    const QString title = textSectionTitle(section);
    const QString address = QStringLiteral("%1:%2").arg(section).arg(index);
    return title.isEmpty() ? address : address + QLatin1Char(' ') + title;
}

bool isBlankText(const QString &text)
{
    for (const QChar c : text) {
        if (!c.isSpace())
            return false;
    }
    return true;
}

QStringList missingRequiredTexts()
{
    QStringList missing;
    for (const TextAddress &entry : requiredTextEntries()) {
        if (isBlankText(interpretationText(entry.section, entry.index)))
            missing.append(textEntryLabel(entry.section, entry.index));
    }
    return missing;
}

QStringList celebrityDatabaseProblems()
{
    QStringList problems;
    const int count = celebrityRecordCount();
    if (count < kRequiredCelebrityRecords) {
        problems.append(QStringLiteral("celebrity database holds %1 of %2 records")
                            .arg(count)
                            .arg(kRequiredCelebrityRecords));
    }
    for (int i = 0; i < kCelebrityCount; ++i) {
        const bool named = hasCelebrity(i);
        if (!named && i >= count) {
            // Data past the last record would be a gap in the numbering.
            if (celebrityLifePath(i) != 0 || celebrityPackedDate(i) != 0)
                problems.append(QStringLiteral("celebrity %1: data without a name").arg(i));
            continue;
        }
        if (named && i > count)
            problems.append(QStringLiteral("celebrity %1: follows a gap in the numbering").arg(i));
        QStringList lacks;
        if (!named)
            lacks << QStringLiteral("name");
        if (isBlankText(celebritySecondLine(i)))
            lacks << QStringLiteral("second line");
        if (!celebrityBirthDate(i).isValid())
            lacks << QStringLiteral("birth date");
        if (celebrityLifePath(i) <= 0)
            lacks << QStringLiteral("life path");
        if (celebrityBirthDayNumber(i) <= 0)
            lacks << QStringLiteral("birth-day number");
        if (celebrityExpression(i) <= 0)
            lacks << QStringLiteral("expression");
        if (isBlankText(celebrityText(CelebrityTextKind::LifePath, i)))
            lacks << QStringLiteral("life path text");
        if (isBlankText(celebrityText(CelebrityTextKind::BirthDay, i)))
            lacks << QStringLiteral("birth day text");
        if (isBlankText(celebrityText(CelebrityTextKind::Expression, i)))
            lacks << QStringLiteral("expression text");
        if (!lacks.isEmpty()) {
            problems.append(QStringLiteral("celebrity %1 (%2): no %3")
                                .arg(i)
                                .arg(named ? celebrityName(i) : QStringLiteral("unnamed"), lacks.join(QStringLiteral(", "))));
        }
    }
    return problems;
}
