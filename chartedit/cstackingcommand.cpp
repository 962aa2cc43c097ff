#include "chartedit/cstackingcommand.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"
#include "chartedit/commandsupport.h"

namespace {
QList<ChartItem *> currentOrder(const ChartPage &page)
{
    QList<ChartItem *> order;
    for (const auto &item : page.items)
        order << item.get();
    return order;
}
} // namespace

CStackingCommand::CStackingCommand(ChartEditSession *session, ChartPage *page,
                                   const QList<ChartItem *> &newOrder, const QString &text,
                                   QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_page(page), m_before(currentOrder(*page)),
      m_after(newOrder)
{
    if (m_before == m_after)
        setObsolete(true);
}

QList<ChartItem *> CStackingCommand::frontOrder(const ChartPage &page,
                                                const QList<ChartItem *> &selected)
{
    QList<ChartItem *> order = currentOrder(page);
    for (ChartItem *item : selected) {
        if (order.removeOne(item))
            order.append(item);
    }
    return order;
}

QList<ChartItem *> CStackingCommand::backOrder(const ChartPage &page,
                                               const QList<ChartItem *> &selected)
{
    QList<ChartItem *> order = currentOrder(page);
    for (ChartItem *item : selected) {
        if (order.removeOne(item))
            order.prepend(item);
    }
    return order;
}

void CStackingCommand::apply(const QList<ChartItem *> &order)
{
    commandsupport::applyOrder(m_page->items, order);
    m_session->announceItems(m_page, order);
}

void CStackingCommand::undo() { apply(m_before); }

void CStackingCommand::redo() { apply(m_after); }
