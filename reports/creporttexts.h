#pragma once

#include <QString>

/**
 * Where the report writers take their interpretation texts from: a text by
 * section code and index (the celebrity texts 602..604 by celebrity index
 * 0..199) and the global custom text. The program uses store(), which reads
 * the process-wide tables loaded from "eng.dat"; tests may supply their own.
 */
class CReportTexts
{
public:
    virtual ~CReportTexts();

    /** Entry @p index of table @p section; empty when absent. */
    virtual QString text(int section, int index) const = 0;
    /** The custom text printed by the "Custom Text" fields. */
    virtual QString customText() const = 0;

    /** The process-wide interpretation tables. */
    static const CReportTexts &store();
};
