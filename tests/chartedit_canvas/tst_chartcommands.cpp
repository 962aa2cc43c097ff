// Undo commands of the chart designer: each kind of edit, undone and redone,
// must give back the saved file byte for byte.
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chartedit/cadditemscommand.h"
#include "chartedit/caddpagecommand.h"
#include "chartedit/cdeleteitemscommand.h"
#include "chartedit/cdeletepagecommand.h"
#include "chartedit/citemgeometrycommand.h"
#include "chartedit/citempropertiescommand.h"
#include "chartedit/cpageordercommand.h"
#include "chartedit/cpagepropertiescommand.h"
#include "chartedit/cstackingcommand.h"
#include "chartfixtures.h"
#include "tests/common/widgettestmain.h"

#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {
QByteArray saved(ChartDocument &doc)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    if (doc.saveDocument(s) != 0)
        return QByteArray();
    return bytes;
}

ChartPage *firstPage(ChartDocument &doc) { return doc.pageSets.front().front().get(); }
ChartPage *secondPage(ChartDocument &doc) { return doc.pageSets.front().at(1).get(); }

using Edit = std::function<void(ChartDocument &, QUndoStack &)>;
} // namespace

Q_DECLARE_METATYPE(Edit)

class TestChartCommands : public QObject
{
    Q_OBJECT

private slots:
    void undoRedoRestoresTheFile_data();
    void undoRedoRestoresTheFile();
    void deletingBlockReferencesRenumbersTheRest();
    void deletingABlockTakesItsReferencesAlong();
    void theLastPageStays();
    void oneDragIsOneStep();
    void propertyEditsMergeOnlyByKey();
    void commandsAnnounceTheChange();
};

void TestChartCommands::undoRedoRestoresTheFile_data()
{
    QTest::addColumn<Edit>("edit");

    QTest::newRow("add items") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        ChartItem *a = createFieldItem(*page, QStringLiteral("A"), QPointF(5, 5), QSizeF(50, 20));
        ChartItem *b = createImageItem(*page, QImage(30, 30, QImage::Format_RGB32), QPointF(9, 9));
        stack.push(new CAddItemsCommand(&doc, page, {a, b}));
    });
    QTest::newRow("delete items") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CDeleteItemsCommand(&doc, page,
                                           {page->items[0].get(), page->items[2].get()}));
    });
    QTest::newRow("delete a block reference") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        stack.push(new CDeleteItemsCommand(&doc, page, {page->items[0].get()}));
    });
    QTest::newRow("move") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[1].get();
        const ChartItemGeometry before = ChartItemGeometry::capture(*frame);
        ChartItemGeometry after = before;
        after.transform.translate(33, -4);
        stack.push(new CItemGeometryCommand(&doc, frame, before, after, 1));
    });
    QTest::newRow("rotate and resize") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[0].get();
        const ChartItemGeometry before = ChartItemGeometry::capture(*frame);
        ChartItemGeometry after = before;
        after.rotation = 45;
        after.contentRotation = 45;
        after.size = QSizeF(77, 33);
        after.contentSize = after.size;
        after.outline = QTransform().rotate(45).map(after.outline);
        after.contentTransform.translate(3, 4);
        stack.push(new CItemGeometryCommand(&doc, frame, before, after, 2, QStringLiteral("Rotate")));
    });
    QTest::newRow("bring to front") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CStackingCommand(
            &doc, page, CStackingCommand::frontOrder(*page, {page->items[0].get()})));
    });
    QTest::newRow("send to back") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CStackingCommand(
            &doc, page,
            CStackingCommand::backOrder(*page, {page->items[3].get(), page->items[2].get()})));
    });
    QTest::newRow("item properties") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[0].get();
        auto before = frame->clone();
        frame->content->text = QStringLiteral("changed");
        frame->content->font.setPixelSize(30);
        frame->content->textColor = Qt::red;
        frame->content->frameStyle = 0;
        stack.push(new CItemPropertiesCommand(&doc, frame, std::move(before)));
    });
    QTest::newRow("block reference orders") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        auto *cmd = new CItemPropertiesCommand(&doc);
        for (int i = 0; i < 2; ++i) {
            ChartItem *frame = page->items[size_t(i)].get();
            auto before = frame->clone();
            frame->content->order = 1 - frame->content->order;
            cmd->addItem(frame, std::move(before));
        }
        stack.push(cmd);
    });
    QTest::newRow("add page") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = doc.addPage();
        page->size = QSizeF(500, 400);
        stack.push(new CAddPageCommand(&doc, page));
    });
    QTest::newRow("add block") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *block = doc.addBlock();
        block->name = QStringLiteral("Stamp");
        stack.push(new CAddPageCommand(&doc, block, QStringLiteral("Add Block")));
    });
    QTest::newRow("delete page") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CDeletePageCommand(&doc, firstPage(doc)));
    });
    QTest::newRow("delete block") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CDeletePageCommand(&doc, doc.blocks.front().get()));
    });
    QTest::newRow("page properties") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        const ChartPageState before = ChartPageState::capture(*page);
        const QString title = doc.title;
        page->name = QStringLiteral("Renamed");
        page->size = QSizeF(200, 150);
        page->pageCount = 0;
        page->items[0]->transform.translate(-20, -20);
        doc.title = QStringLiteral("Another title");
        stack.push(new CPagePropertiesCommand(&doc, page, before, title));
    });
    QTest::newRow("background") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        const ChartPageState before = ChartPageState::capture(*page);
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        page->backgroundImage = picture;
        page->backgroundMode = 1;
        page->backgroundColor = Qt::yellow;
        stack.push(new CPagePropertiesCommand(&doc, page, before, doc.title,
                                              QStringLiteral("Set Background")));
    });
    QTest::newRow("page order") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CPageOrderCommand(&doc, false, {secondPage(doc), firstPage(doc)}));
    });
    QTest::newRow("block order") << Edit([](ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CPageOrderCommand(&doc, true,
                                         {doc.blocks[1].get(), doc.blocks[0].get()}));
    });
}

