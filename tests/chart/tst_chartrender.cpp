// Drawing charts for persons: the shipped samples, the page and record walk of
// renderChart, block references in print form, barcodes and panels.
#include "chart/barcode/barcodepicture.h"
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartfile.h"
#include "chart/chartpainter.h"
#include "chart/chartpdf.h"
#include "chart/chartrender.h"
#include "chartfixtures.h"
#include "decoders.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

int inkedPixels(const QImage &picture, const QRect &area = QRect())
{
    const QRect r = area.isNull() ? picture.rect() : area.intersected(picture.rect());
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (qGray(picture.pixel(x, y)) < 200)
                ++count;
        }
    }
    return count;
}

// ZXingReader 1.4 can abort on large pictures where a linear code is seen
// on many lines; a half-size copy reads reliably.
QString zxingText(const QImage &picture)
{
    QString text;
    for (const QImage &candidate :
         {picture, picture.scaledToWidth(picture.width() / 2, Qt::SmoothTransformation)}) {
        const QString png = decoders::savePadded(candidate);
        text = decoders::zxing(png).text;
        QFile::remove(png);
        if (!text.isEmpty())
            break;
    }
    return text;
}

ChartItem *addBarcodeItem(ChartPage &page, const QString &text, int type, const QRectF &rect)
{
    ChartItem *frame = createFieldItem(page, text, rect.topLeft(), rect.size());
    frame->transform = QTransform::fromTranslate(rect.x(), rect.y());
    frame->content->kind = ChartItem::KindBarcode;
    frame->content->barcodeType = type;
    frame->content->editableText = true;
    return frame;
}

QString templatesDir() { return QStringLiteral(QZ_BIN_DIR "/images/templates"); }

ChartFieldEntry fieldEntry(const QString &text)
{
    for (const ChartFieldEntry &e : chartFieldEntries()) {
        if (e.text == text)
            return e;
    }
    return ChartFieldEntry();
}

// A labels page (record-bound) and a second page with the short name and the
// Life Path field the field tree creates.
void buildTwoPageCard(ChartDocument &doc)
{
    doc.currentPage->size = QSizeF(400, 300);
    addBarcodeItem(*doc.currentPage, QStringLiteral("#full_name"), BarcodeCode128, QRectF(20, 20, 360, 160));
    ChartPage *back = doc.addPage();
    back->size = QSizeF(400, 300);
    addTextItem(*back, QStringLiteral("#short_name"), QStringLiteral("SHORT NAME"), 20, 20);
    addFieldItem(*back, fieldEntry(QStringLiteral("Life Path")), QPointF(20, 150));
}

// The last term of a calculation chain: "11/11+11+5/23=27=9" gives "9".
QString chainResult(const QString &chain) { return chain.section(QLatin1Char('='), -1); }

} // namespace

class TestChartRender : public QObject
{
    Q_OBJECT

private slots:
    void sampleChartCarriesPersonData();
    void everySampleRendersForAPerson();
    void pictureSizes_data();
    void pictureSizes();
    void recordWalk_data();
    void recordWalk();
    void recordBoundBlocksTakeTheNextRecords();
    void blockReferencesDrawTheirBlock();
    void selfReferenceTerminates();
    void barcodeAlignment_data();
    void barcodeAlignment();
    void dataFieldTexts();
    void onePersonPdfHoldsEveryPage();
    void coreNumbersInABarcode();
    void unknownFieldCodeShowsItsCaption();
    void pageBackgrounds_data();
    void pageBackgrounds();
};

void TestChartRender::sampleChartCarriesPersonData()
{
    if (!decoders::haveZxing())
        QSKIP("ZXingReader is not installed");
    ChartDocument doc;
    QString error;
    QVERIFY2(chartfile::load(doc, templatesDir() + QStringLiteral("/Reading Card with QR Code.qnr"), &error),
             qPrintable(error));
    const ChartProfile person = samplePerson();
    doc.setProfile(person);
    const QImage picture = renderChart({person}, doc, QSize(0, 0));
    QCOMPARE(picture.size(), QSize(1780, 1256)); // 594 x 420 units / 1.334, four times
    QCOMPARE(zxingText(picture),
             QStringLiteral("Anna Maria Lopez, born Nov 29 1985 - Qzarel Numerology reading"));
    const ChartProfile other = samplePerson(QStringLiteral("John Smith"), QStringLiteral("John"),
                                            QDate(1990, 1, 5));
    QCOMPARE(zxingText(renderChart({other}, doc, QSize(0, 0))),
             QStringLiteral("John Smith, born Jan 5 1990 - Qzarel Numerology reading"));
}

