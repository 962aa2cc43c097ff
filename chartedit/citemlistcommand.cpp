#include "chartedit/citemlistcommand.h"

#include "chartedit/charteditsession.h"

CItemListCommand::CItemListCommand(ChartEditSession *session, ChartPage *page,
                                   const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_page(page)
{
}

CItemListCommand::~CItemListCommand() = default;

void CItemListCommand::insertItems()
{
    beforeInsert();
    m_items.putBack(*m_page);
    m_session->announceItems(m_page, m_items.items());
}

void CItemListCommand::removeItems()
{
    m_items.takeOut(*m_page);
    afterRemove();
    m_session->announceItems(m_page, m_items.items());
}
