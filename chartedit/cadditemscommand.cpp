#include "chartedit/cadditemscommand.h"

CAddItemsCommand::CAddItemsCommand(ChartEditSession *session, ChartPage *page,
                                   std::vector<std::unique_ptr<ChartItem>> added,
                                   const QString &text, QUndoCommand *parent)
    : CItemListCommand(session, page, text, parent)
{
    m_items.hold(std::move(added));
    if (!page || m_items.isEmpty())
        setObsolete(true);
}
