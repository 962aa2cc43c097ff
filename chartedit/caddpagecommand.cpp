#include "chartedit/caddpagecommand.h"

#include "chart/chartdocument.h"
#include "chartedit/commandsupport.h"


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
    m_held = commandsupport::takePage(*m_doc, {m_set, m_index}, m_page, &m_index);
    if (!m_held)
        return;
    commandsupport::leavePage(*m_doc, m_page);
    m_doc->notifyChanged();
}

void CAddPageCommand::redo()
{
    if (!m_held)
        return;
    commandsupport::putPage(*m_doc, {m_set, m_index}, m_index, std::move(m_held));
    m_doc->notifyChanged();
}
