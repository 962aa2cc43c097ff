#include "iconart.h"

#include "artkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QtMath>

using namespace Art;

namespace {

QPen pen(QColor c, qreal w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- feature buttons, 60 x 60 ----

void buttonBackdrop(QPainter &p)
{
    QRadialGradient g(QPointF(30, 24), 44);
    g.setColorAt(0, QColor(0x5a, 0x44, 0x36));
    g.setColorAt(1, QColor(0x2a, 0x21, 0x1c));
    p.fillRect(0, 0, 60, 60, g);
    astrolabe(p, QPointF(30, 30), 26, withAlpha(gold(), 45), 36);
}

void drawFeature(QPainter &p, const QString &name)
{
    const QPointF c(30, 30);
    const QBrush gb = goldBrush(QRectF(8, 8, 44, 44));
    if (name == QLatin1String("numer-but.png")) {
        p.setPen(pen(withAlpha(gold(), 200), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(starPath(c, 20, 6, 2));
        p.setFont(serif(24, true));
        shadowText(p, QRectF(10, 10, 40, 40), Qt::AlignCenter, QStringLiteral("9"), paleGold());
    } else if (name == QLatin1String("matr-but.png")) {
        p.setPen(pen(withAlpha(gold(), 160), 1));
        p.setBrush(withAlpha(ink(), 160));
        p.drawRoundedRect(QRectF(12, 12, 36, 36), 4, 4);
        p.setFont(serif(10, true));
        for (int d = 1; d <= 9; ++d) {
            const QRectF cell(12 + 12 * ((d - 1) / 3), 12 + 12 * ((d - 1) % 3), 12, 12);
            p.setPen(d == 5 ? copper() : paleGold());
            p.drawText(cell, Qt::AlignCenter, QString::number(d));
        }
    } else if (name == QLatin1String("love-but.png")) {
        glow(p, c, 24, copper(), 120);
        p.setPen(pen(paleGold(), 1.2));
        QLinearGradient g(15, 15, 45, 45);
        g.setColorAt(0, QColor(0xff, 0x9a, 0x70));
        g.setColorAt(1, QColor(0xb0, 0x34, 0x20));
        p.setBrush(g);
        p.drawPath(heartPath(QRectF(14, 16, 32, 30)));
    } else if (name == QLatin1String("cel-but.png")) {
        glow(p, c, 26, paleGold(), 110);
        p.setPen(pen(withAlpha(ink(), 200), 1));
        p.setBrush(gb);
        p.drawPath(starPath(c, 21, 5, 2).simplified());
        sparkles(p, QRectF(8, 6, 44, 16), 4, 5, paleGold());
    } else if (name == QLatin1String("pet-but.png")) {
        p.setPen(Qt::NoPen);
        p.setBrush(gb);
        QPainterPath pad;
        pad.moveTo(30, 32);
        pad.cubicTo(20, 32, 16, 44, 22, 46);
        pad.cubicTo(26, 48, 28, 45, 30, 45);
        pad.cubicTo(32, 45, 34, 48, 38, 46);
        pad.cubicTo(44, 44, 40, 32, 30, 32);
        p.drawPath(pad);
        p.drawEllipse(QPointF(19, 27), 4.2, 5.4);
        p.drawEllipse(QPointF(26, 19), 4.2, 5.6);
        p.drawEllipse(QPointF(34, 19), 4.2, 5.6);
        p.drawEllipse(QPointF(41, 27), 4.2, 5.4);
    } else if (name == QLatin1String("chart-but.png")) {
        p.setPen(pen(paleGold(), 1.2));
        p.setBrush(withAlpha(parchment(), 235));
        p.drawRoundedRect(QRectF(16, 10, 28, 40), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(copper());
        p.drawRect(QRectF(20, 14, 20, 5));
        p.setBrush(withAlpha(bark(), 200));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(20, 23 + i * 4, 12 + (i % 2) * 8, 2));
        p.setBrush(gold());
        const qreal bars[4] = {6, 10, 8, 13};
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRectF(21 + i * 5, 46 - bars[i], 3.5, bars[i]));
    } else if (name == QLatin1String("an-but.png")) {
        p.setFont(serif(22, true));
        shadowText(p, QRectF(6, 8, 34, 34), Qt::AlignCenter, QStringLiteral("Aa"), paleGold());
        p.setPen(pen(gold(), 3));
        p.setBrush(withAlpha(paleGold(), 40));
        p.drawEllipse(QPointF(36, 34), 9, 9);
        p.drawLine(QPointF(42.5, 40.5), QPointF(50, 48));
    } else if (name == QLatin1String("fore-but.png")) {
        glow(p, QPointF(30, 26), 22, QColor(0xb0, 0x90, 0xff), 80);
        QRadialGradient g(QPointF(25, 20), 20);
        g.setColorAt(0, QColor(0xfb, 0xf0, 0xd8));
        g.setColorAt(0.5, QColor(0xd4, 0xa8, 0x6a));
        g.setColorAt(1, QColor(0x6a, 0x44, 0x2c));
        p.setPen(pen(paleGold(), 1));
        p.setBrush(g);
        p.drawEllipse(QPointF(30, 26), 15, 15);
        p.setBrush(gb);
        p.setPen(Qt::NoPen);
        QPainterPath stand;
        stand.moveTo(19, 47);
        stand.lineTo(22, 40);
        stand.lineTo(38, 40);
        stand.lineTo(41, 47);
        stand.closeSubpath();
        p.drawPath(stand);
        sparkles(p, QRectF(22, 16, 14, 12), 3, 11, QColor(0xff, 0xff, 0xff));
    } else if (name == QLatin1String("guide-but.png")) {
        for (int side = -1; side <= 1; side += 2) {
            QPainterPath page;
            page.moveTo(30, 20);
            page.cubicTo(30 + side * 6, 16, 30 + side * 14, 16, 30 + side * 18, 18);
            page.lineTo(30 + side * 18, 44);
            page.cubicTo(30 + side * 14, 42, 30 + side * 6, 42, 30, 46);
            page.closeSubpath();
            p.setPen(pen(gold(), 1.2));
            p.setBrush(withAlpha(parchment(), 235));
            p.drawPath(page);
            p.setPen(pen(withAlpha(bark(), 170), 1));
            for (int l = 0; l < 4; ++l)
                p.drawLine(QPointF(30 + side * 4, 25 + l * 5), QPointF(30 + side * 15, 24 + l * 5));
        }
    }
}

// ---- 20 x 20 tools ----

void magnifier(QPainter &p, const QString &inner)
{
    p.setPen(pen(paleGold(), 2));
    p.setBrush(withAlpha(paleGold(), 40));
    p.drawEllipse(QPointF(8.5, 8.5), 6, 6);
    p.setPen(pen(gold(), 3));
    p.drawLine(QPointF(13, 13), QPointF(18, 18));
    p.setPen(pen(paleGold(), 1.6));
    if (inner == QLatin1String("+") || inner == QLatin1String("-"))
        p.drawLine(QPointF(5.5, 8.5), QPointF(11.5, 8.5));
    if (inner == QLatin1String("+"))
        p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 11.5));
    if (inner == QLatin1String("1")) {
        p.setFont(sans(8, true));
        p.setPen(paleGold());
        p.drawText(QRectF(2.5, 2.5, 12, 12), Qt::AlignCenter, QStringLiteral("1:1"));
    }
}

void twoSheets(QPainter &p, bool frontOnTop)
{
    const QRectF back(2.5, 2.5, 11, 11);
    const QRectF front(6.5, 6.5, 11, 11);
    const QRectF first = frontOnTop ? back : front;
    const QRectF second = frontOnTop ? front : back;
    p.setPen(pen(withAlpha(paleGold(), 150), 1));
    p.setBrush(withAlpha(stone(), 220));
    p.drawRect(first);
    p.setPen(pen(paleGold(), 1.2));
    p.setBrush(goldBrush(second));
    p.drawRect(second);
}

void drawTool(QPainter &p, const QString &name)
{
    // Light glyphs with a dark rim read on both dark and light bars.
    if (name == QLatin1String("tool-menu.png")) {
        p.setPen(pen(paleGold(), 2.2));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(4, 5 + i * 5), QPointF(16, 5 + i * 5));
    } else if (name == QLatin1String("tool-data.png")) {
        // A fresh page with a sweep arrow: clear all inputs.
        p.setPen(pen(paleGold(), 1.3));
        p.setBrush(withAlpha(parchment(), 60));
        QPainterPath page;
        page.moveTo(4, 2.5);
        page.lineTo(12, 2.5);
        page.lineTo(16, 6.5);
        page.lineTo(16, 17.5);
        page.lineTo(4, 17.5);
        page.closeSubpath();
        p.drawPath(page);
        p.setPen(pen(copper(), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.5, 7.5, 7, 7), 30 * 16, 280 * 16);
        p.setBrush(copper());
        p.setPen(Qt::NoPen);
        QPolygonF tip;
        tip << QPointF(13.5, 7) << QPointF(14.5, 11) << QPointF(10.8, 9.4);
        p.drawPolygon(tip);
    } else if (name == QLatin1String("tool-info.png")) {
        p.setPen(pen(paleGold(), 1.5));
        p.setBrush(withAlpha(paleGold(), 40));
        p.drawEllipse(QPointF(10, 10), 8, 8);
        p.setPen(pen(paleGold(), 2));
        p.drawLine(QPointF(10, 9), QPointF(10, 14.5));
        p.drawPoint(QPointF(10, 5.8));
    } else if (name == QLatin1String("tool-save.png")) {
        p.setPen(pen(paleGold(), 1.4));
        p.setBrush(withAlpha(paleGold(), 40));
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 2, 2);
        p.setBrush(paleGold());
        p.drawRect(QRectF(6, 2.5, 8, 5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5.5, 11, 9, 6.5));
    } else if (name == QLatin1String("tool-print.png")) {
        p.setPen(pen(paleGold(), 1.4));
        p.setBrush(withAlpha(paleGold(), 40));
        p.drawRect(QRectF(6, 2.5, 8, 5));
        p.setBrush(goldBrush(QRectF(2, 7, 16, 8)));
        p.drawRoundedRect(QRectF(2.5, 7.5, 15, 7), 1.5, 1.5);
        p.setBrush(withAlpha(parchment(), 230));
        p.drawRect(QRectF(6, 12, 8, 6));
    } else if (name == QLatin1String("bzoomn.png")) {
        magnifier(p, QStringLiteral("1"));
    } else if (name == QLatin1String("bzoomi.png")) {
        magnifier(p, QStringLiteral("+"));
    } else if (name == QLatin1String("bzoomo.png")) {
        magnifier(p, QStringLiteral("-"));
    } else if (name == QLatin1String("bprops.png")) {
        for (int i = 0; i < 3; ++i) {
            p.setPen(pen(withAlpha(paleGold(), 170), 1.4));
            p.drawLine(QPointF(3, 5 + i * 5), QPointF(17, 5 + i * 5));
            p.setPen(pen(ink(), 1));
            p.setBrush(i == 1 ? copper() : gold());
            p.drawEllipse(QPointF(i == 1 ? 12 : (i ? 6 : 9), 5 + i * 5), 2.6, 2.6);
        }
    } else if (name == QLatin1String("bdelete.png")) {
        p.setPen(pen(QColor(0x50, 0x18, 0x10), 4.2));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        p.setPen(pen(copper(), 2.4));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
    } else if (name == QLatin1String("bgrid.png")) {
        p.setPen(pen(paleGold(), 1));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(3 + i * 4.6, 3), QPointF(3 + i * 4.6, 17));
            p.drawLine(QPointF(3, 3 + i * 4.6), QPointF(17, 3 + i * 4.6));
        }
    } else if (name == QLatin1String("bsnap.png")) {
        p.setPen(pen(withAlpha(paleGold(), 120), 0.9));
        for (int i = 0; i < 4; ++i) {
            p.drawLine(QPointF(3 + i * 4.6, 3), QPointF(3 + i * 4.6, 17));
            p.drawLine(QPointF(3, 3 + i * 4.6), QPointF(17, 3 + i * 4.6));
        }
        p.setPen(pen(ink(), 1));
        p.setBrush(copper());
        p.drawRect(QRectF(7.6, 7.6, 4.6, 4.6));
        p.setPen(Qt::NoPen);
        p.setBrush(paleGold());
        p.drawEllipse(QPointF(7.6, 7.6), 1.6, 1.6);
    } else if (name == QLatin1String("bbound.png")) {
        QPen dash = pen(paleGold(), 1.4);
        dash.setDashPattern({2, 2});
        p.setPen(dash);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3.5, 3.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(copper());
        for (const QPointF &c : {QPointF(3.5, 3.5), QPointF(16.5, 3.5), QPointF(3.5, 16.5),
                                 QPointF(16.5, 16.5)})
            p.drawRect(QRectF(c.x() - 1.8, c.y() - 1.8, 3.6, 3.6));
    } else if (name == QLatin1String("bbringfront.png")) {
        twoSheets(p, true);
    } else if (name == QLatin1String("bbringback.png")) {
        twoSheets(p, false);
    } else if (name == QLatin1String("bundo.png") || name == QLatin1String("bredo.png")) {
        // A curved arrow turning back (undo) or forward (redo).
        const bool back = name == QLatin1String("bundo.png");
        p.save();
        if (!back) {
            p.translate(20, 0);
            p.scale(-1, 1);
        }
        p.setPen(pen(paleGold(), 2.0));
        p.setBrush(Qt::NoBrush);
        QPainterPath arc;
        arc.moveTo(6, 8);
        arc.cubicTo(QPointF(12, 3.5), QPointF(18, 7), QPointF(16, 13));
        arc.cubicTo(QPointF(15, 16), QPointF(12, 17), QPointF(9, 16.5));
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(copper());
        QPolygonF tip;
        tip << QPointF(2.5, 8.5) << QPointF(9, 3.5) << QPointF(9, 12);
        p.drawPolygon(tip);
        p.restore();
    } else if (name == QLatin1String("text-bold.png") || name == QLatin1String("text-italic.png") ||
               name == QLatin1String("text-under.png")) {
        const bool bold = name.contains(QLatin1String("bold"));
        const bool italic = name.contains(QLatin1String("italic"));
        QFont f = font(QStringLiteral("Liberation Serif"), 16, bold, italic);
        f.setUnderline(name.contains(QLatin1String("under")));
        p.setFont(f);
        const QString letter = bold ? QStringLiteral("B") : (italic ? QStringLiteral("I") : QStringLiteral("U"));
        p.setPen(withAlpha(ink(), 200));
        p.drawText(QRectF(1, 1, 20, 20), Qt::AlignCenter, letter);
        p.setPen(paleGold());
        p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, letter);
    }
}

