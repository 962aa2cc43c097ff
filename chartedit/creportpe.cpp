#include "chartedit/creportpe.h"

#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartpainter.h"
#include "chartedit/cadditemscommand.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/cdeleteitemscommand.h"
#include "chartedit/charteditsession.h"
#include "chartedit/citemgeometrycommand.h"
#include "chartedit/cstackingcommand.h"
#include "chartedit/cviewflagcommand.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QUndoStack>

#include <cmath>

namespace {
const char kFieldFormat[] = "application/x-qabstractitemmodeldatalist";
const char kDeleteQuestion[] = "Are you sure?\r\nDo you want to delete the selected item?";
constexpr int kFadeSteps = 3;
constexpr int kFadeInterval = 30;
} // namespace

CReportPE::CReportPE(ChartEditSession *session, CTheme *theme, QWidget *parent)
    : QAbstractScrollArea(parent), m_session(session), m_doc(session->document()), m_theme(theme)
{
    setAccessibleName(QStringLiteral("Page canvas"));
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
    m_fadeTimer.setSingleShot(true);
    qz::checkedConnect(&m_fadeTimer, SIGNAL(timeout()), viewport(), SLOT(update()));
    qz::checkedConnect(m_session, SIGNAL(documentReset()), this, SLOT(OnDocumentReset()));
    qz::checkedConnect(m_session, SIGNAL(currentPageChanged(ChartPage *)), this,
                       SLOT(OnCurrentPageChanged()));
    qz::checkedConnect(m_session, SIGNAL(selectionChanged()), this, SLOT(OnSelectionChanged()));
    qz::checkedConnect(m_session, SIGNAL(itemsChanged(ChartPage *, QList<ChartItem *>)), this,
                       SLOT(OnItemsChanged()));
    qz::checkedConnect(m_session, SIGNAL(pagesChanged()), this, SLOT(OnItemsChanged()));
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(OnThemeChanged()));
    loadSkin();
    layoutScrollBars();
}

CReportPE::~CReportPE() = default;

void CReportPE::loadSkin()
{
    const QString folder = m_theme ? m_theme->imageFolder() : m_doc->imagesDir();
    auto picture = [&folder](const char *name) {
        return QImage(folder + QLatin1Char('/') + QLatin1String(name));
    };
    m_handles.scale = picture("scale-s.png");
    m_handles.move = picture("move-s.png");
    m_handles.rotate = picture("rotate-s.png");
    const char *shadows[8] = {"shadow-l.png",  "shadow-r.png",  "shadow-t.png",  "shadow-b.png",
                              "shadow-tl.png", "shadow-tr.png", "shadow-bl.png", "shadow-br.png"};
    for (int i = 0; i < 8; ++i)
        m_handles.shadows[i] = picture(shadows[i]);
    m_canvasColour = PanelPaint::themed(m_theme, PanelPaint::kFrameOuter);
    m_selectionColour = PanelPaint::themed(m_theme, PanelPaint::kAccent);
}

void CReportPE::OnThemeChanged()
{
    loadSkin();
    viewport()->update();
}

QUndoStack *CReportPE::undoStack() const { return m_session->undoStack(); }

ChartPage *CReportPE::currentPage() const { return m_session->currentPage(); }

void CReportPE::setCurrentPage(ChartPage *page)
{
    m_session->setCurrentPage(page);
}

void CReportPE::OnCurrentPageChanged()
{
    endDrag();
    m_activeItem = nullptr;
    m_fades.clear();
    m_shownSelection.clear();
    layoutScrollBars();
    viewport()->update();
}

QList<ChartItem *> CReportPE::selectedItems() const { return m_session->selection(); }

void CReportPE::selectItem(ChartItem *frame)
{
    changeSelection(frame ? QList<ChartItem *>{frame} : QList<ChartItem *>());
    m_activeItem = frame;
}