void TestChartRender::everySampleRendersForAPerson()
{
    const QStringList files =
        QDir(templatesDir()).entryList({QStringLiteral("*.qnr")}, QDir::Files, QDir::Name);
    QVERIFY2(files.size() >= 3, qPrintable(templatesDir()));
    const ChartProfile anna = samplePerson();
    const ChartProfile john =
        samplePerson(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1990, 1, 5));
    for (const QString &name : files) {
        ChartDocument doc;
        QString error;
        QVERIFY2(chartfile::load(doc, templatesDir() + QLatin1Char('/') + name, &error),
                 qPrintable(name + QLatin1String(": ") + error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QImage a = renderChart({anna}, doc, QSize(600, 600));
        const QImage b = renderChart({john}, doc, QSize(600, 600));
        QVERIFY2(inkedPixels(a) > 2000, qPrintable(name));
        QVERIFY2(a != b, qPrintable(name + QLatin1String(" does not show the person")));
    }
}

void TestChartRender::pictureSizes_data()
{
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("A4 full") << QSizeF(840, 1188) << QSize(0, 0) << QSize(2516, 3560);
    QTest::newRow("A4 fitted") << QSizeF(840, 1188) << QSize(800, 800) << QSize(565, 800);
    QTest::newRow("landscape fitted") << QSizeF(1188, 840) << QSize(300, 300) << QSize(300, 212);
    QTest::newRow("huge page capped") << QSizeF(100000, 100000) << QSize(0, 0)
                                      << QSize(7746, 7746);
}

void TestChartRender::pictureSizes()
{
    QFETCH(QSizeF, page);
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    ChartDocument doc;
    doc.currentPage->size = page;
    QCOMPARE(chartPictureSize(doc, requested), expected);
    if (expected.width() * qint64(expected.height()) < 20'000'000)
        QCOMPARE(renderChart({ChartProfile()}, doc, requested).size(), expected);

    // nothing to draw: a 10 x 10 white picture
    const QImage none = renderChart({}, doc, requested);
    QCOMPARE(none.size(), QSize(10, 10));
    QCOMPARE(none.pixel(5, 5), qRgb(255, 255, 255));
    doc.currentPage = nullptr;
    QCOMPARE(renderChart({ChartProfile()}, doc, requested).size(), QSize(10, 10));
}

void TestChartRender::recordWalk_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("boundCount"); // pageCount of the record-bound page
    QTest::addColumn<QStringList>("expected");
    // pages: "intro" (plain, count 3), "label" (barcode, bound), "outro" (plain)
    const auto list = [](const char *joined) {
        return QString::fromLatin1(joined).split(QLatin1Char(' '));
    };
    // the outro page draws only while records remain
    QTest::newRow("3 records, no limit") << 3 << 0 << list("intro R0 R1 R2");
    QTest::newRow("3 records, limit 2") << 3 << 2 << list("intro R0 R1 OUTRO");
    // one person: every page once, whatever the counts
    QTest::newRow("1 record") << 1 << 0 << list("intro R0 OUTRO");
    QTest::newRow("1 record, limit 2") << 1 << 2 << list("intro R0 OUTRO");
}