// ---- interface pictures ----

QImage arrow(int w, int h, int direction, QColor colour)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    QPolygonF tri;
    if (direction == 0)  // down
        tri << QPointF(0.5, 0.5) << QPointF(w - 0.5, 0.5) << QPointF(w / 2.0, h - 0.5);
    else if (direction == 1)  // up
        tri << QPointF(0.5, h - 0.5) << QPointF(w - 0.5, h - 0.5) << QPointF(w / 2.0, 0.5);
    else  // right
        tri << QPointF(0.5, 0.5) << QPointF(w - 0.5, h / 2.0) << QPointF(0.5, h - 0.5);
    p.drawPolygon(tri);
    return img;
}

QImage tick(int size, QColor colour, qreal width)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    p.setPen(pen(colour, width));
    const qreal s = size;
    QPainterPath t;
    t.moveTo(s * 0.2, s * 0.52);
    t.lineTo(s * 0.42, s * 0.74);
    t.lineTo(s * 0.8, s * 0.28);
    p.drawPath(t);
    return img;
}

QImage handle(const QString &name)
{
    if (name == QLatin1String("scale-s.png")) {
        QImage img = canvas(9, 9);
        QPainter p(&img);
        p.fillRect(0, 0, 9, 9, QColor(0x20, 0x1a, 0x17));
        p.fillRect(1, 1, 7, 7, QColor(0xff, 0xff, 0xff));
        p.fillRect(2, 2, 5, 5, QColor(0xf0, 0x60, 0x40));
        return img;
    }
    QImage img = canvas(15, 15);
    QPainter p(&img);
    prepare(p);
    p.setPen(pen(QColor(0x20, 0x1a, 0x17), 1));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawEllipse(QPointF(7.5, 7.5), 7, 7);
    p.setPen(pen(QColor(0xc8, 0x4a, 0x2c), 1.4));
    p.setBrush(Qt::NoBrush);
    if (name == QLatin1String("move-s.png")) {
        p.drawLine(QPointF(7.5, 3), QPointF(7.5, 12));
        p.drawLine(QPointF(3, 7.5), QPointF(12, 7.5));
        p.setBrush(QColor(0xc8, 0x4a, 0x2c));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(7.5, 7.5);
            p.rotate(90 * i);
            QPolygonF head;
            head << QPointF(0, -5.6) << QPointF(2.2, -3.2) << QPointF(-2.2, -3.2);
            p.drawPolygon(head);
            p.restore();
        }
    } else {
        p.drawArc(QRectF(3.5, 3.5, 8, 8), 60 * 16, 260 * 16);
        p.setBrush(QColor(0xc8, 0x4a, 0x2c));
        p.setPen(Qt::NoPen);
        QPolygonF head;
        head << QPointF(11.8, 2.6) << QPointF(12.2, 7.2) << QPointF(8.2, 5.2);
        p.drawPolygon(head);
    }
    return img;
}

