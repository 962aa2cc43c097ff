// qznum-cli chart and barcode: the commands wire the chart layer to the
// command line, write PNGs that scan, and fail with one clear line.
#include "decoders.h"

#include "chart/barcode/barcodepicture.h"
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartfile.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run runCli(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(QZ_BIN_DIR "/qznum-cli"), args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString sample(const char *name)
{
    return QStringLiteral(QZ_BIN_DIR "/images/templates/") + QString::fromLatin1(name);
}
} // namespace

class TestChartCli : public QObject
{
    Q_OBJECT

private slots:
    void chartForAPerson();
    void everyPageOfAChart();
    void barcode_data();
    void barcode();
    void errors_data();
    void errors();

private:
    QTemporaryDir m_dir;
};

void TestChartCli::chartForAPerson()
{
    const QString png = m_dir.filePath(QStringLiteral("card.png"));
    const Run r = runCli({QStringLiteral("chart"), QStringLiteral("render"),
                          sample("Reading Card with QR Code.qnr"), QStringLiteral("--full"),
                          QStringLiteral("Zoe Adams"), QStringLiteral("--birth"),
                          QStringLiteral("2001-03-05"), QStringLiteral("--png"), png});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains("\"width\":1780"), r.out.constData());
    QCOMPARE(QImage(png).size(), QSize(1780, 1256));
    if (decoders::haveZbar()) {
        const QStringList found = decoders::zbar(png);
        QVERIFY2(found.contains(QStringLiteral("Zoe Adams, born Mar 5 2001 - Qzarel Numerology reading")),
                 qPrintable(found.join(QLatin1Char('|'))));
    }
    // a size, and the last page drawn; the chart file after the options and "--"
    const Run small = runCli({QStringLiteral("chart"), QStringLiteral("--full=Zoe Adams"),
                              QStringLiteral("--birth"), QStringLiteral("2001-03-05"),
                              QStringLiteral("--png"), png, QStringLiteral("--size=400x400"),
                              QStringLiteral("--page"), QStringLiteral("0"), QStringLiteral("--"),
                              sample("Numerology Chart.qnr")});
    QCOMPARE(small.exitCode, 0);
    QCOMPARE(QImage(png).size(), QSize(283, 400)); // 629 x 890 fitted
}

void TestChartCli::everyPageOfAChart()
{
    // Two barcode pages: both record-bound, the case that used to stop after page 1.
    ChartDocument doc;
    ChartPage *pages[] = {doc.currentPage, doc.addPage()};
    const char *texts[] = {"front", "#short_name"};
    for (int i = 0; i < 2; ++i) {
        pages[i]->size = QSizeF(400, 200);
        ChartItem *code = createFieldItem(*pages[i], QString::fromLatin1(texts[i]), QPointF(20, 20),
                                          QSizeF(360, 160));
        code->content->kind = ChartItem::KindBarcode;
        code->content->barcodeType = BarcodeCode128;
        code->content->editableText = true;
    }
    const QString chart = m_dir.filePath(QStringLiteral("two pages.qnr"));
    QVERIFY(chartfile::save(doc, chart));
    const QStringList person{QStringLiteral("chart"), chart, QStringLiteral("--full"), QStringLiteral("Zoe Adams"),
                             QStringLiteral("--short"), QStringLiteral("Zoe"), QStringLiteral("--birth"),
                             QStringLiteral("2001-03-05")};

    const QString png = m_dir.filePath(QStringLiteral("back.png"));
    const Run back = runCli(person + QStringList{QStringLiteral("--png"), png, QStringLiteral("--page"),
                                                 QStringLiteral("2")});
    QCOMPARE(back.exitCode, 0);
    QVERIFY2(back.out.contains("\"pages\":2"), back.out.constData());
    if (decoders::haveZbar()) {
        const QString padded = decoders::savePadded(QImage(png));
        const QStringList found = decoders::zbar(padded);
        QFile::remove(padded);
        QCOMPARE(found, QStringList{QStringLiteral("Zoe")});
    }

    const QString pdf = m_dir.filePath(QStringLiteral("all.pdf"));
    const Run all = runCli(person + QStringList{QStringLiteral("--pdf"), pdf});
    QCOMPARE(all.exitCode, 0);
    QVERIFY2(all.out.contains("\"pages\":2"), all.out.constData());
    if (decoders::havePoppler())
        QCOMPARE(decoders::pdfPages(pdf), 2);

    const Run beyond = runCli(person + QStringList{QStringLiteral("--png"), png, QStringLiteral("--page"),
                                                   QStringLiteral("3")});
    QCOMPARE(beyond.exitCode, 2);
    QVERIFY2(beyond.err.contains("the chart draws 2 page(s) for one person, not 3"), beyond.err.constData());
}

