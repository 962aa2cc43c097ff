// The creator's properties panel: which rows the selection shows, and how an
// edited row reaches the selected items (one undo step each).
#include "chartedit/creportcreator.h"

#include "chart/chartdocument.h"
#include "chartedit/charteditsession.h"
#include "chartedit/citemgeometrycommand.h"
#include "chartedit/citempropertiescommand.h"
#include "chartedit/cpropertieswidget.h"
#include "chartedit/creportpe.h"
#include "chartedit/geometryrows.h"
#include "chartedit/papersizes.h"

#include <QTimer>
#include <QUndoStack>

ChartItem *CReportCreator::selectedFrame() const
{
    // Several items share the panel when their contents are of one kind.
    const QList<ChartItem *> selected = m_canvas->selectedItems();
    if (selected.isEmpty() || !selected.front()->content)
        return nullptr;
    const int kind = selected.front()->content->kind;
    for (const ChartItem *frame : selected) {
        if (!frame->content || frame->content->kind != kind)
            return nullptr;
    }
    return selected.front();
}

void CReportCreator::OnPageSelectionChanged()
{
    ChartItem *frame = selectedFrame();
    ChartPage *page = m_session->currentPage();
    m_propertiesItem = frame;
    if (!frame || !page) {
        m_properties->clear();
        return;
    }
    m_properties->setRows(propertyrows::rowsFor(*frame->content, *page) +
                          geometryrows::rowsFor(*frame, unitSize()));
}

double CReportCreator::unitSize() const
{
    return m_mode == kMainWindowMode ? papersize::kPageUnitsPerScreenUnit
                                     : papersize::kPageUnitsPerInch;
}

bool CReportCreator::applyGeometryRows(const QVector<PropertyRow> &rows)
{
    ChartPage *page = m_session->currentPage();
    QVector<CItemGeometryCommand::Change> changes;
    for (const PropertyRow &row : rows) {
        if (!geometryrows::isGeometryRow(row.title))
            return false;
    }
    for (ChartItem *frame : m_canvas->selectedItems()) {
        ChartItemGeometry after;
        // The panel changes one of these rows at a time.
        if (geometryrows::edited(*frame, rows.first(), unitSize(), page->size, &after))
            changes.append({frame, ChartItemGeometry::capture(*frame), after});
    }
    m_applyingRow = true;
    if (!changes.isEmpty())
        m_undo->push(new CItemGeometryCommand(m_session, changes, 0, rows.first().title));
    m_applyingRow = false;
    // Shown as applied (kept on the page, say), or as it was when the text was no number.
    QTimer::singleShot(0, this, SLOT(OnPageSelectionChanged()));
    return true;
}

void CReportCreator::OnPropertyChanged()
{
    ChartItem *frame = selectedFrame();
    ChartPage *page = m_session->currentPage();
    if (!frame || frame != m_propertiesItem || !page)
        return;
    const QVector<PropertyRow> rows = m_properties->rows();
    QVector<PropertyRow> changed;
    for (int index : m_properties->changedRows()) {
        if (index >= 0 && index < rows.size())
            changed << rows[index];
    }
    if (changed.isEmpty() || applyGeometryRows(changed))
        return;
    auto *command = new CItemPropertiesCommand(m_session, QStringLiteral("Properties"));
    // Every selected item (all of one kind) takes the edit.
    const QList<ChartItem *> targets = m_canvas->selectedItems();
    QList<ChartItem *> touched = targets;
    // A block reference's order moves the other references of the page too.
    if (frame->content->kind == ChartItem::KindBlockReference) {
        for (ChartItem *ref : page->blockReferences()) {
            if (ref->owner && !touched.contains(ref->owner))
                touched << ref->owner;
        }
    }
    std::vector<std::unique_ptr<ChartItem>> before;
    for (ChartItem *f : touched)
        before.push_back(f->clone());
    // Only the rows the user changed: the others may show values older than the item's.
    bool codeChanged = false;
    for (ChartItem *target : targets)
        codeChanged |= propertyrows::applyRows(*target->content, *page, changed);
    for (int i = 0; i < touched.size(); ++i)
        command->addItem(touched[i], std::move(before[size_t(i)]));
    m_applyingRow = true;
    m_undo->push(command);
    m_applyingRow = false;
    if (codeChanged)
        QTimer::singleShot(0, this, SLOT(OnPageSelectionChanged()));
}

void CReportCreator::OnItemsChanged(ChartPage *page, const QList<ChartItem *> &items)
{
    m_previewTimer->start(); // the strip's picture of the page follows
    // The panel's own edit is shown already; any other change (undo, a drag,
    // a change of order on the page) rebuilds its rows from the item.
    if (m_applyingRow || !m_propertiesItem || page != m_session->currentPage())
        return;
    bool touched = items.isEmpty() || page->blockReferences().size() > 1;
    for (ChartItem *selected : m_canvas->selectedItems())
        touched = touched || items.contains(selected);
    if (touched)
        OnPageSelectionChanged();
}