QImage treeIcon(const QString &name)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    if (name == QLatin1String("datafield-i.png")) {
        // Calculated data: a small grid of numbers.
        p.setPen(pen(QColor(0x8a, 0x60, 0x30), 1));
        p.setBrush(paleGold());
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        p.setFont(sans(6, true));
        p.setPen(QColor(0x5a, 0x30, 0x18));
        p.drawText(QRectF(1.5, 1.5, 6.5, 6.5), Qt::AlignCenter, QStringLiteral("1"));
        p.drawText(QRectF(8, 1.5, 6.5, 6.5), Qt::AlignCenter, QStringLiteral("2"));
        p.drawText(QRectF(1.5, 8, 6.5, 6.5), Qt::AlignCenter, QStringLiteral("3"));
        p.setPen(copper());
        p.drawText(QRectF(8, 8, 6.5, 6.5), Qt::AlignCenter, QStringLiteral("9"));
    } else if (name == QLatin1String("datafieldtitle-i.png")) {
        // Variables: a tag with a text line.
        QPainterPath tag;
        tag.moveTo(1.5, 4.5);
        tag.lineTo(10.5, 4.5);
        tag.lineTo(14.5, 8);
        tag.lineTo(10.5, 11.5);
        tag.lineTo(1.5, 11.5);
        tag.closeSubpath();
        p.setPen(pen(QColor(0x8a, 0x30, 0x18), 1));
        p.setBrush(QColor(0xf0, 0x80, 0x58));
        p.drawPath(tag);
        p.setPen(pen(QColor(0xff, 0xf4, 0xe0), 1.2));
        p.drawLine(QPointF(3.5, 8), QPointF(9, 8));
    } else {
        // Objects: a picture thumbnail with a hill and a sun.
        p.setPen(pen(QColor(0x5c, 0x52, 0x4c), 1));
        p.setBrush(QColor(0xf4, 0xe8, 0xd0));
        p.drawRect(QRectF(1.5, 2.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9c, 0xb6, 0x2d));
        QPainterPath hill;
        hill.moveTo(2, 13);
        hill.lineTo(7, 7);
        hill.lineTo(10, 10);
        hill.lineTo(12, 8.5);
        hill.lineTo(14, 13);
        hill.closeSubpath();
        p.drawPath(hill);
        p.setBrush(copper());
        p.drawEllipse(QPointF(11, 5.5), 1.7, 1.7);
    }
    return img;
}

