#pragma once

// Drawing kit of the artwork generator: the palette and the motifs every
// picture shares (gradients, star polygons, rings, glows, numerals).

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace Art {

// Palette: the program's browns with gold and copper.
inline QColor ink() { return QColor(0x2c, 0x24, 0x20); }
inline QColor bark() { return QColor(0x44, 0x37, 0x2f); }
inline QColor stone() { return QColor(0x5c, 0x52, 0x4c); }
inline QColor parchment() { return QColor(0xed, 0xdb, 0xb2); }
inline QColor gold() { return QColor(0xe2, 0xb8, 0x62); }
inline QColor paleGold() { return QColor(0xf6, 0xe3, 0xb4); }
inline QColor copper() { return QColor(0xf0, 0x60, 0x40); }
inline QColor ember() { return QColor(0xc8, 0x5a, 0x32); }
inline QColor sage() { return QColor(0x9c, 0xb6, 0x2d); }

QColor withAlpha(QColor c, int alpha);

/** An ARGB image filled transparent. */
QImage canvas(int w, int h);
/** Antialiased painter on @p img. */
void prepare(QPainter &p);

/** Font by family and pixel size. */
QFont font(const QString &family, int px, bool bold = false, bool italic = false);
QFont serif(int px, bool bold = false);
QFont sans(int px, bool bold = false);

/** Regular polygon or star {n/step} around (cx, cy). */
QPainterPath starPath(QPointF c, qreal r, int n, int step, qreal rotationDeg = -90);
/** Regular polygon with n corners. */
QPainterPath polygonPath(QPointF c, qreal r, int n, qreal rotationDeg = -90);
/** Heart shape fitted in @p box. */
QPainterPath heartPath(const QRectF &box);

/** A soft radial glow. */
void glow(QPainter &p, QPointF c, qreal r, QColor colour, int alpha);
/** The flower of life (seven or nineteen circles) as thin lines. */
void flowerOfLife(QPainter &p, QPointF c, qreal r, int rings, QColor colour, qreal width);
/** Concentric rings with tick marks, like an astrolabe. */
void astrolabe(QPainter &p, QPointF c, qreal r, QColor colour, int ticks);
/** Small four-point sparkles scattered deterministically. */
void sparkles(QPainter &p, const QRectF &area, int count, quint32 seed, QColor colour);
/** A gold gradient brush for shapes around @p box. */
QBrush goldBrush(const QRectF &box);
/** Text centred in a rectangle with a soft dark shadow. */
void shadowText(QPainter &p, const QRectF &r, int flags, const QString &text, QColor colour);

/** Deterministic pseudo-random numbers (xorshift). */
class Rng
{
public:
    explicit Rng(quint32 seed) : m_s(seed ? seed : 0x9e3779b9u) {}
    quint32 next();
    /** Uniform in [0, 1). */
    qreal unit() { return (next() & 0xffffff) / qreal(0x1000000); }

private:
    quint32 m_s;
};

}  // namespace Art
