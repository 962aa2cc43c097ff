#pragma once

#include "reports/creportlayout.h"

#include <QUndoCommand>

class CLayoutEditModel;

/**
 * One edit of one layout in the report manager (a field moved, added or
 * removed, a style or option changed): holds the layout before and after,
 * so undo restores it exactly.
 */
class CLayoutEditCommand : public QUndoCommand
{
public:
    CLayoutEditCommand(CLayoutEditModel *model, int index, const CReportLayout &before,
                       const CReportLayout &after, const QString &text);

    void undo() override;
    void redo() override;

private:
    CLayoutEditModel *m_model;
    int m_index;
    CReportLayout m_before;
    CReportLayout m_after;
};
