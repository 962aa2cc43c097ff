#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class TextSourceSet;

/** The three numbers a celebrity record carries. */
struct CelebrityRecordNumbers
{
    int lifePath = 0;
    int birthDay = 0;
    int expression = 0;
};

/** Computes a celebrity's numbers from the name as listed and the birth date. */
using CelebrityNumberFunction = std::function<CelebrityRecordNumbers(const QString &name, const QDate &born)>;

/**
 * Turns parsed sources into the scrambled data file, one header line "#CCCII"
 * before each entry's paragraphs, entries in section and index order. The
 * celebrity records become the record lines of 601/611 and the texts of
 * 602..604/612..614. Returns an empty array and fills @p errors on failure.
 */
QByteArray compileDataFile(const TextSourceSet &sources, const CelebrityNumberFunction &numbers, QStringList *errors);

/**
 * Turns a data file back into source text (UTF-8), with [guide:S.P] headers
 * for the guide codes and [celebrity] records for the celebrity sections.
 * What the source form cannot carry is listed in @p warnings. Returns an
 * empty array when the file cannot be opened.
 */
QByteArray decompileDataFile(const QString &path, QStringList *warnings);
