#include "chartedit/citemgeometrycommand.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"
#include "chartedit/commandsupport.h"

CItemGeometryCommand::CItemGeometryCommand(ChartEditSession *session, ChartItem *frame,
                                           const ChartItemGeometry &before,
                                           const ChartItemGeometry &after, int dragId,
                                           const QString &text, QUndoCommand *parent)
    : CItemGeometryCommand(session, QVector<Change>{{frame, before, after}}, dragId, text, parent)
{
}

CItemGeometryCommand::CItemGeometryCommand(ChartEditSession *session,
                                           const QVector<Change> &changes, int dragId,
                                           const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_session(session), m_changes(changes), m_dragId(dragId)
{
}

QList<ChartItem *> CItemGeometryCommand::frames() const
{
    QList<ChartItem *> list;
    for (const Change &c : m_changes)
        list << c.frame;
    return list;
}

bool CItemGeometryCommand::unchanged() const
{
    for (const Change &c : m_changes) {
        if (c.before != c.after)
            return false;
    }
    return true;
}

void CItemGeometryCommand::undo()
{
    for (const Change &c : m_changes)
        c.before.apply(*c.frame);
    if (!m_changes.isEmpty())
        m_session->announceItems(commandsupport::pageOf(*m_session->document(), frame()), frames());
}

void CItemGeometryCommand::redo()
{
    for (const Change &c : m_changes)
        c.after.apply(*c.frame);
    // Marked here, not when built: a step back to the start must still be applied.
    setObsolete(unchanged());
    if (!m_changes.isEmpty())
        m_session->announceItems(commandsupport::pageOf(*m_session->document(), frame()), frames());
}

bool CItemGeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CItemGeometryCommand *>(other);
    if (m_dragId == 0 || next->m_dragId != m_dragId || next->frames() != frames())
        return false;
    for (int i = 0; i < m_changes.size(); ++i)
        m_changes[i].after = next->m_changes[i].after;
    setObsolete(unchanged());
    return true;
}
