#include "chartedit/cdeleteitemscommand.h"

#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/commandsupport.h"


CDeleteItemsCommand::CDeleteItemsCommand(ChartDocument *doc, ChartPage *page,
                                         const QList<ChartItem *> &frames, const QString &text,
                                         QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page)
{
    if (page)
        m_items.record(*page, frames);
    if (m_items.isEmpty())
        setObsolete(true);
}

CDeleteItemsCommand::~CDeleteItemsCommand() = default;

void CDeleteItemsCommand::redo()
{
    m_items.takeOut(*m_page);
    m_ordersBefore = commandsupport::referenceOrders(*m_page);
    canvasgeometry::renumberBlockOrders(*m_page);
    m_doc->notifyChanged();
}

void CDeleteItemsCommand::undo()
{
    commandsupport::restoreOrders(m_ordersBefore);
    m_items.putBack(*m_page);
    m_doc->notifyChanged();
}