void CReportPE::OnSelectionChanged()
{
    const QList<ChartItem *> now = selectedItems();
    for (ChartItem *gone : qAsConst(m_shownSelection)) {
        if (!now.contains(gone))
            m_fades.append({gone, kFadeSteps, kFadeSteps, false});
    }
    for (ChartItem *joined : now) {
        if (!m_shownSelection.contains(joined))
            m_fades.append({joined, kFadeSteps, kFadeSteps, true});
    }
    m_shownSelection = now;
    if (m_activeItem && !now.contains(m_activeItem))
        m_activeItem = now.isEmpty() ? nullptr : now.first();
    viewport()->update();
    emit selectionChanged();
}

double CReportPE::zoom() const { return m_doc->zoom; }

void CReportPE::setZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return;
    m_doc->zoom = qBound(kMinZoom, zoom, kMaxZoom);
    layoutScrollBars();
    viewport()->update();
    emit zoomChanged(m_doc->zoom);
}

QString CReportPE::zoomText() const
{
    return QString::number(qRound(zoom() / kNormalZoom * 100)) + QLatin1Char('%');
}

void CReportPE::OnZoomToFit()
{
    const ChartPage *page = currentPage();
    if (!page || page->size.isEmpty())
        return;
    const QSize view = viewport()->size();
    setZoom(qMin((view.width() - 2 * kMargin) / page->size.width(),
                 (view.height() - 2 * kMargin) / page->size.height()));
}

void CReportPE::OnDeleteSelected()
{
    deleteSelected();
}

void CReportPE::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Zoom around the pointer: the page point under it stays under it.
    const QPoint pointer = event->position().toPoint();
    const QPointF anchor = mapToPage(pointer);
    const double steps = event->angleDelta().y() / 120.0;
    setZoom(zoom() * std::pow(1.1, steps));
    const QPointF now = viewTransform().map(anchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(now.x() - pointer.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(now.y() - pointer.y()));
    viewport()->update();
    event->accept();
}

void CReportPE::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_contextActions.isEmpty() || m_dragMode != canvasdrag::None)
        return;
    QMenu menu(this);
    menu.addActions(m_contextActions);
    menu.exec(event->globalPos());
}

void CReportPE::OnZoomIn() { setZoom(qMin(zoom() * 1.1, kMaxZoom)); }

void CReportPE::OnZoomOut() { setZoom(qMax(zoom() / 1.1, kMinZoom)); }

void CReportPE::OnZoomNormal() { setZoom(kNormalZoom); }

void CReportPE::OnGrid()
{
    m_session->push(new CViewFlagCommand(m_session, CViewFlagCommand::Grid));
}

void CReportPE::OnSnap()
{
    m_session->push(new CViewFlagCommand(m_session, CViewFlagCommand::Snap));
}

void CReportPE::OnBoundaries()
{
    m_session->push(new CViewFlagCommand(m_session, CViewFlagCommand::Boundaries));
}

QSize CReportPE::contentSize() const
{
    const ChartPage *page = currentPage();
    if (!page)
        return QSize(0, 0);
    const double z = zoom();
    return QSize(int(std::lround(page->size.width() * z + 2 * kMargin)),
                 int(std::lround(page->size.height() * z + 2 * kMargin)));
}

void CReportPE::layoutScrollBars()
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, content.width() - view.width()));
    verticalScrollBar()->setRange(0, qMax(0, content.height() - view.height()));
    horizontalScrollBar()->setPageStep(view.width() / 2);
    verticalScrollBar()->setPageStep(view.height() / 2);
    horizontalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setSingleStep(8);
}

QTransform CReportPE::viewTransform() const
{
    const QSize content = contentSize();
    const QSize view = viewport()->size();
    double x = (view.width() - content.width()) / 2.0;
    double y = (view.height() - content.height()) / 2.0;
    x = (x < 0 ? 0 : x) + kMargin - horizontalScrollBar()->value();
    y = (y < 0 ? 0 : y) + kMargin - verticalScrollBar()->value();
    QTransform t;
    t.translate(x, y);
    t.scale(zoom(), zoom());
    return t;
}

QPointF CReportPE::mapToPage(const QPoint &viewportPos) const
{
    return viewTransform().inverted().map(QPointF(viewportPos));
}

