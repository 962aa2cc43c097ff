#pragma once

#include "chartedit/commandsupport.h"

#include <QList>
#include <QPair>
#include <QUndoCommand>
#include <QVector>

class ChartDocument;
class ChartItem;
class ChartPage;

/**
 * Deleting frame items (with their contents) from a page. The block
 * references left on the page are renumbered 0, 1, 2, ... in the sequence of
 * their orders; undo puts the items back at their places and the old orders
 * back on the references.
 */
class CDeleteItemsCommand : public QUndoCommand
{
public:
    CDeleteItemsCommand(ChartDocument *doc, ChartPage *page, const QList<ChartItem *> &frames,
                        const QString &text = QStringLiteral("Delete"),
                        QUndoCommand *parent = nullptr);
    ~CDeleteItemsCommand() override;

    void undo() override;
    void redo() override;

private:
    ChartDocument *m_doc;
    ChartPage *m_page;
    commandsupport::HeldItems m_items;
    QVector<QPair<ChartItem *, int>> m_ordersBefore;
};
