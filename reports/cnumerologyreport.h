#pragma once

#include "reports/creportwriter.h"

#include <QVector>

class CNumerology;
class CReportLayout;

/**
 * The numerology report of one computed profile (Western or Chaldean): the
 * head with the summary and the chart tables, then every number section with
 * its interpretation texts. Without a layout the built-in form is written;
 * with one, the fields, order, styles and pictures of its numerology list.
 *
 * Usage: build(profile, layout) then document().
 */
class CNumerologyReport : public CReportWriter
{
    Q_OBJECT
public:
    explicit CNumerologyReport(QObject *parent = nullptr);

    /**
     * Writes the report of @p num, a profile computed by CNumerology::calculate.
     * @p layout nullptr selects the built-in form. @p shortName is the short
     * name as the user typed it (the profile keeps it upper-cased); empty
     * uses the profile's. Returns false, leaving the previous document alone,
     * when the names hold no countable letters (lastError() tells).
     */
    bool build(const CNumerology &num, const CReportLayout *layout = nullptr,
               const QString &shortName = QString());

    /** False when a number the report needs is 0: the names hold no countable letters. */
    static bool namesValid(const CNumerology &num);

    /** Age at the target date, as the transit and essence sections use it. */
    static int ageAtTarget(const CNumerology &num);

private:
    struct Part
    {
        QString heading;
        QString prefix;
        QString body;
        int valueIndex = 0;
    };
    struct Section
    {
        bool present = false;
        QString title;       ///< title of the built-in form
        QString numberText;  ///< value shown after the title
        QString picture;     ///< picture file, empty for none
        QString intro;       ///< entry 0
        QString body;        ///< the value's entry (single-value fields)
        int valueIndex = -1; ///< index of the value (layout custom texts)
        bool multi = false;  ///< the texts come as parts
        QVector<Part> parts;
    };

    Section section(const CNumerology &num, int id) const;
    void writeHead(const CNumerology &num, const CReportFieldItem *item, const QVector<int> &fieldIds);
    QString summary(const CNumerology &num, const QVector<int> &fieldIds, bool all) const;
    void writeBuiltInSection(const Section &s);
    void writeLayoutSection(const Section &s, const CReportFieldItem &item, bool hideAll);

    QString m_shortName;
};
