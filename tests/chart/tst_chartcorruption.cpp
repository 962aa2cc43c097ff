// Hostile chart files: thousands of mutated copies of real charts and a set of
// hand-made attacks (absurd counts, huge pictures, unknown kinds, broken
// numbers) must load or fail cleanly, and what loads must draw.
#include "chart/chartdocument.h"
#include "chart/chartrender.h"
#include "chart/chartstream.h"
#include "chartfixtures.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

QByteArray saved(ChartDocument &doc)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    doc.saveDocument(s);
    return bytes;
}

// Loads and draws; returns the load result. Anything unsound crashes, hangs
// (the ctest timeout) or trips the sanitizers of a QZ_SANITIZE build.
int loadAndDraw(const QByteArray &bytes, ChartDocument &doc)
{
    QDataStream s(bytes);
    const int rc = doc.loadDocument(s);
    if (doc.currentPage) {
        const QImage picture = renderChart({ChartProfile()}, doc, QSize(160, 160));
        if (picture.isNull())
            return -2;
    }
    for (ChartPage *page : doc.allPages()) {
        if (page->items.size() > 200000)
            return -3;
    }
    return rc;
}

// A chart file whose first page is written by @p page (the page record from
// its size on); the header is sound.
QByteArray craft(const std::function<void(QDataStream &)> &page, qint32 blocks = 0,
                 double gridX = 10, double gridY = 10)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_6);
    s << "PlexariumReportFile->" << qint32(263) << QStringLiteral("crafted") << qint32(1)
      << qint32(0) // no preview
      << qint32(1) << qint32(1) << qint32(1) << gridX << gridY << blocks;
    if (blocks == 0) {
        s << qint32(1) << qint32(1); // one set of one page
        page(s);
    }
    return bytes;
}

// A page record up to its item count (0); callers seek back 4 bytes to set another.
void pageHeader(QDataStream &s, double w = 840, double h = 1188)
{
    s << w << h << QStringLiteral("p") << qint32(0) << qint32(0) << QColor(Qt::white)
      << quint8(255) << qint32(0) << qint32(0);
}

// An item record up to (not including) its painter path.
void itemStart(QDataStream &s, qint32 kind, const QTransform &t = QTransform(),
               const QSizeF &size = QSizeF(100, 50))
{
    s << kind << qint8(1) << qint8(1) << QString() << QStringLiteral("#text") << t << 0.0 << size;
}

// The rest of an item record after its picture.
void itemEnd(QDataStream &s, const QString &text = QStringLiteral("x"))
{
    s << qint8(0) << qint8(1) << text << ChartItem::defaultFont() << qint64(1) << qint32(1) << 1.0
      << QColor(Qt::black) << qint32(0) << qint32(0) << QColor(Qt::black) << qint32(1)
      << qint32(0) << qint32(0) << qint32(0) << QColor(Qt::white);
}

void plainItem(QDataStream &s, qint32 kind, const QTransform &t = QTransform(),
               const QSizeF &size = QSizeF(100, 50))
{
    itemStart(s, kind, t, size);
    s << QPainterPath() << QColor(Qt::black) << QSizeF() << qint32(0);
    itemEnd(s);
}

QByteArray pngWithHeader(quint32 width, quint32 height)
{
    QImage tiny(1, 1, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tiny.save(&buffer, "PNG");
    // IHDR data starts at 16: width and height; the CRC is left stale on purpose
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = char(width >> (24 - 8 * i));
        png[20 + i] = char(height >> (24 - 8 * i));
    }
    return png;
}

} // namespace

class TestChartCorruption : public QObject
{
    Q_OBJECT

private slots:
    void mutatedFiles_data();
    void mutatedFiles();
    void craftedFiles_data();
    void craftedFiles();
    void hugeDeclaredPictureIsDropped();
    void brokenNumbersAreReplaced();
    void coloursOfUnknownModels();
    void fuzzerFindings();
};

