// Draws every picture of the program's interface and reports:
//   qznum-artgen <images folder> [--preview contact-sheet.png]
//   qznum-artgen --icons <icon theme folder>   (the program's icon, 16 to 512 px)
// Writes <folder>/*.png, <folder>/doc/res01.jpg .. res39.jpg and the stamp
// file <folder>/.artgen-stamp. Deterministic: the same build draws the same bytes.
#include "artkit.h"
#include "iconart.h"
#include "reportart.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

using namespace Art;

namespace {

QImage logo(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    const qreal s = size / 48.0;
    p.scale(s, s);
    const QPointF c(24, 24);
    QRadialGradient g(QPointF(20, 18), 30);
    g.setColorAt(0, QColor(0x6a, 0x4e, 0x3a));
    g.setColorAt(1, QColor(0x24, 0x1c, 0x18));
    p.setPen(QPen(goldBrush(QRectF(0, 0, 48, 48)), 1.6));
    p.setBrush(g);
    p.drawEllipse(c, 22.5, 22.5);
    p.setPen(QPen(withAlpha(gold(), 170), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(c, 19, 9, 2));
    glow(p, c, 14, copper(), 120);
    p.setFont(serif(26, true));
    shadowText(p, QRectF(0, 0, 48, 46), Qt::AlignCenter, QStringLiteral("Q"), paleGold());
    return img;
}

QImage noImage()
{
    QImage img(320, 240, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 0, 240);
    g.setColorAt(0, QColor(0xf6, 0xf1, 0xe8));
    g.setColorAt(1, QColor(0xe6, 0xdc, 0xcc));
    p.fillRect(img.rect(), g);
    QPen dash(QColor(0xb4, 0xa6, 0x94), 2);
    dash.setDashPattern({4, 3});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(12, 12, 296, 216), 10, 10);
    // A framed landscape: hills and a sun.
    const QRectF pic(110, 62, 100, 76);
    p.setPen(QPen(QColor(0x9a, 0x8a, 0x78), 2));
    p.setBrush(QColor(0xfb, 0xf8, 0xf2));
    p.drawRoundedRect(pic, 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc9, 0xb8, 0xa0));
    QPainterPath hills;
    hills.moveTo(pic.left() + 4, pic.bottom() - 4);
    hills.lineTo(pic.left() + 36, pic.top() + 34);
    hills.lineTo(pic.left() + 56, pic.top() + 52);
    hills.lineTo(pic.left() + 72, pic.top() + 40);
    hills.lineTo(pic.right() - 4, pic.bottom() - 4);
    hills.closeSubpath();
    p.drawPath(hills);
    p.setBrush(QColor(0xe8, 0x9a, 0x70));
    p.drawEllipse(QPointF(pic.right() - 24, pic.top() + 20), 8, 8);
    p.setFont(sans(16, true));
    p.setPen(QColor(0x8a, 0x7a, 0x68));
    p.drawText(QRectF(0, 150, 320, 30), Qt::AlignCenter, QStringLiteral("No image"));
    p.setFont(sans(11));
    p.drawText(QRectF(0, 176, 320, 20), Qt::AlignCenter,
               QStringLiteral("Choose a picture for this page"));
    return img;
}

QImage hline()
{
    QImage img = canvas(240, 2);
    QPainter p(&img);
    QLinearGradient g(0, 0, 240, 0);
    g.setColorAt(0, withAlpha(gold(), 0));
    g.setColorAt(0.5, withAlpha(gold(), 200));
    g.setColorAt(1, withAlpha(gold(), 0));
    p.fillRect(0, 0, 240, 1, g);
    QLinearGradient d(0, 0, 240, 0);
    d.setColorAt(0, withAlpha(QColor(0, 0, 0), 0));
    d.setColorAt(0.5, withAlpha(QColor(0, 0, 0), 140));
    d.setColorAt(1, withAlpha(QColor(0, 0, 0), 0));
    p.fillRect(0, 1, 240, 1, d);
    return img;
}

