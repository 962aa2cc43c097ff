#include "panels/ctheme.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList g_messages;
void collect(QtMsgType, const QMessageLogContext &, const QString &msg)
{
    g_messages << msg;
}
}  // namespace

class TestTheme : public QObject
{
    Q_OBJECT

private slots:
    void themeList();
    void mapColor_data();
    void mapColor();
    void mapColorValuePercent();
    void mapStyleText_data();
    void mapStyleText();
    void selectTheme_data();
    void selectTheme();
    void kindToSheet_data();
    void kindToSheet();
    void styleWidgetLeavesUnstyledAlone();
    void sheetsParseInEveryTheme();
    void sheetsOnlyHoldSixDigitColours();
    void fixedSheetNeverChanges();
    void imageRecolouring();
    void personButtonPulse();
    void featureIconFrame();
    void titleImageHasText();
    void sheetPicturesAreRecoloured();
};

void TestTheme::themeList()
{
    CTheme t(QString::fromUtf8(QZ_BIN_DIR "/images/"));
    QCOMPARE(t.names(),
             QStringList({QStringLiteral("Chocolate"), QStringLiteral("Blue"),
                          QStringLiteral("Blue Sky"), QStringLiteral("Lavender"),
                          QStringLiteral("Rose"), QStringLiteral("Moss"),
                          QStringLiteral("Beige")}));
    QCOMPARE(t.entry(2).tint, QColor(99, 188, 249));
    QVERIFY(t.entry(0).keepColours);
    for (int i = 1; i < t.count(); ++i)
        QVERIFY(!t.entry(i).keepColours);
    QCOMPARE(t.currentIndex(), 0);
}

void TestTheme::mapColor_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QColor>("in");
    QTest::addColumn<QColor>("out");
    // The base theme keeps everything, alpha included.
    QTest::newRow("chocolate keeps") << 0 << QColor(12, 200, 77) << QColor(12, 200, 77);
    QTest::newRow("chocolate keeps alpha") << 0 << QColor(1, 2, 3, 40) << QColor(1, 2, 3, 40);
    for (int i = 1; i <= 6; ++i) {
        QTest::addRow("black stays black %d", i) << i << QColor(0, 0, 0) << QColor(0, 0, 0);
        QTest::addRow("white stays white %d", i) << i << QColor(255, 255, 255)
                                                 << QColor(255, 255, 255);
    }
    // Brightness (r+g+b)/3 = 60 becomes HSL lightness with the tint's hue.
    const QColor blue(200, 220, 255);
    QTest::newRow("blue brown")
        << 1 << QColor(0x44, 0x37, 0x2f)
        << QColor::fromHsl(blue.hslHue(), blue.hsvSaturation(), (0x44 + 0x37 + 0x2f) / 3);
    // A grey and a saturated colour of equal brightness map to the same colour.
    QTest::newRow("equal brightness")
        << 3 << QColor(255, 0, 0) << QColor::fromHsl(QColor(204, 185, 240).hslHue(),
                                                     QColor(204, 185, 240).hsvSaturation(), 85);
    // Translucent input comes out opaque.
    QTest::newRow("alpha dropped") << 5 << QColor(90, 90, 90, 10)
                                   << QColor::fromHsl(QColor(204, 237, 224).hslHue(),
                                                      QColor(204, 237, 224).hsvSaturation(), 90);
}

void TestTheme::mapColor()
{
    QFETCH(int, theme);
    QFETCH(QColor, in);
    QFETCH(QColor, out);
    CTheme t(QString{});
    t.selectTheme(theme);
    const QColor got = t.mapColor(in);
    QCOMPARE(got.rgba(), out.rgba());
}

void TestTheme::mapColorValuePercent()
{
    // A value percentage switches to HSV with value = brightness * k / 100.
    const QColor tint(200, 220, 255);
    const QColor c = CTheme::mapColorWith(QColor(100, 100, 100), tint, 50, false);
    QCOMPARE(c.value(), 50);
    QCOMPARE(c.hsvHue(), tint.hslHue());
    QCOMPARE(CTheme::mapColorWith(QColor(255, 255, 255), tint, 200, false).value(), 255);
}

