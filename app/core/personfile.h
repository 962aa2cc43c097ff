#pragma once

#include "app/core/personrecord.h"

/** Outcome of reading a person file. */
enum class PersonFileStatus { Ok, CantOpen, WrongFormat };

/** What a person file held. */
struct PersonFileContent {
    int firstLineFields = 0;      ///< 10 (old form) or 15
    QList<PersonRecord> records;  ///< first line only, or every 15-field line
};

/**
 * Reads a person file. With @p wholeList (the auto-saved recent list) every
 * line of exactly 15 fields becomes a record when the first line has 15;
 * otherwise only the first line is used. Files above a few megabytes are not
 * person files and are refused as WrongFormat.
 */
PersonFileStatus readPersonFile(const QString &path, bool wholeList, PersonFileContent &out);

/** Writes records one per line ("\n" between, none after the last), atomically. */
bool writePersonFile(const QString &path, const QList<PersonRecord> &records,
                     const QDate &forecast);
