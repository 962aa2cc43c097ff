// The chart document model and its file: defaults, round trips, the stream
// layout, version gates of older files, block links and saving into the user folder.
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartfile.h"
#include "chart/chartstream.h"
#include "chartfixtures.h"
#include "oldchartwriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray saved(ChartDocument &doc)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    if (doc.saveDocument(s) != 0)
        return QByteArray();
    return bytes;
}

int loadBytes(ChartDocument &doc, const QByteArray &bytes)
{
    QDataStream s(bytes);
    return doc.loadDocument(s);
}

void compareItems(const ChartItem &a, const ChartItem &b)
{
    QCOMPARE(b.kind, a.kind);
    QCOMPARE(b.fixedField, a.fixedField);
    QCOMPARE(b.editableText, a.editableText);
    QCOMPARE(b.auxText, a.auxText);
    if (a.kind != ChartItem::KindBlockReference)
        QCOMPARE(b.fieldCode, a.fieldCode);
    QCOMPARE(b.transform, a.transform);
    QCOMPARE(b.rotation, a.rotation);
    QCOMPARE(b.size, a.size);
    QCOMPARE(b.outline, a.outline);
    QCOMPARE(b.textColor, a.textColor);
    QCOMPARE(b.naturalSize, a.naturalSize);
    QCOMPARE(b.image.isNull(), a.image.isNull());
    if (!a.image.isNull())
        QCOMPARE(b.image.convertToFormat(QImage::Format_ARGB32),
                 a.image.convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(b.flagA, a.flagA);
    QCOMPARE(b.isFrame, a.isFrame);
    QCOMPARE(b.text, a.text);
    QCOMPARE(b.font.family(), a.font.family());
    QCOMPARE(b.font.pixelSize(), a.font.pixelSize());
    QCOMPARE(b.font.bold(), a.font.bold());
    QCOMPARE(b.font.italic(), a.font.italic());
    QCOMPARE(b.alignment, a.alignment);
    QCOMPARE(b.lineStyle, a.lineStyle);
    QCOMPARE(b.lineWidth, a.lineWidth);
    QCOMPARE(b.lineColor, a.lineColor);
    QCOMPARE(b.imageNumber, a.imageNumber);
    QCOMPARE(b.frameStyle, a.frameStyle);
    QCOMPARE(b.frameColor, a.frameColor);
    QCOMPARE(b.partSelector, a.partSelector);
    QCOMPARE(b.fitTo, a.fitTo);
    QCOMPARE(b.order, a.order);
    QCOMPARE(b.barcodeType, a.barcodeType);
    QCOMPARE(b.background, a.background);
    QCOMPARE(bool(b.content), bool(a.content));
    if (a.content) {
        QCOMPARE(b.content->owner, &b);
        compareItems(*a.content, *b.content);
    }
}

void comparePages(const ChartPage &a, const ChartPage &b)
{
    QCOMPARE(b.size, a.size);
    QCOMPARE(b.name, a.name);
    QCOMPARE(b.pageCount, a.pageCount);
    QCOMPARE(b.reserved, a.reserved);
    QCOMPARE(b.backgroundColor, a.backgroundColor);
    QCOMPARE(b.backgroundMode, a.backgroundMode);
    QCOMPARE(b.backgroundImage.isNull(), a.backgroundImage.isNull());
    QCOMPARE(b.items.size(), a.items.size());
    for (size_t i = 0; i < a.items.size() && !QTest::currentTestFailed(); ++i)
        compareItems(*a.items[i], *b.items[i]);
}

QString dataFile(const QString &name)
{
    return QStringLiteral(QZ_TEST_DATA_DIR "/charts/") + name;
}

} // namespace

class TestChartDocument : public QObject
{
    Q_OBJECT

private slots:
    void newDocumentState();
    void itemDefaults();
    void rotationAndSize_data();
    void rotationAndSize();
    void roundTrip();
    void streamLayout();
    void nothingToSave();
    void refusesForeignData_data();
    void refusesForeignData();
    void blockReferences();
    void fontPixelSizeRule();
    void oldVersions_data();
    void oldVersions();
    void damagedFileKeepsWhatWasRead();
    void chooseFileName();
    void saveToFolderReplacesOnlyOnSuccess();
    void fieldTreeItems_data();
    void fieldTreeItems();
    void itemsStayOnThePage();
    void largePicturesAreScaledDown();
};

