#include "chartedit/cpagelistcommand.h"

#include "chartedit/charteditsession.h"

CPageListCommand::CPageListCommand(ChartEditSession *session, const QString &text,
                                   QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_doc(session->document())
{
}

CPageListCommand::~CPageListCommand() = default;

bool CPageListCommand::insertPage()
{
    if (!m_held)
        return false;
    commandsupport::putPage(*m_doc, m_slot, m_slot.index, std::move(m_held));
    return true;
}

bool CPageListCommand::removePage()
{
    m_held = commandsupport::takePage(*m_doc, m_slot, m_page, &m_slot.index);
    return bool(m_held);
}
