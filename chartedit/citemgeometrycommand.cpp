#include "chartedit/citemgeometrycommand.h"

#include "chart/chartdocument.h"

CItemGeometryCommand::CItemGeometryCommand(ChartDocument *doc, ChartItem *frame,
                                           const ChartItemGeometry &before,
                                           const ChartItemGeometry &after, int dragId,
                                           const QString &text, QUndoCommand *parent)
    : QUndoCommand(text, parent), m_doc(doc), m_frame(frame), m_before(before), m_after(after),
      m_dragId(dragId)
{
}

void CItemGeometryCommand::undo()
{
    m_before.apply(*m_frame);
    m_doc->notifyChanged();
}

void CItemGeometryCommand::redo()
{
    m_after.apply(*m_frame);
    // Marked here, not when built: a step back to the start must still be applied.
    setObsolete(m_before == m_after);
    m_doc->notifyChanged();
}

bool CItemGeometryCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const CItemGeometryCommand *>(other);
    if (m_dragId == 0 || next->m_dragId != m_dragId || next->m_frame != m_frame)
        return false;
    m_after = next->m_after;
    setObsolete(m_before == m_after);
    return true;
}
