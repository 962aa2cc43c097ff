#include "chartedit/cilcontainerwidget.h"

#include "chartedit/cilitem.h"

#include <QDataStream>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

namespace {
constexpr int kSpacing = 4;
} // namespace

CILContainerWidget::CILContainerWidget(QWidget *parent) : QWidget(parent)
{
    setAcceptDrops(true);
}

QString CILContainerWidget::mimeType()
{
    return QStringLiteral("application/x-qznum-icon-entry");
}

void CILContainerWidget::insertItem(int index, CILItem *item)
{
    item->setParent(this);
    m_items.insert(qBound(0, index, m_items.size()), item);
    item->show();
    relayout(m_entryWidth);
}

void CILContainerWidget::takeItem(CILItem *item)
{
    m_items.removeAll(item);
    relayout(m_entryWidth);
}

bool CILContainerWidget::moveItem(int from, int to)
{
    if (from < 0 || from >= m_items.size())
        return false;
    to = qBound(0, to, m_items.size() - 1);
    if (from == to)
        return false;
    m_items.move(from, to);
    relayout(m_entryWidth);
    return true;
}

int CILContainerWidget::dropIndexAt(int y) const
{
    // The slot between entries nearest to the drop point.
    int index = 0;
    for (CILItem *item : m_items) {
        if (y < item->geometry().center().y())
            break;
        ++index;
    }
    return index;
}

void CILContainerWidget::relayout(int width, int maxHeight)
{
    m_entryWidth = qMax(20, width);
    if (maxHeight >= 0)
        m_maxHeight = maxHeight;
    int h = CILItem::heightForEntryWidth(m_entryWidth - 2 * kSpacing);
    // A low strip still shows one whole entry with its count.
    if (m_maxHeight > 0)
        h = qBound(40, m_maxHeight - 2 * kSpacing, h);
    int y = kSpacing;
    for (CILItem *item : m_items) {
        item->setGeometry(kSpacing, y, m_entryWidth - 2 * kSpacing, h);
        y += h + kSpacing;
    }
    setFixedHeight(qMax(y, 10));
    update();
}

bool CILContainerWidget::ownDrag(const QMimeData *mime, int *index) const
{
    if (!mime || !mime->hasFormat(mimeType()))
        return false;
    QByteArray data = mime->data(mimeType());
    QDataStream in(&data, QIODevice::ReadOnly);
    quint64 tag = 0;
    qint32 from = -1;
    in >> tag >> from;
    if (in.status() != QDataStream::Ok || tag != m_ownerTag || from < 0 || from >= m_items.size())
        return false;
    if (index)
        *index = from;
    return true;
}

void CILContainerWidget::dragEnterEvent(QDragEnterEvent *event)
{
    if (ownDrag(event->mimeData())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void CILContainerWidget::dragMoveEvent(QDragMoveEvent *event)
{
    if (!ownDrag(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    m_dropMarker = dropIndexAt(event->pos().y());
    update();
}

void CILContainerWidget::dragLeaveEvent(QDragLeaveEvent *)
{
    m_dropMarker = -1;
    update();
}

void CILContainerWidget::dropEvent(QDropEvent *event)
{
    m_dropMarker = -1;
    update();
    int from = -1;
    if (!ownDrag(event->mimeData(), &from)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    int to = dropIndexAt(event->pos().y());
    if (to > from)
        --to; // the slot counted the dragged entry itself
    if (moveItem(from, to))
        emit itemMoved(from, to);
}

void CILContainerWidget::paintEvent(QPaintEvent *)
{
    if (m_dropMarker < 0)
        return;
    int y = kSpacing / 2;
    if (m_dropMarker > 0 && m_dropMarker <= m_items.size())
        y = m_items[m_dropMarker - 1]->geometry().bottom() + kSpacing / 2 + 1;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 3));
    p.drawLine(kSpacing, y, width() - kSpacing, y);
}
