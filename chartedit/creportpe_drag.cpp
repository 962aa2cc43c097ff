// The canvas's mouse and key handling: selection, the drag state machine and
// the keyboard moves, each drag one undo step.
#include "chartedit/creportpe.h"

#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/charteditsession.h"
#include "chartedit/citemgeometrycommand.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {
Qt::CursorShape cursorForHandle(int handle)
{
    switch (handle) {
    case 0:
    case 3:
        return Qt::SizeFDiagCursor;
    case 1:
    case 2:
        return Qt::SizeBDiagCursor;
    case 4:
    case 5:
        return Qt::SizeHorCursor;
    case 6:
        return Qt::SizeVerCursor;
    case 7:
        return Qt::SizeAllCursor;
    case 8:
    case 9:
    case 10:
        return Qt::OpenHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QString dragText(int mode)
{
    switch (mode) {
    case canvasdrag::ShiftContent:
        return QStringLiteral("Shift Content");
    case canvasdrag::Rotate:
    case canvasdrag::RotateFree:
        return QStringLiteral("Rotate");
    case canvasdrag::Resize:
    case canvasdrag::ResizeFree:
        return QStringLiteral("Resize");
    default:
        return QStringLiteral("Move");
    }
}

int contentKind(const ChartItem &frame)
{
    return frame.content ? frame.content->kind : ChartItem::KindNone;
}

canvasdrag::Start startOf(ChartItem &frame, int handle, const QPointF &press)
{
    canvasdrag::Start s;
    s.geometry = ChartItemGeometry::capture(frame);
    s.rect = canvasgeometry::frameBounds(frame);
    s.press = press;
    s.handle = handle;
    s.frameFlagged = frame.isFrame;
    return s;
}
} // namespace

canvasdrag::Context CReportPE::dragContext() const
{
    canvasdrag::Context c;
    if (const ChartPage *page = currentPage())
        c.page = page->size;
    c.snap = m_doc->snapToGrid;
    c.stepX = m_doc->gridStepX;
    c.stepY = m_doc->gridStepY;
    return c;
}

void CReportPE::startDrag(ChartItem *frame, int handle, int mode, const QPointF &pagePoint)
{
    m_activeItem = frame;
    m_activeHandle = handle;
    m_dragMode = mode;
    m_start = startOf(*frame, handle, pagePoint);
    m_lastGeometry = m_start.geometry;
    m_group.clear();
    // Moves and resizes take the whole selection along; turns and content shifts one item.
    const bool together = mode == canvasdrag::Move || mode == canvasdrag::Resize ||
                          mode == canvasdrag::ResizeFree;
    if (together) {
        for (ChartItem *other : selectedItems()) {
            if (other != frame)
                m_group.append({other, startOf(*other, handle, pagePoint), {}});
        }
        for (GroupMember &m : m_group)
            m.last = m.start.geometry;
    }
    ++m_dragSerial;
    if (mode == canvasdrag::Rotate || mode == canvasdrag::RotateFree)
        viewport()->setCursor(Qt::ClosedHandCursor);
}

ChartItemGeometry CReportPE::followActive(GroupMember &m, const QPointF &pagePoint) const
{
    const canvasdrag::Context c = dragContext();
    if (m_dragMode == canvasdrag::Move) {
        const QPointF delta = canvasdrag::bounds(m_lastGeometry).topLeft() - m_start.rect.topLeft();
        return canvasdrag::nudge(m.start.geometry, delta, c.page);
    }
    // A resize moves each item's handle to the same relative place in its own rectangle.
    const QRectF a = m_start.rect, r = m.start.rect;
    const QPointF rel = pagePoint - a.topLeft();
    const QPointF point(r.left() + (a.width() > 0 ? rel.x() * r.width() / a.width() : 0),
                        r.top() + (a.height() > 0 ? rel.y() * r.height() / a.height() : 0));
    const bool free = canvasdrag::modeForHandle(m_start.handle, contentKind(*m.frame)) ==
                      canvasdrag::ResizeFree;
    m.last = canvasdrag::resize(m.start, point, c, free, m.last);
    return m.last;
}

void CReportPE::continueDrag(const QPointF &pagePoint)
{
    ChartPage *page = currentPage();
    if (m_dragMode == canvasdrag::RubberBand) {
        m_band = QRectF(m_start.press, pagePoint).normalized();
        viewport()->update();
        return;
    }
    if (!page || !m_activeItem || page->indexOf(m_activeItem) < 0) {
        endDrag();
        return;
    }
    const canvasdrag::Context c = dragContext();
    ChartItemGeometry g;
    switch (m_dragMode) {
    case canvasdrag::Move:
        g = canvasdrag::move(m_start, pagePoint, c);
        break;
    case canvasdrag::Rotate:
    case canvasdrag::RotateFree:
        g = canvasdrag::rotate(m_start, pagePoint);
        break;
    case canvasdrag::Resize:
    case canvasdrag::ResizeFree:
        g = canvasdrag::resize(m_start, pagePoint, c, m_dragMode == canvasdrag::ResizeFree,
                               m_lastGeometry);
        break;
    case canvasdrag::ShiftContent:
        g = canvasdrag::shiftContent(m_start, pagePoint);
        break;
    default:
        return;
    }
    if (g == m_lastGeometry)
        return;
    m_lastGeometry = g;
    QVector<CItemGeometryCommand::Change> changes{{m_activeItem, m_start.geometry, g}};
    for (GroupMember &m : m_group)
        changes.append({m.frame, m.start.geometry, followActive(m, pagePoint)});
    m_session->push(new CItemGeometryCommand(m_session, changes, m_dragSerial, dragText(m_dragMode)));
}

void CReportPE::endDrag()
{
    if (m_dragMode == canvasdrag::None)
        return;
    if (m_dragMode == canvasdrag::RubberBand) {
        QList<ChartItem *> chosen = m_bandAdds ? selectedItems() : QList<ChartItem *>();
        if (ChartPage *page = currentPage()) {
            for (const auto &item : page->items) {
                if (m_band.contains(canvasgeometry::frameBounds(*item)) && !chosen.contains(item.get()))
                    chosen << item.get();
            }
        }
        m_band = QRectF();
        m_dragMode = canvasdrag::None;
        changeSelection(chosen);
        viewport()->update();
        return;
    }
    m_dragMode = canvasdrag::None;
    m_activeHandle = -1;
    m_group.clear();
    viewport()->unsetCursor();
    viewport()->update();
}

void CReportPE::cancelDrag()
{
    if (m_dragMode == canvasdrag::RubberBand) {
        m_band = QRectF();
    } else if (m_dragMode != canvasdrag::None && m_activeItem) {
        // Merged into this drag's step, the way back leaves no step at all.
        QVector<CItemGeometryCommand::Change> back{{m_activeItem, m_start.geometry, m_start.geometry}};
        for (const GroupMember &m : qAsConst(m_group))
            back.append({m.frame, m.start.geometry, m.start.geometry});
        m_session->push(new CItemGeometryCommand(m_session, back, m_dragSerial, dragText(m_dragMode)));
    }
    m_dragMode = canvasdrag::None;
    m_group.clear();
    m_activeHandle = -1;
    viewport()->unsetCursor();
    viewport()->update();
}

ChartItem *CReportPE::handleOwnerAt(const QPointF &pagePoint, int *handle) const
{
    QList<ChartItem *> order = selectedItems();
    if (m_activeItem && order.removeOne(m_activeItem))
        order.prepend(m_activeItem);
    for (ChartItem *frame : order) {
        const int h = handleAt(*frame, pagePoint);
        if (h >= 0) {
            *handle = h;
            return frame;
        }
    }
    *handle = -1;
    return nullptr;
}

void CReportPE::updateCursor(const QPointF &pagePoint)
{
    int handle = -1;
    handleOwnerAt(pagePoint, &handle);
    if (handle < 0)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(cursorForHandle(handle));
}

void CReportPE::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && m_dragMode == canvasdrag::None) {
        // The context menu acts on the item under the pointer.
        ChartItem *hit = currentPage() ? itemAt(mapToPage(event->pos())) : nullptr;
        if (hit && !selectedItems().contains(hit))
            changeSelection({hit});
    }
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPointF point = mapToPage(event->pos());
    m_lastPoint = point;
    if (!currentPage() || m_dragMode != canvasdrag::None)
        return;
    const bool adding = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    if (!adding) {
        int handle = -1;
        if (ChartItem *owner = handleOwnerAt(point, &handle)) {
            startDrag(owner, handle, canvasdrag::modeForHandle(handle, contentKind(*owner)), point);
            return;
        }
    }
    ChartItem *hit = itemAt(point);
    if (!hit) {
        // A rubber band from empty page; with Shift or Ctrl it adds to the selection.
        if (!adding)
            changeSelection({});
        m_dragMode = canvasdrag::RubberBand;
        m_bandAdds = adding;
        m_start.press = point;
        m_band = QRectF(point, point);
        return;
    }
    QList<ChartItem *> selection = selectedItems();
    if (adding) {
        if (!selection.removeOne(hit))
            selection.append(hit);
        changeSelection(selection);
        m_activeItem = selection.contains(hit) ? hit : (selection.isEmpty() ? nullptr : selection.first());
        return;
    }
    if (!selection.contains(hit))
        changeSelection({hit});
    m_activeItem = hit;
    startDrag(hit, hit->isFrame ? 7 : -1,
              hit->isFrame ? canvasdrag::Move : canvasdrag::ShiftContent, point);
}