void TestChartCorruption::mutatedFiles_data()
{
    QTest::addColumn<QByteArray>("seed");
    ChartDocument rich;
    buildRichDocument(rich);
    QTest::newRow("rich") << saved(rich);
    for (const char *name : {"v257.qnr", "v258.qnr", "v262.qnr"}) {
        QFile f(QStringLiteral(QZ_TEST_DATA_DIR "/charts/") + QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly))
            QTest::newRow(name) << f.readAll();
    }
    QFile sample(QStringLiteral(QZ_BIN_DIR "/images/templates/Number Stickers.qnr"));
    if (sample.open(QIODevice::ReadOnly))
        QTest::newRow("sticker sample") << sample.readAll();
}

void TestChartCorruption::mutatedFiles()
{
    QFETCH(QByteArray, seed);
    QVERIFY(seed.size() > 100);
    QRandomGenerator random(0x5eed + quint32(seed.size()));
    ChartDocument doc;
    int loaded = 0, refused = 0, runs = 0;
    auto check = [&](const QByteArray &bytes) {
        const int rc = loadAndDraw(bytes, doc);
        QVERIFY2(rc == 0 || rc == -1, qPrintable(QStringLiteral("result %1").arg(rc)));
        (rc == 0 ? loaded : refused)++;
        ++runs;
    };
    // truncation at many places
    for (int i = 0; i < 120; ++i) {
        check(seed.left(int(qint64(seed.size()) * i / 120)));
        if (QTest::currentTestFailed())
            return;
    }
    static const quint32 hostile[] = {0x7fffffffu, 0xffffffffu, 0x80000000u, 0x40000000u,
                                      0x00010000u, 0u, 1u, 0xfffffffeu};
    for (int i = 0; i < 600; ++i) {
        QByteArray bytes = seed;
        const int kind = i % 3;
        const int at = random.bounded(bytes.size() - 8);
        if (kind == 0) {
            for (int k = random.bounded(1, 9); k > 0; --k)
                bytes[random.bounded(bytes.size())] = char(random.bounded(256));
        } else if (kind == 1) {
            const quint32 v = hostile[random.bounded(int(sizeof hostile / sizeof *hostile))];
            for (int b = 0; b < 4; ++b)
                bytes[at + b] = char(v >> (24 - 8 * b));
        } else {
            static const double doubles[] = {qQNaN(), qInf(), -qInf(), 1e300, -1e300, 1e-300};
            const double d = doubles[random.bounded(6)];
            quint64 raw;
            memcpy(&raw, &d, 8);
            for (int b = 0; b < 8; ++b)
                bytes[at + b] = char(raw >> (56 - 8 * b));
        }
        check(bytes);
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%d mutated files: %d loaded, %d refused", runs, loaded, refused);
}

void TestChartCorruption::craftedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expectedItems"); // items on the first page after loading

    QTest::newRow("block count 2^31-1, nothing after") << craft({}, 0x7fffffff) << 0;
    QTest::newRow("block count negative") << craft({}, -5) << 0;
    QTest::newRow("a billion items") << craft([](QDataStream &s) {
        s << 840.0 << 1188.0 << QStringLiteral("p") << qint32(0) << qint32(0) << QColor(Qt::white)
          << quint8(255) << qint32(0) << qint32(1000000000);
        plainItem(s, 1);
        s << qint8(0);
    }) << 0; // more than any chart holds: the page's items are refused
    QTest::newRow("negative item count") << craft([](QDataStream &s) {
        s << 840.0 << 1188.0 << QStringLiteral("p") << qint32(0) << qint32(0) << QColor(Qt::white)
          << quint8(255) << qint32(0) << qint32(-1);
    }) << 0;
    QTest::newRow("path of 2^31-1 elements") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(1);
        itemStart(s, 1);
        s << qint32(0x7fffffff) << qint32(1) << 0.0 << 0.0;
    }) << 0;
    QTest::newRow("path with NaN points") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(1);
        itemStart(s, 1);
        s << qint32(2) << qint32(0) << qQNaN() << 0.0 << qint32(1) << 1e300 << 5.0 << qint32(0)
          << qint32(0);
        s << QColor(Qt::black) << QSizeF() << qint32(0);
        itemEnd(s);
        s << qint8(0);
    }) << 1;
    QTest::newRow("PNG chunk of 2 GB") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(1);
        itemStart(s, 1);
        s << QPainterPath() << QColor(Qt::black) << QSizeF() << qint32(1);
        s.writeRawData("\x89PNG\r\n\x1a\n", 8);
        s << quint32(0x7fffffff);
        s.writeRawData("IDAT", 4);
        s.writeRawData("only a few bytes", 16);
    }) << 0;
    QTest::newRow("not a PNG") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(1);
        itemStart(s, 1);
        s << QPainterPath() << QColor(Qt::black) << QSizeF() << qint32(1);
        s.writeRawData("GIF89a....", 10);
    }) << 0;
    QTest::newRow("unknown kinds") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(3);
        for (qint32 kind : {99, -5, 0x7fffffff}) {
            plainItem(s, 1);
            s << qint8(1);
            plainItem(s, kind);
        }
    }) << 3;
    QTest::newRow("absurd geometry") << craft([](QDataStream &s) {
        pageHeader(s, qInf(), -1);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(2);
        plainItem(s, 1, QTransform(qQNaN(), 0, 0, 1, 1e300, 0), QSizeF(1e300, qQNaN()));
        s << qint8(1);
        plainItem(s, 6, QTransform(1e9, 0, 0, 1e9, 0, 0), QSizeF(-5, 1e12));
        plainItem(s, 1);
        s << qint8(1);
        plainItem(s, 10); // a barcode of "x", symbology 0
    }) << 2;
    // Found by the fuzzer: text under a flattened transform crashed Qt's glyph cache.
    QTest::newRow("flattened text") << craft([](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(3);
        for (const QTransform &t : {QTransform(1, 0, 0, -262144, 0, 0),
                                    QTransform(3.6e-304, 0, 0, 1, 0, 0),
                                    QTransform(1000, 999.9, 1000, 1000, 5, 5)}) {
            plainItem(s, 1);
            s << qint8(1);
            itemStart(s, 6, t);
            s << QPainterPath() << QColor(Qt::black) << QSizeF() << qint32(0);
            itemEnd(s, QStringLiteral("some text to draw"));
        }
    }) << 3;
    QTest::newRow("grid steps tiny and NaN") << craft([](QDataStream &s) {
        pageHeader(s);
    }, 0, 1e-300, qQNaN()) << 0;
}

