#pragma once

#include "chartedit/commandsupport.h"

#include <QUndoCommand>

#include <memory>

class ChartEditSession;

/**
 * Base of the commands that put a page or block into the document or take it
 * out: the command holds the page while it is out and puts it back where it was.
 */
class CPageListCommand : public QUndoCommand
{
public:
    ~CPageListCommand() override;

    ChartPage *page() const { return m_page; }

protected:
    CPageListCommand(ChartEditSession *session, const QString &text, QUndoCommand *parent);

    /** Puts the held page back at its place; false when there was none to put. */
    bool insertPage();
    /** Takes the page out and holds it; false when it was not in the document. */
    bool removePage();

    ChartEditSession *m_session;
    ChartDocument *m_doc;
    ChartPage *m_page = nullptr;
    commandsupport::PageSlot m_slot;
    std::unique_ptr<ChartPage> m_held;
};
