#pragma once

#include <QDate>
#include <QString>

/**
 * The interpretation text store: process-wide tables filled once from the
 * scrambled data file "eng.dat" next to the executable and read by the report
 * writers, the details dialog and the command-line tool.
 *
 * Sections (codes) and what they hold:
 * - 101..132, 201..217, 301, 302, 401..406, 501: text tables of 128 entries,
 *   entries 0..99 addressable from the file;
 * - 601/611: celebrity records (celebrity = index, or index + 100);
 * - 602..604/612..614: celebrity texts for the life path, birth day and
 *   expression lists (same indexing);
 * - 700..703: guide texts, ten guide sections of four parts per code;
 * - 900: sixteen general texts (entry 0 opens the default numerology report).
 *
 * Every entry is an HTML fragment: one "<p>...</p>" per line of the file.
 */

/** Entries of one text table. */
constexpr int kTextTableSize = 128;
/** Entries a header of the data file can address. */
constexpr int kAddressableEntries = 100;
/** Room in the celebrity database. */
constexpr int kCelebrityCapacity = 256;
/** Celebrity records the data file can address and the matching examines. */
constexpr int kCelebrityCount = 200;
/** Guide sections addressable in the guide table (four parts each). */
constexpr int kGuideSectionCount = 40;
/** Parts of one guide section: title, "Calculating", "Interpretation", extra. */
constexpr int kGuidePartCount = 4;
/** Entries of the guide table. */
constexpr int kGuideTableSize = 256;
/** Entries of the general texts table (section 900). */
constexpr int kGeneralTextCount = 16;

/** What one load saw; for diagnostics of the command-line tool and tests. */
struct TextLoadStats
{
    bool opened = false;    ///< the file could be opened
    int lines = 0;          ///< lines read (after the length filter)
    int headers = 0;        ///< valid section headers
    int stored = 0;         ///< lines stored in some table
    int dropped = 0;        ///< non-empty lines no table took
    int overlong = 0;       ///< lines skipped for exceeding the line limit
    bool truncated = false; ///< reading stopped at the size budget
};

/**
 * Loads "eng.dat" from the application's folder. A missing or unreadable file
 * leaves the tables empty. Any earlier content is cleared first.
 */
void loadInterpretationTexts();

/**
 * Loads the tables from the data file at @p path. Returns whether the file
 * could be opened; @p stats, when given, receives what was read.
 */
bool loadInterpretationTexts(const QString &path, TextLoadStats *stats = nullptr);

/**
 * Reads a descrambled line as a section header "#CCCII": true when it is one
 * (starts with '#', at least 6 characters). @p section and @p index receive
 * the parsed fields (0 for an unparsable field); an index outside 0..99 sets
 * both to 0, which stores nothing until the next header.
 */
bool parseDataHeader(const QString &line, int *section, int *index);

/** Empties every table and restores the default custom text. */
void clearInterpretationTexts();

/** Path of the data file the program reads: the application folder + "/eng.dat". */
QString interpretationDataPath();

/** True when @p section is a code the store keeps (any of the list above). */
bool isKnownTextSection(int section);

/** True for the codes of the 128-entry text tables. */
bool isTextTableSection(int section);

/**
 * The text addressed by @p section and @p index exactly as the data file
 * addresses it (celebrity texts 602/612 by index, guide codes by header
 * index, 900 by entry). Anything unknown or out of range gives an empty string.
 * For 601/611 the record's name is returned.
 */
const QString &interpretationText(int section, int index);

/**
 * The 128-entry table of a text-table section, or nullptr for other codes.
 * For writers that want to index a table directly.
 */
const QString *interpretationTable(int section);

/** Part @p part (0 title, 1 "Calculating", 2 "Interpretation", 3 extra) of guide section @p section. */
const QString &guideText(int section, int part);

/** Entry @p index of the general texts (section 900). */
const QString &generalText(int index);

/** The custom text; default "Your custom text here". */
const QString &customText();
/** Replaces the custom text (the report manager edits it). */
void setCustomText(const QString &text);
/** The custom text every load starts from. */
QString defaultCustomText();

/** Which list a celebrity text belongs to. */
enum class CelebrityTextKind { LifePath = 0, BirthDay = 1, Expression = 2 };

/** Number fields of a celebrity record; 0 when unset. @p index 0..255. */
int celebrityLifePath(int index);
int celebrityBirthDayNumber(int index);
int celebrityExpression(int index);
/** Birth date packed as day + month * 256 + year * 65536; 0 when unset. */
int celebrityPackedDate(int index);
/** The packed date as a date; invalid when unset or impossible. */
QDate celebrityBirthDate(int index);
const QString &celebrityName(int index);
/** The record's second line (a description; no report prints it). */
const QString &celebritySecondLine(int index);
/** The celebrity's text for one of the three match lists. */
const QString &celebrityText(CelebrityTextKind kind, int index);
/** True when record @p index has a name (the records the matching can list). */
bool hasCelebrity(int index);
/** Number of leading records 0, 1, 2 ... that carry a name. */
int celebrityRecordCount();

/** Packs a date the way celebrity records store it. */
constexpr int packCelebrityDate(int day, int month, int year)
{
    return day + month * 256 + year * 65536;
}
