#pragma once

#include <QList>
#include <QUndoCommand>

class ChartEditSession;
class ChartItem;
class ChartPage;

/** A change of the stacking order of a page's items ("Bring to Front", "Send to Back"). */
class CStackingCommand : public QUndoCommand
{
public:
    /** @p newOrder is the page's whole item list, bottom first, after the change. */
    CStackingCommand(ChartEditSession *session, ChartPage *page, const QList<ChartItem *> &newOrder,
                     const QString &text = QStringLiteral("Stacking"),
                     QUndoCommand *parent = nullptr);

    /** The order after bringing @p selected to the top, in selection order. */
    static QList<ChartItem *> frontOrder(const ChartPage &page, const QList<ChartItem *> &selected);
    /** The order after sending @p selected to the bottom, each inserted at index 0 in turn. */
    static QList<ChartItem *> backOrder(const ChartPage &page, const QList<ChartItem *> &selected);

    void undo() override;
    void redo() override;

private:
    void apply(const QList<ChartItem *> &order);

    ChartEditSession *m_session;
    ChartPage *m_page;
    QList<ChartItem *> m_before;
    QList<ChartItem *> m_after;
};