void TestChartDocument::newDocumentState()
{
    ChartDocument doc;
    doc.title = QStringLiteral("x");
    doc.gridStepX = 3;
    doc.addBlock();
    doc.newDocument();
    QCOMPARE(doc.title, QStringLiteral("New report"));
    QCOMPARE(doc.fileName, QStringLiteral("untitled.pxr"));
    QVERIFY(doc.showGrid && doc.snapToGrid && doc.showBoundaries);
    QCOMPARE(doc.gridStepX, 10.0);
    QCOMPARE(doc.gridStepY, 10.0);
    QCOMPARE(doc.zoom, 0.75);
    QVERIFY(doc.blocks.empty());
    QCOMPARE(doc.pageSets.size(), size_t(1));
    QCOMPARE(doc.pageSets.front().size(), size_t(1));
    const ChartPage *page = doc.currentPage;
    QCOMPARE(page, doc.pageSets.front().front().get());
    QCOMPARE(page->name, QStringLiteral("Untitled"));
    QCOMPARE(page->size, QSizeF(840, 1188));
    QCOMPARE(page->backgroundMode, quint8(255));
    QCOMPARE(page->backgroundColor, QColor(Qt::white));
    QCOMPARE(page->pageCount, 0);
    QVERIFY(page->items.empty());

    ChartPage *added = doc.addPage();
    QCOMPARE(added->name, QStringLiteral("Page 2"));

    // clearing keeps the flags and steps
    doc.gridStepX = 4;
    doc.showGrid = false;
    doc.clearDocument();
    QVERIFY(doc.pageSets.empty());
    QVERIFY(!doc.currentPage);
    QCOMPARE(doc.gridStepX, 4.0);
    QVERIFY(!doc.showGrid);
}

void TestChartDocument::itemDefaults()
{
    const ChartItem item;
    QCOMPARE(item.kind, 0);
    QVERIFY(!item.fixedField && !item.editableText && item.flagA && !item.isFrame);
    QCOMPARE(item.textColor, QColor(Qt::black));
    QCOMPARE(item.font.family(), QStringLiteral("Arial"));
    QCOMPARE(item.font.pixelSize(), 11);
    QCOMPARE(item.font.weight(), 50);
    QCOMPARE(item.alignment, 1);
    QCOMPARE(item.lineStyle, 1);
    QCOMPARE(item.lineWidth, 1.0);
    QCOMPARE(item.fitTo, 1);
    QCOMPARE(item.background, QColor(255, 255, 255, 222));
    QVERIFY(item.outline.isEmpty());

    auto frame = ChartItem::createFrame(ChartItem::KindText, QSizeF(120, 25));
    QVERIFY(frame->isFrame);
    QCOMPARE(frame->kind, 1);
    QCOMPARE(frame->content->owner, frame.get());
    QCOMPARE(frame->outline.boundingRect(), QRectF(0, 0, 120, 25));
}

void TestChartDocument::rotationAndSize_data()
{
    QTest::addColumn<double>("turn");
    QTest::addColumn<double>("kept");
    QTest::newRow("370") << 370.0 << 10.0;
    QTest::newRow("-30") << -30.0 << 330.0;
    QTest::newRow("-390") << -390.0 << 330.0;
    QTest::newRow("359.5") << 359.5 << 359.5;
    QTest::newRow("nan") << qQNaN() << 0.0;
}

void TestChartDocument::rotationAndSize()
{
    QFETCH(double, turn);
    QFETCH(double, kept);
    auto frame = ChartItem::createFrame(ChartItem::KindText, QSizeF(10, 0));
    QCOMPARE(frame->size, QSizeF(10, 10)); // a side of 0 takes the other side
    frame->setRotation(turn);
    QCOMPARE(frame->rotation, kept);
    QCOMPARE(frame->content->rotation, kept);
}

