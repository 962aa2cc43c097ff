#include "chartedit/ceditactions.h"

#include "chart/chartdocument.h"
#include "chartedit/cadditemscommand.h"
#include "chartedit/canvasdrag.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/cdeleteitemscommand.h"
#include "chartedit/charteditsession.h"
#include "chartedit/chartclipboard.h"
#include "chartedit/citemgeometrycommand.h"
#include "chartedit/creportpe.h"
#include "chartedit/itemalignment.h"
#include "engine/checkedconnect.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QWidget>

namespace {
struct ArrangeEntry {
    const char *text;
    itemalignment::Kind kind;
};
const ArrangeEntry kArrange[] = {
    {"Align Left", itemalignment::AlignLeft},
    {"Align Right", itemalignment::AlignRight},
    {"Align Top", itemalignment::AlignTop},
    {"Align Bottom", itemalignment::AlignBottom},
    {"Center Horizontally", itemalignment::CenterHorizontally},
    {"Center Vertically", itemalignment::CenterVertically},
    {"Distribute Horizontally", itemalignment::DistributeHorizontally},
    {"Distribute Vertically", itemalignment::DistributeVertically},
};
} // namespace

CEditActions::CEditActions(ChartEditSession *session, CReportPE *canvas, QWidget *scope)
    : QObject(scope), m_session(session), m_canvas(canvas)
{
    m_edit << make(QStringLiteral("Cut"), QKeySequence::Cut, SLOT(OnCut()), scope)
           << make(QStringLiteral("Copy"), QKeySequence::Copy, SLOT(OnCopy()), scope)
           << make(QStringLiteral("Paste"), QKeySequence::Paste, SLOT(OnPaste()), scope)
           << make(QStringLiteral("Duplicate"), QKeySequence(Qt::CTRL + Qt::Key_D),
                   SLOT(OnDuplicate()), scope)
           << make(QStringLiteral("Select All"), QKeySequence::SelectAll, SLOT(OnSelectAll()), scope);

    auto *group = new QActionGroup(this);
    group->setExclusive(false);
    for (const ArrangeEntry &entry : kArrange) {
        auto *a = new QAction(QLatin1String(entry.text), group);
        a->setToolTip(a->text());
        a->setData(int(entry.kind));
        m_arrange << a;
    }
    qz::checkedConnect(group, SIGNAL(triggered(QAction *)), this, SLOT(OnArrange(QAction *)));

    m_zoomToFit = make(QStringLiteral("Zoom to Fit"), QKeySequence(), nullptr, scope);
    qz::checkedConnect(m_zoomToFit, SIGNAL(triggered()), canvas, SLOT(OnZoomToFit()));

    auto *remove = new QAction(QStringLiteral("Delete"), this);
    qz::checkedConnect(remove, SIGNAL(triggered()), canvas, SLOT(OnDeleteSelected()));
    auto *front = new QAction(QStringLiteral("Bring to Front"), this);
    qz::checkedConnect(front, SIGNAL(triggered()), canvas, SLOT(moveToFrontSelItems()));
    auto *back = new QAction(QStringLiteral("Send to Back"), this);
    qz::checkedConnect(back, SIGNAL(triggered()), canvas, SLOT(moveToBackSelItems()));
    auto *properties = new QAction(QStringLiteral("Properties"), this);
    qz::checkedConnect(properties, SIGNAL(triggered()), this, SIGNAL(propertiesRequested()));
    m_context << m_edit[0] << m_edit[1] << m_edit[2] << remove << front << back << properties;

    qz::checkedConnect(session, SIGNAL(selectionChanged()), this, SLOT(OnUpdateActions()));
    qz::checkedConnect(session, SIGNAL(currentPageChanged(ChartPage *)), this, SLOT(OnUpdateActions()));
    qz::checkedConnect(QGuiApplication::clipboard(), SIGNAL(dataChanged()), this,
                       SLOT(OnUpdateActions()));
    OnUpdateActions();
}

