#include "reportedit/clayouteditcommand.h"

#include "reportedit/clayouteditmodel.h"

CLayoutEditCommand::CLayoutEditCommand(CLayoutEditModel *model, quint64 id, const CReportLayout &before,
                                       const CReportLayout &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_id(id), m_before(before), m_after(after)
{
}

void CLayoutEditCommand::undo()
{
    m_model->setContent(m_id, m_before);
}

void CLayoutEditCommand::redo()
{
    m_model->setContent(m_id, m_after);
}