QImage reportManagerButton(bool hover)
{
    QImage img = canvas(21, 25);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 0, 25);
    g.setColorAt(0, hover ? QColor(0x6e, 0x5a, 0x4c) : QColor(0x56, 0x47, 0x3d));
    g.setColorAt(1, hover ? QColor(0x58, 0x47, 0x3b) : QColor(0x44, 0x37, 0x2f));
    p.setPen(pen(hover ? QColor(0xb8, 0x9b, 0x72) : QColor(0x6a, 0x5d, 0x55), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 20, 24), 3, 3);
    // A page with lines and a pencil: edit the report layouts.
    p.setPen(pen(hover ? paleGold() : parchment(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.5, 6.5, 8, 11));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(7, 9.5 + i * 2.6), QPointF(12, 9.5 + i * 2.6));
    p.setPen(pen(hover ? copper() : gold(), 2));
    p.drawLine(QPointF(11, 19), QPointF(16.5, 12.5));
    return img;
}

}  // namespace

QStringList featureButtonFiles()
{
    return {QStringLiteral("numer-but.png"), QStringLiteral("matr-but.png"),
            QStringLiteral("love-but.png"),  QStringLiteral("cel-but.png"),
            QStringLiteral("pet-but.png"),   QStringLiteral("chart-but.png"),
            QStringLiteral("an-but.png"),    QStringLiteral("fore-but.png"),
            QStringLiteral("guide-but.png")};
}

