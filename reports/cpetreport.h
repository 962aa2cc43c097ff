#pragma once

#include "reports/creportwriter.h"

#include <QDate>

class CNumerology;
class CReportLayout;

/**
 * The pet report: the pet number with its text and a day forecast.
 *
 * Usage: after CNumerology::calculatePet, build(engine, petName, forecastDate,
 * layout) then document(). A pet name without countable letters is refused
 * with "Error! Incorrect pet name!".
 */
class CPetReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CPetReport(QObject *parent = nullptr);

    bool build(const CNumerology &pet, const QString &petName, const QDate &forecastDate,
               const CReportLayout *layout = nullptr);

private:
    void writeHead(const CNumerology &pet, const QString &petName, const CReportFieldItem *item);
};
