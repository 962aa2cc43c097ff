#pragma once

#include "chartedit/citemlistcommand.h"

#include <QPair>
#include <QVector>

/**
 * Deleting frame items (with their contents) from a page. The block
 * references left on the page are renumbered 0, 1, 2, ... in the sequence of
 * their orders; undo puts the items back at their places and the old orders
 * back on the references.
 */
class CDeleteItemsCommand : public CItemListCommand
{
public:
    CDeleteItemsCommand(ChartEditSession *session, ChartPage *page,
                        const QList<ChartItem *> &frames,
                        const QString &text = QStringLiteral("Delete"),
                        QUndoCommand *parent = nullptr);

    void undo() override { insertItems(); }
    void redo() override { removeItems(); }

protected:
    void afterRemove() override;
    void beforeInsert() override;

private:
    QVector<QPair<ChartItem *, int>> m_ordersBefore;
};
