#include "reportart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Art;

namespace {

constexpr int W = 300;
constexpr int H = 200;
const QPointF C(150, 90);

struct Section {
    const char *caption;
    int hueShift;  // small variation of the backdrop per section
};

const Section kSections[kReportPictures] = {
    {"LIFE PATH", 0},          {"BIRTHDAY", 8},          {"EXPRESSION", -6},
    {"HEART'S DESIRE", 14},    {"PERSONALITY", -10},     {"KARMIC DEBTS", 4},
    {"MATURITY", 10},          {"RATIONAL THOUGHT", -4}, {"KARMIC LESSONS", 6},
    {"BALANCE", -8},           {"HIDDEN PASSION", 16},   {"SUBCONSCIOUS CONFIDENCE", -12},
    {"PINNACLES", 2},          {"CHALLENGES", -2},       {"PERSONAL YEAR", 12},
    {"CHARACTER", 0},          {"ENERGY", 6},            {"INTEREST", -6},
    {"HEALTH", 10},            {"INTUITION", -10},       {"LABOUR", 4},
    {"LUCK", 12},              {"DUTY", -4},             {"MEMORY", 8},
    {"PURPOSEFUL", 0},         {"FAMILY FORMATION", 10}, {"STABILITY", -6},
    {"SELF APPRAISAL", 6},     {"FINANCE", 14},          {"TALENT", -10},
    {"SPIRITUALITY", -14},     {"SEXUAL LIFE", 16},      {"CARNAL INTERESTS", 18},
    {"NAME COMPATIBILITY", -4},{"LIFE PATH COMPATIBILITY", 4}, {"FAMILY", 10},
    {"BIRTHDAY COMPATIBILITY", 6}, {"CHARACTER COMPATIBILITY", -2}, {"NUMEROLOGY", 0},
};

void backdrop(QPainter &p, int number)
{
    const int shift = kSections[number - 1].hueShift;
    QLinearGradient g(0, 0, W, H);
    g.setColorAt(0, QColor::fromHsv(22 + shift / 2, 120, 36));
    g.setColorAt(0.55, QColor::fromHsv(20 + shift, 130, 66));
    g.setColorAt(1, QColor::fromHsv(16 + shift, 150, 40));
    p.fillRect(0, 0, W, H, g);
    glow(p, C, 150, QColor(0xf2, 0xa0, 0x5a), 70);
    flowerOfLife(p, QPointF(W - 40, 40), 22, 1, withAlpha(paleGold(), 26), 0.8);
    flowerOfLife(p, QPointF(36, H - 30), 16, 1, withAlpha(paleGold(), 20), 0.7);
    sparkles(p, QRectF(0, 0, W, H - 30), 26, 1000u + quint32(number) * 7919u, paleGold());
    // Vignette.
    QRadialGradient v(C, 220);
    v.setColorAt(0.55, withAlpha(QColor(0, 0, 0), 0));
    v.setColorAt(1, withAlpha(QColor(0, 0, 0), 150));
    p.fillRect(0, 0, W, H, v);
}

void caption(QPainter &p, const QString &text)
{
    QFont f = sans(11, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(f);
    const QRectF r(0, H - 26, W, 18);
    p.setPen(QPen(withAlpha(gold(), 120), 0.8));
    const qreal tw = QFontMetricsF(f).horizontalAdvance(text);
    const qreal left = (W - tw) / 2 - 12;
    p.drawLine(QPointF(24, H - 17), QPointF(qMax<qreal>(30, left), H - 17));
    p.drawLine(QPointF(qMin<qreal>(W - 30, W - left), H - 17), QPointF(W - 24, H - 17));
    shadowText(p, r, Qt::AlignCenter, text, paleGold());
}

QPen goldPen(qreal w, int alpha = 255)
{
    return QPen(withAlpha(gold(), alpha), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void numeral(QPainter &p, QPointF c, int px, const QString &text, QColor colour = paleGold())
{
    p.setFont(serif(px, true));
    const QRectF r(c.x() - 100, c.y() - px * 0.62, 200, px * 1.2);
    shadowText(p, r, Qt::AlignCenter, text, colour);
}

void halo(QPainter &p, qreal r = 58)
{
    astrolabe(p, C, r, withAlpha(gold(), 150), 72);
}

// ---- emblems ----

void lifePath(QPainter &p)
{
    // A road winding towards a star on the horizon.
    p.setPen(goldPen(1, 120));
    p.drawLine(QPointF(40, 112), QPointF(260, 112));
    // Sample an S-shaped centre line and widen it towards the viewer.
    auto centre = [](qreal t) {
        const qreal u = 1 - t;
        const QPointF a(150, 170), b(215, 150), c(95, 128), d(150, 113);
        return QPointF(u * u * u * a.x() + 3 * u * u * t * b.x() + 3 * u * t * t * c.x() + t * t * t * d.x(),
                       u * u * u * a.y() + 3 * u * u * t * b.y() + 3 * u * t * t * c.y() + t * t * t * d.y());
    };
    QPolygonF left, right, mid;
    for (int i = 0; i <= 40; ++i) {
        const qreal t = i / 40.0;
        const QPointF c = centre(t);
        const qreal w = 46 * (1 - t) * (1 - t) + 1.5;
        left << QPointF(c.x() - w, c.y());
        right.prepend(QPointF(c.x() + w, c.y()));
        mid << c;
    }
    QPainterPath road;
    road.addPolygon(left + right);
    road.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(goldBrush(road.boundingRect()));
    p.drawPath(road);
    QPen dashes(withAlpha(ink(), 170), 2);
    dashes.setDashPattern({3, 4});
    p.setPen(dashes);
    p.drawPolyline(mid.mid(0, 30));
    glow(p, QPointF(150, 70), 46, paleGold(), 150);
    p.setBrush(paleGold());
    p.drawPath(starPath(QPointF(150, 70), 16, 5, 2));
    p.setPen(goldPen(1, 90));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(150, 70), 26, 26);
}

void birthday(QPainter &p)
{
    // A calendar leaf inside a ring of 31 day marks.
    for (int i = 0; i < 31; ++i) {
        const qreal a = 2 * M_PI * i / 31 - M_PI / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(i % 7 == 0 ? copper() : gold(), 200));
        p.drawEllipse(QPointF(C.x() + 62 * qCos(a), C.y() + 62 * qSin(a)), 2.4, 2.4);
    }
    const QRectF leaf(C.x() - 34, C.y() - 38, 68, 76);
    p.setPen(goldPen(1.4));
    p.setBrush(withAlpha(ink(), 200));
    p.drawRoundedRect(leaf, 6, 6);
    p.setBrush(withAlpha(copper(), 220));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(leaf.left(), leaf.top(), leaf.width(), 16), 6, 6);
    p.drawRect(QRectF(leaf.left(), leaf.top() + 8, leaf.width(), 8));
    numeral(p, QPointF(C.x(), C.y() + 8), 40, QStringLiteral("29"));
}

void expression(QPainter &p)
{
    // The alphabet in a ring around a nine-pointed star.
    halo(p, 64);
    p.setFont(serif(12, true));
    for (int i = 0; i < 26; ++i) {
        const qreal a = 2 * M_PI * i / 26 - M_PI / 2;
        const QPointF at(C.x() + 52 * qCos(a), C.y() + 52 * qSin(a));
        p.setPen(i % 9 == 0 ? copper() : paleGold());
        p.drawText(QRectF(at.x() - 8, at.y() - 8, 16, 16), Qt::AlignCenter, QString(QChar('A' + i)));
    }
    p.setPen(goldPen(1.2));
    p.setBrush(withAlpha(gold(), 40));
    p.drawPath(starPath(C, 36, 9, 4));
}

void heartDesire(QPainter &p)
{
    p.setPen(goldPen(1, 140));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(C, 66, 6, 2));
    glow(p, C, 60, copper(), 150);
    const QRectF box(C.x() - 36, C.y() - 32, 72, 66);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(0xff, 0x9a, 0x70));
    g.setColorAt(1, QColor(0xa8, 0x2c, 0x1c));
    p.setBrush(g);
    p.setPen(goldPen(1.6));
    p.drawPath(heartPath(box));
}

