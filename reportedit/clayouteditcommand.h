#pragma once

#include "reports/creportlayout.h"

#include <QUndoCommand>

class CLayoutEditModel;

/**
 * One edit of the fields or options of one layout in the report manager (a
 * field moved, added or removed, a style or option changed): holds the
 * layout before and after, so undo restores it exactly. The layout is found
 * by its id and keeps its current name, so renames are undone on their own.
 */
class CLayoutEditCommand : public QUndoCommand
{
public:
    CLayoutEditCommand(CLayoutEditModel *model, quint64 id, const CReportLayout &before,
                       const CReportLayout &after, const QString &text);

    void undo() override;
    void redo() override;

private:
    CLayoutEditModel *m_model;
    quint64 m_id;
    CReportLayout m_before;
    CReportLayout m_after;
};
