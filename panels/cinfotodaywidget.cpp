#include "panels/cinfotodaywidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QTextBrowser>

using namespace PanelPaint;

CInfoTodayWidget::CInfoTodayWidget(CTheme *theme, QWidget *parent)
    : QWidget(parent), CPanelRows(this), m_theme(theme)
{
    m_values = QStringList({QString(), QString(), QString()});
    m_text = new QTextBrowser(this);
    m_text->setAccessibleName(QStringLiteral("Personal Day meaning"));
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setOpenLinks(false);
    m_text->setAttribute(Qt::WA_TranslucentBackground);
    m_text->viewport()->setAutoFillBackground(false);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(updateData()));
    updateData();
}

QPair<QString, QString> CInfoTodayWidget::splitValue(const QString &value)
{
    const int open = value.indexOf(QStringLiteral(" ("));
    if (open < 0)
        return {value.trimmed(), QString()};
    QString rest = value.mid(open + 2);
    if (rest.endsWith(QLatin1Char(')')))
        rest.chop(1);
    return {value.left(open).trimmed(), rest.trimmed()};
}

void CInfoTodayWidget::setValues(const QString &year, const QString &month, const QString &day)
{
    m_values = QStringList({year, month, day});
    update();
}

void CInfoTodayWidget::setValues(const QStringList &values)
{
    setValues(values.value(0), values.value(1), values.value(2));
}

void CInfoTodayWidget::setDate(const QDate &date)
{
    m_date = date;
    update();
}

void CInfoTodayWidget::setDayText(const QString &text)
{
    m_text->setHtml(text);
}

QString CInfoTodayWidget::dayText() const
{
    return m_text->toPlainText();
}

void CInfoTodayWidget::clearValues()
{
    setValues(QString(), QString(), QString());
    m_text->clear();
}

QSize CInfoTodayWidget::sizeHint() const
{
    return QSize(180, 420);
}

void CInfoTodayWidget::updateData()
{
    if (m_theme)
        m_text->setStyleSheet(m_theme->styleSheet(CTheme::SheetText) +
                              m_theme->mapStyleText(QStringLiteral(
                                  "QTextBrowser { font-size: 12px; color: #ece7e0; }")));
    else
        m_text->setStyleSheet(QStringLiteral(
            "QTextBrowser { background: transparent; border: none; font-size: 12px; color: #ece7e0; }"));
    update();
}

QString CInfoTodayWidget::rowName(int row) const
{
    static const char *const names[3] = {"Personal Year", "Personal Month", "Personal Day"};
    return row >= 0 && row < 3 ? QString::fromLatin1(names[row]) : QString();
}

QRect CInfoTodayWidget::rowRect(int row) const
{
    const int cellW = (width() - 16) / 3;
    return QRect(8 + row * cellW, 62, cellW, 60);
}

void CInfoTodayWidget::resizeEvent(QResizeEvent *)
{
    m_text->setGeometry(8, TextTop + 4, qMax(0, width() - 14), qMax(0, height() - TextTop - 10));
}

void CInfoTodayWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(themed(m_theme, kFrameOuter));
    p.setBrush(themed(m_theme, kBody));
    p.drawRoundedRect(frame, 6, 6);

    const QColor well = themed(m_theme, 0x2c2420);
    const QColor heading = readableThemed(m_theme, kHeading, well);
    const QColor green = readableThemed(m_theme, kGreen, well);
    const QFont big = pixelFont(QStringLiteral("Arial"), 32, true);
    const QFont small = pixelFont(QStringLiteral("Arial"), 12, true);

    p.setFont(big);
    p.setPen(heading);
    p.drawText(QRect(10, 4, width() - 20, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Today"));
    if (m_date.isValid()) {
        p.setFont(small);
        p.setPen(themed(m_theme, 0xb4a79b));
        p.drawText(QRect(10, 42, width() - 20, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QLocale(QLocale::English).toString(m_date, QStringLiteral("d MMMM yyyy")));
    }

    const QString labels[3] = {QStringLiteral("Year"), QStringLiteral("Month"),
                               QStringLiteral("Day")};
    const int cellW = (width() - 16) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRect cell(8 + i * cellW, 62, cellW, 60);
        p.setPen(Qt::NoPen);
        p.setBrush(well);
        p.drawRoundedRect(QRectF(cell).adjusted(2, 0, -2, 0), 5, 5);
        const QPair<QString, QString> v = splitValue(m_values.value(i));
        p.setFont(big);
        p.setPen(green);
        p.drawText(QRect(cell.left(), cell.top() + 2, cell.width(), 36), Qt::AlignCenter,
                   v.first.isEmpty() ? QStringLiteral("-") : v.first);
        p.setFont(small);
        p.setPen(heading);
        p.drawText(QRect(cell.left(), cell.top() + 38, cell.width(), 18), Qt::AlignCenter,
                   v.second.isEmpty() ? labels[i] : v.second);
    }
    p.setPen(themed(m_theme, kFrameInner));
    p.drawLine(10, TextTop, width() - 10, TextTop);
}
