#pragma once

#include <QUndoCommand>

class ChartEditSession;

/**
 * Switching the grid, snapping or the boundaries on or off. The switches are
 * stored in the chart file, so each is an edit of the chart: it marks the
 * chart modified and can be undone.
 */
class CViewFlagCommand : public QUndoCommand
{
public:
    enum Flag { Grid, Snap, Boundaries };

    CViewFlagCommand(ChartEditSession *session, Flag flag, QUndoCommand *parent = nullptr);

    void undo() override { toggle(); }
    void redo() override { toggle(); }

private:
    void toggle();

    ChartEditSession *m_session;
    Flag m_flag;
};
