#pragma once

#include <QDate>
#include <QString>
#include <QVector>

/**
 * The psychomatrix (3 x 3 square of digits) of one birth date: digit counts in
 * `cells` (entry 0 counts zeros and is not shown) and the eight line sums in
 * `lines`, in the order 1-2-3, 4-5-6, 7-8-9, 1-4-7, 2-5-8, 3-6-9, 1-5-9, 3-5-7.
 * Section codes 1..9 name the cells, 10..17 the lines (see sectionLabel()).
 */
class CNumerologyPMatrix
{
public:
    enum Line { Line123 = 0, Line456, Line789, Line147, Line258, Line369, Line159, Line357 };

    int cells[10] = {};
    int lines[8] = {};
    QString summary;  ///< label + value + "<br />\r\n" per active section 1..17
    QString name;     ///< the person's name (used only for titles)
    QDate birthDate;
    int workingNumbers[4] = {}; ///< N1..N4 (N3 and N4 may be negative)

    CNumerologyPMatrix();

    /**
     * Computes cells, lines and the summary over the default section list
     * (codes 0..18). False for an invalid date (everything stays reset).
     */
    bool calculate(const QString &name, const QDate &birthDate);
    /** The same with an explicit section list (from a report layout). */
    bool calculate(const QString &name, const QDate &birthDate, const QVector<int> &sectionCodes);

    /** Sets cells, lines and the working numbers to 0 and clears the summary. */
    void reset();

    /** Label of section code 1..17, e.g. "Character (1) - "; empty otherwise. */
    static QString sectionLabel(int code);
    /** Count (codes 1..9) or line sum (10..17) of a section; 0 otherwise. */
    int sectionValue(int code) const;
    /** Text level of a count: min(count + 1, 7) (entry 0 is the general text). */
    static int textLevel(int count);
    /** Codes 0..18, the list used without a layout. */
    static QVector<int> defaultSections();
    /** Appends the digits of n mod 10000, most significant first (0 gives 0, negatives one entry). */
    static void dateDigits(int n, QVector<int> &out);

private:
    void buildSummary(const QVector<int> &sectionCodes);
};
