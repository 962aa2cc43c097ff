#pragma once

#include "chartedit/commandsupport.h"

#include <QUndoCommand>

class ChartEditSession;

/**
 * Base of the commands that put frame items on a page or take them off:
 * the items are held by the command while they are off the page, and put
 * back at the indexes they had, so the stacking is restored exactly.
 */
class CItemListCommand : public QUndoCommand
{
public:
    ~CItemListCommand() override;

    ChartPage *page() const { return m_page; }
    /** The items this command moves, bottom first. */
    QList<ChartItem *> items() const { return m_items.items(); }

protected:
    CItemListCommand(ChartEditSession *session, ChartPage *page, const QString &text,
                     QUndoCommand *parent);

    /** Puts the held items on the page and announces them. */
    void insertItems();
    /** Takes the items off the page and announces them. */
    void removeItems();
    /** Called after the items left the page (renumbering, say). */
    virtual void afterRemove() {}
    /** Called before the items return to the page. */
    virtual void beforeInsert() {}

    ChartEditSession *m_session;
    ChartPage *m_page;
    commandsupport::HeldItems m_items;
};