void TestTheme::mapStyleText_data()
{
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("plain text untouched") << 1 << QStringLiteral("QLabel { color: red; }")
                                          << QStringLiteral("QLabel { color: red; }");
    QTest::newRow("white and black") << 1 << QStringLiteral("a:#FFFFFF;b:#000000;")
                                     << QStringLiteral("a:#ffffff;b:#000000;");
    QTest::newRow("not hex reads black") << 2 << QStringLiteral("x#qwerty;")
                                         << QStringLiteral("x#000000;");
    QTest::newRow("not hex in base theme") << 0 << QStringLiteral("#qwertyz")
                                           << QStringLiteral("#000000z");
    QTest::newRow("base theme lowercases") << 0 << QStringLiteral("#ABCDEF")
                                           << QStringLiteral("#abcdef");
    QTest::newRow("leading zeros kept") << 0 << QStringLiteral("#000a0b")
                                        << QStringLiteral("#000a0b");
    QTest::newRow("0x is not hex") << 0 << QStringLiteral("#0x1234") << QStringLiteral("#000000");
    QTest::newRow("short tail") << 0 << QStringLiteral("end#ff") << QStringLiteral("end#0000ff");
    QTest::newRow("lone hash at end") << 0 << QStringLiteral("a#") << QStringLiteral("a#000000");
    const QColor mapped = CTheme::mapColorWith(QColor(0x5c, 0x52, 0x4c), QColor(255, 213, 236),
                                               0, false);
    QTest::newRow("rose") << 4 << QStringLiteral("border: 1px solid #5c524c;")
                          << QStringLiteral("border: 1px solid ") + mapped.name() +
                                 QStringLiteral(";");
    QTest::newRow("two in a row") << 0 << QStringLiteral("#123456#654321")
                                  << QStringLiteral("#123456#654321");
}

void TestTheme::mapStyleText()
{
    QFETCH(int, theme);
    QFETCH(QString, in);
    QFETCH(QString, out);
    CTheme t(QString{});
    t.selectTheme(theme);
    QCOMPARE(t.mapStyleText(in), out);
}

void TestTheme::selectTheme_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("selected");
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 6 << 6;
    QTest::newRow("one past the end") << 7 << 0;
    QTest::newRow("negative") << -1 << 0;
    QTest::newRow("huge") << 1000000 << 0;
}

void TestTheme::selectTheme()
{
    QFETCH(int, requested);
    QFETCH(int, selected);
    CTheme t(QString{});
    t.selectTheme(3);
    QSignalSpy spy(&t, &CTheme::themeChanged);
    t.selectTheme(requested);
    QCOMPARE(t.currentIndex(), selected);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), selected);
    // The current sheets are the selected entry's, recoloured for it.
    QCOMPARE(t.styleSheet(2), t.entry(selected).sheets[2]);
    QCOMPARE(t.mapColor(QColor(0x44, 0x37, 0x2f)).rgb(),
             CTheme::mapColorWith(QColor(0x44, 0x37, 0x2f), t.entry(selected).tint, 0,
                                  t.entry(selected).keepColours)
                 .rgb());
}

void TestTheme::kindToSheet_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("sheet");
    const int table[][2] = {{0, 1},  {10, 1}, {2, 8},  {5, 9},  {9, 2},   {16, 3}, {3, -1},
                            {6, 10}, {7, 11}, {8, 12}, {12, 13}, {25, 6}, {1, 0},  {4, 0},
                            {14, 0}, {23, 0}, {24, 0}, {-5, 0}, {999, 0}};
    for (const auto &row : table)
        QTest::addRow("kind %d", row[0]) << row[0] << row[1];
}

void TestTheme::kindToSheet()
{
    QFETCH(int, kind);
    QFETCH(int, sheet);
    QCOMPARE(CTheme::sheetIndexForKind(kind), sheet);
    CTheme t(QStringLiteral("/imgs/"));
    t.selectTheme(2);
    QCOMPARE(t.styleSheetForKind(kind), sheet < 0 ? QString() : t.styleSheet(sheet));
}

