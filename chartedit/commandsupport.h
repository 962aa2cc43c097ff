#pragma once

#include "chart/chartdocument.h"

#include <QList>

#include <memory>
#include <vector>

/** Small pieces shared by the undo commands of the chart designer. */
namespace commandsupport {

/**
 * Frame items of one page that a command takes off the page and puts back:
 * each remembers its index, so putting them back (lowest index first)
 * restores the stacking exactly.
 */
class HeldItems
{
public:
    /** Records the items of @p frames that are on @p page, each once. */
    void record(const ChartPage &page, const QList<ChartItem *> &frames);
    /** Holds new items, not yet on any page; putBack() appends them in this order. */
    void hold(std::vector<std::unique_ptr<ChartItem>> items);
    /** The items, held or on the page, in ascending page index. */
    QList<ChartItem *> items() const;
    bool isEmpty() const { return m_entries.empty(); }
    /** Takes the items off the page (highest index first). */
    void takeOut(ChartPage &page);
    /** Puts the held items back at their indexes. */
    bool putBack(ChartPage &page);

private:
    struct Entry {
        ChartItem *item = nullptr;
        int index = -1; ///< -1: append
        std::unique_ptr<ChartItem> held;
    };
    std::vector<Entry> m_entries; ///< ascending page index
};

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

/** The page or block that holds the frame item @p frame, or null. */
ChartPage *pageOf(const ChartDocument &doc, const ChartItem *frame);

/** The document's list that @p slot names, or null. */
ChartPageList *pageList(ChartDocument &doc, const PageSlot &slot);

/** Takes @p page out of the list that @p slot names; null when it is not there. */
std::unique_ptr<ChartPage> takePage(ChartDocument &doc, const PageSlot &slot,
                                    const ChartPage *page, int *index);
/** Puts @p page back at @p index of the list that @p slot names. */
void putPage(ChartDocument &doc, const PageSlot &slot, int index,
             std::unique_ptr<ChartPage> page);

} // namespace commandsupport