void TestChartDocument::roundTrip()
{
    ChartDocument doc;
    buildRichDocument(doc);
    const QByteArray bytes = saved(doc);
    QVERIFY(!bytes.isEmpty());

    ChartDocument loaded;
    loaded.zoom = 1.7;
    loaded.gridStepX = 1;
    QCOMPARE(loadBytes(loaded, bytes), 0);
    QVERIFY2(loaded.lastError().isEmpty(), qPrintable(loaded.lastError()));
    QCOMPARE(loaded.title, doc.title);
    QCOMPARE(loaded.showGrid, false);
    QCOMPARE(loaded.snapToGrid, true);
    QCOMPARE(loaded.showBoundaries, false);
    QCOMPARE(loaded.gridStepX, 12.5);
    QCOMPARE(loaded.gridStepY, 7.25);
    QCOMPARE(loaded.zoom, 0.75);
    QCOMPARE(loaded.blocks.size(), doc.blocks.size());
    for (size_t i = 0; i < doc.blocks.size(); ++i)
        comparePages(*doc.blocks[i], *loaded.blocks[i]);
    QCOMPARE(loaded.pageSets.size(), doc.pageSets.size());
    for (size_t s = 0; s < doc.pageSets.size(); ++s) {
        QCOMPARE(loaded.pageSets[s].size(), doc.pageSets[s].size());
        for (size_t p = 0; p < doc.pageSets[s].size(); ++p)
            comparePages(*doc.pageSets[s][p], *loaded.pageSets[s][p]);
    }
    QCOMPARE(loaded.currentPage, loaded.pageSets.front().front().get());
    // the first page's preview was written and every page has one after loading
    for (ChartPage *page : loaded.allPages())
        QVERIFY(!page->preview.isNull());

    // block references point at the same blocks again, by index
    const QList<ChartItem *> refs = loaded.pageSets[0][1]->blockReferences();
    QCOMPARE(refs.size(), 3);
    QCOMPARE(refs[0]->linkedBlock, loaded.blocks[1].get());
    QCOMPARE(refs[0]->fieldCode, QString::number(loaded.blocks[1]->id()));
    QVERIFY(!refs[0]->linkedImage.isNull());
    QCOMPARE(refs[1]->linkedBlock, loaded.blocks[0].get());
    QCOMPARE(refs[1]->order, 1);
    QCOMPARE(refs[2]->imageNumber, 7);
    QVERIFY(!refs[2]->linkedBlock); // out of range stays unlinked

    // a second round trip changes nothing but the block identities
    ChartDocument again;
    QCOMPARE(loadBytes(again, saved(loaded)), 0);
    for (size_t p = 0; p < doc.pageSets[0].size(); ++p)
        comparePages(*loaded.pageSets[0][p], *again.pageSets[0][p]);
}

