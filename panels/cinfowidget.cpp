#include "panels/cinfowidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace PanelPaint;

namespace {
constexpr int kNameWidth = 98;
constexpr int kMinPixels = 8;
} // namespace

CInfoWidget::CInfoWidget(CTheme *theme, const QString &title, const QStringList &itemNames,
                         QWidget *parent)
    : QWidget(parent), CPanelRows(this), m_theme(theme), m_title(title), m_names(itemNames)
{
    m_values.reserve(m_names.size());
    for (int i = 0; i < m_names.size(); ++i)
        m_values << QString();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(updateData()));
    rebuildTitleImage();
}

void CInfoWidget::setTitle(const QString &title)
{
    m_title = title;
    rebuildTitleImage();
    update();
}

void CInfoWidget::setItemNames(const QStringList &names)
{
    m_names = names;
    update();
}

void CInfoWidget::setItemValues(const QStringList &values)
{
    m_values = values;
    update();
}

void CInfoWidget::clearValues()
{
    m_values.clear();
    for (int i = 0; i < m_names.size(); ++i)
        m_values << QString();
    update();
}

void CInfoWidget::setClickable(bool on)
{
    m_clickable = on;
    setMouseTracking(on);
    // Rows that open something are reached by Tab as well as by the mouse.
    setFocusPolicy(on && !m_names.isEmpty() ? Qt::StrongFocus : Qt::NoFocus);
    if (!on)
        unsetCursor();
    update();
}

void CInfoWidget::setClickableRows(int rows)
{
    m_clickableRows = rows;
    update();
}

void CInfoWidget::setExtraWidth(int extra)
{
    m_extraWidth = extra;
    rebuildTitleImage();
    update();
}

QColor CInfoWidget::themed(QRgb rgb) const
{
    return PanelPaint::themed(m_theme, rgb);
}

void CInfoWidget::rebuildTitleImage()
{
    m_titleImage = m_title.isEmpty()
        ? QImage()
        : CTheme::titleImageFor(m_theme, m_title, paintWidth(), HeaderHeight);
}

void CInfoWidget::drawTitle(QPainter &p) const
{
    if (!m_titleImage.isNull())
        p.drawImage(0, 0, m_titleImage);
}

void CInfoWidget::updateData()
{
    rebuildTitleImage();
    update();
}

QSize CInfoWidget::sizeHint() const
{
    return QSize(220, headerHeight() + m_names.size() * RowHeight + 6);
}

int CInfoWidget::rowAt(const QPoint &pos) const
{
    if (!m_clickable)
        return -1;
    const int top = headerHeight() + 3;
    // The gap under the title would otherwise divide to row 0.
    if (pos.y() < top)
        return -1;
    const int row = (pos.y() - top) / RowHeight;
    if (row < 0 || row >= m_names.size() || row >= m_clickableRows)
        return -1;
    if (pos.x() <= 0 || pos.x() >= paintWidth())
        return -1;
    return row;
}

void CInfoWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int header = headerHeight();
    const int w = paintWidth();
    const int n = m_names.size();

    fillBody(p, m_theme, header, w, n);

    const int hover = m_clickable && m_mouseInside ? rowAt(m_mouse) : -1;
    if (hover >= 0)
        p.fillRect(QRect(2, header + 3 + hover * RowHeight, w - 2, RowHeight), themed(kHover));

    if (m_values.size() == n) {
        const QFont nameFont = pixelFont(QStringLiteral("Arial"), 12);
        const QFont smallFont = pixelFont(QStringLiteral("Arial"), 10);
        const QString nameColour = QStringLiteral("<font color=\"#ece7e0\">%1</font>");
        for (int i = 0; i < n; ++i) {
            const int y = header + 3 + i * RowHeight;
            const QString escaped = m_names.at(i).toHtmlEscaped();
            const QString name = nameColour.arg(isRowClickable(i) ? QStringLiteral("<u>") + escaped + QStringLiteral("</u>")
                                                                  : escaped);
            const QFont nf = fittedFont(name, nameFont, kNameWidth, kMinPixels);
            // The row under the mouse is lighter: its texts are lifted to stay readable.
            const QColor back = i == hover ? themed(kHover) : QColor();
            drawRichText(p, m_theme, 4, y + 1 + (12 - nf.pixelSize()), kNameWidth, name, nf, back);
            // Long values start smaller and shrink further where the panel is narrow.
            const QString &v = m_values.at(i);
            const QString value = valueMarkup(v, !m_ageRows.contains(i));
            const QFont vf = fittedFont(value, v.size() >= 13 ? smallFont : nameFont, w - 108, kMinPixels);
            drawRichText(p, m_theme, 104, y + 1 + (12 - vf.pixelSize()), w - 108, value, vf, back);
        }
    }

    drawFrame(p, m_theme, header, w, n);
    drawFocusRow(p);
    drawTitle(p);
}

QRect CInfoWidget::rowRect(int row) const
{
    return QRect(2, headerHeight() + 3 + row * RowHeight, paintWidth() - 4, RowHeight);
}

bool CInfoWidget::rowActivates(int row) const
{
    return m_clickable && row >= 0 && row < m_names.size() && row < m_clickableRows;
}

void CInfoWidget::keyPressEvent(QKeyEvent *event)
{
    if (!handleRowKey(event->key()))
        QWidget::keyPressEvent(event);
}

void CInfoWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    setFocusRow(rowActivates(focusRow()) ? focusRow() : (rowActivates(0) ? 0 : -1));
}

void CInfoWidget::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CInfoWidget::drawFocusRow(QPainter &p) const
{
    if (!hasFocus() || !rowActivates(focusRow()))
        return;
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(themed(kHeading), 1, Qt::DotLine));
    p.drawRect(rowRect(focusRow()).adjusted(0, 0, -1, -1));
    p.restore();
}

void CInfoWidget::mousePressEvent(QMouseEvent *event)
{
    m_mouse = event->pos();
    m_mouseInside = true;
    if (event->button() == Qt::LeftButton) {
        const int row = rowAt(event->pos());
        if (row >= 0)
            emit itemCliked(row);
    }
    update();
}

void CInfoWidget::mouseMoveEvent(QMouseEvent *event)
{
    const int before = rowAt(m_mouse);
    m_mouse = event->pos();
    m_mouseInside = true;
    const int now = rowAt(m_mouse);
    setCursor(now >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (now != before)
        update();
}

void CInfoWidget::leaveEvent(QEvent *)
{
    m_mouseInside = false;
    m_mouse = QPoint(-1, -1);
    update();
}

void CInfoWidget::resizeEvent(QResizeEvent *)
{
    rebuildTitleImage();
}
