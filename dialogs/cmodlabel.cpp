#include "dialogs/cmodlabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

CModLabel::CModLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CModLabel::setSwatchColor(const QColor &color)
{
    m_color = color;
    QPixmap pm(16, 16);
    pm.fill(color);
    setPixmap(pm);
    setAccessibleName(color.name());
    setToolTip(color.name());
}

void CModLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    emit signalClick(event->pos());
    if (m_color.isValid()) {
        QColor c = m_color;
        emit signalClick(c);
    }
}

void CModLabel::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging over the spectrum keeps picking, clamped to the label.
    if (event->buttons() & Qt::LeftButton && !m_color.isValid()) {
        const QPoint p(qBound(0, event->pos().x(), width() - 1),
                       qBound(0, event->pos().y(), height() - 1));
        emit signalClick(p);
    }
}

void CModLabel::keyPressEvent(QKeyEvent *event)
{
    // A swatch can be chosen from the keyboard too.
    if (m_color.isValid() && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                              event->key() == Qt::Key_Enter)) {
        QColor c = m_color;
        emit signalClick(c);
        return;
    }
    QLabel::keyPressEvent(event);
}
