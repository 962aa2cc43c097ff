#pragma once

#include <QDate>
#include <QString>

class CelebrityTable;

/** The numbers a celebrity record carries, as the engine computes them. */
struct CelebrityNumbers
{
    int lifePath = 0;
    int birthDay = 0;   ///< the birthday number (the reduced day of birth)
    int expression = 0;
};

/**
 * Computes a celebrity's life path, birthday number and expression with the
 * engine under the default calculator settings (Pythagorean, master numbers
 * 11, 22, 33), from the full name as listed, cleaned as typed names are.
 * The process-wide calculator flags are left as they were.
 */
CelebrityNumbers computeCelebrityNumbers(const QString &name, const QDate &born);

/** Copies the loaded celebrity database into the engine's table (all 256 records). */
void fillCelebrityTable(CelebrityTable &table);