void TestChartCorruption::craftedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, expectedItems);
    ChartDocument doc;
    const int rc = loadAndDraw(bytes, doc);
    // Damage before the first page leaves nothing usable: refused, a new document.
    if (rc != 0)
        QCOMPARE(doc.lastError(), QStringLiteral("Wrong file format!"));
    QVERIFY(doc.currentPage);
    QCOMPARE(int(doc.currentPage->items.size()), expectedItems);
    QCOMPARE(doc.gridStepX, 10.0);
    QCOMPARE(doc.gridStepY, 10.0);
    QVERIFY(std::isfinite(doc.currentPage->size.width()));
    QVERIFY(doc.currentPage->size.width() >= 1 && doc.currentPage->size.width() <= 1e5);
    for (const auto &frame : doc.currentPage->items) {
        QVERIFY(std::isfinite(frame->transform.m11()) && std::isfinite(frame->transform.dx()));
        QVERIFY(std::isfinite(frame->size.width()) && frame->size.width() <= 1e5);
    }
}

void TestChartCorruption::hugeDeclaredPictureIsDropped()
{
    // A sound file whose item picture claims 100000 x 100000 pixels: the
    // picture is skipped unread, everything after it still loads.
    const QByteArray png = pngWithHeader(100000, 100000);
    const QByteArray bytes = craft([&png](QDataStream &s) {
        pageHeader(s);
        s.device()->seek(s.device()->size() - 4);
        s << qint32(2);
        itemStart(s, 1);
        s << QPainterPath() << QColor(Qt::black) << QSizeF() << qint32(1);
        s.writeRawData(png.constData(), png.size());
        itemEnd(s, QStringLiteral("after the picture"));
        s << qint8(0);
        plainItem(s, 1);
        s << qint8(0);
    });
    ChartDocument doc;
    QCOMPARE(loadAndDraw(bytes, doc), 0);
    QVERIFY2(doc.lastError().isEmpty(), qPrintable(doc.lastError()));
    QCOMPARE(doc.currentPage->items.size(), size_t(2));
    QVERIFY(doc.currentPage->items[0]->image.isNull());
    QCOMPARE(doc.currentPage->items[0]->text, QStringLiteral("after the picture"));

    // a sound picture is kept
    const QByteArray small = pngWithHeader(1, 1);
    QImage image;
    chartstream::Budget budget;
    QByteArray record;
    {
        QDataStream w(&record, QIODevice::WriteOnly);
        QImage red(3, 2, QImage::Format_RGB32);
        red.fill(Qt::red);
        w << red;
    }
    QDataStream r(record);
    QVERIFY(chartstream::readImage(r, image, budget));
    QCOMPARE(image.size(), QSize(3, 2));
    QCOMPARE(budget.pixels, chartstream::Budget().pixels - 6);
    Q_UNUSED(small);
}

