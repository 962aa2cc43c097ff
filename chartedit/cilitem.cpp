#include "chartedit/cilitem.h"

#include "panels/ctheme.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kCountLine = 18;
} // namespace

CILItem::CILItem(ChartPage *page, QWidget *parent) : QWidget(parent), m_page(page)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    refreshAccessibleName();
}

int CILItem::heightForEntryWidth(int width)
{
    // Wide strips get a bounded picture height, so several entries stay in view.
    return qBound(60, width * 9 / 10, 120) + kCountLine;
}

void CILItem::setThumbnail(const QImage &image)
{
    m_thumbnail = image;
    update();
}

void CILItem::setCaption(const QString &caption)
{
    m_caption = caption;
    refreshAccessibleName();
    update();
}

void CILItem::setCountText(const QString &text)
{
    m_countText = text;
    refreshAccessibleName();
    update();
}

void CILItem::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    update();
}

void CILItem::refreshAccessibleName()
{
    setAccessibleName(m_caption + QLatin1Char(' ') + m_countText);
}

void CILItem::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect area(0, 0, width(), height() - kCountLine);
    if (!m_thumbnail.isNull()) {
        // The thumbnail sits at the top-left corner, scaled to the entry.
        const QSize fitted = m_thumbnail.size().scaled(area.size() - QSize(6, 6), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, 3), fitted);
        p.drawImage(target, m_thumbnail);
    }

    QFont captionFont(QStringLiteral("Arial"));
    captionFont.setPointSize(10);
    p.setFont(captionFont);
    const QRect captionRect(4, 4, width() - 8, height() - 20);
    const QRect used = p.fontMetrics().boundingRect(captionRect, Qt::AlignHCenter | Qt::TextWordWrap,
                                                    m_caption);
    // A light backing keeps the caption readable over the page picture.
    // The program's window and body-text colours, through the theme.
    auto themed = [this](int r, int g, int b) {
        return m_theme ? m_theme->mapColor(r, g, b) : QColor(r, g, b);
    };
    const QColor text = themed(0xec, 0xe7, 0xe0);
    if (!m_caption.isEmpty()) {
        QColor backing = themed(0x2c, 0x24, 0x20);
        backing.setAlpha(200);
        p.fillRect(used.adjusted(-3, -1, 3, 1), backing);
    }
    p.setPen(text);
    p.drawText(captionRect, Qt::AlignHCenter | Qt::TextWordWrap, m_caption);

    p.drawText(QRect(0, height() - kCountLine, width(), kCountLine), Qt::AlignCenter, m_countText);

    if (m_selected) {
        const QColor frame = m_theme ? m_theme->mapColor(255, 50, 50) : QColor(255, 50, 50);
        p.setPen(QPen(frame, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    }
}

void CILItem::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressPos = event->pos();
    m_pressed = true;
}

void CILItem::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->pos() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressed = false;
    emit startDD(this);
}

void CILItem::mouseReleaseEvent(QMouseEvent *event)
{
    // A click selects; a press that became a drag does not, so a block can be
    // dragged onto the page without leaving it.
    const bool click = m_pressed && event->button() == Qt::LeftButton;
    m_pressed = false;
    if (click)
        emit clicked(this);
}
