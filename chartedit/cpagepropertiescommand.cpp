#include "chartedit/cpagepropertiescommand.h"

#include "chart/chartdocument.h"

CPagePropertiesCommand::CPagePropertiesCommand(ChartDocument *doc, ChartPage *page,
                                               const ChartPageState &before,
                                               const QString &titleBefore, const QString &text,
                                               QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page), m_before(before),
      m_after(ChartPageState::capture(*page)), m_titleBefore(titleBefore),
      m_titleAfter(doc->title)
{
}

void CPagePropertiesCommand::undo()
{
    m_before.apply(*m_page);
    m_doc->title = m_titleBefore;
    m_doc->notifyChanged();
}

void CPagePropertiesCommand::redo()
{
    // A dialog closed with OK but nothing changed is no undo step.
    if (m_before == m_after && m_titleBefore == m_titleAfter) {
        setObsolete(true);
        return;
    }
    m_after.apply(*m_page);
    m_doc->title = m_titleAfter;
    m_doc->notifyChanged();
}