void TestTheme::styleWidgetLeavesUnstyledAlone()
{
    CTheme t(QStringLiteral("/imgs/"));
    QLabel label;
    label.setStyleSheet(QStringLiteral("QLabel { color: #123456; }"));
    t.styleWidget(&label, CTheme::KindUnstyled);
    QCOMPARE(label.styleSheet(), QStringLiteral("QLabel { color: #123456; }"));
    t.styleWidget(&label, CTheme::KindCaption);
    QCOMPARE(label.styleSheet(), t.styleSheet(2));
    QPushButton rm;
    t.styleWidget(&rm, CTheme::KindReportManagerButton);
    QVERIFY(rm.styleSheet().contains(QStringLiteral("/imgs/rep_man.png")));
    QVERIFY(rm.styleSheet().contains(QStringLiteral("/imgs/rep_manh.png")));
    QVERIFY(!rm.styleSheet().contains(QStringLiteral("IMAGE_")));
    QVERIFY(!t.styleSheet(0).contains(QStringLiteral("IMGDIR")));
}

void TestTheme::sheetsParseInEveryTheme()
{
    // A sheet Qt cannot parse is silently ignored apart from one warning:
    // polish every kind of widget under every sheet and theme and listen.
    CTheme t(QString::fromUtf8(QZ_BIN_DIR "/images/"));
    for (int theme = 0; theme < t.count(); ++theme) {
        t.selectTheme(theme);
        for (int sheet = 0; sheet < CTheme::SheetCount; ++sheet) {
            g_messages.clear();
            const QtMessageHandler old = qInstallMessageHandler(collect);
            QWidget host;
            host.setStyleSheet(t.styleSheet(sheet));
            auto *b = new QPushButton(QStringLiteral("b"), &host);
            auto *c = new QComboBox(&host);
            auto *x = new QCheckBox(QStringLiteral("x"), &host);
            host.ensurePolished();
            b->ensurePolished();
            c->ensurePolished();
            x->ensurePolished();
            qInstallMessageHandler(old);
            QVERIFY2(g_messages.isEmpty(),
                     qPrintable(QStringLiteral("theme %1 sheet %2: %3")
                                    .arg(theme)
                                    .arg(sheet)
                                    .arg(g_messages.join(QLatin1Char('|')))));
        }
    }
}

void TestTheme::sheetsOnlyHoldSixDigitColours()
{
    // Any other use of "#" would be rewritten into a colour and break the sheet.
    CTheme t(QString{});
    const QRegularExpression bad(QStringLiteral("#(?![0-9a-fA-F]{6})"));
    for (int theme = 0; theme < t.count(); ++theme) {
        for (int sheet = 0; sheet < CTheme::SheetCount; ++sheet) {
            const QString s = t.entry(theme).sheets[size_t(sheet)];
            QVERIFY2(!s.isEmpty(), qPrintable(QString::number(sheet)));
            QVERIFY2(!bad.match(s).hasMatch(),
                     qPrintable(QStringLiteral("theme %1 sheet %2").arg(theme).arg(sheet)));
        }
    }
}

void TestTheme::fixedSheetNeverChanges()
{
    CTheme t(QString{});
    const QString progress = t.styleSheet(CTheme::FixedSheet);
    for (int theme = 1; theme < t.count(); ++theme) {
        t.selectTheme(theme);
        QCOMPARE(t.styleSheet(CTheme::FixedSheet), progress);
        QVERIFY(t.styleSheet(0) != t.entry(0).sheets[0]);
    }
}