QStringList toolIconFiles()
{
    return {QStringLiteral("tool-menu.png"),   QStringLiteral("tool-data.png"),
            QStringLiteral("tool-info.png"),   QStringLiteral("tool-save.png"),
            QStringLiteral("tool-print.png"),  QStringLiteral("bzoomn.png"),
            QStringLiteral("bzoomi.png"),      QStringLiteral("bzoomo.png"),
            QStringLiteral("bprops.png"),      QStringLiteral("bdelete.png"),
            QStringLiteral("bgrid.png"),       QStringLiteral("bsnap.png"),
            QStringLiteral("bbound.png"),      QStringLiteral("bbringfront.png"),
            QStringLiteral("bbringback.png"),  QStringLiteral("bundo.png"),
            QStringLiteral("bredo.png"),       QStringLiteral("text-bold.png"),
            QStringLiteral("text-italic.png"), QStringLiteral("text-under.png")};
}

QStringList interfacePictureFiles()
{
    return {QStringLiteral("arrow-down.png"),  QStringLiteral("arrow-up.png"),
            QStringLiteral("arrow-right.png"), QStringLiteral("check.png"),
            QStringLiteral("menu-check.png"),  QStringLiteral("cal-prev.png"),
            QStringLiteral("cal-next.png"),    QStringLiteral("scale-s.png"),
            QStringLiteral("move-s.png"),      QStringLiteral("rotate-s.png"),
            QStringLiteral("datafield-i.png"), QStringLiteral("datafieldtitle-i.png"),
            QStringLiteral("thumb.png"),       QStringLiteral("rep_man.png"),
            QStringLiteral("rep_manh.png")};
}