void TestChartDocument::streamLayout()
{
    ChartDocument doc;
    doc.title = QStringLiteral("Layout");
    ChartItem *frame = addTextItem(*doc.currentPage, QStringLiteral("#birthdate"),
                                   QStringLiteral("BIRTHDATE"), 5, 6);
    frame->content->alignment = -2; // sign-extended into 64 bits
    frame->content->order = 41;
    frame->content->partSelector = 42;
    frame->content->barcodeType = 43;
    frame->content->background = QColor(1, 2, 3, 4);
    const QByteArray bytes = saved(doc);

    QDataStream s(bytes);
    s.setVersion(QDataStream::Qt_4_6);
    quint32 magicLength = 0;
    s >> magicLength;
    QCOMPARE(magicLength, quint32(22));
    QByteArray magic(22, '\0');
    s.readRawData(magic.data(), 22);
    QCOMPARE(magic, QByteArray("PlexariumReportFile->", 22));
    qint32 version = 0, one = 0, marker = 0;
    QString title;
    s >> version >> title >> one >> marker;
    QCOMPARE(version, 263);
    QCOMPARE(title, QStringLiteral("Layout"));
    QCOMPARE(one, 1);
    QCOMPARE(marker, 1);
    QImageReader reader(s.device(), "png");
    QVERIFY(!reader.read().isNull()); // the first page's preview, PNG
    qint32 grid = 0, snap = 0, bounds = 0, blocks = -1, sets = 0, pages = 0, items = 0;
    double stepX = 0, stepY = 0;
    s >> grid >> snap >> bounds >> stepX >> stepY >> blocks >> sets >> pages;
    QCOMPARE(QVector<qint32>({grid, snap, bounds, blocks, sets, pages}),
             QVector<qint32>({1, 1, 1, 0, 1, 1}));
    QCOMPARE(stepX, 10.0);
    double w = 0, h = 0;
    QString name;
    qint32 count = -1, reserved = -1;
    QColor colour;
    quint8 mode = 0;
    s >> w >> h >> name >> count >> reserved >> colour >> mode >> marker >> items;
    QCOMPARE(QSizeF(w, h), QSizeF(840, 1188));
    QCOMPARE(name, QStringLiteral("Untitled"));
    QCOMPARE(mode, quint8(255));
    QCOMPARE(marker, 0); // no background picture
    QCOMPARE(items, 1);

    // the frame record, then its content
    auto skipToContent = [&s]() {
        qint32 kind = 0;
        qint8 notFixed = 0, notEditable = 0;
        QString aux, code;
        QTransform t;
        double rotation = 0;
        QSizeF size, natural;
        QPainterPath path;
        QColor textColour;
        qint32 imageMarker = 0;
        s >> kind >> notFixed >> notEditable >> aux >> code >> t >> rotation >> size >> path >>
            textColour >> natural >> imageMarker;
        return std::make_tuple(kind, notFixed, notEditable, code, t, size, imageMarker);
    };
    const auto frameFields = skipToContent();
    QCOMPARE(std::get<0>(frameFields), 1);
    QCOMPARE(std::get<4>(frameFields), QTransform::fromTranslate(5, 6));
    QCOMPARE(std::get<5>(frameFields), QSizeF(200, 30));
    qint8 notFlagA = 0, notFrame = 0, hasContent = 0;
    QString text;
    QFont font;
    qint64 alignment = 0;
    qint32 lineStyle = 0, imageNumber = 0, frameStyle = 0, fitTo = 0, order = 0, part = 0,
           type = 0;
    double lineWidth = 0;
    QColor lineColour, frameColour, background;
    s >> notFlagA >> notFrame >> text >> font >> alignment >> lineStyle >> lineWidth >>
        lineColour >> imageNumber >> frameStyle >> frameColour >> fitTo >> order >> part >> type >>
        background >> hasContent;
    QCOMPARE(notFlagA, qint8(0)); // flagA set is stored as 0
    QCOMPARE(notFrame, qint8(0)); // a frame
    QCOMPARE(hasContent, qint8(1));
    const auto contentFields = skipToContent();
    QCOMPARE(std::get<0>(contentFields), 6);
    QCOMPARE(std::get<1>(contentFields), qint8(0)); // fixed field set
    QCOMPARE(std::get<2>(contentFields), qint8(1)); // not editable
    QCOMPARE(std::get<3>(contentFields), QStringLiteral("#birthdate"));
    s >> notFlagA >> notFrame >> text >> font >> alignment >> lineStyle >> lineWidth >>
        lineColour >> imageNumber >> frameStyle >> frameColour >> fitTo >> order >> part >> type >>
        background;
    QCOMPARE(notFrame, qint8(1));
    QCOMPARE(text, QStringLiteral("BIRTHDATE"));
    QCOMPARE(alignment, qint64(-2));
    QCOMPARE(QVector<qint32>({order, part, type}), QVector<qint32>({41, 42, 43}));
    QCOMPARE(background, QColor(1, 2, 3, 4));
    QCOMPARE(s.status(), QDataStream::Ok);
    QVERIFY(s.atEnd());
}

void TestChartDocument::nothingToSave()
{
    ChartDocument doc;
    doc.pageSets.clear();
    doc.currentPage = nullptr;
    QByteArray bytes;
    {
        QDataStream s(&bytes, QIODevice::WriteOnly);
        QCOMPARE(doc.saveDocument(s), -1);
    }
    QVERIFY(bytes.isEmpty());
    doc.pageSets.emplace_back(); // an empty first set
    QDataStream s(&bytes, QIODevice::WriteOnly);
    QCOMPARE(doc.saveDocument(s), -1);
    QVERIFY(bytes.isEmpty());
}

void TestChartDocument::refusesForeignData_data()
{
    QTest::addColumn<QByteArray>("bytes");
    ChartDocument doc;
    const QByteArray good = saved(doc);
    QByteArray wrongMagic = good;
    wrongMagic[6] = 'X';
    QByteArray newer = good;
    newer[4 + 22 + 3] = char(264 & 0xff); // version 263 -> 264 (0x0107 -> 0x0108)
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("wrong magic") << wrongMagic;
    QTest::newRow("newer version") << newer;
    QTest::newRow("magic cut short") << good.left(12);
    QTest::newRow("text file") << QByteArray("hello, this is not a chart at all");
}