void TestChartCli::barcode_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("by index") << "2" << "Qzarel-2026" << "Qzarel-2026";
    QTest::newRow("by name") << "EAN 13" << "400638133393" << "4006381333931";
    QTest::newRow("qr") << "QR Code" << "numerology" << "numerology";
}

void TestChartCli::barcode()
{
    QFETCH(QString, type);
    QFETCH(QString, text);
    QFETCH(QString, decoded);
    const QString png = m_dir.filePath(QStringLiteral("code.png"));
    const Run r = runCli({QStringLiteral("barcode"), QStringLiteral("--type"), type,
                          QStringLiteral("--text"), text, QStringLiteral("--png"), png,
                          QStringLiteral("--color"), QStringLiteral("#202050")});
    QCOMPARE(r.exitCode, 0);
    const QImage picture(png);
    QVERIFY(!picture.isNull());
    if (decoders::haveZbar()) {
        const QString padded = decoders::savePadded(picture);
        QVERIFY(decoders::zbar(padded).contains(decoded));
        QFile::remove(padded);
    }
}

void TestChartCli::errors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("message");
    const QString png = QStringLiteral("/tmp/qz_never_written.png");
    QTest::newRow("missing chart") << QStringList{QStringLiteral("chart"), QStringLiteral("/nonexistent.qnr"),
                                                  QStringLiteral("--full"), QStringLiteral("A B"),
                                                  QStringLiteral("--birth"), QStringLiteral("2000-01-01"),
                                                  QStringLiteral("--png"), png}
                                   << QByteArray("Can't open file!");
    QTest::newRow("not a chart") << QStringList{QStringLiteral("chart"), QStringLiteral(QZ_TEST_DATA_DIR "/charts/README.md"),
                                                QStringLiteral("--full"), QStringLiteral("A B"),
                                                QStringLiteral("--birth"), QStringLiteral("2000-01-01"),
                                                QStringLiteral("--png"), png}
                                 << QByteArray("Wrong file format!");
    QTest::newRow("page beyond") << QStringList{QStringLiteral("chart"), sample("Numerology Chart.qnr"),
                                                QStringLiteral("--full"), QStringLiteral("A B"),
                                                QStringLiteral("--birth"), QStringLiteral("2000-01-01"),
                                                QStringLiteral("--png"), png, QStringLiteral("--page"),
                                                QStringLiteral("2")}
                                 << QByteArray("1 page(s)");
    QTest::newRow("unknown symbology") << QStringList{QStringLiteral("barcode"), QStringLiteral("--type"),
                                                      QStringLiteral("Aztec"), QStringLiteral("--text"),
                                                      QStringLiteral("x"), QStringLiteral("--png"), png}
                                       << QByteArray("--type wants");
    QTest::newRow("nothing to encode") << QStringList{QStringLiteral("barcode"), QStringLiteral("--type"),
                                                      QStringLiteral("Postnet"), QStringLiteral("--text"),
                                                      QStringLiteral("abc"), QStringLiteral("--png"), png}
                                       << QByteArray("cannot encode");
}

void TestChartCli::errors()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, message);
    const Run r = runCli(args);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), r.err.constData());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/qz_never_written.png")));
}

QTEST_GUILESS_MAIN(TestChartCli)
#include "tst_chartcli.moc"
