#pragma once

#include <QList>
#include <QPair>
#include <QUndoCommand>
#include <QVector>

#include <memory>
#include <vector>

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
    struct Entry {
        ChartItem *item = nullptr;
        int index = -1;
        std::unique_ptr<ChartItem> held;
    };
    ChartDocument *m_doc;
    ChartPage *m_page;
    std::vector<Entry> m_entries; ///< ascending page index
    QVector<QPair<ChartItem *, int>> m_ordersBefore;
};
