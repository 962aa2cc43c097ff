// Writes the sample charts that ship in images/templates: usage
//   qz_chartsamples OUTPUT_FOLDER
// Every chart is built through the chart document API, the way a user would
// lay it out in the chart creator.
#include "samplebuilder.h"

#include "chart/barcode/barcodepicture.h"
#include "chart/chartfile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

using namespace samples;

namespace {

const QColor kIndigo(46, 26, 71);
const QColor kViolet(107, 63, 160);
const QColor kGold(201, 162, 39);
const QColor kInk(52, 36, 82);
const QColor kPanel(247, 243, 253, 255);
const QColor kPanelFrame(196, 180, 226);
const QColor kMuted(110, 100, 130);

TextStyle style(int px, bool bold, const QColor &colour, int alignment = Qt::AlignLeft)
{
    TextStyle s;
    s.pixelSize = px;
    s.bold = bold;
    s.colour = colour;
    s.alignment = alignment;
    return s;
}

void heading(ChartPage &page, const QString &text, const QRectF &rect)
{
    addText(page, text, rect, style(18, true, kIndigo));
    addImage(page, rule(kGold), QRectF(rect.x() + 2, rect.bottom() - 2, 60, 3));
}

void footer(ChartPage &page, double y, double width)
{
    addText(page, QStringLiteral("Qzarel Numerology"), QRectF(30, y, 300, 20),
            style(11, false, kMuted));
    addText(page, QStringLiteral("Printed"), QRectF(width - 230, y, 60, 20),
            style(11, false, kMuted, Qt::AlignRight));
    addField(page, QStringLiteral("#print_date"), QStringLiteral("PRINT DATE"),
             QRectF(width - 165, y + 2, 135, 20), style(11, false, kMuted, Qt::AlignRight));
}

// Title band with the person's name and birth date.
void titleBand(ChartPage &page, const QString &title, double width, double height)
{
    addImage(page, banner(QSize(int(width * 2), int(height * 2)), kIndigo, kViolet),
             QRectF(0, 0, width, height));
    addText(page, title, QRectF(36, 22, width - 72, 46), style(36, true, Qt::white));
    addField(page, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"),
             QRectF(36, 72, width - 72, 34), style(26, false, QColor(255, 244, 214)));
    addText(page, QStringLiteral("Born"), QRectF(36, height - 36, 60, 22),
            style(15, false, QColor(220, 208, 240)));
    addField(page, QStringLiteral("#birthdate"), QStringLiteral("BIRTHDATE"),
             QRectF(86, height - 36, 220, 22), style(15, true, Qt::white));
}

void panel(ChartPage &page, const QString &entry, const QPointF &at, double scale)
{
    addPanel(page, entry, at, scale, kPanel, kInk, kPanelFrame);
}

void numerologyChart(ChartDocument &doc)
{
    doc.title = QStringLiteral("Numerology Chart");
    ChartPage &page = *doc.currentPage;
    page.name = QStringLiteral("Numerology Chart");
    titleBand(page, QStringLiteral("Numerology Chart"), 840, 170);

    heading(page, QStringLiteral("Core numbers"), QRectF(30, 192, 370, 26));
    heading(page, QStringLiteral("Additional numbers"), QRectF(440, 192, 370, 26));
    panel(page, QStringLiteral("Main Features"), QPointF(30, 226), 1.85);
    panel(page, QStringLiteral("Additional Features"), QPointF(440, 226), 1.85);

    heading(page, QStringLiteral("Life cycles"), QRectF(30, 428, 370, 26));
    heading(page, QStringLiteral("Bridges"), QRectF(440, 428, 370, 26));
    panel(page, QStringLiteral("Life Cycles"), QPointF(30, 462), 1.85);
    panel(page, QStringLiteral("Bridges"), QPointF(440, 462), 1.85);
    addText(page,
            QStringLiteral("Bridges show how far apart two of your numbers are: the smaller the "
                           "bridge, the easier the two sides of you work together. Master "
                           "numbers 11, 22 and 33 are printed in red."),
            QRectF(440, 545, 370, 90), style(13, false, kMuted));

    heading(page, QStringLiteral("Name numbers"), QRectF(30, 668, 780, 26));
    panel(page, QStringLiteral("Name"), QPointF(30, 702), 1.2);
    heading(page, QStringLiteral("Planes of expression"), QRectF(30, 832, 780, 26));
    panel(page, QStringLiteral("Planes of Expression"), QPointF(30, 866), 1.2);
    heading(page, QStringLiteral("Psychomatrix"), QRectF(30, 962, 780, 26));
    panel(page, QStringLiteral("Psychomatrix"), QPointF(30, 996), 1.2);
    footer(page, 1140, 840);
}

void psychomatrixCard(ChartDocument &doc)
{
    doc.title = QStringLiteral("Psychomatrix Card");
    ChartPage &page = *doc.currentPage;
    page.size = QSizeF(840, 594);
    page.name = QStringLiteral("Psychomatrix Card");
    addImage(page, banner(QSize(1680, 240), kIndigo, kViolet), QRectF(0, 0, 840, 120));
    addText(page, QStringLiteral("Psychomatrix"), QRectF(30, 18, 400, 44), style(34, true, Qt::white));
    addField(page, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"),
             QRectF(30, 66, 520, 30), style(22, false, QColor(255, 244, 214)));
    addText(page, QStringLiteral("Born"), QRectF(560, 70, 60, 22),
            style(15, false, QColor(220, 208, 240), Qt::AlignRight));
    addField(page, QStringLiteral("#birthdate"), QStringLiteral("BIRTHDATE"),
             QRectF(625, 70, 185, 22), style(15, true, Qt::white, Qt::AlignRight));

    panel(page, QStringLiteral("Psychomatrix"), QPointF(20, 140), 1.23);
    heading(page, QStringLiteral("Planes of expression"), QRectF(20, 236, 400, 26));
    panel(page, QStringLiteral("Planes of Expression"), QPointF(20, 268), 1.23);
    heading(page, QStringLiteral("Numbers"), QRectF(20, 364, 400, 26));
    panel(page, QStringLiteral("Main Features"), QPointF(20, 396), 1.3);
    panel(page, QStringLiteral("Additional Features"), QPointF(290, 396), 1.3);
    panel(page, QStringLiteral("Bridges"), QPointF(560, 396), 1.3);
    addText(page,
            QStringLiteral("Each cell of the psychomatrix repeats its digit as often as it "
                           "occurs in the birth date and its working numbers; a dash marks a "
                           "digit that is missing."),
            QRectF(560, 452, 260, 80), style(12, false, kMuted));
    footer(page, 560, 840);
}

void forecastPage(ChartDocument &doc)
{
    doc.title = QStringLiteral("Personal Forecast");
    ChartPage &page = *doc.currentPage;
    page.name = QStringLiteral("Personal Forecast");
    titleBand(page, QStringLiteral("Personal Forecast"), 840, 170);
    addText(page, QStringLiteral("Forecast from"), QRectF(500, 134, 140, 22),
            style(15, false, QColor(220, 208, 240), Qt::AlignRight));
    ChartItem *date = addField(page, QStringLiteral("#date"), QStringLiteral("DATE"),
                               QRectF(645, 134, 165, 22), style(15, true, Qt::white, Qt::AlignRight));
    date->content->fixedField = true;

    heading(page, QStringLiteral("Personal numbers calendar"), QRectF(20, 192, 800, 26));
    panel(page, QStringLiteral("Personal numbers calendar"), QPointF(20, 226), 1.23);
    addText(page,
            QStringLiteral("Years, months and days run from the forecast date; the bold cell is "
                           "the current one."),
            QRectF(20, 296, 800, 22), style(12, false, kMuted));

    heading(page, QStringLiteral("Life cycles"), QRectF(20, 336, 380, 26));
    heading(page, QStringLiteral("Core numbers"), QRectF(440, 336, 380, 26));
    panel(page, QStringLiteral("Life Cycles"), QPointF(20, 370), 1.9);
    panel(page, QStringLiteral("Main Features"), QPointF(440, 370), 1.9);

    heading(page, QStringLiteral("The nine personal years"), QRectF(20, 590, 800, 26));
    const char *const years[9][2] = {
        {"1", "Beginnings: start projects, take the lead, plant seeds."},
        {"2", "Patience: partnerships, cooperation, quiet growth."},
        {"3", "Expression: creativity, friends, joy and visibility."},
        {"4", "Foundations: work, order, health and steady effort."},
        {"5", "Change: travel, freedom, new experiences."},
        {"6", "Responsibility: home, family, care and commitments."},
        {"7", "Reflection: study, rest, inner work and faith."},
        {"8", "Achievement: career, money, power and results."},
        {"9", "Completion: let go, finish cycles, give back."}};
    for (int i = 0; i < 9; ++i) {
        const double y = 628 + 52 * i;
        addText(page, QString::fromLatin1(years[i][0]), QRectF(24, y, 40, 40),
                style(30, true, kViolet, Qt::AlignHCenter));
        addText(page, QString::fromLatin1(years[i][1]), QRectF(74, y + 8, 740, 30),
                style(16, false, kInk));
    }
    footer(page, 1140, 840);
}

void qrCard(ChartDocument &doc)
{
    doc.title = QStringLiteral("Reading Card with QR Code");
    ChartPage &page = *doc.currentPage;
    page.size = QSizeF(594, 420); // A6 landscape
    page.name = QStringLiteral("Reading Card");
    page.backgroundColor = QColor(252, 250, 255);
    page.backgroundMode = 0;
    addImage(page, banner(QSize(40, 840), kIndigo, kViolet, false), QRectF(0, 0, 20, 420));
    addText(page, QStringLiteral("Numerology Reading"), QRectF(40, 22, 380, 30),
            style(22, true, kIndigo));
    addField(page, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"),
             QRectF(40, 56, 360, 28), style(18, false, kInk));
    addField(page, QStringLiteral("#birthdate"), QStringLiteral("BIRTHDATE"),
             QRectF(40, 86, 200, 22), style(14, true, kViolet));
    panel(page, QStringLiteral("Main Features"), QPointF(40, 124), 1.25);
    panel(page, QStringLiteral("Bridges"), QPointF(40, 266), 1.25);
    // The code carries the person's own data: it is filled in for each record.
    addBarcode(page, QStringLiteral("#full_name, born #birthdate - Qzarel Numerology reading"),
               BarcodeQrCode, QRectF(400, 124, 170, 170), kIndigo);
    addText(page, QStringLiteral("Scan to keep your name and birth date"),
            QRectF(392, 300, 186, 40), style(12, false, kMuted, Qt::AlignHCenter));
    addText(page, QStringLiteral("Qzarel Numerology"), QRectF(40, 380, 300, 20),
            style(11, false, kMuted));
}

void stickerSheet(ChartDocument &doc)
{
    doc.title = QStringLiteral("Number Stickers");
    ChartPage *label = doc.addBlock();
    label->name = QStringLiteral("Sticker");
    label->size = QSizeF(380, 200);
    addImage(*label, banner(QSize(760, 400), QColor(250, 246, 255), QColor(232, 222, 248), false),
             QRectF(0, 0, 380, 200));
    addImage(*label, banner(QSize(24, 400), kIndigo, kViolet, false), QRectF(0, 0, 12, 200));
    addField(*label, QStringLiteral("#short_name"), QStringLiteral("SHORT NAME"),
             QRectF(24, 12, 340, 30), style(20, true, kIndigo));
    addField(*label, QStringLiteral("#birthdate"), QStringLiteral("BIRTHDATE"),
             QRectF(24, 44, 200, 20), style(13, false, kViolet));
    addPanel(*label, QStringLiteral("Main Features"), QPointF(24, 72), 1.2, QColor(255, 255, 255, 200),
             kInk, QColor());
    addImage(*label, digitWheel(400, QColor(107, 63, 160, 150), kGold), QRectF(276, 76, 96, 96));

    ChartPage &page = *doc.currentPage;
    page.name = QStringLiteral("Sticker Sheet");
    addText(page, QStringLiteral("Number stickers"), QRectF(30, 16, 500, 30), style(20, true, kIndigo));
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 2; ++col) {
            ChartItem *ref = addBlockReference(
                page, label, QRectF(30 + col * 400, 60 + row * 222, 380, 200));
            ref->content->frameStyle = 1;
            ref->content->frameColor = kPanelFrame;
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qz_chartsamples OUTPUT_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "qz_chartsamples: cannot create %s\n", argv[1]);
        return 1;
    }
    const std::function<void(ChartDocument &)> builders[] = {numerologyChart, psychomatrixCard,
                                                             forecastPage, qrCard, stickerSheet};
    for (const auto &build : builders) {
        ChartDocument doc;
        build(doc);
        const QString path = QDir(folder).filePath(doc.title + QStringLiteral(".qnr"));
        QString error;
        if (!chartfile::save(doc, path, &error)) {
            std::fprintf(stderr, "qz_chartsamples: %s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
    }
    return 0;
}
