#pragma once

#include <QDate>
#include <QList>
#include <QVector>
#include <QString>
#include <QStringList>

/** One person as entered in the person panel; element of the recent list. */
struct PersonRecord {
    QString fullName;
    QString shortName;
    QDate birthDate;
    int gender = 0; ///< 0 female, 1 male
    QString partnerFullName;
    QString partnerShortName;
    QDate partnerBirthDate;
    QDate petBirthDate;
    QString petName;
    QVector<int> fullMarks;
    QVector<int> shortMarks;
    QVector<int> partnerFullMarks;
    QVector<int> partnerShortMarks;
    bool chaldean = false;

    /** Same person for the recent list: names, birth dates and partner. */
    bool samePerson(const PersonRecord &o) const;
};

/** Field counts of the two line forms a person file may hold. */
enum : int { kPersonFieldsOld = 10, kPersonFieldsNew = 15 };

/** Removes every comma, then trims and collapses inner whitespace. */
QString personFileName(const QString &name);

/** Writes the fifteen-field line of @p p; @p forecast fills field 9. */
QString personToLine(const PersonRecord &p, const QDate &forecast);

/**
 * Builds a record from the comma-split fields of one line (10 or 15 of them).
 * Mark strings longer than twice their name are dropped so that the caller
 * rebuilds them. Returns false for any other field count.
 */
bool personFromFields(const QStringList &fields, PersonRecord &out);

/** Mark list as stored: one digit per entry. */
QString marksToString(const QVector<int> &marks);

/** Puts @p p at the front, removing an equal entry and keeping at most @p limit. */
void pushRecent(QList<PersonRecord> &recent, const PersonRecord &p, int limit = 7);

/** Text of a recent button: name, birth date and, if present, the partner. */
QString recentButtonText(const PersonRecord &p);
