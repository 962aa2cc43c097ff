#pragma once

#include <QList>
#include <QUndoCommand>

class ChartDocument;
class ChartEditSession;
class ChartPage;

/** Reordering the pages of the first page set, or the blocks, as dragged in their strip. */
class CPageOrderCommand : public QUndoCommand
{
public:
    /** @p newOrder holds every page of the list; @p blocks chooses the blocks. */
    CPageOrderCommand(ChartEditSession *session, bool blocks, const QList<ChartPage *> &newOrder,
                      const QString &text = QStringLiteral("Reorder"),
                      QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void apply(const QList<ChartPage *> &order);

    ChartEditSession *m_session;
    ChartDocument *m_doc;
    bool m_blocks;
    QList<ChartPage *> m_before;
    QList<ChartPage *> m_after;
};
