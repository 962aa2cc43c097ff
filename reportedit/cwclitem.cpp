#include "reportedit/cwclitem.h"

#include "panels/ctheme.h"
#include "reportedit/lmitemmime.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor themed(const CTheme *theme, const QColor &base)
{
    return theme ? theme->mapColor(base) : base;
}

}  // namespace

CWCLItem::CWCLItem(const CReportFieldItem &item, const QString &label, const CTheme *theme, QWidget *parent)
    : QWidget(parent), m_item(item), m_label(label), m_theme(theme)
{
    setFixedHeight(RowHeight);
    setContent(item, label);
}

void CWCLItem::setContent(const CReportFieldItem &item, const QString &label)
{
    m_item = item;
    m_label = label;
    setAccessibleName(label);
    setToolTip(item.caption.isEmpty() ? label : item.caption);
    update();
}

void CWCLItem::setSelected(bool on)
{
    if (m_selected == on)
        return;
    m_selected = on;
    update();
}

void CWCLItem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(1, 1, -2, -1);
    // Colours of the base palette, recoloured by the theme like the painted panels.
    p.setPen(themed(m_theme, QColor(0x5c, 0x52, 0x4c)));
    p.setBrush(themed(m_theme, m_selected ? QColor(0x8a, 0x6a, 0x4a) : QColor(0x3a, 0x30, 0x2a)));
    p.drawRoundedRect(r, 3, 3);
    p.setPen(themed(m_theme, m_selected ? QColor(0xff, 0xf4, 0xdc) : QColor(237, 219, 178)));
    QFont f = font();
    f.setBold(m_selected);
    p.setFont(f);
    const QString text = p.fontMetrics().elidedText(m_label, Qt::ElideRight, r.width() - 12);
    p.drawText(r.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
}

QString CWCLItem::sourceIndexMimeType()
{
    return QStringLiteral("application/x-qz-lm-index");
}

QMimeData *CWCLItem::mimeFor(const CReportFieldItem &item, const QString &label, const QObject *list, int row)
{
    auto *mime = new QMimeData;
    mime->setData(LmItemMime::mimeType(), LmItemMime::encode(item, label));
    // The list is named by its address only to compare it, never to reach it.
    mime->setData(sourceIndexMimeType(),
                  QByteArray::number(quint64(quintptr(list))) + ':' + QByteArray::number(row));
    return mime;
}

void CWCLItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPos = event->pos();
    m_pressed = true;
    m_pressModifiers = event->modifiers();
    emit clicked(this);
}

void CWCLItem::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->pos() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressed = false;
    QMimeData *mime = mimeFor(m_item, m_label, parentWidget(), m_index);
    // The list owns the drag: it outlives any change the drop makes to this row.
    auto *drag = new QDrag(parentWidget());
    drag->setMimeData(mime);
    drag->setPixmap(grab());
    drag->setHotSpot(m_pressPos);
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void CWCLItem::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked(this);
}
