#pragma once

#include "chart/chartprofile.h"

#include <QImage>
#include <QList>
#include <QSize>

#include <functional>

class ChartDocument;
class ChartPage;
struct ChartDrawContext;

/**
 * Draws the chart for a list of records (persons). Pages are walked set by
 * set. For a single record every page is drawn once with that person's data
 * (block references included). For several, each page is drawn up to its
 * pageCount times (0: without limit) while records remain: a page consumes a
 * record when it holds a content of kind 5, 7 or 10; references to such
 * record-bound blocks take the following records in ascending order; a page
 * that consumed nothing is drawn once.
 *
 * The picture is the current page's size / 1.334 in pixels, four times that
 * for a requested size of 0 x 0, otherwise fitted into @p requestedSize.
 * Returns the last page drawn (a 10 x 10 white picture without a current page
 * or without records).
 */
QImage renderChart(const QList<ChartProfile> &records, const ChartDocument &doc,
                   const QSize &requestedSize);

/**
 * The walk of renderChart without drawing: @p draw gets each page to draw with
 * its person, page number and block records, and stops the walk by returning false.
 */
void walkChartPages(const QList<ChartProfile> &records, const ChartDocument &doc,
                    const std::function<bool(const ChartPage &, const ChartDrawContext &)> &draw);

/** How many pages that walk draws for @p records. */
int chartPageCount(const QList<ChartProfile> &records, const ChartDocument &doc);

/**
 * The same walk, handing each picture to @p keep as soon as it is drawn, so
 * that only one page is held at a time; returning false stops the walk.
 */
void renderChartPictures(const QList<ChartProfile> &records, const ChartDocument &doc,
                         const QSize &requestedSize,
                         const std::function<bool(const QImage &)> &keep);

/** The same walk, keeping every page drawn (at most @p maxPages of them). */
QList<QImage> renderChartPages(const QList<ChartProfile> &records, const ChartDocument &doc,
                               const QSize &requestedSize, int maxPages = 1000);

/** Pixel size of the rendered pictures of @p doc for @p requestedSize. */
QSize chartPictureSize(const ChartDocument &doc, const QSize &requestedSize);
