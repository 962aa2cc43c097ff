#pragma once

#include "reports/creportwriter.h"

class CNumerology;

/**
 * The name advisor ("express") chart of a name or title being tried out: its
 * name number with text, the compound or double-digit number where the raw
 * sum has two digits, and the date number when a date was given. It has no
 * layout form.
 *
 * Usage: after CNumerology::calculateExpress, build(engine, name) then document().
 */
class CExpressReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CExpressReport(QObject *parent = nullptr);

    /** False (lastError()) when the name holds no countable letter. */
    bool build(const CNumerology &express, const QString &name);
};
