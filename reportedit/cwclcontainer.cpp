#include "reportedit/cwclcontainer.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "reportedit/cwclitem.h"
#include "reportedit/lmitemmime.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace {
constexpr int kTop = 4;
}

CWCLContainer::CWCLContainer(const CTheme *theme, QWidget *parent)
    : QWidget(parent), m_theme(theme)
{
    setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CWCLContainer::setItems(const QList<CReportFieldItem> &items, const QStringList &labels)
{
    while (m_rows.size() < items.size()) {
        auto *row = new CWCLItem(CReportFieldItem(), QString(), m_theme, this);
        qz::checkedConnect(row, SIGNAL(clicked(CWCLItem*)), this, SLOT(OnItemClicked(CWCLItem*)));
        qz::checkedConnect(row, SIGNAL(doubleClicked(CWCLItem*)), this, SLOT(OnItemDoubleClicked(CWCLItem*)));
        m_rows.append(row);
    }
    m_count = items.size();
    for (int i = 0; i < m_rows.size(); ++i) {
        CWCLItem *row = m_rows[i];
        if (i < m_count) {
            row->setContent(items.at(i), labels.value(i));
            row->setIndex(i);
            row->show();
        } else {
            row->setIndex(-1);
            row->setSelected(false);
            row->hide();
        }
    }
    if (m_selected >= m_count)
        m_selected = -1;
    setSelectedIndex(m_selected);
    placeRows();
    updateGeometry();
}

CWCLItem *CWCLContainer::itemAt(int index) const
{
    return index >= 0 && index < m_count ? m_rows.at(index) : nullptr;
}

void CWCLContainer::setSelectedIndex(int index)
{
    m_selected = index >= 0 && index < m_count ? index : -1;
    m_extra.clear();
    m_lead = m_selected;
    for (int i = 0; i < m_count; ++i)
        m_rows[i]->setSelected(i == m_selected);
}

void CWCLContainer::setExtraSelection(const QVector<int> &more)
{
    m_extra = more;
    for (int i = 0; i < m_count; ++i)
        m_rows[i]->setSelected(i == m_selected || m_extra.contains(i));
}

int CWCLContainer::gapAt(int y) const
{
    for (int i = 0; i < m_count; ++i) {
        const QRect g = m_rows.at(i)->geometry();
        if (y < g.center().y())
            return i;
    }
    return m_count;
}

QSize CWCLContainer::sizeHint() const
{
    return QSize(160, kTop * 2 + m_count * CWCLItem::RowHeight);
}

void CWCLContainer::placeRows()
{
    for (int i = 0; i < m_count; ++i)
        m_rows[i]->setGeometry(4, kTop + i * CWCLItem::RowHeight, width() - 8, CWCLItem::RowHeight);
    setMinimumHeight(kTop * 2 + m_count * CWCLItem::RowHeight);
}

void CWCLContainer::resizeEvent(QResizeEvent *)
{
    placeRows();
}

void CWCLContainer::OnItemClicked(CWCLItem *item)
{
    setFocus(Qt::MouseFocusReason);
    const Qt::KeyboardModifiers mods = item->pressModifiers();
    if (m_selected >= 0 && item->index() >= 0 && (mods & (Qt::ControlModifier | Qt::ShiftModifier))) {
        m_lead = item->index();
        emit extendRequested(item->index(), mods & Qt::ShiftModifier);
        return;
    }
    emit itemSelected(item);
}

void CWCLContainer::OnItemDoubleClicked(CWCLItem *item)
{
    if (item->index() >= 0)
        emit activated(item->index());
}

void CWCLContainer::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(LmItemMime::mimeType()))
        event->acceptProposedAction();
}

void CWCLContainer::dragMoveEvent(QDragMoveEvent *event)
{
    if (!event->mimeData()->hasFormat(LmItemMime::mimeType()))
        return;
    event->acceptProposedAction();
    const int gap = gapAt(event->pos().y());
    if (gap != m_dropGap) {
        m_dropGap = gap;
        update();
    }
}

void CWCLContainer::dragLeaveEvent(QDragLeaveEvent *)
{
    m_dropGap = -1;
    update();
}

void CWCLContainer::dropEvent(QDropEvent *event)
{
    m_dropGap = -1;
    update();
    const QMimeData *mime = event->mimeData();
    if (!mime->hasFormat(LmItemMime::mimeType()))
        return;
    quint64 source = 0;
    int sourceIndex = -1;
    const QList<QByteArray> parts = mime->data(CWCLItem::sourceIndexMimeType()).split(':');
    if (parts.size() == 2) {
        bool ok1 = false;
        bool ok2 = false;
        source = parts[0].toULongLong(&ok1);
        sourceIndex = parts[1].toInt(&ok2);
        if (!ok1 || !ok2 || sourceIndex < 0) {
            source = 0;
            sourceIndex = -1;
        }
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    emit fieldDropped(gapAt(event->pos().y()), mime->data(LmItemMime::mimeType()), source, sourceIndex);
}

void CWCLContainer::keyPressEvent(QKeyEvent *event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int delta = event->key() == Qt::Key_Up ? -1 : 1;
        if (alt) {
            if (m_selected >= 0)
                emit moveRequested(m_selected, delta);
        } else if ((event->modifiers() & Qt::ShiftModifier) && m_selected >= 0) {
            const int lead = qBound(0, (m_lead < 0 ? m_selected : m_lead) + delta, m_count - 1);
            m_lead = lead;
            emit extendRequested(lead, true);
        } else if (m_count > 0) {
            const int next = m_selected < 0 ? 0 : qBound(0, m_selected + delta, m_count - 1);
            emit itemSelected(m_rows[next]);
        }
        return;
    }
    case Qt::Key_Delete:
        if (m_selected >= 0)
            emit removeRequested(m_selected);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_selected >= 0)
            emit activated(m_selected);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CWCLContainer::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor line = m_theme ? m_theme->mapColor(QColor(0xe9, 0xc9, 0x8a)) : palette().highlight().color();
    if (m_dropGap >= 0) {
        const int y = kTop + m_dropGap * CWCLItem::RowHeight;
        p.fillRect(QRect(2, y - 1, width() - 4, 3), line);
    }
    if (hasFocus()) {
        p.setPen(QPen(line, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CWCLContainer::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void CWCLContainer::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}