void TestChartDocument::refusesForeignData()
{
    QFETCH(QByteArray, bytes);
    ChartDocument doc;
    buildRichDocument(doc);
    QCOMPARE(loadBytes(doc, bytes), -1);
    QCOMPARE(doc.lastError(), QStringLiteral("Wrong file format!"));
    QCOMPARE(doc.title, QStringLiteral("New report")); // a new document is held
    QCOMPARE(doc.allPages().size(), 1);
    QVERIFY(doc.blocks.empty());
}

void TestChartDocument::blockReferences()
{
    ChartDocument doc;
    ChartPage *a = doc.addBlock();
    ChartPage *b = doc.addBlock();
    ChartItem *toB = createBlockItem(*doc.currentPage, b, QPointF(0, 0));
    ChartItem *toA = createBlockItem(*doc.currentPage, a, QPointF(0, 0));
    QCOMPARE(toA->content->order, 1);
    // references placed on a block are not renumbered
    ChartItem *onBlock = createBlockItem(*a, b, QPointF(0, 0));
    onBlock->content->imageNumber = 9;

    // delete block a: b moves to index 0, the reference to a keeps its number
    doc.blocks.erase(doc.blocks.begin());
    toA->content->linkedBlock = nullptr;
    toA->content->imageNumber = 5;
    toB->content->imageNumber = 1;
    doc.renumberBlockReferences();
    QCOMPARE(toB->content->imageNumber, 0);
    QCOMPARE(toA->content->imageNumber, 5);

    ChartDocument loaded;
    QCOMPARE(loadBytes(loaded, saved(doc)), 0);
    const QList<ChartItem *> refs = loaded.currentPage->blockReferences();
    QCOMPARE(refs.size(), 2);
    QCOMPARE(refs[0]->linkedBlock, loaded.blocks[0].get());
    QVERIFY(!refs[1]->linkedBlock);
    QVERIFY(refs[1]->linkedImage.isNull());
    QCOMPARE(refs[1]->imageNumber, 5);
}

void TestChartDocument::fontPixelSizeRule()
{
    ChartDocument doc;
    ChartItem *frame = addTextItem(*doc.currentPage, QStringLiteral("#text"), QStringLiteral("x"), 0, 0);
    QFont pointFont(QStringLiteral("Arial"));
    pointFont.setPointSize(10); // no pixel size
    frame->content->font = pointFont;
    QFont big(QStringLiteral("Arial"));
    big.setPointSize(20);
    frame->font = big;
    ChartDocument loaded;
    QCOMPARE(loadBytes(loaded, saved(doc)), 0);
    QCOMPARE(loaded.currentPage->items.front()->content->font.pixelSize(), 13);
    QCOMPARE(loaded.currentPage->items.front()->font.pixelSize(), 25);
}

void TestChartDocument::oldVersions_data()
{
    QTest::addColumn<int>("version");
    QTest::newRow("257") << 257;
    QTest::newRow("258") << 258;
    QTest::newRow("262") << 262;
}

