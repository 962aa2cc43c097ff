#include "panels/cexpandwidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QTextBrowser>
#include <QToolButton>

using namespace PanelPaint;

CExpandWidget::CExpandWidget(CTheme *theme, QWidget *parent) : QWidget(parent), m_theme(theme)
{
    m_browser = new QTextBrowser(this);
    m_browser->setFrameShape(QFrame::NoFrame);
    m_browser->setOpenExternalLinks(false);
    m_browser->viewport()->setAutoFillBackground(false);
    m_browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_toggle = new QToolButton(this);
    m_toggle->setAutoRaise(true);
    m_toggle->setCursor(Qt::PointingHandCursor);
    m_toggle->setArrowType(Qt::UpArrow);
    m_toggle->setToolTip(QStringLiteral("Expand"));
    qz::checkedConnect(m_toggle, SIGNAL(clicked()), this, SLOT(slotExpand()));

    m_animation = new QPropertyAnimation(this, "geometry", this);
    m_animation->setDuration(260);
    m_animation->setEasingCurve(QEasingCurve::OutCubic);

    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(slotUpdate()));
    restyle();
}

void CExpandWidget::setText(const QString &html)
{
    m_browser->setHtml(html);
}

QString CExpandWidget::text() const
{
    return m_browser->toPlainText();
}

void CExpandWidget::setGeometries(const QRect &collapsed, const QRect &expanded)
{
    m_collapsed = collapsed;
    m_expanded = expanded;
    slotUpdate();
}

void CExpandWidget::setDuration(int ms)
{
    m_animation->setDuration(qMax(0, ms));
}

void CExpandWidget::slotExpand()
{
    m_isExpanded = !m_isExpanded;
    m_animation->stop();
    const QRect target = m_isExpanded ? m_expanded : m_collapsed;
    m_toggle->setArrowType(m_isExpanded ? Qt::DownArrow : Qt::UpArrow);
    m_toggle->setToolTip(m_isExpanded ? QStringLiteral("Collapse") : QStringLiteral("Expand"));
    if (m_animation->duration() == 0 || !isVisible()) {
        setGeometry(target);
    } else {
        // Starts from wherever a previous slide left the panel.
        m_animation->setStartValue(geometry());
        m_animation->setEndValue(target);
        m_animation->start();
    }
    emit expandedChanged(m_isExpanded);
}

void CExpandWidget::slotUpdate()
{
    m_animation->stop();
    const QRect target = m_isExpanded ? m_expanded : m_collapsed;
    if (target.isValid())
        setGeometry(target);
    restyle();
    update();
}

void CExpandWidget::restyle()
{
    const QString own = QStringLiteral(
        "QTextBrowser { color: #ffffff; background: transparent; border: none; font-size: 14px; }");
    if (m_theme)
        m_browser->setStyleSheet(m_theme->styleSheet(CTheme::SheetText) + m_theme->mapStyleText(own));
    else
        m_browser->setStyleSheet(own);
    const QString button = QStringLiteral(
        "QToolButton { background: transparent; border: none; color: #eddbb2; }"
        "QToolButton:hover { background-color: #5c524c; border-radius: 3px; }");
    m_toggle->setStyleSheet(m_theme ? m_theme->mapStyleText(button) : button);
}

void CExpandWidget::resizeEvent(QResizeEvent *)
{
    m_browser->setGeometry(8, 6, qMax(0, width() - 34), qMax(0, height() - 12));
    m_toggle->setGeometry(width() - 24, 4, 20, 18);
}

void CExpandWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor back = themed(m_theme, 0x2c2420);
    back.setAlpha(225);
    p.setPen(themed(m_theme, kFrameOuter));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}
