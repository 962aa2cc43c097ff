#pragma once

#include "chart/chartprofile.h"

#include <QByteArray>
#include <QList>

class ChartDocument;

/**
 * The pages that renderChart() walks for @p records, as a PDF in memory: one
 * PDF page per page drawn, each of its chart page's size (a quarter millimetre
 * per unit), drawn as vectors in print form. @p pageCount receives the number
 * of pages. Empty when nothing is drawn (no pages, no records).
 */
QByteArray chartPdf(const QList<ChartProfile> &records, const ChartDocument &doc,
                    int *pageCount = nullptr);
