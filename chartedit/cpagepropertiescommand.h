#pragma once

#include "chartedit/chartitemstate.h"

#include <QUndoCommand>

class ChartEditSession;
class ChartPage;

/**
 * A change of a page's or block's properties: name, size, page count,
 * background colour, picture and mode, the geometry of its items (pushed back
 * inside a smaller page) and the chart title, all as one step. The editor
 * captures ChartPageState and the title before it changes them, edits, and
 * builds this command: it keeps the edited state and puts the old one back,
 * so the change reaches the document's listeners only through redo().
 */
class CPagePropertiesCommand : public QUndoCommand
{
public:
    CPagePropertiesCommand(ChartEditSession *session, ChartPage *page, const ChartPageState &before,
                           const QString &titleBefore,
                           const QString &text = QStringLiteral("Page Properties"),
                           QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    void apply(const ChartPageState &state, const QString &title);

    ChartEditSession *m_session;
    ChartPage *m_page;
    ChartPageState m_before;
    ChartPageState m_after;
    QString m_titleBefore;
    QString m_titleAfter;
};