QImage featureButton(const QString &fileName)
{
    QImage img(60, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    prepare(p);
    buttonBackdrop(p);
    drawFeature(p, fileName);
    return img;
}

QImage toolIcon(const QString &fileName)
{
    QImage glyph = canvas(20, 20);
    {
        QPainter p(&glyph);
        prepare(p);
        drawTool(p, fileName);
    }
    // A soft dark rim lets the light glyphs read on light tool bars too.
    QImage rim = glyph;
    {
        QPainter p(&rim);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(rim.rect(), withAlpha(QColor(0x1c, 0x15, 0x12), 150));
    }
    QImage img = canvas(20, 20);
    QPainter p(&img);
    for (const QPoint &d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        p.drawImage(d, rim);
    p.drawImage(0, 0, glyph);
    return img;
}

QImage interfacePicture(const QString &name)
{
    if (name == QLatin1String("arrow-down.png"))
        return arrow(9, 6, 0, parchment());
    if (name == QLatin1String("arrow-up.png"))
        return arrow(9, 6, 1, parchment());
    if (name == QLatin1String("arrow-right.png"))
        return arrow(6, 9, 2, parchment());
    if (name == QLatin1String("cal-prev.png") || name == QLatin1String("cal-next.png")) {
        QImage img = canvas(12, 12);
        QPainter p(&img);
        prepare(p);
        p.setPen(pen(parchment(), 2));
        const bool next = name == QLatin1String("cal-next.png");
        QPolygonF chevron;
        chevron << QPointF(next ? 4 : 8, 2) << QPointF(next ? 8 : 4, 6) << QPointF(next ? 4 : 8, 10);
        p.drawPolyline(chevron);
        return img;
    }
    if (name == QLatin1String("check.png"))
        return tick(13, ink(), 2.2);
    if (name == QLatin1String("menu-check.png"))
        return tick(12, parchment(), 2);
    if (name.endsWith(QLatin1String("-s.png")))
        return handle(name);
    if (name == QLatin1String("rep_man.png"))
        return reportManagerButton(false);
    if (name == QLatin1String("rep_manh.png"))
        return reportManagerButton(true);
    return treeIcon(name);
}