QPointF CReportPE::snapPoint(double x, double y, bool snap) const
{
    if (!snap)
        return QPointF(x, y);
    return canvasgeometry::snapPoint(QPointF(x, y), m_doc->gridStepX, m_doc->gridStepY);
}

QPointF CReportPE::itemScale(const ChartItem &frame) const
{
    const QTransform &t = frame.transform;
    return QPointF(std::hypot(t.m11(), t.m12()) * zoom(), std::hypot(t.m21(), t.m22()) * zoom());
}

QVector<QRectF> CReportPE::handlesOf(const ChartItem &frame) const
{
    const QPointF s = itemScale(frame);
    return canvasgeometry::handleRects(frame, s.x(), s.y(), QSizeF(m_handles.rotate.size()));
}

int CReportPE::handleAt(const ChartItem &frame, const QPointF &pagePoint) const
{
    bool invertible = false;
    const QPointF local = frame.transform.inverted(&invertible).map(pagePoint);
    if (!invertible)
        return -1;
    const QVector<QRectF> handles = handlesOf(frame);
    for (int i = 0; i < handles.size(); ++i) {
        if (!handles[i].isEmpty() && handles[i].contains(local))
            return i;
    }
    return -1;
}

ChartItem *CReportPE::itemAt(const QPointF &pagePoint) const
{
    const ChartPage *page = currentPage();
    if (!page)
        return nullptr;
    for (auto it = page->items.rbegin(); it != page->items.rend(); ++it) {
        const ChartItem &frame = **it;
        QPainterPath outline = frame.outline;
        if (outline.isEmpty())
            outline.addRect(QRectF(QPointF(0, 0), frame.size));
        if (frame.transform.map(outline).contains(pagePoint))
            return it->get();
    }
    return nullptr;
}

void CReportPE::changeSelection(const QList<ChartItem *> &frames)
{
    m_activeItem = frames.isEmpty() ? nullptr : frames.first();
    m_session->setSelection(frames);
}

void CReportPE::deleteSelected()
{
    ChartPage *page = currentPage();
    const QList<ChartItem *> selected = selectedItems();
    if (!page || selected.isEmpty() || m_dragMode != canvasdrag::None)
        return;
    const QString title = QStringLiteral("Question");
    const QString text = QString::fromLatin1(kDeleteQuestion);
    bool yes = false;
    if (m_confirm) {
        yes = m_confirm(title, text);
    } else {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                        this);
        if (m_theme)
            box.setStyleSheet(m_theme->styleSheetForKind(CTheme::KindDialog));
        box.setDefaultButton(QMessageBox::No);
        yes = box.exec() == QMessageBox::Yes;
    }
    if (!yes)
        return;
    m_session->push(new CDeleteItemsCommand(m_session, page, selected));
}

void CReportPE::pageItemsChanged()
{
    layoutScrollBars();
    viewport()->update();
}

void CReportPE::moveToFrontSelItems()
{
    if (ChartPage *page = currentPage())
        m_session->push(new CStackingCommand(m_session, page,
                                             CStackingCommand::frontOrder(*page, selectedItems()),
                                             QStringLiteral("Bring to Front")));
}

void CReportPE::moveToBackSelItems()
{
    if (ChartPage *page = currentPage())
        m_session->push(new CStackingCommand(m_session, page,
                                             CStackingCommand::backOrder(*page, selectedItems()),
                                             QStringLiteral("Send to Back")));
}

ChartItem *CReportPE::addItems(const Maker &make, const QString &text)
{
    ChartPage *page = currentPage();
    if (!page)
        return nullptr;
    // Built on a scratch page of the same size (the helpers place items on a
    // page); the command owns them until its redo() puts them on this one.
    ChartPage scratch;
    scratch.size = page->size;
    scratch.imagesDir = page->imagesDir;
    ChartItem *main = make(scratch);
    if (!main || scratch.items.empty())
        return nullptr;
    std::vector<std::unique_ptr<ChartItem>> made;
    made.push_back(scratch.takeItem(scratch.indexOf(main)));
    while (!scratch.items.empty())
        made.push_back(scratch.takeItem(0));
    m_session->push(new CAddItemsCommand(m_session, page, std::move(made), text));
    changeSelection({main});
    return main;
}

