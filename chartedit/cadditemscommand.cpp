#include "chartedit/cadditemscommand.h"

#include "chart/chartdocument.h"

CAddItemsCommand::CAddItemsCommand(ChartDocument *doc, ChartPage *page,
                                   const QList<ChartItem *> &added, const QString &text,
                                   QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page)
{
    if (page)
        m_items.record(*page, added);
    if (m_items.isEmpty())
        setObsolete(true);
}

CAddItemsCommand::~CAddItemsCommand() = default;

void CAddItemsCommand::undo()
{
    m_items.takeOut(*m_page);
    m_doc->notifyChanged();
}

void CAddItemsCommand::redo()
{
    // The first time the items are already on the page.
    if (m_items.putBack(*m_page))
        m_doc->notifyChanged();
}
