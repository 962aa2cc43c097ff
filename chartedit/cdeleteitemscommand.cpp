#include "chartedit/cdeleteitemscommand.h"

#include "chartedit/canvasgeometry.h"

CDeleteItemsCommand::CDeleteItemsCommand(ChartEditSession *session, ChartPage *page,
                                         const QList<ChartItem *> &frames, const QString &text,
                                         QUndoCommand *parent)
    : CItemListCommand(session, page, text, parent)
{
    if (page)
        m_items.record(*page, frames);
    if (m_items.isEmpty())
        setObsolete(true);
}

void CDeleteItemsCommand::afterRemove()
{
    m_ordersBefore = commandsupport::referenceOrders(*m_page);
    canvasgeometry::renumberBlockOrders(*m_page);
}

void CDeleteItemsCommand::beforeInsert()
{
    commandsupport::restoreOrders(m_ordersBefore);
}