ChartItem *CReportPE::createFieldItem(const QString &caption, const QPoint &dropPoint,
                                      const QSizeF &size)
{
    const QPointF at = mapToPage(dropPoint);
    return addItems([&](ChartPage &p) { return ::createFieldItem(p, caption, at, size); },
                    QStringLiteral("Add Field"));
}

ChartItem *CReportPE::createImageItem(const QImage &picture, const QPoint &dropPoint)
{
    if (picture.isNull())
        return nullptr;
    const QPointF at = mapToPage(dropPoint);
    return addItems([&](ChartPage &p) { return ::createImageItem(p, picture, at); },
                    QStringLiteral("Add Image"));
}

ChartItem *CReportPE::createBlockItem(ChartPage *block, const QPoint &dropPoint)
{
    ChartPage *page = currentPage();
    if (!page || !block || block == page)
        return nullptr;
    const QPointF at = mapToPage(dropPoint);
    // Numbered after the references already on the page, not the scratch page's.
    const int order = page->blockReferences().size();
    return addItems(
        [&](ChartPage &p) {
            ChartItem *frame = ::createBlockItem(p, block, at);
            if (frame)
                frame->content->order = order;
            return frame;
        },
        QStringLiteral("Add Block"));
}

ChartItem *CReportPE::addFieldAt(const QPoint &dropPoint, const ChartFieldEntry &entry,
                                 bool withTitle, const QImage &picture)
{
    const QPointF at = mapToPage(dropPoint);
    return addItems(
        [&](ChartPage &p) { return ::addFieldItem(p, entry, at, withTitle, picture); },
        QStringLiteral("Add ") + entry.text);
}

void CReportPE::OnDocumentReset()
{
    m_dragMode = canvasdrag::None;
    m_activeItem = nullptr;
    m_fades.clear();
    m_shownSelection.clear();
    layoutScrollBars();
    viewport()->update();
}

void CReportPE::OnItemsChanged()
{
    ChartPage *page = currentPage();
    auto onPage = [page](const ChartItem *item) { return page && page->indexOf(item) >= 0; };
    for (int i = m_fades.size() - 1; i >= 0; --i) {
        if (!onPage(m_fades[i].item))
            m_fades.removeAt(i);
    }
    m_shownSelection = selectedItems();
    if (m_activeItem && !onPage(m_activeItem)) {
        m_activeItem = nullptr;
        m_dragMode = canvasdrag::None;
    }
    layoutScrollBars();
    viewport()->update();
}

void CReportPE::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layoutScrollBars();
}

void CReportPE::paintShadows(QPainter &p, const QRect &r) const
{
    const QImage *s = m_handles.shadows;
    const int l = s[0].width(), rt = s[1].width(), t = s[2].height(), b = s[3].height();
    if (!s[0].isNull())
        p.drawImage(QRect(r.left() - l, r.top(), l, r.height()), s[0]);
    if (!s[1].isNull())
        p.drawImage(QRect(r.right() + 1, r.top(), rt, r.height()), s[1]);
    if (!s[2].isNull())
        p.drawImage(QRect(r.left(), r.top() - t, r.width(), t), s[2]);
    if (!s[3].isNull())
        p.drawImage(QRect(r.left(), r.bottom() + 1, r.width(), b), s[3]);
    if (!s[4].isNull())
        p.drawImage(QPoint(r.left() - s[4].width(), r.top() - s[4].height()), s[4]);
    if (!s[5].isNull())
        p.drawImage(QPoint(r.right() + 1, r.top() - s[5].height()), s[5]);
    if (!s[6].isNull())
        p.drawImage(QPoint(r.left() - s[6].width(), r.bottom() + 1), s[6]);
    if (!s[7].isNull())
        p.drawImage(QPoint(r.right() + 1, r.bottom() + 1), s[7]);
}

