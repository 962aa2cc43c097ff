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
#include "chartedit/charteditsession.h"
#include "chartedit/chartclipboard.h"
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

using Edit = std::function<void(ChartEditSession &, ChartDocument &, QUndoStack &)>;
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
    void clipboardRecordsComeBackAndJunkIsRefused();
};

void TestChartCommands::undoRedoRestoresTheFile_data()
{
    QTest::addColumn<Edit>("edit");

    QTest::newRow("add items") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage scratch;
        createFieldItem(scratch, QStringLiteral("A"), QPointF(5, 5), QSizeF(50, 20));
        createImageItem(scratch, QImage(30, 30, QImage::Format_RGB32), QPointF(9, 9));
        std::vector<std::unique_ptr<ChartItem>> made;
        while (!scratch.items.empty())
            made.push_back(scratch.takeItem(0));
        stack.push(new CAddItemsCommand(&s, firstPage(doc), std::move(made)));
    });
    QTest::newRow("delete items") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CDeleteItemsCommand(&s, page,
                                           {page->items[0].get(), page->items[2].get()}));
    });
    QTest::newRow("delete a block reference") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        stack.push(new CDeleteItemsCommand(&s, page, {page->items[0].get()}));
    });
    QTest::newRow("move") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[1].get();
        const ChartItemGeometry before = ChartItemGeometry::capture(*frame);
        ChartItemGeometry after = before;
        after.transform.translate(33, -4);
        stack.push(new CItemGeometryCommand(&s, frame, before, after, 1));
    });
    QTest::newRow("rotate and resize") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[0].get();
        const ChartItemGeometry before = ChartItemGeometry::capture(*frame);
        ChartItemGeometry after = before;
        after.rotation = 45;
        after.contentRotation = 45;
        after.size = QSizeF(77, 33);
        after.contentSize = after.size;
        after.outline = QTransform().rotate(45).map(after.outline);
        after.contentTransform.translate(3, 4);
        stack.push(new CItemGeometryCommand(&s, frame, before, after, 2, QStringLiteral("Rotate")));
    });
    QTest::newRow("bring to front") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CStackingCommand(
            &s, page, CStackingCommand::frontOrder(*page, {page->items[0].get()})));
    });
    QTest::newRow("send to back") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        stack.push(new CStackingCommand(
            &s, page,
            CStackingCommand::backOrder(*page, {page->items[3].get(), page->items[2].get()})));
    });
    QTest::newRow("item properties") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartItem *frame = firstPage(doc)->items[0].get();
        auto before = frame->clone();
        frame->content->text = QStringLiteral("changed");
        frame->content->font.setPixelSize(30);
        frame->content->textColor = Qt::red;
        frame->content->frameStyle = 0;
        stack.push(new CItemPropertiesCommand(&s, frame, std::move(before)));
    });
    QTest::newRow("block reference orders") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        auto *cmd = new CItemPropertiesCommand(&s);
        for (int i = 0; i < 2; ++i) {
            ChartItem *frame = page->items[size_t(i)].get();
            auto before = frame->clone();
            frame->content->order = 1 - frame->content->order;
            cmd->addItem(frame, std::move(before));
        }
        stack.push(cmd);
    });
    QTest::newRow("add page") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        auto page = std::make_unique<ChartPage>();
        page->size = QSizeF(500, 400);
        stack.push(new CAddPageCommand(&s, std::move(page), false));
        Q_UNUSED(doc);
    });
    QTest::newRow("add block") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        auto block = std::make_unique<ChartPage>();
        block->name = QStringLiteral("Stamp");
        stack.push(new CAddPageCommand(&s, std::move(block), true, QStringLiteral("Add Block")));
        Q_UNUSED(doc);
    });
    QTest::newRow("delete page") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CDeletePageCommand(&s, firstPage(doc)));
    });
    QTest::newRow("delete block") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CDeletePageCommand(&s, doc.blocks.front().get()));
    });
    QTest::newRow("page properties") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = firstPage(doc);
        const ChartPageState before = ChartPageState::capture(*page);
        const QString title = doc.title;
        page->name = QStringLiteral("Renamed");
        page->size = QSizeF(200, 150);
        page->pageCount = 0;
        page->items[0]->transform.translate(-20, -20);
        doc.title = QStringLiteral("Another title");
        stack.push(new CPagePropertiesCommand(&s, page, before, title));
    });
    QTest::newRow("background") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        ChartPage *page = secondPage(doc);
        const ChartPageState before = ChartPageState::capture(*page);
        QImage picture(20, 10, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        page->backgroundImage = picture;
        page->backgroundMode = 1;
        page->backgroundColor = Qt::yellow;
        stack.push(new CPagePropertiesCommand(&s, page, before, doc.title,
                                              QStringLiteral("Set Background")));
    });
    QTest::newRow("page order") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CPageOrderCommand(&s, false, {secondPage(doc), firstPage(doc)}));
    });
    QTest::newRow("block order") << Edit([](ChartEditSession &s, ChartDocument &doc, QUndoStack &stack) {
        stack.push(new CPageOrderCommand(&s, true,
                                         {doc.blocks[1].get(), doc.blocks[0].get()}));
    });
}