void TestChartRender::recordWalk()
{
    QFETCH(int, records);
    QFETCH(int, boundCount);
    QFETCH(QStringList, expected);
    if (!decoders::haveZxing())
        QSKIP("ZXingReader is not installed");
    ChartDocument doc;
    doc.currentPage->size = QSizeF(400, 200);
    doc.currentPage->pageCount = 3; // not record-bound: drawn once all the same
    addBarcodeItem(*doc.currentPage, QStringLiteral("intro"), BarcodeCode128, QRectF(20, 20, 360, 160));
    ChartPage *label = doc.addPage();
    label->size = QSizeF(400, 200);
    label->pageCount = boundCount;
    addBarcodeItem(*label, QStringLiteral("#short_name"), BarcodeCode128, QRectF(20, 20, 360, 160));
    ChartPage *outro = doc.addPage();
    outro->size = QSizeF(400, 200);
    addBarcodeItem(*outro, QStringLiteral("outro"), BarcodeCode39, QRectF(20, 20, 360, 160));
    // the intro page holds a barcode, so it is record-bound too: make it plain text instead
    doc.currentPage->items.front()->content->kind = ChartItem::KindText;
    doc.currentPage->items.front()->content->text = QStringLiteral("intro");

    QList<ChartProfile> list;
    for (int i = 0; i < records; ++i) {
        ChartProfile p;
        p.shortName = QStringLiteral("R%1").arg(i);
        list << p;
    }
    const QList<QImage> pages = renderChartPages(list, doc, QSize(0, 0));
    QCOMPARE(pages.size(), expected.size());
    for (int i = 1; i < pages.size(); ++i)
        QCOMPARE(zxingText(pages.at(i)), expected.at(i));
    QCOMPARE(renderChart(list, doc, QSize(0, 0)), pages.last());
}

void TestChartRender::recordBoundBlocksTakeTheNextRecords()
{
    if (!decoders::haveZxing())
        QSKIP("ZXingReader is not installed");
    ChartDocument doc;
    ChartPage *block = doc.addBlock();
    block->size = QSizeF(400, 200);
    addBarcodeItem(*block, QStringLiteral("#short_name"), BarcodeCode128, QRectF(10, 10, 380, 180));
    ChartPage *page = doc.currentPage;
    page->size = QSizeF(400, 420);
    ChartItem *lower = createBlockItem(*page, block, QPointF(0, 220));
    ChartItem *upper = createBlockItem(*page, block, QPointF(0, 0));
    lower->content->order = 1;
    upper->content->order = 0;
    QList<ChartProfile> list;
    for (const char *name : {"FIRST", "SECOND", "THIRD"}) {
        ChartProfile p;
        p.shortName = QString::fromLatin1(name);
        list << p;
    }
    const QList<QImage> pages = renderChartPages(list, doc, QSize(0, 0));
    QCOMPARE(pages.size(), 2); // two labels per page, three records
    const QImage &sheet = pages.first();
    const int half = sheet.height() * 200 / 420;
    QCOMPARE(zxingText(sheet.copy(0, 0, sheet.width(), half)), QStringLiteral("FIRST"));
    QCOMPARE(zxingText(sheet.copy(0, sheet.height() - half, sheet.width(), half)),
             QStringLiteral("SECOND"));
    const QImage &second = pages.last();
    QCOMPARE(zxingText(second.copy(0, 0, second.width(), half)), QStringLiteral("THIRD"));
    // no record left for the second label of the last sheet: its barcode shows the code itself
    QCOMPARE(zxingText(second.copy(0, second.height() - half, second.width(), half)),
             QStringLiteral("#short_name"));
}

void TestChartRender::blockReferencesDrawTheirBlock()
{
    ChartDocument doc;
    ChartPage *block = doc.addBlock();
    block->size = QSizeF(100, 100);
    block->backgroundMode = 0;
    block->backgroundColor = QColor(255, 0, 0);
    ChartPage *page = doc.currentPage;
    page->size = QSizeF(400, 400);
    ChartItem *ref = createBlockItem(*page, block, QPointF(200, 200));
    doc.updateAllPreviews();
    ChartDrawContext print;
    const QImage printed = renderPagePicture(*page, QSize(400, 400), print);
    QCOMPARE(printed.pixel(250, 250), qRgb(255, 0, 0));
    QCOMPARE(printed.pixel(150, 150), qRgb(255, 255, 255));
    // on screen: the preview at 80 % opacity, the "#1" mark and a dark outline
    ChartDrawContext screen;
    screen.print = false;
    QCOMPARE(ref->content->order, 0);
    const QImage shown = renderPagePicture(*page, QSize(400, 400), screen);
    const QColor seen = shown.pixelColor(210, 290);
    QVERIFY(seen.red() > 200 && seen.green() > 40 && seen.green() < 80); // red at 0.8 on white
    QVERIFY(inkedPixels(shown, QRect(230, 230, 40, 40)) > 0); // "#1"
    // a reference without its block draws nothing in print
    ref->content->linkedBlock = nullptr;
    QCOMPARE(inkedPixels(renderPagePicture(*page, QSize(400, 400), print)), 0);
}

