#include "chartedit/cpageordercommand.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"
#include "chartedit/commandsupport.h"

CPageOrderCommand::CPageOrderCommand(ChartEditSession *session, bool blocks,
                                     const QList<ChartPage *> &newOrder, const QString &text,
                                     QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_doc(session->document()), m_blocks(blocks), m_after(newOrder)
{
    const ChartDocument *doc = m_doc;
    if (blocks) {
        for (const auto &block : doc->blocks)
            m_before << block.get();
    } else if (!doc->pageSets.empty()) {
        for (const auto &page : doc->pageSets.front())
            m_before << page.get();
    }
    if (m_before == m_after)
        setObsolete(true);
}

void CPageOrderCommand::apply(const QList<ChartPage *> &order)
{
    if (m_blocks) {
        commandsupport::applyOrder(m_doc->blocks, order);
        m_doc->renumberBlockReferences();
    } else if (!m_doc->pageSets.empty()) {
        commandsupport::applyOrder(m_doc->pageSets.front(), order);
    }
    m_session->announcePages();
}

void CPageOrderCommand::undo() { apply(m_before); }

void CPageOrderCommand::redo() { apply(m_after); }
