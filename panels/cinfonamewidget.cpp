#include "panels/cinfonamewidget.h"

#include "panels/ctheme.h"
#include "panels/panelpaint.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

using namespace PanelPaint;

CInfoNameWidget::CInfoNameWidget(CTheme *theme, const QString &title, QWidget *parent)
    : CInfoWidget(theme, title, {}, parent)
{
    m_marker = new QFrame(this);
    m_marker->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_marker->resize(LetterWidth, 31);
    m_marker->hide();
    styleMarker();
    setClickable(true);
}

void CInfoNameWidget::setNameRow(int row, const QString &letters, const QString &vowelDigits,
                                 const QString &consonantDigits, const QList<int> &marks,
                                 const QString &calculation)
{
    setNameRow(row, NameRow{letters, vowelDigits, consonantDigits, marks, calculation});
}

void CInfoNameWidget::setNameRow(int row, const NameRow &data)
{
    if (row < 0 || row > 1)
        return;
    m_rows[row] = data;
    // The letter under a resting mouse may be gone now.
    if (m_marker->isVisible() && letterAt(m_mouse).first < 0)
        m_marker->hide();
    update();
}

CInfoNameWidget::NameRow CInfoNameWidget::nameRow(int row) const
{
    return (row == 0 || row == 1) ? m_rows[row] : NameRow{};
}

void CInfoNameWidget::clearNames()
{
    m_rows[0] = NameRow{};
    m_rows[1] = NameRow{};
    m_marker->hide();
    update();
}

QPair<int, int> CInfoNameWidget::letterAt(const QPoint &pos) const
{
    const QPair<int, int> none(-1, -1);
    if (!m_clickable)
        return none;
    const int top = headerHeight() + 2;
    if (pos.x() < LetterX || pos.y() < top)
        return none;
    const int letter = (pos.x() - LetterX) / LetterWidth;
    const int row = (pos.y() - top) / NameRowHeight;
    if (row < 0 || row > 1 || letter >= m_rows[row].letters.size())
        return none;
    return {row, letter};
}

bool CInfoNameWidget::isMarkerVisible() const
{
    return m_marker->isVisible();
}

QSize CInfoNameWidget::sizeHint() const
{
    return QSize(600, headerHeight() + 2 * NameRowHeight + 6);
}

void CInfoNameWidget::updateData()
{
    styleMarker();
    CInfoWidget::updateData();
}

void CInfoNameWidget::styleMarker()
{
    const QString sheet =
        QStringLiteral("QFrame { border: 1px solid #f06040; border-radius: 2px; background: transparent; }");
    m_marker->setStyleSheet(m_theme ? m_theme->mapStyleText(sheet) : sheet);
}

int CInfoNameWidget::letterClass(int row, int index) const
{
    const NameRow &r = m_rows[row];
    if (index < r.marks.size())
        return (r.marks.at(index) == 1 || r.marks.at(index) == 2) ? r.marks.at(index) : 0;
    if (index < r.vowelDigits.size() && r.vowelDigits.at(index) != QLatin1Char(' '))
        return 1;
    if (index < r.consonantDigits.size() && r.consonantDigits.at(index) != QLatin1Char(' '))
        return 2;
    return 0;
}

QString CInfoNameWidget::rowName(int row) const
{
    return row == 0 ? QStringLiteral("Full name") : row == 1 ? QStringLiteral("Short name") : QString();
}

QString CInfoNameWidget::rowValue(int row) const
{
    if (row < 0 || row > 1)
        return QString();
    const NameRow &r = m_rows[row];
    QStringList parts;
    if (!r.letters.isEmpty())
        parts << r.letters;
    if (!r.calculation.isEmpty())
        parts << r.calculation;
    return parts.join(QStringLiteral(": "));
}

QRect CInfoNameWidget::rowRect(int row) const
{
    return QRect(0, headerHeight() + 2 + row * NameRowHeight, paintWidth(), NameRowHeight);
}

void CInfoNameWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int header = headerHeight();
    const int w = paintWidth();
    // Two 51-pixel rows drawn inside a body of the list panel's kind.
    const int bodyRows = (2 * NameRowHeight) / RowHeight;  // 6 rows of 16 = 96 + 6 = 102
    fillBody(p, m_theme, header, w, bodyRows);

    const QFont letterFont = pixelFont(QStringLiteral("Courier"), 12, true);
    const QFont digitFont = pixelFont(QStringLiteral("Courier"), 12);
    const QFont calcFont = pixelFont(QStringLiteral("Arial"), 10);
    const QColor text = themed(kText);
    const QColor dim = themed(0xb4a79b);
    QColor tile = themed(kHover);
    tile.setAlpha(90);
    // Vowels sit on the tile, a blend of the hover colour over the body.
    const QColor body = themed(kBody);
    const auto blend = [&](int a, int b) { return (a * tile.alpha() + b * (255 - tile.alpha())) / 255; };
    const QColor onTile(blend(tile.red(), body.red()), blend(tile.green(), body.green()),
                        blend(tile.blue(), body.blue()));
    const QColor accent = readableThemed(m_theme, kAccent, onTile);

    for (int row = 0; row < 2; ++row) {
        const NameRow &r = m_rows[row];
        const int y0 = header + 2 + row * NameRowHeight;
        if (row == 1) {
            p.setPen(themed(kFrameInner));
            p.drawLine(3, y0 - 1, w - 4, y0 - 1);
        }
        // Letters past the right edge cannot be seen; stop there.
        const int visible = qMin<int>(r.letters.size(), (w - LetterX) / LetterWidth + 1);
        for (int i = 0; i < visible; ++i) {
            const int x = LetterX + i * LetterWidth;
            const int cls = letterClass(row, i);
            const QRect letterCell(x, y0 + 2, LetterWidth, 14);
            const QRect digitCell(x, y0 + 16, LetterWidth, 14);
            if (cls == 1)
                p.fillRect(QRect(x, y0 + 2, LetterWidth - 1, 28), tile);
            p.setFont(letterFont);
            p.setPen(cls == 1 ? accent : text);
            p.drawText(letterCell, Qt::AlignCenter, r.letters.mid(i, 1));
            QChar digit(QLatin1Char(' '));
            if (cls == 1 && i < r.vowelDigits.size())
                digit = r.vowelDigits.at(i);
            else if (cls == 2 && i < r.consonantDigits.size())
                digit = r.consonantDigits.at(i);
            else if (i < r.vowelDigits.size() && r.vowelDigits.at(i) != QLatin1Char(' '))
                digit = r.vowelDigits.at(i);
            else if (i < r.consonantDigits.size())
                digit = r.consonantDigits.at(i);
            if (digit != QLatin1Char(' ')) {
                p.setFont(digitFont);
                p.setPen(cls == 1 ? accent : dim);
                p.drawText(digitCell, Qt::AlignCenter, QString(digit));
            }
        }
        if (!r.calculation.isEmpty())
            drawRichText(p, m_theme, 4, y0 + 33, w - 8, valueMarkup(r.calculation), calcFont);
    }

    drawFrame(p, m_theme, header, w, bodyRows);
    drawTitle(p);
}

void CInfoNameWidget::mousePressEvent(QMouseEvent *event)
{
    m_mouse = event->pos();
    if (event->button() != Qt::LeftButton)
        return;
    const QPair<int, int> hit = letterAt(event->pos());
    if (hit.first >= 0)
        emit symbolCliked(hit.first, hit.second);
}

void CInfoNameWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_mouse = event->pos();
    const QPair<int, int> hit = letterAt(event->pos());
    setCursor(hit.first >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (hit.first < 0) {
        m_marker->hide();
        return;
    }
    m_marker->move(hit.second * LetterWidth + LetterX,
                   hit.first * NameRowHeight + headerHeight() + 2);
    m_marker->show();
}

void CInfoNameWidget::leaveEvent(QEvent *)
{
    m_mouse = QPoint(-1, -1);
    m_marker->hide();
}
