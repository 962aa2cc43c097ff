#pragma once

#include "chartedit/cpagelistcommand.h"

/**
 * Adding a page (at the end of the first page set) or a block (at the end of
 * the blocks). The command owns the new page until redo() puts it in; undo
 * takes the same page out again.
 */
class CAddPageCommand : public CPageListCommand
{
public:
    CAddPageCommand(ChartEditSession *session, std::unique_ptr<ChartPage> added, bool block,
                    const QString &text = QStringLiteral("Add Page"),
                    QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;
};
