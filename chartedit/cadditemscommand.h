#pragma once

#include "chartedit/commandsupport.h"

#include <QList>
#include <QUndoCommand>

class ChartDocument;
class ChartItem;
class ChartPage;

/**
 * Adding frame items to a page. The items are created on the page first (the
 * creation helpers place them); the command adopts them, so its first redo
 * changes nothing, undo takes them off the page and keeps them, redo puts the
 * same objects back where they were.
 */
class CAddItemsCommand : public QUndoCommand
{
public:
    CAddItemsCommand(ChartDocument *doc, ChartPage *page, const QList<ChartItem *> &added,
                     const QString &text = QStringLiteral("Add Item"),
                     QUndoCommand *parent = nullptr);
    ~CAddItemsCommand() override;

    void undo() override;
    void redo() override;

private:
    ChartDocument *m_doc;
    ChartPage *m_page;
    commandsupport::HeldItems m_items;
};
