#pragma once

#include "reports/creportfielditem.h"

#include <QByteArray>
#include <QString>

/**
 * The drag form of one field of the report manager: mime type
 * "int/x-lm-item", a QDataStream (version 12) holding id, short label, report
 * kind, both fonts, both colours, default style, the three per-value lists,
 * caption and option map.
 */
namespace LmItemMime {

QString mimeType();

QByteArray encode(const CReportFieldItem &item, const QString &shortLabel);

/**
 * Reads the drag form back. Returns false for a damaged or oversized stream
 * (counts are capped before anything is allocated, each picture is measured
 * before it is decoded, and all pictures together are capped).
 */
bool decode(const QByteArray &data, CReportFieldItem *item, QString *shortLabel);

}  // namespace LmItemMime