void CReportPE::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF point = mapToPage(event->pos());
    m_lastPoint = point;
    if (m_dragMode != canvasdrag::None) {
        if (event->buttons() & Qt::LeftButton)
            continueDrag(point);
        else
            endDrag();
        return;
    }
    updateCursor(point);
}

void CReportPE::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_lastPoint = mapToPage(event->pos());
        endDrag();
        event->accept();
        return;
    }
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CReportPE::leaveEvent(QEvent *event)
{
    // A rubber band may leave and come back; an item drag ends here.
    if (m_dragMode != canvasdrag::RubberBand)
        endDrag();
    QAbstractScrollArea::leaveEvent(event);
}

void CReportPE::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape && m_dragMode != canvasdrag::None) {
        cancelDrag();
        event->accept();
        return;
    }
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) {
        if (m_dragMode == canvasdrag::None)
            deleteSelected();
        event->accept();
        return;
    }
    const bool arrow = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
                       key == Qt::Key_Down;
    if (arrow && m_dragMode == canvasdrag::None && !selectedItems().isEmpty()) {
        // Alt steps one page unit instead of one grid step; Shift resizes instead of moving.
        const bool fine = event->modifiers() & Qt::AltModifier;
        const double dx = fine ? 1.0 : m_doc->gridStepX;
        const double dy = fine ? 1.0 : m_doc->gridStepY;
        QPointF delta;
        if (key == Qt::Key_Left)
            delta.setX(-dx);
        else if (key == Qt::Key_Right)
            delta.setX(dx);
        else if (key == Qt::Key_Up)
            delta.setY(-dy);
        else
            delta.setY(dy);
        if (event->modifiers() & Qt::ShiftModifier)
            resizeSelection(delta);
        else
            nudgeSelection(delta);
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CReportPE::nudgeSelection(const QPointF &delta)
{
    ChartPage *page = currentPage();
    if (!page)
        return;
    // Items already against the page edge do not move: no empty undo steps.
    QVector<CItemGeometryCommand::Change> moves;
    for (ChartItem *frame : selectedItems()) {
        const ChartItemGeometry before = ChartItemGeometry::capture(*frame);
        const ChartItemGeometry after = canvasdrag::nudge(before, delta, page->size);
        if (after != before)
            moves.append({frame, before, after});
    }
    if (!moves.isEmpty())
        m_session->push(new CItemGeometryCommand(m_session, moves));
}

void CReportPE::resizeSelection(const QPointF &delta)
{
    canvasdrag::Context c = dragContext();
    c.snap = false;
    QVector<CItemGeometryCommand::Change> changes;
    for (ChartItem *frame : selectedItems()) {
        const QRectF r = canvasgeometry::frameBounds(*frame);
        // The right edge for a horizontal step, the bottom edge for a vertical one.
        const bool horizontal = delta.x() != 0;
        const QPointF grip = horizontal ? QPointF(r.right(), r.center().y())
                                        : QPointF(r.center().x(), r.bottom());
        const int handle = horizontal ? 5 : 6;
        const canvasdrag::Start s = startOf(*frame, handle, grip);
        const bool free = canvasdrag::modeForHandle(handle, contentKind(*frame)) == canvasdrag::ResizeFree;
        QPointF to = grip + delta;
        // Never through the opposite edge.
        to.setX(qMax(to.x(), r.left() + 1));
        to.setY(qMax(to.y(), r.top() + 1));
        const ChartItemGeometry after = canvasdrag::resize(s, to, c, free, s.geometry);
        if (after != s.geometry)
            changes.append({frame, s.geometry, after});
    }
    if (!changes.isEmpty())
        m_session->push(new CItemGeometryCommand(m_session, changes, 0, QStringLiteral("Resize")));
}
