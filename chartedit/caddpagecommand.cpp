#include "chartedit/caddpagecommand.h"

#include "chart/chartdocument.h"
#include "chartedit/commandsupport.h"

#include <algorithm>

CAddPageCommand::CAddPageCommand(ChartDocument *doc, ChartPage *added, const QString &text,
                                 QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_page(added)
{
    const commandsupport::PageSlot slot = commandsupport::findPage(*doc, added);
    m_set = slot.set;
    m_index = slot.index;
    if (m_index < 0)
        setObsolete(true);
}

CAddPageCommand::~CAddPageCommand() = default;

void CAddPageCommand::undo()
{
    ChartPageList *list = commandsupport::pageList(*m_doc, {m_set, m_index});
    if (!list)
        return;
    auto it = std::find_if(list->begin(), list->end(),
                           [this](const std::unique_ptr<ChartPage> &p) { return p.get() == m_page; });
    if (it == list->end())
        return;
    m_held = std::move(*it);
    list->erase(it);
    commandsupport::leavePage(*m_doc, m_page);
    m_doc->notifyChanged();
}

void CAddPageCommand::redo()
{
    if (!m_held)
        return;
    ChartPageList *list = commandsupport::pageList(*m_doc, {m_set, m_index});
    if (!list)
        return;
    const int at = std::clamp(m_index, 0, int(list->size()));
    list->insert(list->begin() + at, std::move(m_held));
    m_doc->notifyChanged();
}
