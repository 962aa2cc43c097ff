#include "panels/cinfocalendarwidget.h"

#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QPainter>

using namespace PanelPaint;

namespace {
const char *const kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
}

CInfoCalendarWidget::CInfoCalendarWidget(CTheme *theme, const QString &title, QWidget *parent)
    : CInfoWidget(theme, title,
                  {QStringLiteral("Years "), QStringLiteral("Months"), QStringLiteral("Days")},
                  parent)
{
}

void CInfoCalendarWidget::setCalendar(const QDate &start, const QDate &reference,
                                      const QStringList &years, const QStringList &months,
                                      const QStringList &days)
{
    m_start = start;
    m_reference = reference;
    m_rows[0] = years;
    m_rows[1] = months;
    m_rows[2] = days;
    update();
}

void CInfoCalendarWidget::setReferenceDate(const QDate &reference)
{
    m_reference = reference;
    update();
}

int CInfoCalendarWidget::cellCount()
{
    int n = 0;
    for (int x = 4 + CaptionWidth; x + CellWidth <= RightEdge; x += CellWidth)
        ++n;
    return n;
}

QString CInfoCalendarWidget::cellText(int row, int i) const
{
    if (row < 0 || row > 2 || i < 0 || i >= m_rows[row].size() || !m_start.isValid())
        return QString();
    const QString &number = m_rows[row].at(i);
    if (number.isEmpty())
        return QString();
    switch (row) {
    case 0:
        return number + QStringLiteral(" (") + QString::number(m_start.addMonths(12 * i).year()) +
               QStringLiteral(")");
    case 1:
        return number + QLatin1Char(' ') +
               QString::fromLatin1(kMonths[m_start.addMonths(i).month() - 1]);
    default:
        return number + QStringLiteral(" (") + QString::number(m_start.addDays(i).day()) +
               QStringLiteral(")");
    }
}

bool CInfoCalendarWidget::isReferenceCell(int row, int i) const
{
    if (!m_start.isValid() || !m_reference.isValid() || i < 0)
        return false;
    switch (row) {
    case 0:
        return m_start.addMonths(12 * i).year() == m_reference.year();
    case 1: {
        const QDate d = m_start.addMonths(i);
        return d.year() == m_reference.year() && d.month() == m_reference.month();
    }
    case 2:
        return m_start.addDays(i) == m_reference;
    default:
        return false;
    }
}

QString CInfoCalendarWidget::rowValue(int row) const
{
    QStringList cells;
    for (int i = 0; i < cellCount(); ++i) {
        const QString text = cellText(row, i);
        if (text.isEmpty())
            continue;
        if (isReferenceCell(row, i))
            cells.prepend(text);
        else
            cells.append(text);
    }
    return cells.join(QStringLiteral(", "));
}

QSize CInfoCalendarWidget::sizeHint() const
{
    return QSize(600, headerHeight() + 3 * RowHeight + 6);
}

void CInfoCalendarWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int header = headerHeight();
    const int w = paintWidth();
    fillBody(p, m_theme, header, w, 3);

    const QFont normal = pixelFont(QStringLiteral("Arial"), 10);
    const QFont bold = pixelFont(QStringLiteral("Arial"), 11, true);
    const QFont captionFont = pixelFont(QStringLiteral("Arial"), 10, true);
    QColor mark = themed(kHover);
    mark.setAlpha(160);
    QColor stripe = themed(kDarkColumn);
    // The marked cell is the hover colour blended over a stripe at worst.
    const auto blend = [&](int a, int b) { return (a * mark.alpha() + b * (255 - mark.alpha())) / 255; };
    const QColor onMark(blend(mark.red(), stripe.red()), blend(mark.green(), stripe.green()),
                        blend(mark.blue(), stripe.blue()));
    const QPen normalPen(readableThemed(m_theme, kText, stripe));
    const QPen highlightPen(readableThemed(m_theme, kHeading, onMark));

    for (int row = 0; row < 3; ++row) {
        const int y = header + 3 + row * RowHeight;
        p.setFont(captionFont);
        p.setPen(themed(kHeading));
        p.drawText(QRect(4, y, CaptionWidth, RowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   m_names.value(row).trimmed());
        const int cells = cellCount();
        for (int i = 0; i < cells; ++i) {
            const QRect cell(4 + CaptionWidth + i * CellWidth, y, CellWidth, RowHeight);
            if (i % 2 == 1)
                p.fillRect(cell, stripe);
            const QString text = cellText(row, i);
            if (text.isEmpty())
                continue;
            const bool ref = isReferenceCell(row, i);
            if (ref) {
                p.setPen(QPen(themed(kHeading), 1));
                p.setBrush(mark);
                p.drawRoundedRect(QRectF(cell).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
                p.setBrush(Qt::NoBrush);
            }
            p.setFont(ref ? bold : normal);
            p.setPen(ref ? highlightPen : normalPen);
            p.drawText(cell, Qt::AlignCenter, text);
        }
    }
    drawFrame(p, m_theme, header, w, 3);
    drawTitle(p);
}
