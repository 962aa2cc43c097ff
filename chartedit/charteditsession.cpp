#include "chartedit/charteditsession.h"

#include "chart/chartdocument.h"
#include "engine/checkedconnect.h"

#include <QUndoStack>

ChartEditSession::ChartEditSession(QObject *parent)
    : QObject(parent), m_doc(new ChartDocument(this)), m_undo(new QUndoStack(this))
{
    // Spies and queued listeners need the signals' argument types by name.
    qRegisterMetaType<ChartPage *>("ChartPage*");
    qRegisterMetaType<QList<ChartItem *>>("QList<ChartItem*>");
    m_current = m_doc->currentPage;
    qz::checkedConnect(m_doc, SIGNAL(documentReset()), this, SLOT(OnDocumentReset()));
}

ChartEditSession::~ChartEditSession()
{
    // Commands hold pages and items of the document.
    m_undo->clear();
}

void ChartEditSession::push(QUndoCommand *command)
{
    m_undo->push(command);
}

int ChartEditSession::loadDocument(QDataStream &stream)
{
    return m_doc->loadDocument(stream);
}

void ChartEditSession::OnDocumentReset()
{
    m_undo->clear();
    m_selection.clear();
    m_current = m_doc->currentPage;
    emit documentReset();
    emit currentPageChanged(m_current);
    emit selectionChanged();
}

bool ChartEditSession::contains(const ChartPage *page) const
{
    if (!page)
        return false;
    return m_doc->allPages().contains(const_cast<ChartPage *>(page)) || m_doc->blockIndex(page) >= 0;
}

void ChartEditSession::setCurrentPage(ChartPage *page)
{
    if (page && !contains(page))
        return;
    if (page == m_current)
        return;
    m_current = page;
    // The renderers of the chart layer read the current page from the document.
    m_doc->currentPage = page;
    const bool hadSelection = !m_selection.isEmpty();
    m_selection.clear();
    emit currentPageChanged(page);
    if (hadSelection)
        emit selectionChanged();
}

bool ChartEditSession::isSelected(const ChartItem *frame) const
{
    return m_selection.contains(const_cast<ChartItem *>(frame));
}

void ChartEditSession::setSelection(const QList<ChartItem *> &frames)
{
    QList<ChartItem *> sorted;
    if (m_current) {
        for (const auto &item : m_current->items) {
            if (frames.contains(item.get()))
                sorted << item.get();
        }
    }
    if (sorted == m_selection)
        return;
    m_selection = sorted;
    emit selectionChanged();
}

void ChartEditSession::pruneSelection()
{
    QList<ChartItem *> kept;
    if (m_current) {
        for (const auto &item : m_current->items) {
            if (m_selection.contains(item.get()))
                kept << item.get();
        }
    }
    if (kept != m_selection) {
        m_selection = kept;
        emit selectionChanged();
    }
}

void ChartEditSession::announceItems(ChartPage *page, const QList<ChartItem *> &items)
{
    if (page == m_current)
        pruneSelection();
    emit itemsChanged(page, items);
}

void ChartEditSession::announcePages()
{
    if (!contains(m_current)) {
        ChartPage *first = nullptr;
        if (!m_doc->pageSets.empty() && !m_doc->pageSets.front().empty())
            first = m_doc->pageSets.front().front().get();
        setCurrentPage(first);
    }
    emit pagesChanged();
}

void ChartEditSession::announceDocument()
{
    emit pagesChanged();
}
