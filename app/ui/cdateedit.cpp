#include "app/ui/cdateedit.h"

#include "engine/checkedconnect.h"

#include <QAction>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QStyle>

CDateEdit::CDateEdit(const QDate &date, QWidget *parent) : QLineEdit(parent)
{
    // Digits in fixed places; typing a separator steps over it.
    setInputMask(QStringLiteral("00/00/0000; "));
    m_calendarAction = addAction(QIcon(), QLineEdit::TrailingPosition);
    m_calendarAction->setToolTip(QStringLiteral("Open the calendar"));
    m_calendarAction->setText(QStringLiteral("Open the calendar"));
    qz::checkedConnect(m_calendarAction, SIGNAL(triggered()), this, SLOT(OnOpenCalendar()));
    qz::checkedConnect(this, SIGNAL(textEdited(QString)), this, SLOT(OnTextEdited(QString)));
    qz::checkedConnect(this, SIGNAL(editingFinished()), this, SLOT(OnEditingFinished()));
    m_date = date.isValid() ? qBound(m_min, date, m_max) : m_min;
    showDate();
    updateButtonIcon();
}

void CDateEdit::setDisplayFormat(const QString &format)
{
    m_format = format == QLatin1String("dd/MM/yyyy") ? format : QStringLiteral("MM/dd/yyyy");
    showDate();
}

void CDateEdit::setMinimumDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_min = date;
    if (m_max < m_min)
        m_max = m_min;
    setDate(m_date);
}

void CDateEdit::setMaximumDate(const QDate &date)
{
    if (!date.isValid())
        return;
    m_max = date;
    if (m_min > m_max)
        m_min = m_max;
    setDate(m_date);
}

QDate CDateEdit::parsed() const
{
    return QDate::fromString(text(), m_format);
}

bool CDateEdit::isTextValid() const
{
    const QDate d = parsed();
    return d.isValid() && d >= m_min && d <= m_max;
}

QString CDateEdit::problem() const
{
    if (isTextValid())
        return QString();
    const QString typed = displayText().trimmed();
    const QDate d = parsed();
    if (!d.isValid()) {
        const QString why = whyNoDate();
        if (!why.isEmpty())
            return QStringLiteral("\"") + typed + QStringLiteral("\" is not a date: ") + why;
        return QStringLiteral("\"") + typed + QStringLiteral("\" is not a date in the form ")
               + m_format.toUpper() + QLatin1Char('.');
    }
    if (d > m_max)
        return QStringLiteral("\"") + typed + QStringLiteral("\" is after ") + m_max.toString(m_format)
               + QLatin1Char('.');
    return QStringLiteral("\"") + typed + QStringLiteral("\" is before ") + m_min.toString(m_format)
           + QLatin1Char('.');
}

QString CDateEdit::whyNoDate() const
{
    // Only a text in the right form has parts worth naming; a half-typed one
    // is reported by its form.
    const QStringList parts = text().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return QString();
    const bool dayFirst = m_format.startsWith(QLatin1Char('d'));
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts.at(dayFirst ? 0 : 1).toInt(&okDay);
    const int month = parts.at(dayFirst ? 1 : 0).toInt(&okMonth);
    const int year = parts.at(2).toInt(&okYear);
    if (!okDay || !okMonth || !okYear || parts.at(2).size() != 4)
        return QString();
    if (year < 1)
        return QStringLiteral("there is no year ") + parts.at(2) + QLatin1Char('.');
    if (month < 1 || month > 12)
        return QStringLiteral("there is no month ") + QString::number(month) + QLatin1Char('.');
    const QString monthYear = QLocale::c().monthName(month) + QLatin1Char(' ') + QString::number(year);
    if (day < 1 || day > QDate(year, month, 1).daysInMonth())
        return monthYear + QStringLiteral(" has no day ") + QString::number(day) + QLatin1Char('.');
    return QString();
}

void CDateEdit::setDate(const QDate &date)
{
    if (!date.isValid())
        return;
    const QDate bounded = qBound(m_min, date, m_max);
    const bool changed = bounded != m_date;
    m_date = bounded;
    showDate();
    if (changed)
        emit dateChanged(m_date);
}

void CDateEdit::showDate()
{
    const int cursor = cursorPosition();
    setText(m_date.toString(m_format));
    if (hasFocus())
        setCursorPosition(cursor);
    setMarked(false);
}

void CDateEdit::setMarked(bool marked)
{
    if (property("dateInvalid").toBool() == marked)
        return;
    setProperty("dateInvalid", marked);
    style()->unpolish(this);
    style()->polish(this);
    update();
}

void CDateEdit::OnTextEdited(const QString &)
{
    if (isTextValid()) {
        const QDate d = parsed();
        setMarked(false);
        if (d != m_date) {
            m_date = d;
            emit dateChanged(m_date);
        }
        return;
    }
    // A whole text that is no good date is marked at once; a half-typed one
    // only when the user leaves the field.
    if (hasAcceptableInput())
        setMarked(true);
}

void CDateEdit::OnEditingFinished()
{
    setMarked(!isTextValid());
}

void CDateEdit::stepSection(int steps)
{
    // Sections: 0-2 first, 3-5 second, 6-9 the year.
    const int pos = cursorPosition();
    const bool dayFirst = m_format.startsWith(QLatin1Char('d'));
    QDate d = m_date;
    if (pos >= 6)
        d = d.addYears(steps);
    else if ((pos < 3) == dayFirst)
        d = d.addDays(steps);
    else
        d = d.addMonths(steps);
    setDate(d);
    setCursorPosition(pos);
}

void CDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        stepSection(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        OnOpenCalendar();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CDateEdit::OnOpenCalendar()
{
    auto *cal = new QCalendarWidget(this);
    cal->setWindowFlags(Qt::Popup);
    cal->setAttribute(Qt::WA_DeleteOnClose);
    cal->setObjectName(QStringLiteral("datePopup"));
    cal->setDateRange(m_min, m_max);
    cal->setSelectedDate(isTextValid() ? parsed() : m_date);
    cal->setGridVisible(false);
    connect(cal, &QCalendarWidget::clicked, this, [this, cal](const QDate &d) {
        setDate(d);
        cal->close();
    });
    connect(cal, &QCalendarWidget::activated, this, [this, cal](const QDate &d) {
        setDate(d);
        cal->close();
    });
    cal->adjustSize();
    cal->move(mapToGlobal(QPoint(0, height())));
    cal->show();
    cal->setFocus();
}

void CDateEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::EnabledChange)
        updateButtonIcon();
}

void CDateEdit::updateButtonIcon()
{
    if (!m_calendarAction)
        return;
    // A small calendar sheet in the field's own text colour, so it follows the theme.
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QColor c = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    p.setPen(c);
    p.drawRect(2, 3, 11, 11);
    p.fillRect(2, 3, 12, 3, c);
    for (int y = 8; y <= 12; y += 3)
        for (int x = 4; x <= 11; x += 3)
            p.fillRect(x, y, 2, 2, c);
    p.end();
    m_calendarAction->setIcon(QIcon(pm));
}
