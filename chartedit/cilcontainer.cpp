#include "chartedit/cilcontainer.h"

#include "chartedit/cilcontainerwidget.h"

#include <QResizeEvent>
#include <QScrollBar>

CILContainer::CILContainer(QWidget *parent) : QScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(false);
    m_column = new CILContainerWidget;
    setWidget(m_column);
    // The window's own background shows behind the entries.
    viewport()->setAutoFillBackground(false);
    m_column->setAutoFillBackground(false);
}

void CILContainer::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    // The column always spans the viewport; the scroll bar takes its own room.
    const int w = viewport()->width();
    m_column->relayout(w, viewport()->height());
    m_column->setFixedWidth(w);
}