// The samples were made with writeOldChart() from the document of
// makeOldSample() below; see tests/data/charts/README.md.
static void makeOldSample(ChartDocument &doc)
{
    doc.newDocument();
    doc.title = QStringLiteral("Old chart");
    doc.showGrid = false;
    doc.snapToGrid = false;
    doc.showBoundaries = false;
    doc.gridStepX = 5;
    doc.gridStepY = 20;
    ChartPage *block = doc.addBlock();
    block->name = QStringLiteral("Label");
    block->size = QSizeF(200, 100);
    addTextItem(*block, QStringLiteral("#short_name"), QStringLiteral("SHORT NAME"), 2, 2);
    ChartPage *page = doc.currentPage;
    page->name = QStringLiteral("Cover");
    page->pageCount = 4;
    page->backgroundColor = QColor(250, 240, 200);
    page->backgroundMode = 0;
    ChartItem *text = addTextItem(*page, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"), 20, 30);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    text->content->font = font;
    text->content->background = QColor(0, 0, 0, 10);
    ChartItem *code = createFieldItem(*page, QStringLiteral("4006381333931"), QPointF(20, 100), QSizeF(300, 80));
    code->content->kind = ChartItem::KindBarcode;
    code->content->barcodeType = 5;
    code->content->partSelector = 3;
    ChartItem *ref = createBlockItem(*page, block, QPointF(400, 400));
    ref->content->order = 2;
    ChartPage *second = doc.addPage();
    second->name = QStringLiteral("Back");
    addTextItem(*second, QStringLiteral("#birthdate"), QStringLiteral("BIRTHDATE"), 10, 10);
}

void TestChartDocument::oldVersions()
{
    QFETCH(int, version);
    const QString path = dataFile(QStringLiteral("v%1.qnr").arg(version));
    if (qEnvironmentVariableIsSet("QZ_WRITE_CHART_SAMPLES")) {
        ChartDocument source;
        makeOldSample(source);
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(writeOldChart(source, version));
    }
    ChartDocument doc;
    doc.showBoundaries = true; // an old file leaves what it does not store
    QString error;
    QVERIFY2(chartfile::load(doc, path, &error), qPrintable(error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(doc.title, QStringLiteral("Old chart"));
    QCOMPARE(doc.showGrid, false);
    QCOMPARE(doc.snapToGrid, false);
    QCOMPARE(doc.showBoundaries, version < 262);
    QCOMPARE(doc.gridStepX, 5.0);
    QCOMPARE(doc.allPages().size(), 2);
    ChartPage *first = doc.allPages().at(0);
    ChartPage *second = doc.allPages().at(1);
    QCOMPARE(first->items.size(), size_t(3));
    const ChartItem *text = first->items[0]->content.get();
    QCOMPARE(text->fieldCode, QStringLiteral("#full_name"));
    QCOMPARE(text->font.pixelSize(), 13);
    QCOMPARE(text->background, QColor(255, 255, 255, 222)); // stored from 263 on
    const ChartItem *code = first->items[1]->content.get();
    QCOMPARE(code->barcodeType, version >= 261 ? 5 : 0);
    QCOMPARE(code->partSelector, version >= 260 ? 3 : 0);
    const ChartItem *ref = first->items[2]->content.get();
    QCOMPARE(ref->kind, int(ChartItem::KindBlockReference));
    if (version < 258) {
        // no names, counts or backgrounds: new-page defaults, the first page is "Page 1"
        QCOMPARE(first->name, QStringLiteral("Page 1"));
        QCOMPARE(second->name, QString());
        QCOMPARE(first->pageCount, 0);
        QCOMPARE(first->backgroundMode, quint8(255));
        QCOMPARE(first->backgroundColor, QColor(Qt::white));
        QVERIFY(doc.blocks.empty());
        QCOMPARE(ref->order, 0);
        QVERIFY(!ref->linkedBlock);
    } else {
        QCOMPARE(first->name, QStringLiteral("Cover"));
        QCOMPARE(second->name, QStringLiteral("Back"));
        QCOMPARE(first->pageCount, 4);
        QCOMPARE(doc.blocks.size(), size_t(1));
        QCOMPARE(doc.blocks[0]->name, QStringLiteral("Label"));
        QCOMPARE(ref->order, 2);
        QCOMPARE(ref->linkedBlock, doc.blocks[0].get());
        QCOMPARE(first->backgroundMode, quint8(version >= 259 ? 0 : 255));
        if (version >= 259)
            QCOMPARE(first->backgroundColor, QColor(250, 240, 200));
    }
}

void TestChartDocument::damagedFileKeepsWhatWasRead()
{
    ChartDocument doc;
    buildRichDocument(doc);
    const QByteArray bytes = saved(doc);
    // cut inside the second page set: the first set survives
    ChartDocument loaded;
    QCOMPARE(loadBytes(loaded, bytes.left(bytes.size() - 40)), 0);
    QVERIFY(!loaded.lastError().isEmpty());
    QCOMPARE(loaded.pageSets.front().size(), size_t(2));
    QCOMPARE(loaded.currentPage, loaded.pageSets.front().front().get());
    // cut in the header: nothing usable, a new document
    QCOMPARE(loadBytes(loaded, bytes.left(40)), -1);
    QCOMPARE(loaded.lastError(), QStringLiteral("Wrong file format!"));
    QCOMPARE(loaded.allPages().size(), 1);
    QCOMPARE(loaded.currentPage->name, QStringLiteral("Untitled"));
}

void TestChartDocument::chooseFileName()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path();
    auto touch = [&folder](const QString &name) {
        QFile f(folder + QLatin1Char('/') + name);
        return f.open(QIODevice::WriteOnly);
    };
    QCOMPARE(chartfile::chooseFileName(folder, QStringLiteral("My chart"), QString()),
             folder + QStringLiteral("/My chart.qnr"));
    QVERIFY(touch(QStringLiteral("My chart.qnr")));
    QCOMPARE(chartfile::chooseFileName(folder, QStringLiteral("My chart"), QString()),
             folder + QStringLiteral("/My chart 2.qnr"));
    // the chart's own file is free for it
    QCOMPARE(chartfile::chooseFileName(folder, QStringLiteral("My chart"),
                                       folder + QStringLiteral("/My chart.qnr")),
             folder + QStringLiteral("/My chart.qnr"));
    QVERIFY(touch(QStringLiteral("My chart 2.qnr")));
    QCOMPARE(chartfile::chooseFileName(folder, QStringLiteral("My chart"), QString()),
             folder + QStringLiteral("/My chart 3.qnr"));
    // a title never leaves the folder
    QCOMPARE(chartfile::chooseFileName(folder, QStringLiteral("../up/away"), QString()),
             folder + QStringLiteral("/.._up_away.qnr"));
    QCOMPARE(chartfile::chooseFileName(folder, QString(), QString()),
             folder + QStringLiteral("/New report.qnr"));
}

void TestChartDocument::saveToFolderReplacesOnlyOnSuccess()
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    ChartDocument doc;
    doc.title = QStringLiteral("Reading");
    addTextItem(*doc.currentPage, QStringLiteral("#text"), QStringLiteral("first"), 0, 0);
    QString error;
    const QString path = chartfile::saveToFolder(doc, folder, QString(), &error);
    QCOMPARE(path, folder + QStringLiteral("/Reading.qnr"));
    const QByteArray firstBytes = [&path] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();

    // saving again over its own file keeps the name
    QCOMPARE(chartfile::saveToFolder(doc, folder, path, &error), path);

    // a save that cannot be written leaves the previous file as it was
    doc.pageSets.front().clear(); // saveDocument refuses: nothing to write
    doc.currentPage = nullptr;
    QCOMPARE(chartfile::saveToFolder(doc, folder, path, &error), QString());
    QCOMPARE(error, QStringLiteral("Can't save report!"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), firstBytes);
    f.close();

    // a renamed chart moves to its new name; the old file goes only after the write
    doc.newDocument();
    doc.title = QStringLiteral("Renamed");
    const QString renamed = chartfile::saveToFolder(doc, folder, path, &error);
    QCOMPARE(renamed, folder + QStringLiteral("/Renamed.qnr"));
    QVERIFY(QFile::exists(renamed));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 1); // no temporary left behind
}

