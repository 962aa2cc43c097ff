#include "panels/cinfoexprplanwidget.h"

#include "engine/checkedconnect.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace PanelPaint;

CInfoExprPlanWidget::CInfoExprPlanWidget(CTheme *theme, const QString &title, QWidget *parent)
    : QWidget(parent),
      CPanelRows(this),
      m_theme(theme),
      m_title(title),
      m_names({QStringLiteral("Creative"), QStringLiteral("Dual"), QStringLiteral("Grounded")})
{
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(updateData()));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CInfoExprPlanWidget::keyPressEvent(QKeyEvent *event)
{
    if (!handleRowKey(event->key()))
        QWidget::keyPressEvent(event);
}

void CInfoExprPlanWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    setFocusRow(qMax(0, focusRow()));
}

void CInfoExprPlanWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

int CInfoExprPlanWidget::rowAt(const QPoint &pos) const
{
    // Row 0 of the grid holds the plane captions; the kinds follow it.
    const int firstKind = headerHeight() + 3 + 16;
    if (pos.y() < firstKind || pos.x() <= 0 || pos.x() >= width())
        return -1;
    const int row = (pos.y() - firstKind) / 16;
    return row < m_names.size() ? row : -1;
}

void CInfoExprPlanWidget::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(event->pos());
    if (event->button() == Qt::LeftButton && row >= 0)
        emit itemCliked(row);
}

void CInfoExprPlanWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int row = rowAt(event->pos());
    setCursor(row >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (row != m_hoverRow) {
        m_hoverRow = row;
        update();
    }
}

void CInfoExprPlanWidget::leaveEvent(QEvent *)
{
    m_hoverRow = -1;
    update();
}

QStringList CInfoExprPlanWidget::planeNames()
{
    return {QStringLiteral("Mental"), QStringLiteral("Physical"), QStringLiteral("Emotional"),
            QStringLiteral("Intuitive")};
}

int CInfoExprPlanWidget::headerHeight() const
{
    return m_title.isEmpty() ? 0 : CInfoWidget::HeaderHeight;
}

void CInfoExprPlanWidget::setItemNames(const QStringList &names)
{
    m_names = names.mid(0, 4);
    update();
}

void CInfoExprPlanWidget::setCells(const QStringList &cells)
{
    m_cells = cells;
    update();
}

void CInfoExprPlanWidget::clearCells()
{
    m_cells.clear();
    update();
}

QSize CInfoExprPlanWidget::sizeHint() const
{
    return QSize(600, headerHeight() + (m_names.size() + 1) * 16 + 6);
}

void CInfoExprPlanWidget::updateData()
{
    m_titleImage = m_title.isEmpty()
        ? QImage()
        : CTheme::titleImageFor(m_theme, m_title, width(), CInfoWidget::HeaderHeight);
    update();
}

QString CInfoExprPlanWidget::rowValue(int row) const
{
    const QStringList planes = planeNames();
    QStringList parts;
    for (int c = 0; c < planes.size(); ++c) {
        const QString v = m_cells.value(row * 5 + c);
        if (!v.isEmpty())
            parts << planes.at(c) + QLatin1Char(' ') + v;
    }
    return parts.join(QStringLiteral(", "));
}

QRect CInfoExprPlanWidget::rowRect(int row) const
{
    return QRect(2, headerHeight() + 3 + 16 * (row + 1), width() - 4, 16);
}

void CInfoExprPlanWidget::resizeEvent(QResizeEvent *)
{
    updateData();
}

void CInfoExprPlanWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int header = headerHeight();
    const int w = width();
    const int rows = m_names.size() + 1;  // the caption row, then one row per kind
    fillBody(p, m_theme, header, w, rows);

    const QFont font = pixelFont(QStringLiteral("Arial"), 12);
    const QFont captionFont = pixelFont(QStringLiteral("Arial"), 12, true);

    // The first 120-pixel column holds the row captions; planes follow it.
    const int top = header + 3;
    p.fillRect(QRect(2, top, w - 4, 16), themed(m_theme, kDarkColumn));
    const QStringList planes = planeNames();
    p.setFont(captionFont);
    p.setPen(themed(m_theme, kHeading));
    for (int i = 0; i < planes.size(); ++i)
        p.drawText(QRect(1 + ColumnWidth * (i + 1), top, ColumnWidth, 16), Qt::AlignCenter,
                   planes.at(i));

    p.setPen(themed(m_theme, kFrameInner));
    for (int i = 1; i <= planes.size(); ++i)
        p.drawLine(1 + ColumnWidth * i, top, 1 + ColumnWidth * i, top + rows * 16 - 1);

    if (m_hoverRow >= 0 && m_hoverRow < m_names.size())
        p.fillRect(QRect(2, top + 16 * (m_hoverRow + 1), w - 4, 16), themed(m_theme, kHover));
    // Underlined like a link: the kinds open the planes' explanation.
    QFont kindFont = captionFont;
    kindFont.setUnderline(true);
    for (int r = 0; r < m_names.size(); ++r) {
        const int y = top + 16 * (r + 1);
        p.setFont(kindFont);
        p.setPen(themed(m_theme, kHeading));
        p.drawText(QRect(4, y, 113, 16), Qt::AlignLeft | Qt::AlignVCenter, m_names.at(r));
        for (int c = 0; c < planes.size(); ++c) {
            const QString v = m_cells.value(r * 5 + c);
            if (v.isEmpty())
                continue;
            drawRichText(p, m_theme, 1 + ColumnWidth * (c + 1) + 6, y + 1, ColumnWidth - 8,
                         valueMarkup(v), font);
        }
    }

    if (hasFocus() && rowActivates(focusRow())) {
        p.setPen(QPen(themed(m_theme, kHeading), 1, Qt::DotLine));
        p.drawRect(rowRect(focusRow()).adjusted(0, 0, -1, -1));
    }
    drawFrame(p, m_theme, header, w, rows);
    if (!m_titleImage.isNull())
        p.drawImage(0, 0, m_titleImage);
}
