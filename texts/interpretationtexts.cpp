#include "texts/interpretationtexts.h"
#include "engine/datafolder.h"

#include "texts/scrambledlinereader.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Codes of the 128-entry tables, in storage order.
constexpr int kTableRanges[][2] = {{101, 132}, {201, 217}, {301, 302}, {401, 406}, {501, 501}};

constexpr int tableCount()
{
    int n = 0;
    for (const auto &range : kTableRanges)
        n += range[1] - range[0] + 1;
    return n;
}

int tableSlot(int section)
{
    int base = 0;
    for (const auto &range : kTableRanges) {
        if (section >= range[0] && section <= range[1])
            return base + section - range[0];
        base += range[1] - range[0] + 1;
    }
    return -1;
}

struct TextStore
{
    QString tables[tableCount()][kTextTableSize];

    // The celebrity database: six parallel arrays and three text tables.
    int celebrityLifePath[kCelebrityCapacity] = {};
    int celebrityBirthDay[kCelebrityCapacity] = {};
    int celebrityExpression[kCelebrityCapacity] = {};
    int celebrityDate[kCelebrityCapacity] = {};
    QString celebrityName[kCelebrityCapacity];
    QString celebrityLine2[kCelebrityCapacity];
    QString celebrityTexts[3][kCelebrityCapacity];

    QString guide[kGuideTableSize];
    QString general[kGeneralTextCount];
    QString custom = defaultCustomText();
};

TextStore &store()
{
    static TextStore instance;
    return instance;
}

const QString &emptyText()
{
    static const QString empty;
    return empty;
}

bool isCelebrityRecordSection(int section)
{
    return section == 601 || section == 611;
}

bool isCelebrityTextSection(int section)
{
    return (section >= 602 && section <= 604) || (section >= 612 && section <= 614);
}

bool isGuideSection(int section)
{
    return section >= 700 && section <= 703;
}

int celebrityOffset(int section)
{
    return section >= 611 ? 100 : 0;
}

// Guide entry addressed by a header index under codes 700..703, or -1 for
// the parts the dialog never reads (4..9), which would otherwise spill into
// the next section's entries.
int guideEntry(int section, int index)
{
    const int part = index % 10;
    if (part >= kGuidePartCount)
        return -1;
    const int guideSection = (section - 700) * 10 + index / 10;
    return kGuidePartCount * guideSection + part;
}

int parseField(const QStringRef &field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? value : 0;
}

// A date line "d.m.y" of a celebrity record; 0 unless it is plausible, so
// that the packed value can never overflow.
int parseCelebrityDate(const QString &line)
{
    const QVector<QStringRef> parts = line.splitRef(QLatin1Char('.'));
    if (parts.size() != 3)
        return 0;
    const int day = parseField(parts[0]);
    const int month = parseField(parts[1]);
    const int year = parseField(parts[2]);
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1 || year > 9999)
        return 0;
    return packCelebrityDate(day, month, year);
}

// Fills the first unset field of a celebrity record; false when the line
// fills nothing.
bool storeCelebrityField(TextStore &s, int c, const QString &line)
{
    int *numbers[] = {&s.celebrityLifePath[c], &s.celebrityBirthDay[c], &s.celebrityExpression[c]};
    for (int *field : numbers) {
        if (*field == 0) {
            // A line that reads as 0 is used up without filling the field.
            *field = parseField(QStringRef(&line));
            return *field != 0;
        }
    }
    if (s.celebrityName[c].isEmpty()) {
        s.celebrityName[c] = line;
        return true;
    }
    if (s.celebrityLine2[c].isEmpty()) {
        s.celebrityLine2[c] = line;
        return true;
    }
    if (s.celebrityDate[c] == 0) {
        s.celebrityDate[c] = parseCelebrityDate(line);
        return s.celebrityDate[c] != 0;
    }
    return false;
}

bool storeGuideLine(TextStore &s, int section, int index, const QString &line)
{
    const int entry = guideEntry(section, index);
    if (entry < 0)
        return false;
    QString &text = s.guide[entry];
    const QString paragraph = QLatin1String("<p>") + line + QLatin1String("</p>");
    const int part = index % 10;
    if (text.isEmpty()) {
        if (part == 0) {
            text = QLatin1String("<h2>") + paragraph + QLatin1String("</h2>");
            return true;
        }
        if (part == 1)
            text = QStringLiteral("<h2>Calculating</h2>");
        else if (part == 2)
            text = QStringLiteral("<h2>Interpretation</h2>");
    }
    text += paragraph;
    return true;
}

// Stores one text line under the current header; false when no table takes it.
bool storeLine(TextStore &s, int section, int index, const QString &line)
{
    const int slot = tableSlot(section);
    if (slot >= 0) {
        s.tables[slot][index] += QLatin1String("<p>") + line + QLatin1String("</p>");
        return true;
    }
    if (isCelebrityRecordSection(section))
        return storeCelebrityField(s, index + celebrityOffset(section), line);
    if (isCelebrityTextSection(section)) {
        const int kind = section % 10 - 2;
        s.celebrityTexts[kind][index + celebrityOffset(section)] += QLatin1String("<p>") + line + QLatin1String("</p>");
        return true;
    }
    if (isGuideSection(section))
        return storeGuideLine(s, section, index, line);
    if (section == 900 && index < kGeneralTextCount) {
        s.general[index] += QLatin1String("<p>") + line + QLatin1String("</p>");
        return true;
    }
    return false;
}

bool validCelebrity(int index)
{
    return index >= 0 && index < kCelebrityCapacity;
}

} // namespace

