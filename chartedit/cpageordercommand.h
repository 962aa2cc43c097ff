#pragma once

#include <QList>
#include <QUndoCommand>

class ChartDocument;
class ChartPage;

/** Reordering the pages of the first page set, or the blocks, as dragged in their strip. */
class CPageOrderCommand : public QUndoCommand
{
public:
    /** @p newOrder holds every page of the list; @p blocks chooses the blocks. */
    CPageOrderCommand(ChartDocument *doc, bool blocks, const QList<ChartPage *> &newOrder,
                      const QString &text = QStringLiteral("Reorder"),
                      QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void apply(const QList<ChartPage *> &order);

    ChartDocument *m_doc;
    bool m_blocks;
    QList<ChartPage *> m_before;
    QList<ChartPage *> m_after;
};
