#include "panels/cinfomatrwidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/matrixgrid.h"
#include "panels/matrixpaint.h"
#include "panels/panelpaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace MatrixGrid;


CInfoMatrWidget::CInfoMatrWidget(CTheme *theme, QWidget *parent)
    : QWidget(parent), CPanelRows(this), m_theme(theme)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(updateData()));
}

void CInfoMatrWidget::setCells(const QStringList &cells)
{
    m_cells = cells;
    update();
}

void CInfoMatrWidget::clearCells()
{
    m_cells.clear();
    update();
}

int CInfoMatrWidget::cellAt(const QPoint &pos) const
{
    return MatrixGrid::cellAt(pos);
}

QSize CInfoMatrWidget::sizeHint() const
{
    return QSize(600, 290);
}

void CInfoMatrWidget::updateData()
{
    update();
}

void CInfoMatrWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintBackground(p, m_theme, rect());
    paintCells(p, m_theme, false);

    const int hover = cellAt(m_mouse);
    if (hover >= 0) {
        QColor h = PanelPaint::themed(m_theme, PanelPaint::kHover);
        h.setAlpha(50);
        p.setPen(Qt::NoPen);
        p.setBrush(h);
        p.drawRoundedRect(QRectF(cellRect(hover % Columns, hover / Columns)), 5, 5);
        p.setBrush(Qt::NoBrush);
    }
    for (int cell = 0; cell < Cells && cell < m_cells.size(); ++cell) {
        if (isCell(cell % Columns, cell / Columns))
            paintValue(p, m_theme, cellRect(cell % Columns, cell / Columns), m_cells.at(cell), false);
    }
    if (hasFocus() && focusRow() >= 0) {
        p.setPen(QPen(PanelPaint::themed(m_theme, PanelPaint::kHeading), 1, Qt::DotLine));
        p.drawRoundedRect(QRectF(rowRect(focusRow())).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    }
}

int CInfoMatrWidget::rowCount() const
{
    return existingCellCount();
}

QString CInfoMatrWidget::rowName(int row) const
{
    const int cell = nthCell(row);
    return cell < 0 ? QString() : label(cell);
}

QString CInfoMatrWidget::rowValue(int row) const
{
    return m_cells.value(nthCell(row));
}

QRect CInfoMatrWidget::rowRect(int row) const
{
    const int cell = nthCell(row);
    return cell < 0 ? QRect() : cellRect(cell % Columns, cell / Columns);
}

void CInfoMatrWidget::activateRow(int row)
{
    const int cell = nthCell(row);
    if (cell >= 0)
        emit itemCliked(cell);
}

void CInfoMatrWidget::keyPressEvent(QKeyEvent *event)
{
    if (!handleRowKey(event->key()))
        QWidget::keyPressEvent(event);
}

void CInfoMatrWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    setFocusRow(qMax(0, focusRow()));
}

void CInfoMatrWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CInfoMatrWidget::mousePressEvent(QMouseEvent *event)
{
    m_mouse = event->pos();
    if (event->button() == Qt::LeftButton) {
        const int cell = cellAt(event->pos());
        if (cell >= 0)
            emit itemCliked(cell);
    }
}

void CInfoMatrWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int before = cellAt(m_mouse);
    m_mouse = event->pos();
    const int now = cellAt(m_mouse);
    setCursor(now >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (now != before)
        update();
}

void CInfoMatrWidget::leaveEvent(QEvent *)
{
    m_mouse = QPoint(-1, -1);
    update();
}