QString defaultCustomText()
{
    return QStringLiteral("Your custom text here");
}

QString interpretationDataPath()
{
    return DataFolder::path() + QLatin1String("/eng.dat");
}

bool parseDataHeader(const QString &line, int *section, int *index)
{
    if (line.size() < 6 || line.at(0) != QLatin1Char('#'))
        return false;
    *section = parseField(line.midRef(1, 3));
    *index = parseField(line.midRef(4, 2));
    if (*index < 0 || *index >= kAddressableEntries) {
        *section = 0;
        *index = 0;
    }
    return true;
}

void clearInterpretationTexts()
{
    TextStore &s = store();
    for (auto &table : s.tables) {
        for (QString &entry : table)
            entry.clear();
    }
    for (int i = 0; i < kCelebrityCapacity; ++i) {
        s.celebrityLifePath[i] = 0;
        s.celebrityBirthDay[i] = 0;
        s.celebrityExpression[i] = 0;
        s.celebrityDate[i] = 0;
        s.celebrityName[i].clear();
        s.celebrityLine2[i].clear();
        for (auto &texts : s.celebrityTexts)
            texts[i].clear();
    }
    for (QString &entry : s.guide)
        entry.clear();
    for (QString &entry : s.general)
        entry.clear();
    s.custom = defaultCustomText();
}

void loadInterpretationTexts()
{
    loadInterpretationTexts(interpretationDataPath());
}

bool loadInterpretationTexts(const QString &path, TextLoadStats *stats)
{
    clearInterpretationTexts();
    TextStore &s = store();
    TextLoadStats seen;
    ScrambledLineReader reader(path);
    seen.opened = reader.isOpen();
    if (seen.opened) {
        // A single space marks a compound number without its own text.
        QString *compound = s.tables[tableSlot(122)];
        compound[0] = QStringLiteral(" ");
        for (int i = 10; i < kAddressableEntries; ++i)
            compound[i] = QStringLiteral(" ");

        int section = 0;
        int index = 0;
        QString line;
        while (reader.next(line)) {
            if (parseDataHeader(line, &section, &index)) {
                if (section != 0)
                    ++seen.headers;
                continue;
            }
            if (line.isEmpty())
                continue;
            if (storeLine(s, section, index, line))
                ++seen.stored;
            else
                ++seen.dropped;
        }
        seen.lines = reader.lineCount();
        seen.overlong = reader.overlongLines();
        seen.truncated = reader.truncated();
    }
    if (stats)
        *stats = seen;
    return seen.opened;
}

bool isTextTableSection(int section)
{
    return tableSlot(section) >= 0;
}

bool isKnownTextSection(int section)
{
    return isTextTableSection(section) || isCelebrityRecordSection(section) || isCelebrityTextSection(section)
        || isGuideSection(section) || section == 900;
}

const QString &interpretationText(int section, int index)
{
    const TextStore &s = store();
    const int slot = tableSlot(section);
    if (slot >= 0)
        return index >= 0 && index < kTextTableSize ? s.tables[slot][index] : emptyText();
    if (index < 0 || index >= kAddressableEntries)
        return emptyText();
    if (isCelebrityRecordSection(section))
        return s.celebrityName[index + celebrityOffset(section)];
    if (isCelebrityTextSection(section))
        return s.celebrityTexts[section % 10 - 2][index + celebrityOffset(section)];
    if (isGuideSection(section)) {
        const int entry = guideEntry(section, index);
        return entry >= 0 ? s.guide[entry] : emptyText();
    }
    if (section == 900)
        return generalText(index);
    return emptyText();
}

const QString *interpretationTable(int section)
{
    const int slot = tableSlot(section);
    return slot >= 0 ? store().tables[slot] : nullptr;
}

const QString &guideText(int section, int part)
{
    if (section < 0 || section >= kGuideSectionCount || part < 0 || part >= kGuidePartCount)
        return emptyText();
    return store().guide[kGuidePartCount * section + part];
}

const QString &generalText(int index)
{
    return index >= 0 && index < kGeneralTextCount ? store().general[index] : emptyText();
}

const QString &customText()
{
    return store().custom;
}

void setCustomText(const QString &text)
{
    store().custom = text;
}

int celebrityLifePath(int index)
{
    return validCelebrity(index) ? store().celebrityLifePath[index] : 0;
}

int celebrityBirthDayNumber(int index)
{
    return validCelebrity(index) ? store().celebrityBirthDay[index] : 0;
}

int celebrityExpression(int index)
{
    return validCelebrity(index) ? store().celebrityExpression[index] : 0;
}

int celebrityPackedDate(int index)
{
    return validCelebrity(index) ? store().celebrityDate[index] : 0;
}

QDate celebrityBirthDate(int index)
{
    const int packed = celebrityPackedDate(index);
    if (packed == 0)
        return QDate();
    return QDate(packed / 65536, (packed / 256) % 256, packed % 256);
}

const QString &celebrityName(int index)
{
    return validCelebrity(index) ? store().celebrityName[index] : emptyText();
}

const QString &celebritySecondLine(int index)
{
    return validCelebrity(index) ? store().celebrityLine2[index] : emptyText();
}

const QString &celebrityText(CelebrityTextKind kind, int index)
{
    const int k = static_cast<int>(kind);
    if (!validCelebrity(index) || k < 0 || k > 2)
        return emptyText();
    return store().celebrityTexts[k][index];
}

bool hasCelebrity(int index)
{
    return !celebrityName(index).isEmpty();
}

int celebrityRecordCount()
{
    int n = 0;
    while (n < kCelebrityCount && hasCelebrity(n))
        ++n;
    return n;
}