void CReportPE::paintHandles(QPainter &p, const ChartItem &frame, double opacity) const
{
    const QTransform t = frame.transform * viewTransform();
    const QPointF s = itemScale(frame);
    if (!(s.x() > 0) || !(s.y() > 0))
        return;
    p.save();
    p.setOpacity(opacity);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = canvasgeometry::itemRect(frame).adjusted(-2 / s.x(), -2 / s.y(),
                                                                 1 / s.x(), 1 / s.y());
    QPen pen(m_selectionColour, 1, Qt::DashLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(t.map(QPolygonF(box)));
    const QVector<QRectF> handles = handlesOf(frame);
    for (int i = 0; i < handles.size(); ++i) {
        if (handles[i].isEmpty())
            continue;
        const QImage &picture = i <= 6 ? m_handles.scale : (i == 7 ? m_handles.move : m_handles.rotate);
        const QPointF centre = t.map(handles[i].center());
        if (picture.isNull()) {
            p.fillRect(QRectF(centre - QPointF(4, 4), QSizeF(8, 8)), m_selectionColour);
            continue;
        }
        p.drawImage(QPointF(std::round(centre.x() - picture.width() / 2.0),
                            std::round(centre.y() - picture.height() / 2.0)),
                    picture);
    }
    p.restore();
}

void CReportPE::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), m_canvasColour);
    ChartPage *page = currentPage();
    if (!page)
        return;
    const QTransform view = viewTransform();
    const QRectF pageRect(QPointF(0, 0), page->size);

    p.save();
    p.setTransform(view);
    p.fillRect(pageRect, Qt::white);
    drawPageBackground(p, *page);
    if (m_doc->showGrid) {
        QPen grid(QColor(222, 222, 222), 1);
        grid.setCosmetic(true);
        p.setPen(grid);
        // Only the lines in view: a file may pair a huge page with a tiny step.
        const QRectF seen = view.inverted().mapRect(QRectF(viewport()->rect())) & pageRect;
        const double sx = 2 * m_doc->gridStepX, sy = 2 * m_doc->gridStepY;
        if (sy > 0) {
            for (double y = qMax(1.0, std::floor(seen.top() / sy)) * sy;
                 y < page->size.height() && y <= seen.bottom(); y += sy)
                p.drawLine(QLineF(0, y, page->size.width(), y));
        }
        if (sx > 0) {
            for (double x = qMax(1.0, std::floor(seen.left() / sx)) * sx;
                 x < page->size.width() && x <= seen.right(); x += sx)
                p.drawLine(QLineF(x, 0, x, page->size.height()));
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(pageRect, Qt::IntersectClip);
    ChartDrawContext ctx;
    ctx.profile = &m_doc->profile();
    ctx.print = false;
    ctx.showBoundaries = m_doc->showBoundaries;
    ctx.boundaryColor = m_handles.boundaryColor;
    for (const auto &frame : page->items)
        drawFrameItem(p, *frame, ctx);
    p.restore();

    paintShadows(p, view.mapRect(pageRect).toAlignedRect());

    if (m_dragMode == canvasdrag::RubberBand && !m_band.isEmpty()) {
        QPen band(m_selectionColour, 1, Qt::DashLine);
        band.setCosmetic(true);
        p.setPen(band);
        p.setBrush(Qt::NoBrush);
        p.drawRect(view.mapRect(m_band));
    }

    if (!m_fades.isEmpty()) {
        for (int i = m_fades.size() - 1; i >= 0; --i) {
            Fade &f = m_fades[i];
            const double part = double(f.remaining) / f.total;
            if (page->indexOf(f.item) >= 0)
                paintHandles(p, *f.item, f.fadingIn ? 1 - part : part);
            if (f.remaining > 0)
                --f.remaining;
            if (f.remaining == 0)
                m_fades.removeAt(i);
        }
        m_fadeTimer.start(kFadeInterval);
        return;
    }
    for (ChartItem *frame : selectedItems())
        paintHandles(p, *frame, 1.0);
}

void CReportPE::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(kFieldFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CReportPE::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(QLatin1String(kFieldFormat)))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CReportPE::dragLeaveEvent(QDragLeaveEvent *event) { event->accept(); }

void CReportPE::dropEvent(QDropEvent *event)
{
    if (!event->mimeData()->hasFormat(QLatin1String(kFieldFormat))) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit itemDropped(event->pos());
}
