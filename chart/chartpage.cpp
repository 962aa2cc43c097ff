#include "chart/chartpage.h"

#include <atomic>

namespace {
std::atomic<quint64> g_nextPageId{1};
}

ChartPage::ChartPage() : m_id(g_nextPageId++) {}

ChartItem *ChartPage::addItem(std::unique_ptr<ChartItem> frame)
{
    items.push_back(std::move(frame));
    return items.back().get();
}

std::unique_ptr<ChartItem> ChartPage::takeItem(int index)
{
    if (index < 0 || index >= int(items.size()))
        return nullptr;
    std::unique_ptr<ChartItem> item = std::move(items[size_t(index)]);
    items.erase(items.begin() + index);
    return item;
}

int ChartPage::indexOf(const ChartItem *frame) const
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].get() == frame)
            return int(i);
    }
    return -1;
}

bool ChartPage::isRecordBound() const
{
    for (const auto &frame : items) {
        const ChartItem *c = frame->content.get();
        if (c && (c->kind == ChartItem::KindTransient || c->kind == ChartItem::KindStockImage ||
                  c->kind == ChartItem::KindBarcode))
            return true;
    }
    return false;
}

QList<ChartItem *> ChartPage::blockReferences() const
{
    QList<ChartItem *> refs;
    for (const auto &frame : items) {
        if (frame->content && frame->content->kind == ChartItem::KindBlockReference)
            refs << frame->content.get();
    }
    return refs;
}
