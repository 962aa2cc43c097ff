#pragma once

#include "chart/chartdocument.h"

#include <memory>
#include <vector>

/** Small pieces shared by the undo commands of the chart designer. */
namespace commandsupport {

/** Puts @p item back at @p index of the page (at the end when the index is past it). */
void insertItem(ChartPage &page, int index, std::unique_ptr<ChartItem> item);

/** Reorders @p list to @p order; entries missing from @p order keep their relative place at the end. */
void applyOrder(std::vector<std::unique_ptr<ChartPage>> &list, const QList<ChartPage *> &order);
void applyOrder(std::vector<std::unique_ptr<ChartItem>> &list, const QList<ChartItem *> &order);

/** The block references of @p page with their orders, to restore them after renumbering. */
QVector<QPair<ChartItem *, int>> referenceOrders(const ChartPage &page);
void restoreOrders(const QVector<QPair<ChartItem *, int>> &orders);

/** Where a page or block sits in the document. */
struct PageSlot {
    int set = -1;   ///< page set index, -1 for blocks
    int index = -1; ///< index in the set or in the blocks, -1 when not found
};
PageSlot findPage(const ChartDocument &doc, const ChartPage *page);

/** The document's list that @p slot names, or null. */
ChartPageList *pageList(ChartDocument &doc, const PageSlot &slot);

/** Makes the first page of the first set current when the current page is @p gone. */
void leavePage(ChartDocument &doc, const ChartPage *gone);

} // namespace commandsupport
