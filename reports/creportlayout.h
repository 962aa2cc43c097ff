#pragma once

#include "reports/creportfielditem.h"

#include <QList>
#include <QMap>
#include <QString>

/**
 * A named report layout: for each of the five report kinds the ordered list
 * of fields to print, plus layout options (the hide-all-images keys and the
 * migration marks "UPDATE1"/"UPDATE2").
 */
class CReportLayout
{
public:
    CReportLayout() = default;

    /** The five built-in lists with "UPDATE1" = "TRUE", as a layout made from scratch. */
    static CReportLayout createDefault(const QString &name = QString());

    /** Field list of @p kind (an empty list for a kind outside 0..4). */
    const QList<CReportFieldItem> &fields(int kind) const;
    QList<CReportFieldItem> &fields(int kind);

    /** True when the list of @p kind holds an item with @p id. */
    bool contains(int kind, int id) const;
    /** The first item with @p id in the list of @p kind, or nullptr. */
    const CReportFieldItem *findItem(int kind, int id) const;

    /** True when the layout option hiding every picture of @p kind is "TRUE". */
    bool hidesAllImages(int kind) const;

    /**
     * Brings a layout of an older program up to date (fields added in later
     * versions); runs each step once, marked by "UPDATE1"/"UPDATE2".
     * Returns true when anything changed.
     */
    bool migrate();

    bool operator==(const CReportLayout &other) const;

    QString name;
    QList<CReportFieldItem> lists[RKCount];
    QMap<QString, QString> options;
};

/** Fills @p layout with the five built-in lists and sets "UPDATE1" = "TRUE". */
void createDefaultLayout(CReportLayout &layout);