void TestChartCommands::undoRedoRestoresTheFile()
{
    QFETCH(Edit, edit);
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    buildRichDocument(doc);
    QUndoStack &stack = *session.undoStack();
    const QByteArray original = saved(doc);
    QVERIFY(!original.isEmpty());

    edit(session, doc, stack);
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
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    ChartPage *block = doc.addBlock();
    ChartPage *page = session.currentPage();
    QList<ChartItem *> refs;
    for (int i = 0; i < 3; ++i)
        refs << createBlockItem(*page, block, QPointF(10, 100 * i));
    QCOMPARE(refs[2]->content->order, 2);
    QUndoStack &stack = *session.undoStack();
    stack.push(new CDeleteItemsCommand(&session, page, {refs[0], refs[1]}));
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
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    buildRichDocument(doc);
    ChartPage *blockB = doc.blocks[1].get();
    ChartPage *page = secondPage(doc);
    const size_t itemsBefore = page->items.size();
    ChartItem *refA = page->items[1]->content.get();
    ChartItem *orphan = page->items[2]->content.get();
    refA->order = 2;
    orphan->order = 1;
    session.setCurrentPage(blockB);

    QUndoStack &stack = *session.undoStack();
    stack.push(new CDeletePageCommand(&session, blockB));
    QCOMPARE(int(doc.blocks.size()), 1);
    QCOMPARE(page->items.size(), itemsBefore - 1);
    QCOMPARE(orphan->order, 0);
    QCOMPARE(refA->order, 1);
    QCOMPARE(session.currentPage(), firstPage(doc));

    stack.undo();
    QCOMPARE(doc.blocks[1].get(), blockB);
    QCOMPARE(page->items.size(), itemsBefore);
    QCOMPARE(page->items[0]->content->linkedBlock, blockB);
    QCOMPARE(refA->order, 2);
    QCOMPARE(orphan->order, 1);
    QCOMPARE(session.currentPage(), blockB);
}

void TestChartCommands::theLastPageStays()
{
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    QUndoStack &stack = *session.undoStack();
    stack.push(new CDeletePageCommand(&session, firstPage(doc)));
    QCOMPARE(stack.count(), 0);
    QCOMPARE(int(doc.pageSets.front().size()), 1);
    QVERIFY(session.currentPage());
}