void TestChartCommands::undoRedoRestoresTheFile()
{
    QFETCH(Edit, edit);
    ChartDocument doc;
    buildRichDocument(doc);
    QUndoStack stack;
    const QByteArray original = saved(doc);
    QVERIFY(!original.isEmpty());

    edit(doc, stack);
    QCOMPARE(stack.count(), 1);
    const QByteArray edited = saved(doc);
    QVERIFY(!edited.isEmpty());
    QVERIFY(edited != original);

    stack.undo();
    QCOMPARE(saved(doc), original);
    stack.redo();
    QCOMPARE(saved(doc), edited);
    stack.undo();
    QCOMPARE(saved(doc), original);
}

void TestChartCommands::deletingBlockReferencesRenumbersTheRest()
{
    ChartDocument doc;
    ChartPage *block = doc.addBlock();
    ChartPage *page = doc.currentPage;
    QList<ChartItem *> refs;
    for (int i = 0; i < 3; ++i)
        refs << createBlockItem(*page, block, QPointF(10, 100 * i));
    QCOMPARE(refs[2]->content->order, 2);
    QUndoStack stack;
    stack.push(new CDeleteItemsCommand(&doc, page, {refs[0], refs[1]}));
    QCOMPARE(int(page->items.size()), 1);
    QCOMPARE(page->items[0]->content->order, 0);

    stack.undo();
    QCOMPARE(int(page->items.size()), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(page->items[size_t(i)].get(), refs[i]);
        QCOMPARE(refs[i]->content->order, i);
    }
}

void TestChartCommands::deletingABlockTakesItsReferencesAlong()
{
    ChartDocument doc;
    buildRichDocument(doc);
    ChartPage *blockB = doc.blocks[1].get();
    ChartPage *page = secondPage(doc);
    const size_t itemsBefore = page->items.size();
    ChartItem *refA = page->items[1]->content.get();
    ChartItem *orphan = page->items[2]->content.get();
    refA->order = 2;
    orphan->order = 1;
    doc.currentPage = blockB;

    QUndoStack stack;
    stack.push(new CDeletePageCommand(&doc, blockB));
    QCOMPARE(int(doc.blocks.size()), 1);
    QCOMPARE(page->items.size(), itemsBefore - 1);
    QCOMPARE(orphan->order, 0);
    QCOMPARE(refA->order, 1);
    QCOMPARE(doc.currentPage, firstPage(doc));

    stack.undo();
    QCOMPARE(doc.blocks[1].get(), blockB);
    QCOMPARE(page->items.size(), itemsBefore);
    QCOMPARE(page->items[0]->content->linkedBlock, blockB);
    QCOMPARE(refA->order, 2);
    QCOMPARE(orphan->order, 1);
    QCOMPARE(doc.currentPage, blockB);
}

