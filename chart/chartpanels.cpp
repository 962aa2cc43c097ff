#include "chart/chartpanels.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace {

constexpr double kRow = 16.0;
constexpr double kTop = 3.0;

bool isMasterNumber(const QString &token)
{
    return token == QLatin1String("11") || token == QLatin1String("22") ||
           token == QLatin1String("33");
}

/** The font shrunk (down to 60 %) so that @p text fits @p width. */
QFont fittedFont(const QFont &base, const QString &text, double width)
{
    // Measured once and scaled: every new pixel size loads a font engine.
    const int full = qMax(1, base.pixelSize());
    const double measured = QFontMetricsF(base).horizontalAdvance(text);
    if (measured <= width || measured <= 0)
        return base;
    QFont font = base;
    const int fitted = int(full * width / measured);
    font.setPixelSize(qBound(qMax(1, full * 6 / 10), fitted, full));
    return font;
}

/** A value with its master numbers in the accent colour, others in black. */
void drawValue(QPainter &p, const QRectF &rect, const QString &text, const QFont &base,
               int alignment, bool markMasters = true)
{
    if (text.isEmpty())
        return;
    const QFont font = fittedFont(base, text, rect.width());
    const QFontMetricsF fm(font);
    p.setFont(font);
    const QString shown = fm.elidedText(text, Qt::ElideRight, rect.width());
    double x = rect.left();
    const double w = fm.horizontalAdvance(shown);
    if (alignment & Qt::AlignHCenter)
        x = rect.left() + (rect.width() - w) / 2;
    else if (alignment & Qt::AlignRight)
        x = rect.right() - w;
    static const QRegularExpression tokens(QStringLiteral("\\d+|\\D+"));
    auto it = tokens.globalMatch(shown);
    while (it.hasNext()) {
        const QString token = it.next().captured(0);
        const bool master = markMasters && isMasterNumber(token);
        p.setPen(QPen(master ? masterNumberColour() : QColor(Qt::black), 1));
        const double tw = fm.horizontalAdvance(token);
        p.drawText(QRectF(x, rect.top(), tw + 1, rect.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   token);
        x += tw;
    }
}

void drawLabel(QPainter &p, const QRectF &rect, const QString &text, const QFont &base,
               const QColor &colour, int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    const QFont font = fittedFont(base, text, rect.width());
    p.setFont(font);
    p.setPen(QPen(colour, 1));
    p.drawText(rect, flags, QFontMetricsF(font).elidedText(text, Qt::ElideRight, rect.width()));
}

int horizontalAlignment(const ChartItem &c)
{
    const int h = c.alignment & (Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignRight);
    return h ? h : int(Qt::AlignLeft);
}

void fillBackground(QPainter &p, const ChartItem &c, double width, int rows)
{
    p.fillRect(QRectF(0, -1, width, rows * kRow + 6), c.background);
}

QString countAfterComma(const QString &cell)
{
    const int comma = cell.lastIndexOf(QLatin1String(", "));
    return comma < 0 ? QString() : cell.mid(comma + 2).trimmed();
}

void drawPsychomatrix(QPainter &p, const ChartItem &c, const ChartProfile *pr)
{
    fillBackground(p, c, 649, 4);
    // Row-major over the main window's grid: digits 1-4-7 / 2-5-8 / 3-6-9 with
    // the row sums on the right and the column sums and diagonals below.
    static const struct {
        int col, row;
        const char *label;
        int digit; // 1..9 a cell, 0 a line
        int line;  // index into matrixLines
    } cells[] = {
        {1, 0, "Character ", 1, -1}, {2, 0, "Health ", 4, -1},     {3, 0, "Luck ", 7, -1},
        {1, 1, "Energy ", 2, -1},    {2, 1, "Intuition ", 5, -1},  {3, 1, "Duty ", 8, -1},
        {1, 2, "Interest ", 3, -1},  {2, 2, "Labour ", 6, -1},     {3, 2, "Memory ", 9, -1},
        {4, 0, "Purposeful - ", 0, 3}, {4, 1, "Family formation - ", 0, 4},
        {4, 2, "Stability - ", 0, 5},  {0, 3, "Sexual life - ", 0, 7},
        {1, 3, "Self appraisal - ", 0, 0}, {2, 3, "Finance - ", 0, 1},
        {3, 3, "Talent - ", 0, 2},     {4, 3, "Spirituality - ", 0, 6},
    };
    for (const auto &cell : cells) {
        const QRectF rect(4 + 125 * cell.col, kTop + kRow * cell.row, 125, kRow);
        const QString label = QString::fromLatin1(cell.label);
        QString value;
        if (pr && pr->hasMatrix) {
            if (cell.digit > 0) {
                const int n = qBound(0, pr->matrixCells[cell.digit], 20);
                value = n ? QString(n, QChar(u'0' + cell.digit)) : QStringLiteral("-");
            } else {
                value = QString::number(pr->matrixLines[cell.line]);
            }
        }
        QFont font = fittedFont(c.font, label + value, rect.width() - 4);
        p.setFont(font);
        const double lw = QFontMetricsF(font).horizontalAdvance(label);
        drawLabel(p, rect, label, font, c.textColor);
        drawValue(p, QRectF(rect.left() + lw, rect.top(), rect.width() - lw - 2, kRow), value,
                  font, Qt::AlignLeft, cell.digit == 0);
    }
}

void drawPlanes(QPainter &p, const ChartItem &c, const ChartProfile *pr)
{
    fillBackground(p, c, 649, 4);
    static const char *const planes[4] = {"Mental", "Physical", "Emotional", "Intuitive"};
    static const char *const kinds[3] = {"Creative", "Dual", "Grounded"};
    const QStringList cells = pr ? pr->planesCells : QStringList();
    auto cellAt = [&](int i) { return i < cells.size() ? cells.at(i) : QString(); };
    for (int plane = 0; plane < 4; ++plane) {
        QString heading = QString::fromLatin1(planes[plane]);
        const QString count = countAfterComma(cellAt(15 + plane));
        if (!count.isEmpty())
            heading += QLatin1Char(' ') + count;
        drawLabel(p, QRectF(121 + 130 * plane, kTop, 130, kRow), heading, c.font, c.textColor,
                  Qt::AlignCenter);
    }
    for (int kind = 0; kind < 3; ++kind) {
        const double y = kTop + kRow * (kind + 1);
        QString heading = QString::fromLatin1(kinds[kind]);
        const QString count = countAfterComma(cellAt(kind * 5 + 4));
        if (!count.isEmpty())
            heading += QLatin1Char(' ') + count;
        drawLabel(p, QRectF(4, y, 113, kRow), heading, c.font, c.textColor);
        for (int plane = 0; plane < 4; ++plane)
            drawValue(p, QRectF(121 + 130 * plane + 2, y, 126, kRow), cellAt(kind * 5 + plane),
                      c.font, Qt::AlignHCenter);
    }
}

void drawNamePanel(QPainter &p, const ChartItem &c, const ChartProfile *pr)
{
    fillBackground(p, c, 649, 6);
    if (!pr)
        return;
    struct NameRows {
        QString letters, vowels, consonants, heart, expression, personality;
    };
    const NameRows names[2] = {
        {pr->fullNameUpper, pr->vowelDigits, pr->consonantDigits, pr->heartDesireCalc,
         pr->expressionCalc, pr->personalityCalc},
        {pr->shortNameUpper, pr->shortVowelDigits, pr->shortConsonantDigits,
         pr->minorHeartDesireCalc, pr->minorExpressionCalc, pr->minorPersonalityCalc}};
    QFont mono(QStringLiteral("Courier"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setPixelSize(qMax(1, c.font.pixelSize()));
    mono.setBold(c.font.bold());
    const double lettersWidth = 390;
    for (int n = 0; n < 2; ++n) {
        const NameRows &r = names[n];
        const double y = kTop + 48 * n;
        const int len = qMax(1, r.letters.size());
        // Short names get roomier columns; long ones shrink to fit.
        const double col = qMin(12.0, lettersWidth / len);
        QFont letterFont = mono;
        letterFont.setPixelSize(qMax(1, int(mono.pixelSize() * qMin(col, 10.0) / 9.0 + 0.5)));
        p.setFont(letterFont);
        for (int i = 0; i < r.letters.size(); ++i) {
            const double x = 4 + col * i;
            p.setPen(QPen(c.textColor, 1));
            p.drawText(QRectF(x, y + kRow, col, kRow), Qt::AlignCenter, r.letters.mid(i, 1));
            p.setPen(QPen(masterNumberColour(), 1));
            p.drawText(QRectF(x, y, col, kRow), Qt::AlignCenter, r.vowels.mid(i, 1));
            p.setPen(QPen(Qt::black, 1));
            p.drawText(QRectF(x, y + 2 * kRow, col, kRow), Qt::AlignCenter, r.consonants.mid(i, 1));
        }
        const char *const labels[3] = {"Heart Desire ", "Expression ", "Personality "};
        const QString chains[3] = {r.heart, r.expression, r.personality};
        for (int k = 0; k < 3; ++k) {
            const QRectF rect(400, y + kRow * k, 245, kRow);
            const QString label = QString::fromLatin1(labels[k]);
            QFont font = fittedFont(c.font, label + chains[k], rect.width());
            const double lw = QFontMetricsF(font).horizontalAdvance(label);
            drawLabel(p, rect, label, font, c.textColor);
            drawValue(p, QRectF(rect.left() + lw, rect.top(), rect.width() - lw, kRow), chains[k],
                      font, Qt::AlignLeft);
        }
    }
}

void drawCalendar(QPainter &p, const ChartItem &c, const ChartProfile *pr)
{
    fillBackground(p, c, 649, 3);
    static const char *const captions[3] = {"Years ", "Months", "Days"};
    for (int row = 0; row < 3; ++row) {
        const double y = kTop + kRow * row;
        drawLabel(p, QRectF(4, y, 50, kRow), QString::fromLatin1(captions[row]), c.font,
                  c.textColor);
        if (!pr)
            continue;
        const QStringList &cells =
            row == 0 ? pr->calendarYears : row == 1 ? pr->calendarMonths : pr->calendarDays;
        for (int i = 0; i < cells.size() && i < 12; ++i) {
            QFont font = c.font;
            font.setBold(i == pr->calendarCurrent[row]);
            // Personal numbers are single digits; the rest of a cell is a date.
            drawValue(p, QRectF(56 + 49 * i, y, 48, kRow), cells.at(i), font, Qt::AlignHCenter,
                      false);
        }
    }
}

void drawNumberTable(QPainter &p, const ChartItem &c, const ChartProfile *pr)
{
    const QStringList labels = ChartProfile::tableLabels(c.fieldCode);
    fillBackground(p, c, 199, labels.isEmpty() ? 6 : labels.size());
    const QStringList values = pr ? pr->tableValues(c.fieldCode) : QStringList();
    for (int i = 0; i < labels.size(); ++i) {
        const double y = kRow * i + kTop;
        drawLabel(p, QRectF(4, y, 96, kRow), labels.at(i), c.font, c.textColor);
        // Age spans are ages, not numbers of the person: no master colour there.
        const bool numbers = !labels.at(i).contains(QLatin1String("Age Span"), Qt::CaseInsensitive);
        if (i < values.size())
            drawValue(p, QRectF(104, y, 92, kRow), values.at(i), c.font, horizontalAlignment(c),
                      numbers);
    }
}

} // namespace

QSizeF panelNaturalSize(int kind)
{
    switch (kind) {
    case ChartItem::KindNumerologyPanel:
        return QSizeF(650, 68);
    case ChartItem::KindNamePanel:
        return QSizeF(650, 100);
    case ChartItem::KindCalendarPanel:
        return QSizeF(650, 52);
    case ChartItem::KindNumberTable:
        return QSizeF(200, 100);
    case ChartItem::KindBridges:
        return QSizeF(200, 36);
    default:
        return QSizeF();
    }
}

void drawPanelContent(QPainter &p, const ChartItem &c, const ChartDrawContext &ctx)
{
    p.save();
    const ChartProfile *pr = ctx.profile;
    switch (c.kind) {
    case ChartItem::KindNumerologyPanel:
        if (c.fieldCode == QLatin1String("Planes of Expression"))
            drawPlanes(p, c, pr);
        else
            drawPsychomatrix(p, c, pr);
        break;
    case ChartItem::KindNamePanel:
        drawNamePanel(p, c, pr);
        break;
    case ChartItem::KindCalendarPanel:
        drawCalendar(p, c, pr);
        break;
    case ChartItem::KindNumberTable:
    case ChartItem::KindBridges:
        drawNumberTable(p, c, pr);
        break;
    default:
        break;
    }
    p.restore();
}