void TestChartCorruption::brokenNumbersAreReplaced()
{
    ChartItem item;
    item.transform = QTransform(1, 0, 0, 1, qInf(), 0);
    item.size = QSizeF(qQNaN(), 5);
    item.rotation = -30;
    item.lineWidth = qQNaN();
    item.lineStyle = 77;
    item.font.setPixelSize(30000);
    chartstream::sanitizeItem(item);
    QCOMPARE(item.transform, QTransform());
    QCOMPARE(item.size, QSizeF(0, 0));
    QCOMPARE(item.rotation, 330.0);
    QCOMPARE(item.lineWidth, 0.0);
    QCOMPARE(item.lineStyle, 1);
    QCOMPARE(item.font.pixelSize(), 2000);
}

// Found by the fuzzer: Qt takes any colour model byte as it is, and a later
// use of the colour is undefined. Such a colour must leave the default alone.
void TestChartCorruption::coloursOfUnknownModels()
{
    QByteArray bytes;
    {
        QDataStream w(&bytes, QIODevice::WriteOnly);
        w.setVersion(QDataStream::Qt_4_6);
        w << QColor(10, 20, 30, 40);
        w.writeRawData("\x7f\xff\xff\x01\x02\x03\x04\x05\x06\x00\x00", 11);
        w << QColor::fromHsv(120, 200, 100);
        w << QColor();
    }
    QDataStream r(bytes);
    r.setVersion(QDataStream::Qt_4_6);
    QColor colour(Qt::black);
    QVERIFY(chartstream::readColour(r, colour));
    QCOMPARE(colour, QColor(10, 20, 30, 40));
    QVERIFY(chartstream::readColour(r, colour));
    QCOMPARE(colour, QColor(10, 20, 30, 40)); // unknown model: unchanged
    QVERIFY(chartstream::readColour(r, colour));
    QCOMPARE(colour, colour.toHsv()); // stored in the HSV model
    QCOMPARE(colour.hsvHue(), 120);
    QVERIFY(chartstream::readColour(r, colour));
    QVERIFY(!colour.isValid());
    QVERIFY(!chartstream::readColour(r, colour)); // the stream has ended
}

// Inputs the fuzzer found crashing, kept as they were found.
void TestChartCorruption::fuzzerFindings()
{
    const QDir dir(QStringLiteral(QZ_TEST_DATA_DIR "/charts/regressions"));
    const QStringList files = dir.entryList({QStringLiteral("*.qnr")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        ChartDocument doc;
        const int rc = loadAndDraw(f.readAll(), doc);
        QVERIFY2(rc == 0 || rc == -1, qPrintable(name));
        renderChart({samplePerson()}, doc, QSize(0, 0));
    }
}

QTEST_MAIN(TestChartCorruption)
#include "tst_chartcorruption.moc"