void TestChartCommands::theLastPageStays()
{
    ChartDocument doc;
    QUndoStack stack;
    stack.push(new CDeletePageCommand(&doc, firstPage(doc)));
    QCOMPARE(stack.count(), 0);
    QCOMPARE(int(doc.pageSets.front().size()), 1);
    QVERIFY(doc.currentPage);
}

void TestChartCommands::oneDragIsOneStep()
{
    ChartDocument doc;
    ChartPage *page = doc.currentPage;
    ChartItem *frame = createFieldItem(*page, QStringLiteral("A"), QPointF(0, 0), QSizeF(50, 20));
    QUndoStack stack;
    const ChartItemGeometry start = ChartItemGeometry::capture(*frame);
    auto stepTo = [&](double x, int drag) {
        ChartItemGeometry g = start;
        g.transform = QTransform::fromTranslate(x, 0);
        stack.push(new CItemGeometryCommand(&doc, frame, start, g, drag));
    };
    for (int x = 1; x <= 20; ++x)
        stepTo(x, 1);
    QCOMPARE(stack.count(), 1);
    QCOMPARE(frame->transform.dx(), 20.0);

    // A second drag is its own step, even though it starts where the first ended.
    const ChartItemGeometry second = ChartItemGeometry::capture(*frame);
    ChartItemGeometry further = second;
    further.transform.translate(5, 5);
    stack.push(new CItemGeometryCommand(&doc, frame, second, further, 2));
    QCOMPARE(stack.count(), 2);
    stack.undo();
    stack.undo();
    QCOMPARE(frame->transform, start.transform);

    // A drag that comes back to where it began leaves nothing to undo.
    QUndoStack other;
    other.push(new CItemGeometryCommand(&doc, frame, start, further, 3));
    other.push(new CItemGeometryCommand(&doc, frame, start, start, 3));
    QCOMPARE(other.count(), 0);
    QCOMPARE(frame->transform, start.transform);
}

void TestChartCommands::propertyEditsMergeOnlyByKey()
{
    ChartDocument doc;
    ChartItem *frame = createFieldItem(*doc.currentPage, QStringLiteral("A"), QPointF(0, 0),
                                       QSizeF(50, 20));
    QUndoStack stack;
    auto type = [&](const QString &text, int key) {
        auto before = frame->clone();
        frame->content->text = text;
        auto *cmd = new CItemPropertiesCommand(&doc, frame, std::move(before));
        cmd->setMergeKey(key);
        stack.push(cmd);
    };
    type(QStringLiteral("A1"), 7);
    type(QStringLiteral("A12"), 7);
    type(QStringLiteral("A123"), 7);
    QCOMPARE(stack.count(), 1);
    type(QStringLiteral("B"), 0);
    QCOMPARE(stack.count(), 2);
    stack.undo();
    QCOMPARE(frame->content->text, QStringLiteral("A123"));
    stack.undo();
    QCOMPARE(frame->content->text, QStringLiteral("A"));

    // An edit that changes nothing is not an undo step.
    QUndoStack quiet;
    quiet.push(new CItemPropertiesCommand(&doc, frame, frame->clone()));
    ChartPage *page = doc.currentPage;
    quiet.push(new CPagePropertiesCommand(&doc, page, ChartPageState::capture(*page), doc.title));
    QCOMPARE(quiet.count(), 0);
}

void TestChartCommands::commandsAnnounceTheChange()
{
    ChartDocument doc;
    buildRichDocument(doc);
    QSignalSpy spy(&doc, SIGNAL(changed()));
    QUndoStack stack;
    ChartPage *page = firstPage(doc);
    stack.push(new CStackingCommand(&doc, page,
                                    CStackingCommand::frontOrder(*page, {page->items[0].get()})));
    QCOMPARE(spy.count(), 1);
    stack.undo();
    QCOMPARE(spy.count(), 2);
}

QZ_WIDGET_TEST_MAIN(TestChartCommands)
#include "tst_chartcommands.moc"