QImage matrixBackground()
{
    // Behind the psychomatrix grid: dark warm ground, faint sacred geometry.
    QImage img(600, 290, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(0, 0, 600, 290);
    g.setColorAt(0, QColor(0x33, 0x29, 0x24));
    g.setColorAt(0.5, QColor(0x3d, 0x31, 0x2a));
    g.setColorAt(1, QColor(0x2a, 0x22, 0x1e));
    p.fillRect(img.rect(), g);
    flowerOfLife(p, QPointF(64, 130), 26, 2, withAlpha(gold(), 28), 1);
    astrolabe(p, QPointF(64, 130), 96, withAlpha(gold(), 40), 72);
    p.setPen(QPen(withAlpha(gold(), 22), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(starPath(QPointF(64, 130), 84, 9, 4));
    sparkles(p, QRectF(0, 0, 600, 290), 40, 4242u, paleGold());
    QRadialGradient v(QPointF(300, 145), 380);
    v.setColorAt(0.6, withAlpha(QColor(0, 0, 0), 0));
    v.setColorAt(1, withAlpha(QColor(0, 0, 0), 110));
    p.fillRect(img.rect(), v);
    return img;
}

// Soft drop shadow around a page on the chart canvas, in eight pieces:
// edges 10 px deep (stretched by the canvas), corners 10 x 10.
QList<QPair<QString, QImage>> pageShadows()
{
    const int d = 10;
    auto alphaAt = [d](qreal dist) {
        const qreal t = qBound<qreal>(0, dist / d, 1);
        return int(110 * (1 - t) * (1 - t));
    };
    QList<QPair<QString, QImage>> out;
    const struct { const char *name; int w, h, dx, dy; } parts[] = {
        {"shadow-l.png", d, 1, -1, 0}, {"shadow-r.png", d, 1, 1, 0},
        {"shadow-t.png", 1, d, 0, -1}, {"shadow-b.png", 1, d, 0, 1},
        {"shadow-tl.png", d, d, -1, -1}, {"shadow-tr.png", d, d, 1, -1},
        {"shadow-bl.png", d, d, -1, 1}, {"shadow-br.png", d, d, 1, 1}};
    for (const auto &part : parts) {
        QImage img(part.w, part.h, QImage::Format_ARGB32);
        for (int y = 0; y < part.h; ++y) {
            for (int x = 0; x < part.w; ++x) {
                // Distance from the page edge: pieces left/top of the page count backwards.
                const qreal ex = part.dx < 0 ? part.w - x - 0.5 : (part.dx > 0 ? x + 0.5 : 0);
                const qreal ey = part.dy < 0 ? part.h - y - 0.5 : (part.dy > 0 ? y + 0.5 : 0);
                img.setPixel(x, y, qRgba(0, 0, 0, alphaAt(qSqrt(ex * ex + ey * ey))));
            }
        }
        out << qMakePair(QString::fromLatin1(part.name), img);
    }
    return out;
}

bool savePng(const QImage &img, const QString &path)
{
    return img.save(path, "PNG");
}

QImage contactSheet(const QList<QPair<QString, QImage>> &all)
{
    // Everything on one page, to look at the artwork at a glance.
    const int cols = 8;
    const int cellW = 150;
    const int cellH = 120;
    const int rows = (all.size() + cols - 1) / cols;
    QImage sheet(cols * cellW, rows * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(0x80, 0x78, 0x70));
    QPainter p(&sheet);
    prepare(p);
    for (int i = 0; i < all.size(); ++i) {
        const QRect cell((i % cols) * cellW, (i / cols) * cellH, cellW, cellH);
        QImage img = all.at(i).second;
        if (img.width() > cellW - 8 || img.height() > cellH - 22)
            img = img.scaled(cellW - 8, cellH - 22, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        else if (img.width() <= 20)
            img = img.scaled(img.size() * 2);
        p.drawImage(cell.left() + (cellW - img.width()) / 2, cell.top() + 4, img);
        p.setPen(Qt::white);
        p.setFont(sans(10));
        p.drawText(QRect(cell.left(), cell.bottom() - 16, cellW, 14), Qt::AlignCenter, all.at(i).first);
    }
    return sheet;
}

// The desktop icon in every size a hicolor theme offers.
int writeThemeIcons(const QString &root)
{
    static const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
    int failures = 0;
    for (int size : sizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !savePng(logo(size), dir + QStringLiteral("/com.qzarel.numerology.png"))) {
            QTextStream(stderr) << "cannot write the " << size << " px icon\n";
            ++failures;
        }
    }
    return failures ? 1 : 0;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: qznum-artgen <images folder> [--preview file.png]\n";
        return 2;
    }
    if (args.at(1) == QLatin1String("--icons"))
        return args.size() > 2 ? writeThemeIcons(args.at(2)) : 2;
    const QString dir = args.at(1);
    const QString docDir = dir + QStringLiteral("/doc");
    if (!QDir().mkpath(docDir)) {
        QTextStream(stderr) << "cannot create " << docDir << '\n';
        return 1;
    }

    QList<QPair<QString, QImage>> pngs;
    for (const QString &f : featureButtonFiles())
        pngs << qMakePair(f, featureButton(f));
    for (const QString &f : toolIconFiles())
        pngs << qMakePair(f, toolIcon(f));
    for (const QString &f : interfacePictureFiles())
        pngs << qMakePair(f, interfacePicture(f));
    pngs << qMakePair(QStringLiteral("logo.png"), logo(48));
    pngs << qMakePair(QStringLiteral("qznum.png"), logo(256));
    pngs << qMakePair(QStringLiteral("noimage.png"), noImage());
    pngs << qMakePair(QStringLiteral("hline.png"), hline());
    pngs << qMakePair(QStringLiteral("pmatrix-bg.png"), matrixBackground());
    pngs << pageShadows();

    int failures = 0;
    for (const auto &png : pngs) {
        if (!savePng(png.second, dir + QLatin1Char('/') + png.first)) {
            QTextStream(stderr) << "cannot write " << png.first << '\n';
            ++failures;
        }
    }
    QList<QPair<QString, QImage>> all = pngs;
    for (int n = 1; n <= kReportPictures; ++n) {
        const QString name = QStringLiteral("res%1.jpg").arg(n, 2, 10, QLatin1Char('0'));
        const QImage img = reportPicture(n);
        if (!img.save(docDir + QLatin1Char('/') + name, "JPG", 90)) {
            QTextStream(stderr) << "cannot write " << name << '\n';
            ++failures;
        }
        all << qMakePair(name, img);
    }
    const int previewAt = args.indexOf(QStringLiteral("--preview"));
    if (previewAt > 0 && previewAt + 1 < args.size())
        contactSheet(all).save(args.at(previewAt + 1));
    if (failures)
        return 1;

    QFile stamp(dir + QStringLiteral("/.artgen-stamp"));
    if (stamp.open(QIODevice::WriteOnly))
        stamp.write(QByteArray::number(all.size()) + '\n');
    return 0;
}
