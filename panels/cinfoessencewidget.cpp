#include "panels/cinfoessencewidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

using namespace PanelPaint;

namespace {
constexpr int kBodyRows = 7;  // age, year, three transits, essence sum, essence
const char *const kRowNames[kBodyRows] = {"Age",       "Year",        "Physical transit",
                                          "Mental transit", "Spiritual transit",
                                          "Essence (sum)",  "Essence"};
}

CInfoEssenceWidget::CInfoEssenceWidget(CTheme *theme, const QString &title, QWidget *parent)
    : CInfoWidget(theme, title, {}, parent)
{
    m_ageButton = new QPushButton(QStringLiteral("< Age >"), this);
    m_ageButton->setFlat(true);
    m_ageButton->setCursor(Qt::PointingHandCursor);
    m_ageButton->setToolTip(QStringLiteral("Show the next ages"));
    m_ageButton->setGeometry(528, 0, 64, HeaderHeight);
    qz::checkedConnect(m_ageButton, SIGNAL(clicked()), this, SLOT(OnSwitchAge()));
    styleButton();
    setMouseTracking(true);
}

void CInfoEssenceWidget::setEssence(int birthYear, const QVector<int> &essence,
                                    const QVector<int> &essenceRaw, const QStringList &transits)
{
    m_birthYear = birthYear;
    for (int i = 0; i < Ages; ++i) {
        m_essence[i] = i < essence.size() ? essence.at(i) : 0;
        m_essenceRaw[i] = i < essenceRaw.size() ? essenceRaw.at(i) : 0;
    }
    m_values = transits;
    update();
}

void CInfoEssenceWidget::clearEssence()
{
    setEssence(m_birthYear, {}, {}, {});
}

void CInfoEssenceWidget::setAgePage(int page)
{
    m_agePage = ((page % 3) + 3) % 3;
    update();
}

int CInfoEssenceWidget::essenceAt(int age) const
{
    return (age >= 0 && age < Ages) ? m_essence[age] : 0;
}

int CInfoEssenceWidget::essenceRawAt(int age) const
{
    return (age >= 0 && age < Ages) ? m_essenceRaw[age] : 0;
}

void CInfoEssenceWidget::OnSwitchAge()
{
    m_agePage = (m_agePage + 1) % 3;
    repaint();
}

void CInfoEssenceWidget::updateData()
{
    styleButton();
    CInfoWidget::updateData();
}

void CInfoEssenceWidget::styleButton()
{
    const QString sheet = QStringLiteral(
        "QPushButton { color: #101010; background-color: none; border: none; }"
        "QPushButton:hover { color: #8a4a2c; }");
    m_ageButton->setStyleSheet(m_theme ? m_theme->mapStyleText(sheet) : sheet);
    QFont f = pixelFont(QStringLiteral("Tahoma"), 12, true);
    m_ageButton->setFont(f);
}

QSize CInfoEssenceWidget::sizeHint() const
{
    return QSize(600, 148);
}

void CInfoEssenceWidget::resizeEvent(QResizeEvent *event)
{
    CInfoWidget::resizeEvent(event);
    m_ageButton->setGeometry(528, 0, 64, headerHeight() > 0 ? headerHeight() : HeaderHeight);
}

void CInfoEssenceWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int header = headerHeight();
    const int w = paintWidth();
    fillBody(p, m_theme, header, w, kBodyRows);

    p.save();
    p.setClipRect(QRect(2, header, w - 4, kBodyRows * RowHeight + 4));
    p.translate(4 - 512 * m_agePage, header);

    const int stripHeight = kBodyRows * RowHeight + 4;
    const QColor dark = themed(kDarkColumn);
    for (int k = 1; k <= LastAge; k += 2)
        p.fillRect(QRect(16 * k, 0, 16, stripHeight), dark);

    const QFont small = pixelFont(QStringLiteral("Arial"), 10);
    const QFont mono = pixelFont(QStringLiteral("Courier"), 12, true);
    // Every second column is lighter: texts are made readable on that one.
    const QColor text = readableThemed(m_theme, kText, dark);
    p.setFont(small);
    for (int k = 0; k <= LastAge; ++k) {
        p.setPen(text);
        p.drawText(QRect(16 * k, 3, 16, 16), Qt::AlignCenter, QString::number(k));
        p.setPen(text);
        p.drawText(QRect(16 * k, 19, 16, 16), Qt::AlignCenter,
                   QStringLiteral("%1").arg((m_birthYear + k) % 100, 2, 10, QLatin1Char('0')));
    }

    if (!m_values.isEmpty() && !m_values.first().isEmpty()) {
        const QColor accent = readableThemed(m_theme, kAccent, dark);
        for (int k = 0; k <= LastAge; ++k) {
            p.setPen(text);
            p.drawText(QRect(16 * k, 83, 16, 16), Qt::AlignCenter, QString::number(m_essenceRaw[k]));
            p.setPen(accent);
            p.drawText(QRect(16 * k, 99, 16, 16), Qt::AlignCenter, QString::number(m_essence[k]));
        }
        p.setFont(mono);
        p.setPen(text);
        for (int i = 0; i < m_values.size() && i < 3; ++i) {
            const QString &s = m_values.at(i);
            for (int k = 0; k <= LastAge && k < s.size(); ++k)
                p.drawText(QRect(16 * k, 35 + 16 * i, 16, 16), Qt::AlignCenter, s.mid(k, 1));
        }
    }

    p.setPen(themed(kSeparator));
    p.drawLine(0, 35, 16 * (LastAge + 1), 35);
    p.drawLine(0, 83, 16 * (LastAge + 1), 83);
    p.restore();

    drawFrame(p, m_theme, header, w, kBodyRows);
    drawTitle(p);
}

void CInfoEssenceWidget::mouseMoveEvent(QMouseEvent *event)
{
    // Rows carry no captions on screen; the tooltip names them.
    const int header = headerHeight();
    const int y = event->pos().y() - header - 3;
    const int x = event->pos().x() - 4 + 512 * m_agePage;
    if (y < 0 || x < 0 || y >= kBodyRows * RowHeight) {
        QToolTip::hideText();
        return;
    }
    const int row = y / RowHeight;
    const int age = x / 16;
    if (age > LastAge)
        return;
    QToolTip::showText(event->globalPos(),
                       QStringLiteral("%1, age %2").arg(QString::fromLatin1(kRowNames[row])).arg(age),
                       this);
}

int CInfoEssenceWidget::rowCount() const
{
    return m_values.isEmpty() || m_values.first().isEmpty() ? 0 : 4;
}

QString CInfoEssenceWidget::rowName(int row) const
{
    static const char *const names[4] = {"Physical transit", "Mental transit", "Spiritual transit", "Essence"};
    return row >= 0 && row < 4 ? QString::fromLatin1(names[row]) : QString();
}

QString CInfoEssenceWidget::rowValue(int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    QStringList ages;
    const int last = qMin(LastAge, firstVisibleAge() + 31);
    for (int k = firstVisibleAge(); k <= last; ++k) {
        const QString v = row == 3 ? QString::number(m_essence[k]) : m_values.value(row).mid(k, 1);
        if (!v.isEmpty())
            ages << QString::number(k) + QLatin1Char(' ') + v;
    }
    return ages.join(QStringLiteral(", "));
}

QRect CInfoEssenceWidget::rowRect(int row) const
{
    // Transit rows at y = 35, 51, 67 of the strip, the essence at 99.
    const int y = row == 3 ? 99 : 35 + 16 * row;
    return QRect(4, headerHeight() + y, paintWidth() - 8, 16);
}
