#pragma once

#include <QDate>
#include <QString>

/** How batch input writes its dates besides YYYY-MM-DD, which is always read. */
enum class DateOrder {
    Iso, ///< YYYY-MM-DD only
    Dmy, ///< also D.M.YYYY and D/M/YYYY
    Mdy, ///< also M/D/YYYY and M.D.YYYY
};

/**
 * A batch date: YYYY-MM-DD as parseIsoDate() reads it, and with @p order Dmy or
 * Mdy also day, month and a four-digit year separated by '.' or '/' (the same
 * one twice), with one- or two-digit days and months. False with a message
 * that says what is wrong (the shape, or which part does not exist).
 */
bool parseBatchDate(const QString &text, DateOrder order, QDate *date, QString *error);
