#include "chartedit/commandsupport.h"

#include <algorithm>

namespace commandsupport {

void insertItem(ChartPage &page, int index, std::unique_ptr<ChartItem> item)
{
    const int at = std::clamp(index, 0, int(page.items.size()));
    page.items.insert(page.items.begin() + at, std::move(item));
}

template <typename T>
static void reorder(std::vector<std::unique_ptr<T>> &list, const QList<T *> &order)
{
    std::vector<std::unique_ptr<T>> sorted;
    sorted.reserve(list.size());
    for (T *wanted : order) {
        auto it = std::find_if(list.begin(), list.end(),
                               [wanted](const std::unique_ptr<T> &p) { return p.get() == wanted; });
        if (it != list.end() && *it) {
            sorted.push_back(std::move(*it));
        }
    }
    for (auto &rest : list) {
        if (rest)
            sorted.push_back(std::move(rest));
    }
    list = std::move(sorted);
}

void HeldItems::record(const ChartPage &page, const QList<ChartItem *> &frames)
{
    for (ChartItem *item : frames) {
        const int index = page.indexOf(item);
        const bool twice = std::any_of(m_entries.begin(), m_entries.end(),
                                       [item](const Entry &e) { return e.item == item; });
        if (index >= 0 && !twice)
            m_entries.push_back({item, index, nullptr});
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry &a, const Entry &b) { return a.index < b.index; });
}

void HeldItems::hold(std::vector<std::unique_ptr<ChartItem>> items)
{
    for (auto &item : items) {
        if (item) {
            ChartItem *raw = item.get();
            m_entries.push_back({raw, -1, std::move(item)});
        }
    }
}

QList<ChartItem *> HeldItems::items() const
{
    QList<ChartItem *> list;
    for (const auto &entry : m_entries)
        list << entry.item;
    return list;
}

void HeldItems::takeOut(ChartPage &page)
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        const int index = page.indexOf(it->item);
        if (index < 0)
            continue;
        it->index = index;
        it->held = page.takeItem(index);
    }
}

bool HeldItems::putBack(ChartPage &page)
{
    bool any = false;
    for (auto &entry : m_entries) {
        if (entry.held) {
            if (entry.index < 0)
                entry.index = int(page.items.size());
            insertItem(page, entry.index, std::move(entry.held));
            any = true;
        }
    }
    return any;
}

std::unique_ptr<ChartPage> takePage(ChartDocument &doc, const PageSlot &slot,
                                    const ChartPage *page, int *index)
{
    ChartPageList *list = pageList(doc, slot);
    if (!list)
        return nullptr;
    auto it = std::find_if(list->begin(), list->end(),
                           [page](const std::unique_ptr<ChartPage> &p) { return p.get() == page; });
    if (it == list->end())
        return nullptr;
    *index = int(it - list->begin());
    std::unique_ptr<ChartPage> taken = std::move(*it);
    list->erase(it);
    return taken;
}

void putPage(ChartDocument &doc, const PageSlot &slot, int index, std::unique_ptr<ChartPage> page)
{
    ChartPageList *list = pageList(doc, slot);
    if (!list || !page)
        return;
    const int at = std::clamp(index, 0, int(list->size()));
    list->insert(list->begin() + at, std::move(page));
}

void applyOrder(std::vector<std::unique_ptr<ChartPage>> &list, const QList<ChartPage *> &order)
{
    reorder(list, order);
}

void applyOrder(std::vector<std::unique_ptr<ChartItem>> &list, const QList<ChartItem *> &order)
{
    reorder(list, order);
}

QVector<QPair<ChartItem *, int>> referenceOrders(const ChartPage &page)
{
    QVector<QPair<ChartItem *, int>> orders;
    for (ChartItem *ref : page.blockReferences())
        orders.append({ref, ref->order});
    return orders;
}

void restoreOrders(const QVector<QPair<ChartItem *, int>> &orders)
{
    for (const auto &entry : orders)
        entry.first->order = entry.second;
}

PageSlot findPage(const ChartDocument &doc, const ChartPage *page)
{
    for (size_t s = 0; s < doc.pageSets.size(); ++s) {
        const ChartPageList &set = doc.pageSets[s];
        for (size_t i = 0; i < set.size(); ++i) {
            if (set[i].get() == page)
                return {int(s), int(i)};
        }
    }
    const int block = doc.blockIndex(page);
    return block >= 0 ? PageSlot{-1, block} : PageSlot{};
}

ChartPage *pageOf(const ChartDocument &doc, const ChartItem *frame)
{
    QList<ChartPage *> pages = doc.allPages();
    for (const auto &block : doc.blocks)
        pages << block.get();
    for (ChartPage *page : pages) {
        if (page->indexOf(frame) >= 0)
            return page;
    }
    return nullptr;
}

ChartPageList *pageList(ChartDocument &doc, const PageSlot &slot)
{
    if (slot.set < 0)
        return &doc.blocks;
    if (slot.set < int(doc.pageSets.size()))
        return &doc.pageSets[size_t(slot.set)];
    return nullptr;
}

} // namespace commandsupport