void TestChartRender::selfReferenceTerminates()
{
    ChartDocument doc;
    ChartPage *block = doc.addBlock();
    block->size = QSizeF(100, 100);
    createBlockItem(*block, block, QPointF(10, 10));
    createBlockItem(*doc.currentPage, block, QPointF(0, 0));
    doc.updateAllPreviews();
    const QImage picture = renderChart({ChartProfile()}, doc, QSize(200, 200));
    QVERIFY(!picture.isNull());
}

void TestChartRender::barcodeAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("inkedThird"); // -1: nothing drawn
    QTest::newRow("left") << 1 << 0;
    QTest::newRow("centre") << 4 << 1;
    QTest::newRow("right") << 2 << 2;
    QTest::newRow("8 draws nothing") << 8 << -1;
    QTest::newRow("0 draws nothing") << 0 << -1;
}

void TestChartRender::barcodeAlignment()
{
    QFETCH(int, alignment);
    QFETCH(int, inkedThird);
    ChartPage page;
    page.size = QSizeF(900, 300);
    ChartItem *frame = addBarcodeItem(page, QStringLiteral("12"), BarcodeInterleaved25, QRectF(0, 0, 900, 300));
    frame->content->alignment = alignment;
    const QImage picture = renderPagePicture(page, QSize(900, 300), ChartDrawContext());
    for (int third = 0; third < 3; ++third) {
        const int ink = inkedPixels(picture, QRect(third * 300 + 20, 0, 260, 300));
        QCOMPARE(ink > 0, third == inkedThird);
    }
}

