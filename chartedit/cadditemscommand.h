#pragma once

#include "chartedit/citemlistcommand.h"

#include <memory>
#include <vector>

/**
 * Adding new frame items to a page. The command owns the items until its
 * redo() puts them on top of the page; undo takes the same objects off again.
 */
class CAddItemsCommand : public CItemListCommand
{
public:
    CAddItemsCommand(ChartEditSession *session, ChartPage *page,
                     std::vector<std::unique_ptr<ChartItem>> added,
                     const QString &text = QStringLiteral("Add Item"),
                     QUndoCommand *parent = nullptr);

    void undo() override { removeItems(); }
    void redo() override { insertItems(); }
};