void personality(QPainter &p)
{
    // A head and shoulders within rays.
    for (int i = 0; i < 24; ++i) {
        const qreal a = 2 * M_PI * i / 24;
        p.setPen(goldPen(i % 2 ? 0.8 : 1.4, i % 2 ? 90 : 160));
        p.drawLine(QPointF(C.x() + 48 * qCos(a), C.y() + 48 * qSin(a)),
                   QPointF(C.x() + 70 * qCos(a), C.y() + 70 * qSin(a)));
    }
    p.setPen(goldPen(1.6));
    p.setBrush(withAlpha(ink(), 220));
    p.drawEllipse(C, 44, 44);
    QPainterPath figure;
    figure.addEllipse(QPointF(C.x(), C.y() - 12), 13, 15);
    QPainterPath body;
    body.moveTo(C.x() - 28, C.y() + 34);
    body.cubicTo(C.x() - 26, C.y() + 8, C.x() + 26, C.y() + 8, C.x() + 28, C.y() + 34);
    body.closeSubpath();
    p.setBrush(goldBrush(QRectF(C.x() - 30, C.y() - 30, 60, 64)));
    p.setPen(Qt::NoPen);
    p.drawPath(figure);
    p.save();
    p.setClipPath([&] { QPainterPath c; c.addEllipse(C, 43, 43); return c; }());
    p.drawPath(body);
    p.restore();
}

