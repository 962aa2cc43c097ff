#include "chartedit/cadditemscommand.h"

#include "chart/chartdocument.h"
#include "chartedit/commandsupport.h"

#include <algorithm>

CAddItemsCommand::CAddItemsCommand(ChartDocument *doc, ChartPage *page,
                                   const QList<ChartItem *> &added, const QString &text,
                                   QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(page)
{
    for (ChartItem *item : added) {
        const int index = page ? page->indexOf(item) : -1;
        if (index >= 0)
            m_entries.push_back({item, index, nullptr});
    }
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Entry &a, const Entry &b) { return a.index < b.index; });
    if (m_entries.empty())
        setObsolete(true);
}

CAddItemsCommand::~CAddItemsCommand() = default;

void CAddItemsCommand::undo()
{
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        it->held = m_page->takeItem(m_page->indexOf(it->item));
        if (it->held)
            it->held->selected = false;
    }
    m_doc->notifyChanged();
}

void CAddItemsCommand::redo()
{
    bool changed = false;
    for (auto &entry : m_entries) {
        if (entry.held) {
            commandsupport::insertItem(*m_page, entry.index, std::move(entry.held));
            changed = true;
        }
    }
    if (changed)
        m_doc->notifyChanged();
}
