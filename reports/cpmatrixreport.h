#pragma once

#include "reports/creportwriter.h"

#include <QDate>

class CNumerologyPMatrix;
class CReportLayout;

/**
 * The psychomatrix report: the nine cells and eight lines of a birth date's
 * square, each with the interpretation text of its count or sum.
 *
 * Usage: build(matrix, fullName, shortName, layout) then document().
 */
class CPMatrixReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CPMatrixReport(QObject *parent = nullptr);

    /**
     * Writes the report of @p matrix (computed by CNumerologyPMatrix::calculate)
     * for the person named @p fullName / @p shortName. @p layout nullptr
     * selects the built-in form. Always succeeds.
     */
    bool build(const CNumerologyPMatrix &matrix, const QString &fullName, const QString &shortName,
               const CReportLayout *layout = nullptr);

    /** The 3 x 3 square as an HTML table (digits repeated by their count, "-" for none). */
    static QString squareTable(const CNumerologyPMatrix &matrix, const QString &caption = QString());
    /** Picture of section code 1..17 ("res16.jpg" ... "res32.jpg"). */
    static QString pictureFor(int code);
    /** Interpretation table of section code 1..17. */
    static int tableFor(int code);

private:
    void writeHead(const CNumerologyPMatrix &m, const QString &fullName, const QString &shortName,
                   const CReportFieldItem *item, const QVector<int> &codes);
};
