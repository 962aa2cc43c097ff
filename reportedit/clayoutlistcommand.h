#pragma once

#include "reports/creportlayout.h"

#include <QUndoCommand>

class CLayoutEditModel;

/**
 * A layout added to the report manager's list ("New", "Copy") or taken out
 * of it ("Delete"). Undo does the opposite at the same row, under the same
 * id, so later commands still find the layout.
 */
class CLayoutListCommand : public QUndoCommand
{
public:
    enum Kind { Add, Remove };

    CLayoutListCommand(CLayoutEditModel *model, Kind kind, int index, quint64 id, const CReportLayout &layout,
                       const QString &text);

    void undo() override;
    void redo() override;

private:
    void apply(bool add);

    CLayoutEditModel *m_model;
    Kind m_kind;
    int m_index;
    quint64 m_id;
    CReportLayout m_layout;
};