void karmicDebts(QPainter &p)
{
    // An endless knot with the four debt numbers at the corners.
    QPainterPath loop;
    loop.moveTo(C);
    loop.cubicTo(C.x() + 30, C.y() - 44, C.x() + 72, C.y() - 10, C.x() + 50, C.y() + 16);
    loop.cubicTo(C.x() + 30, C.y() + 40, C.x() + 10, C.y() + 10, C.x(), C.y());
    loop.cubicTo(C.x() - 10, C.y() - 10, C.x() - 30, C.y() - 40, C.x() - 50, C.y() - 16);
    loop.cubicTo(C.x() - 72, C.y() + 10, C.x() - 30, C.y() + 44, C.x(), C.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(ink(), 200), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);
    p.setPen(QPen(goldBrush(loop.boundingRect()), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(loop);
    const char *debts[4] = {"13", "14", "16", "19"};
    const QPointF at[4] = {{72, 46}, {228, 46}, {72, 136}, {228, 136}};
    for (int i = 0; i < 4; ++i) {
        p.setPen(goldPen(1, 140));
        p.setBrush(withAlpha(ink(), 180));
        p.drawEllipse(at[i], 17, 17);
        numeral(p, at[i], 17, QString::fromLatin1(debts[i]), i % 2 ? paleGold() : copper());
    }
}

void maturity(QPainter &p)
{
    // A tree: trunk, branches and a round crown of leaves.
    p.setPen(Qt::NoPen);
    glow(p, QPointF(C.x(), C.y() - 14), 70, sage(), 90);
    Rng rng(77);
    for (int i = 0; i < 40; ++i) {
        const qreal a = rng.unit() * 2 * M_PI;
        const qreal d = qSqrt(rng.unit()) * 44;
        const QPointF c(C.x() + d * qCos(a), C.y() - 18 + d * qSin(a) * 0.8);
        p.setBrush(withAlpha(i % 3 ? gold() : sage(), 140 + int(rng.unit() * 100)));
        p.drawEllipse(c, 6 + rng.unit() * 5, 6 + rng.unit() * 5);
    }
    QPainterPath trunk;
    trunk.moveTo(C.x() - 8, C.y() + 62);
    trunk.cubicTo(C.x() - 4, C.y() + 30, C.x() - 6, C.y() + 10, C.x() - 2, C.y() - 6);
    trunk.lineTo(C.x() + 2, C.y() - 6);
    trunk.cubicTo(C.x() + 6, C.y() + 10, C.x() + 4, C.y() + 30, C.x() + 8, C.y() + 62);
    trunk.closeSubpath();
    p.setBrush(QColor(0x7a, 0x4e, 0x30));
    p.drawPath(trunk);
    p.setPen(goldPen(1.2, 160));
    p.drawLine(QPointF(60, C.y() + 62), QPointF(240, C.y() + 62));
}

void rationalThought(QPainter &p)
{
    // A drafting compass over construction circles.
    p.setBrush(Qt::NoBrush);
    p.setPen(goldPen(0.9, 110));
    p.drawEllipse(QPointF(C.x() - 22, C.y() + 16), 40, 40);
    p.drawEllipse(QPointF(C.x() + 22, C.y() + 16), 40, 40);
    p.drawLine(QPointF(C.x() - 70, C.y() + 16), QPointF(C.x() + 70, C.y() + 16));
    const QPointF hinge(C.x(), C.y() - 50);
    p.setPen(QPen(goldBrush(QRectF(100, 30, 100, 110)), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hinge, QPointF(C.x() - 30, C.y() + 50));
    p.drawLine(hinge, QPointF(C.x() + 30, C.y() + 50));
    p.setPen(goldPen(2));
    p.setBrush(withAlpha(ink(), 230));
    p.drawEllipse(hinge, 7, 7);
    p.drawLine(QPointF(C.x(), C.y() - 68), QPointF(C.x(), C.y() - 57));
    glow(p, QPointF(C.x() - 30, C.y() + 50), 12, paleGold(), 220);
}

void karmicLessons(QPainter &p)
{
    // An open book with rays above it.
    for (int i = 0; i < 9; ++i) {
        const qreal a = M_PI + M_PI * (i + 1) / 10;
        p.setPen(goldPen(1, 110));
        p.drawLine(QPointF(C.x() + 30 * qCos(a), C.y() + 10 + 30 * qSin(a)),
                   QPointF(C.x() + 74 * qCos(a), C.y() + 10 + 74 * qSin(a)));
    }
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath page;
        page.moveTo(C.x(), C.y() + 6);
        page.cubicTo(C.x() + side * 24, C.y() - 6, C.x() + side * 50, C.y() - 2, C.x() + side * 64, C.y() + 4);
        page.lineTo(C.x() + side * 64, C.y() + 50);
        page.cubicTo(C.x() + side * 50, C.y() + 44, C.x() + side * 24, C.y() + 40, C.x(), C.y() + 52);
        page.closeSubpath();
        p.setPen(goldPen(1.4));
        p.setBrush(withAlpha(parchment(), 230));
        p.drawPath(page);
        p.setPen(QPen(withAlpha(bark(), 150), 1));
        for (int l = 0; l < 4; ++l)
            p.drawLine(QPointF(C.x() + side * 12, C.y() + 14 + l * 8),
                       QPointF(C.x() + side * 54, C.y() + 12 + l * 8));
    }
}

void balance(QPainter &p)
{
    // Scales: a beam on a pillar with two pans.
    p.setPen(goldPen(3));
    p.drawLine(QPointF(C.x(), C.y() - 50), QPointF(C.x(), C.y() + 56));
    p.drawLine(QPointF(C.x() - 24, C.y() + 56), QPointF(C.x() + 24, C.y() + 56));
    p.drawLine(QPointF(C.x() - 66, C.y() - 36), QPointF(C.x() + 66, C.y() - 36));
    for (int side = -1; side <= 1; side += 2) {
        const QPointF top(C.x() + side * 62, C.y() - 36);
        p.setPen(goldPen(1));
        p.drawLine(top, QPointF(top.x() - 20, top.y() + 44));
        p.drawLine(top, QPointF(top.x() + 20, top.y() + 44));
        QPainterPath pan;
        pan.moveTo(top.x() - 24, top.y() + 44);
        pan.quadTo(top.x(), top.y() + 66, top.x() + 24, top.y() + 44);
        pan.closeSubpath();
        p.setBrush(goldBrush(pan.boundingRect()));
        p.setPen(Qt::NoPen);
        p.drawPath(pan);
    }
    p.setBrush(paleGold());
    p.drawPath(starPath(QPointF(C.x(), C.y() - 52), 9, 8, 3));
}

void flame(QPainter &p, QPointF base, qreal h, qreal w)
{
    QPainterPath f;
    f.moveTo(base);
    f.cubicTo(base.x() - w, base.y() - h * 0.2, base.x() - w * 0.6, base.y() - h * 0.6, base.x(), base.y() - h);
    f.cubicTo(base.x() + w * 0.2, base.y() - h * 0.6, base.x() + w * 1.1, base.y() - h * 0.4, base.x(), base.y());
    QLinearGradient g(base, QPointF(base.x(), base.y() - h));
    g.setColorAt(0, QColor(0xff, 0xe0, 0x90));
    g.setColorAt(0.4, QColor(0xf6, 0x8a, 0x3c));
    g.setColorAt(1, QColor(0xb8, 0x30, 0x18));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(f);
}

void hiddenPassion(QPainter &p)
{
    glow(p, QPointF(C.x(), C.y() + 10), 80, copper(), 150);
    flame(p, QPointF(C.x(), C.y() + 52), 110, 44);
    flame(p, QPointF(C.x() + 4, C.y() + 52), 64, 22);
    p.setPen(goldPen(1, 120));
    p.setBrush(Qt::NoBrush);
    p.drawPath(polygonPath(C, 70, 6, 0));
}

void subconscious(QPainter &p)
{
    // A crescent moon over still water and its reflection.
    glow(p, QPointF(C.x(), C.y() - 18), 60, paleGold(), 110);
    QPainterPath moon;
    moon.addEllipse(QPointF(C.x(), C.y() - 18), 32, 32);
    QPainterPath bite;
    bite.addEllipse(QPointF(C.x() + 14, C.y() - 26), 28, 28);
    p.setPen(Qt::NoPen);
    p.setBrush(goldBrush(moon.boundingRect()));
    p.drawPath(moon.subtracted(bite));
    p.setPen(goldPen(1.2, 170));
    p.drawLine(QPointF(50, C.y() + 28), QPointF(250, C.y() + 28));
    for (int i = 0; i < 5; ++i) {
        p.setPen(goldPen(1.4, 150 - i * 25));
        const qreal w = 30 - i * 5;
        p.drawLine(QPointF(C.x() - w, C.y() + 36 + i * 7), QPointF(C.x() + w, C.y() + 36 + i * 7));
    }
}

void pinnacles(QPainter &p)
{
    // Four peaks, the highest crowned by a star.
    const qreal base = C.y() + 56;
    const qreal peaks[4][3] = {{70, 52, 26}, {120, 86, 36}, {178, 104, 42}, {232, 62, 28}};
    for (const auto &pk : peaks) {
        QPainterPath m;
        m.moveTo(pk[0] - pk[2] * 1.5, base);
        m.lineTo(pk[0], base - pk[1]);
        m.lineTo(pk[0] + pk[2] * 1.5, base);
        m.closeSubpath();
        QLinearGradient g(pk[0], base - pk[1], pk[0], base);
        g.setColorAt(0, paleGold());
        g.setColorAt(0.35, QColor(0x9a, 0x6a, 0x44));
        g.setColorAt(1, QColor(0x3a, 0x2a, 0x22));
        p.setPen(goldPen(1, 160));
        p.setBrush(g);
        p.drawPath(m);
    }
    glow(p, QPointF(178, base - 118), 22, paleGold(), 200);
    p.setPen(Qt::NoPen);
    p.setBrush(paleGold());
    p.drawPath(starPath(QPointF(178, base - 118), 8, 5, 2));
}

void challenges(QPainter &p)
{
    // A round labyrinth.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const qreal r = 14 + i * 10;
        const int gap = 40 + i * 70;
        p.setPen(QPen(goldBrush(QRectF(80, 20, 140, 140)), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(C.x() - r, C.y() - r, 2 * r, 2 * r), gap * 16, (360 - 28) * 16);
    }
    glow(p, C, 14, copper(), 230);
}

void personalYear(QPainter &p)
{
    // The wheel of the nine-year cycle.
    p.setBrush(Qt::NoBrush);
    halo(p, 66);
    p.setFont(serif(15, true));
    for (int i = 0; i < 9; ++i) {
        const qreal a = 2 * M_PI * i / 9 - M_PI / 2;
        p.setPen(goldPen(1, 120));
        p.drawLine(C, QPointF(C.x() + 40 * qCos(a), C.y() + 40 * qSin(a)));
        const QPointF at(C.x() + 52 * qCos(a), C.y() + 52 * qSin(a));
        p.setPen(i == 0 ? copper() : paleGold());
        p.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, QString::number(i + 1));
    }
    p.setPen(goldPen(1.5));
    p.setBrush(withAlpha(ink(), 220));
    p.drawEllipse(C, 18, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(copper());
    p.drawPath(starPath(C, 10, 9, 4));
}

void digitEmblem(QPainter &p, int digit)
{
    // A digit inside the polygon or star with as many corners.
    halo(p, 66);
    p.setPen(goldPen(1.4, 200));
    p.setBrush(withAlpha(gold(), 30));
    if (digit == 1) {
        p.drawEllipse(C, 46, 46);
    } else if (digit == 2) {
        p.drawEllipse(QPointF(C.x() - 16, C.y()), 34, 34);
        p.drawEllipse(QPointF(C.x() + 16, C.y()), 34, 34);
    } else if (digit <= 4) {
        p.drawPath(polygonPath(C, 50, digit, digit == 4 ? -45 : -90));
    } else {
        p.drawPath(starPath(C, 52, digit, digit == 6 ? 2 : (digit == 9 ? 4 : 2)));
        p.setPen(goldPen(0.8, 110));
        p.setBrush(Qt::NoBrush);
        p.drawPath(polygonPath(C, 52, digit));
    }
    glow(p, C, 34, copper(), 120);
    numeral(p, C, 58, QString::number(digit));
}

void lineEmblem(QPainter &p, const int *digits)
{
    // The 3 x 3 square with one line of three digits lit.
    const qreal cell = 34;
    auto centreOf = [&](int d) {
        const int col = (d - 1) / 3;
        const int row = (d - 1) % 3;
        return QPointF(C.x() + (col - 1) * cell, C.y() + (row - 1) * cell);
    };
    p.setPen(goldPen(1, 130));
    p.setBrush(withAlpha(ink(), 170));
    p.drawRoundedRect(QRectF(C.x() - cell * 1.5, C.y() - cell * 1.5, cell * 3, cell * 3), 6, 6);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(C.x() - cell * 1.5 + i * cell, C.y() - cell * 1.5),
                   QPointF(C.x() - cell * 1.5 + i * cell, C.y() + cell * 1.5));
        p.drawLine(QPointF(C.x() - cell * 1.5, C.y() - cell * 1.5 + i * cell),
                   QPointF(C.x() + cell * 1.5, C.y() - cell * 1.5 + i * cell));
    }
    const QPointF a = centreOf(digits[0]);
    const QPointF b = centreOf(digits[2]);
    const QPointF ext(b.x() - a.x(), b.y() - a.y());
    glow(p, a, 22, copper(), 160);
    glow(p, centreOf(digits[1]), 22, copper(), 160);
    glow(p, b, 22, copper(), 160);
    p.setPen(QPen(withAlpha(copper(), 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(a.x() - ext.x() * 0.3, a.y() - ext.y() * 0.3),
               QPointF(b.x() + ext.x() * 0.3, b.y() + ext.y() * 0.3));
    for (int d = 1; d <= 9; ++d) {
        const bool lit = d == digits[0] || d == digits[1] || d == digits[2];
        p.setFont(serif(lit ? 24 : 18, lit));
        const QPointF c = centreOf(d);
        shadowText(p, QRectF(c.x() - 16, c.y() - 16, 32, 32), Qt::AlignCenter, QString::number(d),
                   lit ? paleGold() : withAlpha(parchment(), 110));
    }
}

void twoHearts(QPainter &p)
{
    glow(p, C, 70, copper(), 140);
    const QRectF left(C.x() - 58, C.y() - 34, 66, 62);
    const QRectF right(C.x() - 8, C.y() - 30, 66, 62);
    p.setPen(goldPen(1.6));
    p.setBrush(withAlpha(QColor(0xd0, 0x50, 0x30), 210));
    p.drawPath(heartPath(left));
    p.setBrush(withAlpha(QColor(0xf0, 0x90, 0x50), 200));
    p.drawPath(heartPath(right));
}

void twoRings(QPainter &p, const QString &a, const QString &b)
{
    for (int side = -1; side <= 1; side += 2) {
        const QPointF c(C.x() + side * 30, C.y());
        p.setPen(QPen(goldBrush(QRectF(c.x() - 44, c.y() - 44, 88, 88)), 5));
        p.setBrush(withAlpha(ink(), 120));
        p.drawEllipse(c, 42, 42);
    }
    numeral(p, QPointF(C.x() - 44, C.y()), 36, a);
    numeral(p, QPointF(C.x() + 44, C.y()), 36, b, QColor(0xff, 0xb0, 0x88));
}

void pathsMerge(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(goldBrush(QRectF(40, 20, 220, 150)), 6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath a;
    a.moveTo(50, 170);
    a.cubicTo(80, 120, 130, 130, C.x(), C.y() - 4);
    QPainterPath b;
    b.moveTo(250, 170);
    b.cubicTo(220, 120, 170, 130, C.x(), C.y() - 4);
    p.drawPath(a);
    p.setPen(QPen(withAlpha(copper(), 230), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(b);
    p.setPen(QPen(paleGold(), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(C.x(), C.y() - 4), QPointF(C.x(), C.y() - 50));
    glow(p, QPointF(C.x(), C.y() - 56), 26, paleGold(), 200);
    p.setPen(Qt::NoPen);
    p.setBrush(paleGold());
    p.drawPath(starPath(QPointF(C.x(), C.y() - 56), 10, 5, 2));
}

void family(QPainter &p)
{
    // A house whose window is a heart.
    QPainterPath house;
    house.moveTo(C.x() - 50, C.y() - 6);
    house.lineTo(C.x(), C.y() - 52);
    house.lineTo(C.x() + 50, C.y() - 6);
    house.lineTo(C.x() + 40, C.y() - 6);
    house.lineTo(C.x() + 40, C.y() + 54);
    house.lineTo(C.x() - 40, C.y() + 54);
    house.lineTo(C.x() - 40, C.y() - 6);
    house.closeSubpath();
    glow(p, C, 80, paleGold(), 80);
    p.setPen(goldPen(2.2));
    p.setBrush(withAlpha(ink(), 200));
    p.drawPath(house);
    p.setBrush(QColor(0xe8, 0x6a, 0x44));
    p.setPen(Qt::NoPen);
    p.drawPath(heartPath(QRectF(C.x() - 20, C.y() + 2, 40, 36)));
}

void twoLeaves(QPainter &p)
{
    for (int side = -1; side <= 1; side += 2) {
        const QRectF leaf(C.x() - 40 + side * 22, C.y() - 34 - side * 6, 72, 78);
        p.save();
        p.translate(leaf.center());
        p.rotate(side * 8);
        p.translate(-leaf.center());
        p.setPen(goldPen(1.4));
        p.setBrush(withAlpha(ink(), 225));
        p.drawRoundedRect(leaf, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(side < 0 ? copper() : gold(), 220));
        p.drawRect(QRectF(leaf.left() + 1, leaf.top() + 1, leaf.width() - 2, 14));
        numeral(p, QPointF(leaf.center().x(), leaf.center().y() + 8), 34,
                side < 0 ? QStringLiteral("7") : QStringLiteral("22"));
        p.restore();
    }
}

void grandEmblem(QPainter &p)
{
    // The program's own emblem: flower of life, enneagram of 1-9.
    flowerOfLife(p, C, 18, 2, withAlpha(gold(), 90), 0.9);
    halo(p, 76);
    p.setPen(goldPen(1.4, 220));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(C, 60, 9, 2));
    p.setFont(serif(14, true));
    for (int i = 0; i < 9; ++i) {
        const qreal a = 2 * M_PI * i / 9 - M_PI / 2;
        const QPointF at(C.x() + 68 * qCos(a), C.y() + 68 * qSin(a));
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(ink(), 230));
        p.drawEllipse(at, 9, 9);
        p.setPen(i == 8 ? copper() : paleGold());
        p.drawText(QRectF(at.x() - 9, at.y() - 9, 18, 18), Qt::AlignCenter, QString::number(i + 1));
    }
    glow(p, C, 30, paleGold(), 180);
}

}  // namespace

QString reportCaption(int number)
{
    if (number < 1 || number > kReportPictures)
        return QString();
    return QString::fromLatin1(kSections[number - 1].caption);
}

QImage reportPicture(int number)
{
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    backdrop(p, number);
    static const int lines[8][3] = {{1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 2, 3},
                                    {4, 5, 6}, {7, 8, 9}, {1, 5, 9}, {3, 5, 7}};
    switch (number) {
    case 1: lifePath(p); break;
    case 2: birthday(p); break;
    case 3: expression(p); break;
    case 4: heartDesire(p); break;
    case 5: personality(p); break;
    case 6: karmicDebts(p); break;
    case 7: maturity(p); break;
    case 8: rationalThought(p); break;
    case 9: karmicLessons(p); break;
    case 10: balance(p); break;
    case 11: hiddenPassion(p); break;
    case 12: subconscious(p); break;
    case 13: pinnacles(p); break;
    case 14: challenges(p); break;
    case 15: personalYear(p); break;
    case 33: twoHearts(p); break;
    case 34: twoRings(p, QStringLiteral("A"), QStringLiteral("Z")); break;
    case 35: pathsMerge(p); break;
    case 36: family(p); break;
    case 37: twoLeaves(p); break;
    case 38: twoRings(p, QStringLiteral("1"), QStringLiteral("1")); break;
    case 39: grandEmblem(p); break;
    default:
        if (number >= 16 && number <= 24)
            digitEmblem(p, number - 15);
        else if (number >= 25 && number <= 32)
            lineEmblem(p, lines[number - 25]);
        break;
    }
    caption(p, reportCaption(number));
    return img;
}
