#pragma once

#include <QPair>
#include "chartedit/cpagelistcommand.h"
#include <QVector>

#include <memory>
#include <vector>

class ChartItem;
class ChartPage;

/**
 * Deleting a page or a block. The last page of the first page set is never
 * deleted (the command then does nothing and drops out). Deleting a block
 * also removes every reference to it from the pages and renumbers the
 * references left on those pages. A current page that goes makes the first
 * page current. Undo restores the page, its place and the references.
 */
class CDeletePageCommand : public CPageListCommand
{
public:
    CDeletePageCommand(ChartEditSession *session, ChartPage *page,
                       const QString &text = QStringLiteral("Delete Page"),
                       QUndoCommand *parent = nullptr);
    ~CDeletePageCommand() override;

    void undo() override;
    void redo() override;

private:
    struct RemovedReference {
        ChartPage *page = nullptr;
        int index = -1;
        std::unique_ptr<ChartItem> frame;
    };
    void removeReferences();

    ChartPage *m_currentBefore = nullptr;
    std::vector<RemovedReference> m_references; ///< in removal order
    QVector<QPair<ChartItem *, int>> m_ordersBefore;
};
