#pragma once

#include "chart/chartdocument.h"
#include "chart/chartprofile.h"

/** A person calculated by the engine (Anna Maria Lopez, 29 Nov 1985, target 7 Dec 2026). */
ChartProfile samplePerson(const QString &full = QStringLiteral("Anna Maria Lopez"),
                          const QString &shortName = QStringLiteral("Anna Lopez"),
                          const QDate &birth = QDate(1985, 11, 29));

/**
 * A document with two page sets, two blocks, items of every stored kind with
 * non-default values, pictures, paths and block references.
 */
void buildRichDocument(ChartDocument &doc);

/** A frame with a text content at @p x, @p y. */
ChartItem *addTextItem(ChartPage &page, const QString &code, const QString &text, double x,
                       double y);