QAction *CEditActions::make(const QString &text, const QKeySequence &keys, const char *slot,
                            QWidget *scope)
{
    auto *a = new QAction(text, this);
    a->setToolTip(text);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        scope->addAction(a);
    }
    if (slot)
        qz::checkedConnect(a, SIGNAL(triggered()), this, slot);
    return a;
}

QAction *CEditActions::action(const QString &text) const
{
    for (QAction *a : m_edit + m_arrange + m_context + QList<QAction *>{m_zoomToFit}) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

void CEditActions::OnUpdateActions()
{
    const int selected = m_session->selection().size();
    const bool page = m_session->currentPage() != nullptr;
    for (QAction *a : m_context)
        a->setEnabled(selected > 0);
    action(QStringLiteral("Paste"))->setEnabled(page && chartclipboard::canPaste());
    action(QStringLiteral("Duplicate"))->setEnabled(selected > 0);
    action(QStringLiteral("Select All"))->setEnabled(page);
    for (QAction *a : m_arrange) {
        const int kind = a->data().toInt();
        const bool spreads = kind == itemalignment::DistributeHorizontally ||
                             kind == itemalignment::DistributeVertically;
        a->setEnabled(spreads ? selected >= 3 : selected >= 1);
    }
}

void CEditActions::OnCopy()
{
    chartclipboard::copy(m_session->selection());
}

void CEditActions::OnCut()
{
    const QList<ChartItem *> selected = m_session->selection();
    if (selected.isEmpty() || !m_session->currentPage())
        return;
    chartclipboard::copy(selected);
    m_session->push(new CDeleteItemsCommand(m_session, m_session->currentPage(), selected,
                                            QStringLiteral("Cut")));
}

void CEditActions::OnPaste()
{
    place(chartclipboard::paste(*m_session->document()), QStringLiteral("Paste"));
}

void CEditActions::OnDuplicate()
{
    const QList<ChartItem *> selected = m_session->selection();
    if (!selected.isEmpty())
        place(chartclipboard::decode(chartclipboard::encode(selected), *m_session->document()),
              QStringLiteral("Duplicate"));
}

void CEditActions::OnSelectAll()
{
    QList<ChartItem *> all;
    if (ChartPage *page = m_session->currentPage()) {
        for (const auto &item : page->items)
            all << item.get();
    }
    m_session->setSelection(all);
}

void CEditActions::place(std::vector<std::unique_ptr<ChartItem>> items, const QString &text)
{
    ChartPage *page = m_session->currentPage();
    if (!page || items.empty())
        return;
    const ChartDocument *doc = m_session->document();
    const QPointF offset(doc->gridStepX, doc->gridStepY);
    int order = page->blockReferences().size();
    QList<ChartItem *> added;
    for (auto &item : items) {
        canvasdrag::nudge(ChartItemGeometry::capture(*item), offset, page->size).apply(*item);
        if (item->content && item->content->kind == ChartItem::KindBlockReference)
            item->content->order = order++;
        added << item.get();
    }
    m_session->push(new CAddItemsCommand(m_session, page, std::move(items), text));
    m_session->setSelection(added);
}

void CEditActions::OnArrange(QAction *action)
{
    ChartPage *page = m_session->currentPage();
    const QList<ChartItem *> selected = m_session->selection();
    if (!page || selected.isEmpty() || !action)
        return;
    QVector<QRectF> rects;
    for (ChartItem *frame : selected)
        rects << canvasgeometry::frameBounds(*frame);
    const QVector<QPointF> moves =
        itemalignment::moves(rects, itemalignment::Kind(action->data().toInt()), page->size);
    QVector<CItemGeometryCommand::Change> changes;
    for (int i = 0; i < selected.size(); ++i) {
        const ChartItemGeometry before = ChartItemGeometry::capture(*selected[i]);
        const ChartItemGeometry after = canvasdrag::nudge(before, moves[i], page->size);
        if (after != before)
            changes.append({selected[i], before, after});
    }
    if (!changes.isEmpty())
        m_session->push(new CItemGeometryCommand(m_session, changes, 0, action->text()));
}
