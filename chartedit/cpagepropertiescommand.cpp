#include "chartedit/cpagepropertiescommand.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"

CPagePropertiesCommand::CPagePropertiesCommand(ChartEditSession *session, ChartPage *page,
                                               const ChartPageState &before,
                                               const QString &titleBefore, const QString &text,
                                               QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_page(page), m_before(before),
      m_after(ChartPageState::capture(*page)), m_titleBefore(titleBefore),
      m_titleAfter(session->document()->title)
{
    m_before.apply(*page);
    session->document()->title = titleBefore;
    // A dialog closed with OK but nothing changed is no undo step.
    if (m_before == m_after && m_titleBefore == m_titleAfter)
        setObsolete(true);
}

void CPagePropertiesCommand::apply(const ChartPageState &state, const QString &title)
{
    state.apply(*m_page);
    m_session->document()->title = title;
    m_session->document()->updatePreview(m_page);
    QList<ChartItem *> items;
    for (const auto &item : m_page->items)
        items << item.get();
    m_session->announceItems(m_page, items);
    m_session->announcePages();
}

void CPagePropertiesCommand::undo() { apply(m_before, m_titleBefore); }

void CPagePropertiesCommand::redo() { apply(m_after, m_titleAfter); }
