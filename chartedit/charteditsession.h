#pragma once

#include <QList>
#include <QObject>

class ChartDocument;
class ChartItem;
class ChartPage;
class QDataStream;
class QUndoCommand;
class QUndoStack;

/**
 * One open chart in the designer: the document, its undo stack, the page
 * being edited and the selected items. Commands change the document and
 * announce what they changed here; the canvas, the strips and the properties
 * panel listen and keep no copy of their own.
 */
class ChartEditSession : public QObject
{
    Q_OBJECT
public:
    explicit ChartEditSession(QObject *parent = nullptr);
    ~ChartEditSession() override;

    ChartDocument *document() const { return m_doc; }
    QUndoStack *undoStack() const { return m_undo; }
    /** Pushes @p command (which then makes its change in redo()). */
    void push(QUndoCommand *command);

    /** Replaces the chart by the file's; 0 or -1 as ChartDocument::loadDocument(). */
    int loadDocument(QDataStream &stream);

    /** The page or block being edited; null only for a document without pages. */
    ChartPage *currentPage() const { return m_current; }
    /** Makes @p page current (ignored when it is not in the document); clears the selection. */
    void setCurrentPage(ChartPage *page);
    /** True when @p page is a page or block of the document. */
    bool contains(const ChartPage *page) const;

    /** The selected frame items of the current page, in stacking order (bottom first). */
    QList<ChartItem *> selection() const { return m_selection; }
    bool isSelected(const ChartItem *frame) const;
    /** Selects those of @p frames that are on the current page. */
    void setSelection(const QList<ChartItem *> &frames);

    /** For commands: @p items of @p page changed, were added or were removed. */
    void announceItems(ChartPage *page, const QList<ChartItem *> &items);
    /** For commands: pages or blocks were added, removed, reordered or edited. */
    void announcePages();
    /** For commands: the chart's title or view flags changed. */
    void announceDocument();

signals:
    void currentPageChanged(ChartPage *page);
    void selectionChanged();
    void itemsChanged(ChartPage *page, const QList<ChartItem *> &items);
    void pagesChanged();
    /** The whole document was replaced; undo history is gone. */
    void documentReset();

private slots:
    void OnDocumentReset();

private:
    void pruneSelection();

    ChartDocument *m_doc;
    QUndoStack *m_undo;
    ChartPage *m_current = nullptr;
    QList<ChartItem *> m_selection;
};
