#pragma once

#include "reports/creportwriter.h"

class CelebrityTable;
class CNumerology;
class CReportLayout;

/**
 * The celebrities report: people of the celebrity database who share the
 * person's life path, day of birth or expression number, each with picture,
 * birth date (month/day/year) and text.
 *
 * Usage: build(person, table, layout) then document(). The person's match
 * lists come from CNumerology::calculateCelebrities or matchCelebrities.
 */
class CCelebritiesReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CCelebritiesReport(QObject *parent = nullptr);

    /**
     * Writes the report of @p person against @p table. @p layout nullptr
     * selects the built-in form. Celebrity pictures are taken from the
     * "doc2" folder beside the images folder. Always succeeds.
     */
    bool build(const CNumerology &person, const CelebrityTable &table, const CReportLayout *layout = nullptr,
               const QString &shortName = QString());

    /** "Ada Lovelace, 12/10/1815": the name and the month/day/year of the packed date. */
    static QString celebrityHeading(const QString &name, int packedDate);

private:
    void writeHead(const CNumerology &person, const QString &shortName, const CReportFieldItem *item);
    void writeMatches(int list, const CNumerology &person, const CelebrityTable &table, bool pictures);
    QString celebrityFolder() const;
};