void TestChartDocument::fieldTreeItems_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("fieldCode");
    QTest::addColumn<bool>("fixedField");
    QTest::addColumn<bool>("editableText");
    QTest::newRow("Name") << "Name" << 12 << QSizeF(650, 100) << "Name" << "Name" << false << false;
    QTest::newRow("Planes") << "Planes of Expression" << 11 << QSizeF(650, 68)
                            << "Planes of Expression" << "Planes of Expression" << false << false;
    QTest::newRow("Psychomatrix") << "Psychomatrix" << 11 << QSizeF(650, 68) << "Psychomatrix"
                                  << "Psychomatrix" << false << false;
    QTest::newRow("Calendar") << "Personal numbers calendar" << 13 << QSizeF(650, 52)
                              << "Personal numbers calendar" << "Personal numbers calendar"
                              << false << false;
    QTest::newRow("Life Cycles") << "Life Cycles" << 14 << QSizeF(200, 100) << "Life Cycles"
                                 << "Life Cycles" << false << false;
    QTest::newRow("Bridges") << "Bridges" << 15 << QSizeF(200, 36) << "Bridges" << "Bridges"
                             << false << false;
    QTest::newRow("Full Name") << "Full Name" << 6 << QSizeF(120, 25) << "FULL NAME"
                               << "#full_name" << true << false;
    QTest::newRow("Numerologist") << "Numerologist" << 6 << QSizeF(120, 25) << "NUMEROLOGIST"
                                  << "#numerologist" << true << false;
    QTest::newRow("Life Path") << "Life Path" << 6 << QSizeF(120, 25) << "LIFE PATH"
                               << "#life_path" << true << false;
    QTest::newRow("Text") << "Text" << 6 << QSizeF(120, 25) << "Text" << "#text" << false << true;
    QTest::newRow("Bar Codes") << "Bar Codes" << 10 << QSizeF(120, 25) << "Bar Codes" << QString()
                               << false << true;
}

