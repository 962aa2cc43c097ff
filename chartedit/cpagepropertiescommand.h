#pragma once

#include "chartedit/chartitemstate.h"

#include <QUndoCommand>

class ChartDocument;
class ChartPage;

/**
 * A change of a page's or block's properties: name, size, page count,
 * background colour, picture and mode, the geometry of its items (pushed back
 * inside a smaller page) and the chart title, all as one step. The editor
 * captures ChartPageState and the title before it changes them and pushes
 * this command afterwards; the state after is taken when it is built.
 */
class CPagePropertiesCommand : public QUndoCommand
{
public:
    CPagePropertiesCommand(ChartDocument *doc, ChartPage *page, const ChartPageState &before,
                           const QString &titleBefore,
                           const QString &text = QStringLiteral("Page Properties"),
                           QUndoCommand *parent = nullptr);

    void undo() override;
    void redo() override;

private:
    ChartDocument *m_doc;
    ChartPage *m_page;
    ChartPageState m_before;
    ChartPageState m_after;
    QString m_titleBefore;
    QString m_titleAfter;
};
