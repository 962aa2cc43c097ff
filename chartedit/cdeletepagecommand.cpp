#include "chartedit/cdeletepagecommand.h"

#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/commandsupport.h"


CDeletePageCommand::CDeletePageCommand(ChartDocument *doc, ChartPage *page, const QString &text,
                                       QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page)
{
    const commandsupport::PageSlot slot = commandsupport::findPage(*doc, page);
    m_set = slot.set;
    m_index = slot.index;
    const bool lastPage = m_set == 0 && doc->pageSets.front().size() <= 1;
    if (m_index < 0 || lastPage)
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
        if (touched)
            canvasgeometry::renumberBlockOrders(*page);
    }
}

void CDeletePageCommand::redo()
{
    if (m_index < 0)
        return;
    m_held = commandsupport::takePage(*m_doc, {m_set, m_index}, m_page, &m_index);
    if (!m_held)
        return;
    m_references.clear();
    m_ordersBefore.clear();
    if (m_set < 0)
        removeReferences();
    m_currentBefore = m_doc->currentPage;
    commandsupport::leavePage(*m_doc, m_page);
    m_doc->notifyChanged();
}

void CDeletePageCommand::undo()
{
    if (!m_held)
        return;
    commandsupport::putPage(*m_doc, {m_set, m_index}, m_index, std::move(m_held));
    // Removed last first, so every reference returns to the index it had.
    for (auto it = m_references.rbegin(); it != m_references.rend(); ++it)
        commandsupport::insertItem(*it->page, it->index, std::move(it->frame));
    m_references.clear();
    commandsupport::restoreOrders(m_ordersBefore);
    m_doc->currentPage = m_currentBefore;
    m_doc->notifyChanged();
}
