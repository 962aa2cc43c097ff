#include "reportedit/clayouteditcommand.h"

#include "reportedit/clayouteditmodel.h"

CLayoutEditCommand::CLayoutEditCommand(CLayoutEditModel *model, int index, const CReportLayout &before,
                                       const CReportLayout &after, const QString &text)
    : QUndoCommand(text), m_model(model), m_index(index), m_before(before), m_after(after)
{
}

void CLayoutEditCommand::undo()
{
    m_model->setLayout(m_index, m_before);
}

void CLayoutEditCommand::redo()
{
    m_model->setLayout(m_index, m_after);
}
