#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

/**
 * The entries the reports and the details dialog can ask for, in one place so
 * that the content check of the command-line tool and the tests agree.
 */

/** One addressed text: a section code and the index its header carries. */
struct TextAddress
{
    int section = 0;
    int index = 0;
    bool operator==(const TextAddress &other) const
    {
        return section == other.section && index == other.index;
    }
};

/** Every required plain entry (guide texts included, celebrities not). */
const QVector<TextAddress> &requiredTextEntries();

/** Celebrity records the database must hold (0 .. count - 1). */
constexpr int kRequiredCelebrityRecords = 200;

/**
 * Index of table 402 that holds the "Detailed Birthday" text for a birthday
 * compatibility code of 1..9: the code plus 10, clear of the introduction
 * (0), family (1), carnal interests (2) and final words (3). -1 for other codes.
 */
int detailedBirthdayTextIndex(int birthdayCode);

/** Short name of what a section holds ("Life Path", "Psychomatrix: Luck (7)" ...). */
QString textSectionTitle(int section);

/**
 * A readable address: "101:7 Life Path" for plain entries, "guide 12.1
 * (Calculating)" for the guide codes 700..703.
 */
QString textEntryLabel(int section, int index);

/** True when an entry holds nothing but white space (a lone " " marks an absent compound text). */
bool isBlankText(const QString &text);

/** Labels of the required entries that are blank in the loaded tables, in list order. */
QStringList missingRequiredTexts();

/**
 * Problems of the loaded celebrity database: fewer records than required,
 * gaps, and records lacking a name, second line, birth date, one of the
 * three numbers or one of the three texts. Each item names the record.
 */
QStringList celebrityDatabaseProblems();