void TestTheme::imageRecolouring()
{
    CTheme t(QString{});
    QImage img(4, 1, QImage::Format_ARGB32);
    img.setPixel(0, 0, qRgba(255, 255, 255, 255));
    img.setPixel(1, 0, qRgba(0, 0, 0, 255));
    img.setPixel(2, 0, qRgba(0x44, 0x37, 0x2f, 255));
    img.setPixel(3, 0, qRgba(0x80, 0x10, 0x10, 0));
    QCOMPARE(t.mapImage(img), img);  // the base theme copies
    t.selectTheme(1);
    const QImage m = t.mapImage(img);
    QCOMPARE(m.size(), img.size());
    QCOMPARE(m.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(m.pixel(1, 0), qRgb(0, 0, 0));
    QCOMPARE(m.pixel(2, 0), t.mapColor(QColor(0x44, 0x37, 0x2f)).rgb());
    QCOMPARE(qAlpha(m.pixel(3, 0)), 255);  // written back opaque
    QCOMPARE(m.pixel(3, 0), t.mapColor(QColor(0x80, 0x10, 0x10)).rgb());
    // The psychomatrix background follows the theme.
    QVERIFY(!t.background().isNull());
    const QRgb p = t.background().pixel(10, 10);
    QVERIFY(qAbs(QColor(p).hslHue() - QColor(200, 220, 255).hslHue()) <= 2);
}

void TestTheme::personButtonPulse()
{
    CTheme t(QString{});
    t.selectTheme(4);
    const QString baseColour = t.mapColor(QColor(0x44, 0x37, 0x2f)).name();
    QVERIFY(t.styleSheet(9).contains(baseColour));
    QCOMPARE(t.personButtonSheet(0), t.styleSheet(9));
    const QString glow = t.personButtonSheet(20);
    QVERIFY(!glow.contains(baseColour));
    const QColor raised = QColor(t.mapColor(QColor(0x44, 0x37, 0x2f)));
    const QColor expect = QColor::fromHsv(raised.hsvHue(), raised.hsvSaturation(), raised.value() + 20);
    QVERIFY(glow.contains(expect.name()));
}

void TestTheme::featureIconFrame()
{
    QTemporaryDir dir;
    QImage src(60, 60, QImage::Format_ARGB32);
    src.fill(qRgba(200, 10, 10, 255));
    QVERIFY(src.save(dir.filePath(QStringLiteral("numer-but.png"))));
    CTheme t(dir.path());
    t.selectTheme(2);
    const QImage icon = t.featureIcon(QStringLiteral("numer-but.png")).pixmap(60, 60).toImage();
    const QRgb frame = t.mapColor(QColor(0x5c, 0x52, 0x4c)).rgb();
    QCOMPARE(icon.pixel(0, 0), frame);
    QCOMPARE(icon.pixel(59, 30), frame);
    QCOMPARE(icon.pixel(30, 59), frame);
    QCOMPARE(icon.pixel(30, 30), qRgba(200, 10, 10, 255));
    QCOMPARE(CTheme::featureIconFiles().size(), 9);
}

void TestTheme::titleImageHasText()
{
    CTheme t(QString{});
    const QImage a = t.titleImage(QStringLiteral("Main Features"), 200, 24);
    const QImage b = t.titleImage(QString(), 200, 24);
    QCOMPARE(a.size(), QSize(200, 24));
    QVERIFY(a != b);  // the title text is drawn
    QVERIFY(t.titleImage(QStringLiteral("x"), 0, 24).isNull());
}

void TestTheme::sheetPicturesAreRecoloured()
{
    const QString folder = QString::fromUtf8(QZ_BIN_DIR "/images/");
    CTheme t(folder);
    QVERIFY(t.styleSheet(0).contains(folder + QStringLiteral("arrow-down.png")));
    t.selectTheme(3);
    const QRegularExpression ref(QStringLiteral("url\\(([^)]*arrow-down\\.png)\\)"));
    const QRegularExpressionMatch m = ref.match(t.styleSheet(0));
    QVERIFY(m.hasMatch());
    const QString path = m.captured(1);
    QVERIFY(!path.startsWith(folder));
    const QImage original(folder + QStringLiteral("arrow-down.png"));
    const QImage themed(path);
    QVERIFY(!original.isNull());
    QCOMPARE(themed.size(), original.size());
    // Same shape (alpha), colours in the theme's hue.
    const QPoint inside(4, 1);
    QCOMPARE(qAlpha(themed.pixel(inside)), qAlpha(original.pixel(inside)));
    QCOMPARE(QColor(themed.pixel(inside)).rgb(), t.mapColor(QColor(original.pixel(inside))).rgb());
    // Report-manager pictures follow too, and going back restores the originals.
    QVERIFY(!t.styleSheet(13).contains(folder));
    t.selectTheme(0);
    QVERIFY(t.styleSheet(13).contains(folder + QStringLiteral("rep_man.png")));
}

QZ_WIDGET_TEST_MAIN(TestTheme)
#include "tst_theme.moc"
