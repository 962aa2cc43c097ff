#pragma once

#include "reports/creportwriter.h"

class CCompNumerology;
class CNumerology;
class CNumerologyPMatrix;
class CReportLayout;

/**
 * The love compatibility report of two computed people: an overview table of
 * the percentages, then the life path, birthday, name, psychomatrix, family,
 * character, energy and carnal-interest sections with their texts.
 *
 * Usage: build(a, b, matrixA, matrixB, compat, layout) then document().
 */
class CCompatibilityReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CCompatibilityReport(QObject *parent = nullptr);

    /**
     * Writes the report for person @p a and partner @p b, whose profiles,
     * matrices and compatibility (@p c, from CCompNumerology::calculate) are
     * computed. @p layout nullptr selects the built-in form. Always succeeds.
     */
    bool build(const CNumerology &a, const CNumerology &b, const CNumerologyPMatrix &matrixA,
               const CNumerologyPMatrix &matrixB, const CCompNumerology &c,
               const CReportLayout *layout = nullptr);

    /** The overview table of the percentages. */
    static QString overviewTable(const CNumerology &a, const CNumerology &b, const CNumerologyPMatrix &matrixA,
                                 const CNumerologyPMatrix &matrixB, const CCompNumerology &c);

private:
    struct Section
    {
        bool known = false;
        QString title;
        QString summary;   ///< lines printed before the texts
        QString intro;     ///< entry 0 where the field has one
        QString body;      ///< the value's entry
        int valueIndex = -1;
        QString picture;
        QString rawHtml;   ///< tables printed after the heading
    };
    Section section(int id, bool layoutForm) const;

    const CNumerology *m_a = nullptr;
    const CNumerology *m_b = nullptr;
    const CNumerologyPMatrix *m_ma = nullptr;
    const CNumerologyPMatrix *m_mb = nullptr;
    const CCompNumerology *m_c = nullptr;
};
