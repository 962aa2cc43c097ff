#pragma once

#include <QString>
#include <QUndoCommand>

class CLayoutEditModel;

/** "Rename" of one layout in the report manager, found by its id. */
class CLayoutRenameCommand : public QUndoCommand
{
public:
    CLayoutRenameCommand(CLayoutEditModel *model, quint64 id, const QString &before, const QString &after);

    void undo() override;
    void redo() override;

private:
    CLayoutEditModel *m_model;
    quint64 m_id;
    QString m_before;
    QString m_after;
};
