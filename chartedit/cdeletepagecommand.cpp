#include "chartedit/cdeletepagecommand.h"

#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/charteditsession.h"
#include "chartedit/commandsupport.h"


CDeletePageCommand::CDeletePageCommand(ChartEditSession *session, ChartPage *page,
                                       const QString &text, QUndoCommand *parent)
    : CPageListCommand(session, text, parent)
{
    m_page = page;
    m_slot = commandsupport::findPage(*m_doc, page);
    const bool lastPage = m_slot.set == 0 && m_doc->pageSets.front().size() <= 1;
    if (m_slot.index < 0 || lastPage)
        setObsolete(true);
}

CDeletePageCommand::~CDeletePageCommand() = default;

void CDeletePageCommand::removeReferences()
{
    const QString id = QString::number(m_page->id());
    QList<ChartPage *> pages = m_doc->allPages();
    for (auto &block : m_doc->blocks)
        pages << block.get();
    for (ChartPage *page : pages) {
        bool touched = false;
        for (int i = int(page->items.size()) - 1; i >= 0; --i) {
            const ChartItem *content = page->items[size_t(i)]->content.get();
            if (!content || content->kind != ChartItem::KindBlockReference)
                continue;
            if (content->linkedBlock != m_page && content->fieldCode != id)
                continue;
            if (!touched)
                m_ordersBefore += commandsupport::referenceOrders(*page);
            touched = true;
            m_references.push_back({page, i, page->takeItem(i)});
        }
        if (touched) {
            canvasgeometry::renumberBlockOrders(*page);
            m_session->announceItems(page, {});
        }
    }
}

void CDeletePageCommand::redo()
{
    if (m_slot.index < 0)
        return;
    m_currentBefore = m_session->currentPage();
    if (!removePage())
        return;
    m_references.clear();
    m_ordersBefore.clear();
    if (m_slot.set < 0)
        removeReferences();
    m_session->announcePages();
}

void CDeletePageCommand::undo()
{
    if (!insertPage())
        return;
    // Removed last first, so every reference returns to the index it had.
    for (auto it = m_references.rbegin(); it != m_references.rend(); ++it)
        commandsupport::insertItem(*it->page, it->index, std::move(it->frame));
    m_references.clear();
    commandsupport::restoreOrders(m_ordersBefore);
    m_session->announcePages();
    m_session->setCurrentPage(m_currentBefore);
}
