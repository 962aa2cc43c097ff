#include "reportedit/clayoutlistcommand.h"

#include "reportedit/clayouteditmodel.h"

CLayoutListCommand::CLayoutListCommand(CLayoutEditModel *model, Kind kind, int index, quint64 id,
                                       const CReportLayout &layout, const QString &text)
    : QUndoCommand(text), m_model(model), m_kind(kind), m_index(index), m_id(id), m_layout(layout)
{
}

void CLayoutListCommand::undo()
{
    apply(m_kind == Remove);
}

void CLayoutListCommand::redo()
{
    apply(m_kind == Add);
}

void CLayoutListCommand::apply(bool add)
{
    if (add) {
        m_model->insertLayout(m_index, m_id, m_layout);
    } else {
        // Keep what the layout holds now: later commands were undone before this one.
        const int index = m_model->indexOfId(m_id);
        if (index >= 0)
            m_layout = m_model->layout(index);
        m_model->removeLayout(m_id);
    }
}