void TestChartDocument::fieldTreeItems()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    QFETCH(QSizeF, size);
    QFETCH(QString, caption);
    QFETCH(QString, fieldCode);
    QFETCH(bool, fixedField);
    QFETCH(bool, editableText);
    const QList<ChartFieldEntry> entries = chartFieldEntries();
    QCOMPARE(entries.size(), 31);
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&entry](const ChartFieldEntry &e) { return e.text == entry; });
    QVERIFY(it != entries.end());
    ChartPage page;
    ChartItem *frame = addFieldItem(page, *it, QPointF(100, 200), true);
    QVERIFY(frame);
    QCOMPARE(frame->kind, 1);
    QCOMPARE(frame->size, size);
    const ChartItem *c = frame->content.get();
    QCOMPARE(c->kind, kind);
    QCOMPARE(c->size, size);
    QCOMPARE(c->text, caption);
    QCOMPARE(c->fieldCode, fieldCode);
    QCOMPARE(c->fixedField, fixedField);
    QCOMPARE(c->editableText, editableText);
    QCOMPARE(c->font.pixelSize(), 11);
    QCOMPARE(frame->transform, QTransform::fromTranslate(100, 200));
    // calculated data asked with a title gets a 150 x 25 field 25 units above
    if (it->code == 1) {
        QCOMPARE(page.items.size(), size_t(2));
        const ChartItem *title = page.items.back().get();
        QCOMPARE(title->size, QSizeF(150, 25));
        QCOMPARE(title->transform, QTransform::fromTranslate(100, 175));
        QVERIFY(title->content->fixedField);
        QCOMPARE(title->content->kind, 6);
    } else {
        QCOMPARE(page.items.size(), size_t(1));
    }
}

void TestChartDocument::itemsStayOnThePage()
{
    ChartPage page;
    ChartItem *frame = createFieldItem(page, QStringLiteral("x"), QPointF(800, 1180), QSizeF(120, 25));
    QCOMPARE(frame->transform, QTransform::fromTranslate(840 - 120 - 1, 1188 - 25 - 1));
    // codes that create nothing
    ChartFieldEntry none;
    none.code = 1500;
    QVERIFY(!addFieldItem(page, none, QPointF(0, 0)));
    none.code = 2003;
    QVERIFY(!addFieldItem(page, none, QPointF(0, 0)));
    // "Image" without a picture (the file dialog was cancelled) creates nothing
    none.code = 2001;
    QVERIFY(!addFieldItem(page, none, QPointF(0, 0)));
    QCOMPARE(page.items.size(), size_t(1));
}

void TestChartDocument::largePicturesAreScaledDown()
{
    ChartPage page;
    QImage wide(4000, 2000, QImage::Format_RGB32);
    wide.fill(Qt::gray);
    ChartItem *frame = createImageItem(page, wide, QPointF(0, 0));
    QCOMPARE(frame->content->image.size(), QSize(1024, 512));
    // fitted into a quarter of the page: 210 x 297 -> 210 x 105
    QCOMPARE(frame->size, QSizeF(210, 105));
    QImage tall(10, 3000, QImage::Format_RGB32);
    tall.fill(Qt::gray);
    frame = createImageItem(page, tall, QPointF(0, 0));
    QCOMPARE(frame->content->image.height(), 1024);
    QVERIFY(frame->size.width() >= 1.0);
}

QTEST_MAIN(TestChartDocument)
#include "tst_chartdocument.moc"