void TestChartRender::dataFieldTexts()
{
    QCOMPARE(ChartProfile::chartDate(QDate(1990, 1, 5)), QStringLiteral("Jan 5 1990"));
    QCOMPARE(ChartProfile::chartDate(QDate(2024, 12, 31)), QStringLiteral("Dec 31 2024"));
    ChartProfile p = samplePerson();
    QCOMPARE(substituteFieldCodes(QStringLiteral("#full_name|#short_name|#birthdate"), &p),
             QStringLiteral("Anna Maria Lopez|Anna Lopez|Nov 29 1985"));
    QCOMPARE(substituteFieldCodes(QStringLiteral("#full_name"), nullptr), QStringLiteral("#full_name"));
    QCOMPARE(p.mainFeatures.value(0), QStringLiteral("11/11+11+5/23=27=9"));
    QCOMPARE(p.mainFeatures.value(1), QStringLiteral("29 (11)"));
    QCOMPARE(p.calendarYears.value(0), QStringLiteral("5 (2026)"));

    // the same text field shows each person's own name
    ChartPage page;
    page.size = QSizeF(400, 60);
    ChartItem *field = addTextItem(page, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"), 0, 0);
    field->content->font.setPixelSize(30);
    ChartDrawContext ctx;
    ctx.profile = &p;
    const QImage anna = renderPagePicture(page, QSize(400, 60), ctx);
    const ChartProfile john = samplePerson(QStringLiteral("John Smith"), QStringLiteral("John"), QDate(1990, 1, 5));
    ctx.profile = &john;
    QVERIFY(anna != renderPagePicture(page, QSize(400, 60), ctx));
    // printed without a person: nothing; on screen: the caption
    ctx.profile = nullptr;
    QCOMPARE(inkedPixels(renderPagePicture(page, QSize(400, 60), ctx)), 0);
    ctx.print = false;
    QVERIFY(inkedPixels(renderPagePicture(page, QSize(400, 60), ctx)) > 0);
}

void TestChartRender::onePersonPdfHoldsEveryPage()
{
    if (!decoders::havePoppler())
        QSKIP("pdftotext and pdfinfo are not installed");
    ChartDocument doc;
    buildTwoPageCard(doc);
    const ChartProfile anna = samplePerson();
    int pages = 0;
    const QByteArray pdf = chartPdf({anna}, doc, &pages);
    QCOMPARE(pages, 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("card.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QCOMPARE(decoders::pdfPages(path), 2);
    // the second page is drawn with the person's data: the name and the Life Path number alone
    const QStringList back = decoders::pdfText(path, 2).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(back.contains(QStringLiteral("Anna Lopez")), qPrintable(back.join(QLatin1Char('|'))));
    QVERIFY2(back.contains(chainResult(anna.mainFeatures.value(0))), qPrintable(back.join(QLatin1Char('|'))));
}

void TestChartRender::coreNumbersInABarcode()
{
    if (!decoders::haveZxing())
        QSKIP("ZXingReader is not installed");
    ChartPage page;
    page.size = QSizeF(900, 300);
    addBarcodeItem(page, QStringLiteral("LP#life_path PY#personal_year M#maturity"), BarcodeCode128,
                   QRectF(0, 0, 900, 300));
    for (const ChartProfile &p : {samplePerson(), samplePerson(QStringLiteral("John Smith"), QStringLiteral("John"),
                                                                QDate(1990, 1, 5))}) {
        ChartDrawContext ctx;
        ctx.profile = &p;
        // the same values as the number tables show, without their chains
        const QString expected = QStringLiteral("LP%1 PY%2 M%3")
                                     .arg(chainResult(p.mainFeatures.value(0)), p.lifeCycles.value(3),
                                          p.additionalFeatures.value(0).section(QLatin1Char('/'), 0, 0));
        QCOMPARE(zxingText(renderPagePicture(page, QSize(900, 300), ctx)), expected);
    }
}

void TestChartRender::unknownFieldCodeShowsItsCaption()
{
    if (!decoders::havePoppler())
        QSKIP("pdftotext and pdfinfo are not installed");
    // A reader that does not know a core-number code still loads the chart
    // and prints the field's caption: the code is renamed in the file's bytes.
    ChartDocument doc;
    buildTwoPageCard(doc);
    QTemporaryDir dir;
    const QString chart = dir.filePath(QStringLiteral("card.qnr"));
    QVERIFY(chartfile::save(doc, chart));
    QFile file(chart);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    const auto utf16 = [](const char *text) {
        const QString s = QString::fromLatin1(text);
        QByteArray out;
        for (const QChar c : s)
            out.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xff));
        return out;
    };
    QCOMPARE(bytes.count(utf16("#life_path")), 1);
    bytes.replace(utf16("#life_path"), utf16("#life_mark"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    ChartDocument older;
    QString error;
    QVERIFY2(chartfile::load(older, chart, &error) && error.isEmpty(), qPrintable(error));
    const QString pdf = dir.filePath(QStringLiteral("older.pdf"));
    QFile out(pdf);
    const QByteArray printed = chartPdf({samplePerson()}, older);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(printed) == printed.size());
    out.close();
    const QStringList back = decoders::pdfText(pdf, 2).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(back.contains(QStringLiteral("LIFE PATH")), qPrintable(back.join(QLatin1Char('|'))));
}

void TestChartRender::pageBackgrounds_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QRgb>("topLeft");
    QTest::addColumn<QRgb>("bottomRight");
    const QRgb white = qRgb(255, 255, 255), green = qRgb(0, 200, 0), blue = qRgb(0, 0, 255);
    QTest::newRow("255 nothing") << 255 << true << white << white;
    QTest::newRow("1 own size") << 1 << true << blue << white;
    QTest::newRow("2 stretched") << 2 << true << blue << blue;
    QTest::newRow("0 colour") << 0 << true << green << green;
    QTest::newRow("1 without picture: colour") << 1 << false << green << green;
}

void TestChartRender::pageBackgrounds()
{
    QFETCH(int, mode);
    QFETCH(bool, withPicture);
    QFETCH(QRgb, topLeft);
    QFETCH(QRgb, bottomRight);
    ChartPage page;
    page.size = QSizeF(200, 200);
    page.backgroundMode = quint8(mode);
    page.backgroundColor = QColor(0, 200, 0);
    if (withPicture) {
        QImage picture(50, 50, QImage::Format_RGB32);
        picture.fill(QColor(0, 0, 255));
        page.backgroundImage = picture;
    }
    const QImage out = renderPagePicture(page, QSize(200, 200), ChartDrawContext());
    QCOMPARE(out.pixel(5, 5), topLeft);
    QCOMPARE(out.pixel(190, 190), bottomRight);
}

QTEST_MAIN(TestChartRender)
#include "tst_chartrender.moc"