void TestChartCommands::oneDragIsOneStep()
{
    ChartEditSession session;
    ChartPage *page = session.currentPage();
    ChartItem *frame = createFieldItem(*page, QStringLiteral("A"), QPointF(0, 0), QSizeF(50, 20));
    QUndoStack &stack = *session.undoStack();
    const ChartItemGeometry start = ChartItemGeometry::capture(*frame);
    auto stepTo = [&](double x, int drag) {
        ChartItemGeometry g = start;
        g.transform = QTransform::fromTranslate(x, 0);
        stack.push(new CItemGeometryCommand(&session, frame, start, g, drag));
    };
    for (int x = 1; x <= 20; ++x)
        stepTo(x, 1);
    QCOMPARE(stack.count(), 1);
    QCOMPARE(frame->transform.dx(), 20.0);

    // A second drag is its own step, even though it starts where the first ended.
    const ChartItemGeometry second = ChartItemGeometry::capture(*frame);
    ChartItemGeometry further = second;
    further.transform.translate(5, 5);
    stack.push(new CItemGeometryCommand(&session, frame, second, further, 2));
    QCOMPARE(stack.count(), 2);
    stack.undo();
    stack.undo();
    QCOMPARE(frame->transform, start.transform);

    // A drag that comes back to where it began leaves nothing to undo.
    QUndoStack other;
    other.push(new CItemGeometryCommand(&session, frame, start, further, 3));
    other.push(new CItemGeometryCommand(&session, frame, start, start, 3));
    QCOMPARE(other.count(), 0);
    QCOMPARE(frame->transform, start.transform);
}

void TestChartCommands::propertyEditsMergeOnlyByKey()
{
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    ChartItem *frame = createFieldItem(*session.currentPage(), QStringLiteral("A"), QPointF(0, 0),
                                       QSizeF(50, 20));
    QUndoStack &stack = *session.undoStack();
    auto type = [&](const QString &text, int key) {
        auto before = frame->clone();
        frame->content->text = text;
        auto *cmd = new CItemPropertiesCommand(&session, frame, std::move(before));
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
    quiet.push(new CItemPropertiesCommand(&session, frame, frame->clone()));
    ChartPage *page = session.currentPage();
    quiet.push(new CPagePropertiesCommand(&session, page, ChartPageState::capture(*page), doc.title));
    QCOMPARE(quiet.count(), 0);
}

void TestChartCommands::commandsAnnounceTheChange()
{
    ChartEditSession session;
    ChartDocument &doc = *session.document();
    buildRichDocument(doc);
    QSignalSpy spy(&session, SIGNAL(itemsChanged(ChartPage *, QList<ChartItem *>)));
    QUndoStack &stack = *session.undoStack();
    ChartPage *page = firstPage(doc);
    stack.push(new CStackingCommand(&session, page,
                                    CStackingCommand::frontOrder(*page, {page->items[0].get()})));
    QCOMPARE(spy.count(), 1);
    stack.undo();
    QCOMPARE(spy.count(), 2);
}

void TestChartCommands::clipboardRecordsComeBackAndJunkIsRefused()
{
    ChartDocument doc;
    buildRichDocument(doc);
    QList<ChartItem *> frames, plain;
    for (ChartPage *page : {firstPage(doc), secondPage(doc)}) {
        for (const auto &item : page->items) {
            frames << item.get();
            if (!item->content || item->content->kind != ChartItem::KindBlockReference)
                plain << item.get();
        }
    }
    const QByteArray data = chartclipboard::encode(frames);
    auto isReference = [](const std::unique_ptr<ChartItem> &f) {
        return f->content && f->content->kind == ChartItem::KindBlockReference;
    };
    // Items come back as they went, references linked to this chart's blocks.
    const auto back = chartclipboard::decode(data, doc);
    QList<ChartItem *> backPlain;
    for (const auto &f : back) {
        if (isReference(f))
            QVERIFY(f->content->linkedBlock && doc.blockIndex(f->content->linkedBlock) >= 0);
        else
            backPlain << f.get();
    }
    QCOMPARE(chartclipboard::encode(backPlain), chartclipboard::encode(plain));
    QVERIFY(int(back.size()) > plain.size());
    // A chart without blocks takes everything but the references.
    ChartDocument other;
    QCOMPARE(int(chartclipboard::decode(data, other).size()), plain.size());
    // Foreign, cut short or inflated data gives nothing.
    QVERIFY(chartclipboard::decode(QByteArrayLiteral("not chart items"), doc).empty());
    QVERIFY(chartclipboard::decode(data.left(data.size() / 2), doc).empty());
    QByteArray huge = data;
    huge.replace(11, 4, QByteArray::fromHex("7fffffff"));
    QVERIFY(chartclipboard::decode(huge, doc).empty());
}

QZ_WIDGET_TEST_MAIN(TestChartCommands)
#include "tst_chartcommands.moc"
