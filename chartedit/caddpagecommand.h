#pragma once

#include <QUndoCommand>

#include <memory>

class ChartDocument;
class ChartPage;

/**
 * Adding a page or a block. The page is created first (ChartDocument::addPage()
 * or addBlock(), then given its size and name); the command adopts it. Undo
 * takes it out of the document and keeps it; redo puts the same page back.
 */
class CAddPageCommand : public QUndoCommand
{
public:
    CAddPageCommand(ChartDocument *doc, ChartPage *added,
                    const QString &text = QStringLiteral("Add Page"),
                    QUndoCommand *parent = nullptr);
    ~CAddPageCommand() override;

    void undo() override;
    void redo() override;

private:
    ChartDocument *m_doc;
    ChartPage *m_page;
    int m_set = -1;
    int m_index = -1;
    std::unique_ptr<ChartPage> m_held;
};
