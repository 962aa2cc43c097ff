#include "chartedit/caddpagecommand.h"

#include "chartedit/charteditsession.h"

CAddPageCommand::CAddPageCommand(ChartEditSession *session, std::unique_ptr<ChartPage> added,
                                 bool block, const QString &text, QUndoCommand *parent)
    : CPageListCommand(session, text, parent)
{
    m_page = added.get();
    m_held = std::move(added);
    if (!block && m_doc->pageSets.empty())
        m_doc->pageSets.emplace_back();
    m_slot.set = block ? -1 : 0;
    m_slot.index = block ? int(m_doc->blocks.size()) : int(m_doc->pageSets.front().size());
    if (!m_page)
        setObsolete(true);
}

void CAddPageCommand::undo()
{
    if (removePage())
        m_session->announcePages();
}

void CAddPageCommand::redo()
{
    if (insertPage())
        m_session->announcePages();
}
