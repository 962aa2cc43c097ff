#include "chartedit/cdeleteitemscommand.h"

#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/commandsupport.h"

#include <algorithm>

CDeleteItemsCommand::CDeleteItemsCommand(ChartDocument *doc, ChartPage *page,
                                         const QList<ChartItem *> &frames, const QString &text,
                                         QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page)
{
    for (ChartItem *item : frames) {
        const int index = page ? page->indexOf(item) : -1;
        const bool twice = std::any_of(m_entries.begin(), m_entries.end(),
                                       [item](const Entry &e) { return e.item == item; });
        if (index >= 0 && !twice)
            m_entries.push_back({item, index, nullptr});
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry &a, const Entry &b) { return a.index < b.index; });
    if (m_entries.empty())
        setObsolete(true);
}

CDeleteItemsCommand::~CDeleteItemsCommand() = default;

void CDeleteItemsCommand::redo()
{
    if (m_entries.empty())
        return;
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        it->held = m_page->takeItem(m_page->indexOf(it->item));
        if (it->held)
            it->held->selected = false;
    }
    m_ordersBefore = commandsupport::referenceOrders(*m_page);
    canvasgeometry::renumberBlockOrders(*m_page);
    m_doc->notifyChanged();
}

void CDeleteItemsCommand::undo()
{
    commandsupport::restoreOrders(m_ordersBefore);
    for (auto &entry : m_entries) {
        if (entry.held)
            commandsupport::insertItem(*m_page, entry.index, std::move(entry.held));
    }
    m_doc->notifyChanged();
}
