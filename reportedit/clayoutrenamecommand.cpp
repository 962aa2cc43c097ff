#include "reportedit/clayoutrenamecommand.h"

#include "reportedit/clayouteditmodel.h"

CLayoutRenameCommand::CLayoutRenameCommand(CLayoutEditModel *model, quint64 id, const QString &before,
                                           const QString &after)
    : QUndoCommand(QStringLiteral("Rename")), m_model(model), m_id(id), m_before(before), m_after(after)
{
}

void CLayoutRenameCommand::undo()
{
    m_model->renameLayout(m_id, m_before);
}

void CLayoutRenameCommand::redo()
{
    m_model->renameLayout(m_id, m_after);
}
