#include "artkit.h"

#include <QRadialGradient>
#include <QtMath>

namespace Art {

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(const QString &family, int px, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QFont serif(int px, bool bold)
{
    return font(QStringLiteral("Liberation Serif"), px, bold);
}

QFont sans(int px, bool bold)
{
    return font(QStringLiteral("Liberation Sans"), px, bold);
}

QPainterPath starPath(QPointF c, qreal r, int n, int step, qreal rotationDeg)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (n < 2)
        return path;
    // A star {n/step} is drawn as its separate cycles when n and step share a divisor.
    int cycles = 1;
    for (int d = 2; d <= n; ++d) {
        if (n % d == 0 && step % d == 0)
            cycles = d;
    }
    const int perCycle = n / cycles;
    for (int cyc = 0; cyc < cycles; ++cyc) {
        for (int i = 0; i <= perCycle; ++i) {
            const int k = (cyc + i * step) % n;
            const qreal a = qDegreesToRadians(rotationDeg + 360.0 * k / n);
            const QPointF pt(c.x() + r * qCos(a), c.y() + r * qSin(a));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        path.closeSubpath();
    }
    return path;
}

QPainterPath polygonPath(QPointF c, qreal r, int n, qreal rotationDeg)
{
    return starPath(c, r, n, 1, rotationDeg);
}

QPainterPath heartPath(const QRectF &b)
{
    QPainterPath path;
    const qreal w = b.width();
    const qreal h = b.height();
    const qreal x = b.x();
    const qreal y = b.y();
    path.moveTo(x + w / 2, y + h);
    path.cubicTo(x + w * 0.1, y + h * 0.68, x - w * 0.02, y + h * 0.36, x + w * 0.2, y + h * 0.12);
    path.cubicTo(x + w * 0.33, y - h * 0.02, x + w * 0.48, y + h * 0.06, x + w / 2, y + h * 0.22);
    path.cubicTo(x + w * 0.52, y + h * 0.06, x + w * 0.67, y - h * 0.02, x + w * 0.8, y + h * 0.12);
    path.cubicTo(x + w * 1.02, y + h * 0.36, x + w * 0.9, y + h * 0.68, x + w / 2, y + h);
    path.closeSubpath();
    return path;
}

void glow(QPainter &p, QPointF c, qreal r, QColor colour, int alpha)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, withAlpha(colour, alpha));
    g.setColorAt(0.45, withAlpha(colour, alpha / 3));
    g.setColorAt(1, withAlpha(colour, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

void flowerOfLife(QPainter &p, QPointF c, qreal r, int rings, QColor colour, qreal width)
{
    p.save();
    p.setPen(QPen(colour, width));
    p.setBrush(Qt::NoBrush);
    // Centres on a hexagonal lattice within the given number of rings.
    for (int q = -rings; q <= rings; ++q) {
        for (int s = -rings; s <= rings; ++s) {
            const int t = -q - s;
            if (qAbs(t) > rings)
                continue;
            const QPointF centre(c.x() + r * (q + s * 0.5), c.y() + r * s * 0.8660254);
            p.drawEllipse(centre, r, r);
        }
    }
    p.drawEllipse(c, r * (rings + 1), r * (rings + 1));
    p.restore();
}

void astrolabe(QPainter &p, QPointF c, qreal r, QColor colour, int ticks)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.2));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(withAlpha(colour, colour.alpha() / 2), 0.8));
    p.drawEllipse(c, r * 0.9, r * 0.9);
    p.drawEllipse(c, r * 0.62, r * 0.62);
    for (int i = 0; i < ticks; ++i) {
        const qreal a = 2 * M_PI * i / ticks;
        const qreal inner = (i % 5 == 0) ? r * 0.84 : r * 0.9;
        p.drawLine(QPointF(c.x() + inner * qCos(a), c.y() + inner * qSin(a)),
                   QPointF(c.x() + r * qCos(a), c.y() + r * qSin(a)));
    }
    p.restore();
}

void sparkles(QPainter &p, const QRectF &area, int count, quint32 seed, QColor colour)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.unit() * area.width(),
                        area.top() + rng.unit() * area.height());
        const qreal s = 0.8 + rng.unit() * 2.6;
        const int a = 60 + int(rng.unit() * 160);
        p.setBrush(withAlpha(colour, a));
        QPainterPath star;
        star.moveTo(c.x(), c.y() - s * 2);
        star.quadTo(c.x(), c.y(), c.x() + s * 2, c.y());
        star.quadTo(c.x(), c.y(), c.x(), c.y() + s * 2);
        star.quadTo(c.x(), c.y(), c.x() - s * 2, c.y());
        star.quadTo(c.x(), c.y(), c.x(), c.y() - s * 2);
        p.drawPath(star);
    }
    p.restore();
}

QBrush goldBrush(const QRectF &box)
{
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, paleGold());
    g.setColorAt(0.5, gold());
    g.setColorAt(1, QColor(0xb0, 0x7a, 0x3a));
    return QBrush(g);
}

void shadowText(QPainter &p, const QRectF &r, int flags, const QString &text, QColor colour)
{
    p.save();
    p.setPen(withAlpha(QColor(0, 0, 0), 150));
    p.drawText(r.translated(1.2, 1.6), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
    p.restore();
}

quint32 Rng::next()
{
    m_s ^= m_s << 13;
    m_s ^= m_s >> 17;
    m_s ^= m_s << 5;
    return m_s;
}

}  // namespace Art
