// The page canvas driven with real mouse and key events, offscreen. The view
// runs at zoom 1 with the page larger than the viewport, so one view pixel is
// one page unit and the page starts 10 px in (the margin).
#include "chart/chartdocument.h"
#include "chart/barcode/barcodepicture.h"
#include "chart/chartfields.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/charteditsession.h"
#include "chartedit/creportpe.h"
#include "chartfixtures.h"
#include "tests/common/widgettestmain.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <QTest>
#include <QUndoStack>

#include <cmath>
#include <memory>

namespace {
QByteArray saved(ChartDocument &doc)
{
    QByteArray bytes;
    QDataStream s(&bytes, QIODevice::WriteOnly);
    doc.saveDocument(s);
    return bytes;
}

QRectF boundsOf(const ChartItem *frame) { return canvasgeometry::frameBounds(*frame); }
} // namespace

class TestCReportPE : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clickingSelectsTheTopmostItem();
    void movingStopsAtThePageEdge_data();
    void movingStopsAtThePageEdge();
    void cornerResizeKeepsTheRatio();
    void textResizesFreely();
    void severalItemsAreSelectedMovedAndPutBackTogether();
    void resizedBarcodesKeepTheirProportions();
    void rotationIsKeptWithinATurn();
    void bodyOfAnUnframedItemShiftsItsContent();
    void deleteAsksAndWaitsForTheDrag();
    void deletingBlockReferencesLeavesOrdersFromZero();
    void zoomStaysWithinItsLimits();
    void droppedFieldsAndPicturesLandOnThePage();
    void eachEditIsOneUndoStep();
    void paintsPageOnCanvas();
    void handlesAreDrawnWhereTheyGrip();
    void ctrlWheelZoomsAroundThePointer();
    void rightClickSelectsAndOpensTheContextMenu();

private:
    QPoint at(const QPointF &pagePoint) const
    {
        return m_canvas->viewTransform().map(pagePoint).toPoint();
    }
    void press(const QPointF &p) { QTest::mousePress(m_canvas->viewport(), Qt::LeftButton, {}, at(p)); }
    void moveHeld(const QPointF &p)
    {
        QMouseEvent e(QEvent::MouseMove, at(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_canvas->viewport(), &e);
    }
    void release(const QPointF &p) { QTest::mouseRelease(m_canvas->viewport(), Qt::LeftButton, {}, at(p)); }
    /** Press, several moves, release. */
    void drag(const QPointF &from, const QPointF &to, int steps = 5)
    {
        press(from);
        for (int i = 1; i <= steps; ++i)
            moveHeld(from + (to - from) * i / steps);
        release(to);
    }
    ChartItem *addItem(int kind, const QRectF &r)
    {
        ChartItem *frame = createFieldItem(*m_session->currentPage(), QStringLiteral("X"), r.topLeft(),
                                           r.size(), kind);
        m_canvas->pageItemsChanged();
        return frame;
    }

    std::unique_ptr<ChartEditSession> m_session;
    ChartDocument *m_doc = nullptr;
    QUndoStack *m_stack = nullptr;
    std::unique_ptr<CReportPE> m_canvas;
    int m_questions = 0;
    bool m_answer = true;
};

void TestCReportPE::init()
{
    m_session = std::make_unique<ChartEditSession>();
    m_doc = m_session->document();
    m_doc->setImagesDir(QStringLiteral(QZ_BIN_DIR "/images"));
    m_stack = m_session->undoStack();
    m_canvas = std::make_unique<CReportPE>(m_session.get());
    m_canvas->resize(600, 500);
    m_canvas->show();
    m_canvas->setZoom(1.0);
    m_doc->snapToGrid = false;
    m_questions = 0;
    m_answer = true;
    m_canvas->setConfirmHandler([this](const QString &title, const QString &text) {
        ++m_questions;
        return title == QLatin1String("Question") &&
               text == QLatin1String("Are you sure?\r\nDo you want to delete the selected item?") &&
               m_answer;
    });
    QCOMPARE(m_canvas->viewTransform(), QTransform::fromTranslate(10, 10));
}

void TestCReportPE::cleanup()
{
    m_canvas.reset();
    m_session.reset();
}

void TestCReportPE::clickingSelectsTheTopmostItem()
{
    ChartItem *below = addItem(ChartItem::KindText, QRectF(100, 100, 200, 100));
    ChartItem *above = addItem(ChartItem::KindText, QRectF(150, 150, 200, 100));
    QSignalSpy spy(m_canvas.get(), SIGNAL(selectionChanged()));

    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(200, 200)));
    QCOMPARE(m_canvas->selectedItems(), QList<ChartItem *>{above});
    QCOMPARE(m_canvas->activeItem(), above);
    QVERIFY(spy.count() >= 1);

    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(120, 120)));
    QCOMPARE(m_canvas->selectedItems(), QList<ChartItem *>{below});
    QVERIFY(!m_session->isSelected(above));

    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(600, 900)));
    QVERIFY(m_canvas->selectedItems().isEmpty());
    QCOMPARE(m_canvas->activeItem(), nullptr);
    // Clicks without movement change nothing in the document.
    QCOMPARE(m_stack->count(), 0);
}

void TestCReportPE::movingStopsAtThePageEdge_data()
{
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QPointF>("by");
    QTest::addColumn<QPointF>("topLeft");
    QTest::newRow("free") << false << QPointF(37, 23) << QPointF(137, 123);
    QTest::newRow("snapped") << true << QPointF(27, 13) << QPointF(130, 110);
    QTest::newRow("past the right edge") << false << QPointF(2000, 0) << QPointF(745, 100);
    // The snapped corner is corrected by the edge, not snapped again.
    QTest::newRow("snapped past the right edge") << true << QPointF(2000, 0) << QPointF(745, 100);
    QTest::newRow("past the top-left") << true << QPointF(-500, -500) << QPointF(0, 0);
}

void TestCReportPE::movingStopsAtThePageEdge()
{
    QFETCH(bool, snap);
    QFETCH(QPointF, by);
    QFETCH(QPointF, topLeft);
    m_doc->snapToGrid = snap;
    ChartItem *item = addItem(ChartItem::KindText, QRectF(100, 100, 95, 40));
    const QPointF grip(120, 120);
    drag(grip, grip + by);
    QCOMPARE(boundsOf(item).topLeft(), topLeft);
    QCOMPARE(boundsOf(item).size(), QSizeF(95, 40));
    QCOMPARE(m_canvas->dragMode(), 0);
}

void TestCReportPE::cornerResizeKeepsTheRatio()
{
    ChartItem *image = addItem(ChartItem::KindImage, QRectF(100, 100, 200, 100));
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(150, 150)));
    // Bottom-right corner: the horizontal movement decides, the height follows.
    drag(QPointF(300, 200), QPointF(400, 260));
    QCOMPARE(boundsOf(image), QRectF(100, 100, 300, 150));
    QCOMPARE(image->size, QSizeF(200, 100)); // scaled, not re-laid out

    // Top-left corner with snapping: the left edge lands on the grid.
    m_doc->snapToGrid = true;
    drag(QPointF(100, 100), QPointF(163, 20));
    QCOMPARE(boundsOf(image), QRectF(160, 130, 240, 120));

    // Dragging far past the page is clamped to it.
    m_doc->snapToGrid = false;
    drag(QPointF(400, 250), QPointF(5000, 5000));
    QCOMPARE(boundsOf(image).right(), 840.0);
    QCOMPARE(boundsOf(image).width() / boundsOf(image).height(), 2.0);
}

void TestCReportPE::resizedBarcodesKeepTheirProportions()
{
    ChartItem *code = addItem(ChartItem::KindBarcode, QRectF(100, 100, 80, 80));
    code->content->text = QStringLiteral("LIFE PATH 7");
    code->content->barcodeType = BarcodeQrCode;
    code->content->alignment = Qt::AlignLeft;
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(140, 140)));
    // Pulled to three times its height by the bottom edge, then narrowed by the right one.
    drag(QPointF(140, 180), QPointF(140, 340));
    drag(QPointF(180, 220), QPointF(140, 220));
    QCOMPARE(boundsOf(code), QRectF(100, 100, 40, 240));
    m_canvas->selectItem(nullptr);

    // Each paint steps the handles' fade-out; after three they are gone.
    for (int i = 0; i < 3; ++i)
        m_canvas->viewport()->grab();
    // The dark modules drawn inside the item's outline form a square.
    const QImage shot = m_canvas->viewport()->grab().toImage();
    const QRect area = m_canvas->viewTransform().mapRect(boundsOf(code)).toRect();
    QRect dark;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (qMax(c.red(), qMax(c.green(), c.blue())) < 80)
                dark |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(dark.width() > 30);
    QVERIFY2(qAbs(dark.width() - dark.height()) <= 2,
             qPrintable(QStringLiteral("%1 x %2").arg(dark.width()).arg(dark.height())));
}

void TestCReportPE::severalItemsAreSelectedMovedAndPutBackTogether()
{
    ChartItem *a = addItem(ChartItem::KindText, QRectF(100, 100, 100, 50));
    ChartItem *b = addItem(ChartItem::KindText, QRectF(300, 100, 100, 50));
    ChartItem *c = addItem(ChartItem::KindText, QRectF(100, 300, 100, 50));
    // A band over empty page takes the items wholly inside it.
    drag(QPointF(50, 50), QPointF(450, 200));
    QCOMPARE(m_canvas->selectedItems(), (QList<ChartItem *>{a, b}));
    // Ctrl or Shift and a click add an item or take it out.
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, Qt::ControlModifier, at(QPointF(150, 320)));
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, Qt::ShiftModifier, at(QPointF(350, 120)));
    QCOMPARE(m_canvas->selectedItems(), (QList<ChartItem *>{a, c}));

    // Dragging one moves all, as one step.
    drag(QPointF(150, 125), QPointF(180, 145));
    QCOMPARE(boundsOf(a).topLeft(), QPointF(130, 120));
    QCOMPARE(boundsOf(c).topLeft(), QPointF(130, 320));
    QCOMPARE(boundsOf(b).topLeft(), QPointF(300, 100));
    QCOMPARE(m_stack->count(), 1);

    // Esc in the middle of a drag puts everything back and leaves no step.
    press(QPointF(150, 140));
    moveHeld(QPointF(250, 240));
    QCOMPARE(boundsOf(c).topLeft(), QPointF(230, 420));
    QTest::keyClick(m_canvas.get(), Qt::Key_Escape);
    QCOMPARE(boundsOf(a).topLeft(), QPointF(130, 120));
    QCOMPARE(boundsOf(c).topLeft(), QPointF(130, 320));
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_canvas->dragMode(), 0);
    release(QPointF(250, 240));

    m_canvas->deleteSelected();
    QCOMPARE(int(m_session->currentPage()->items.size()), 1);
    QCOMPARE(m_stack->count(), 2);
}

void TestCReportPE::textResizesFreely()
{
    ChartItem *text = addItem(ChartItem::KindText, QRectF(100, 100, 120, 25));
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(150, 110)));
    // The bottom edge alone.
    drag(QPointF(160, 125), QPointF(160, 165));
    QCOMPARE(boundsOf(text), QRectF(100, 100, 120, 65));
    QCOMPARE(text->size, QSizeF(120, 65));
    QCOMPARE(text->content->size, QSizeF(120, 65));
    QCOMPARE(text->transform.m11(), 1.0);
    // A corner changes both sides without keeping the ratio; snapping rounds the corner.
    m_doc->snapToGrid = true;
    drag(QPointF(220, 165), QPointF(304, 178));
    QCOMPARE(boundsOf(text), QRectF(100, 100, 200, 80));
    QCOMPARE(text->outline.boundingRect(), QRectF(0, 0, 200, 80));
}

void TestCReportPE::rotationIsKeptWithinATurn()
{
    ChartItem *item = addItem(ChartItem::KindImage, QRectF(200, 200, 100, 100));
    const QPointF centre(250, 250);
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(centre));
    for (double angle : {90.0, 90.0, 90.0, 100.0}) {
        const QRectF b = boundsOf(item);
        // The rotate handle sits 3 px right of the bottom-right corner.
        const QPointF grip = b.bottomRight() + QPointF(10, -7);
        QTransform turn;
        turn.translate(centre.x(), centre.y()).rotate(angle).translate(-centre.x(), -centre.y());
        drag(grip, turn.map(grip), 8);
    }
    QVERIFY2(qAbs(item->rotation - 10.0) < 0.5, qPrintable(QString::number(item->rotation)));
    QCOMPARE(item->content->rotation, item->rotation);
    QCOMPARE(m_stack->count(), 4);

    // A turned item's side handle scales it evenly: a shear would bend the picture.
    const QRectF before = boundsOf(item);
    const QPointF rightHandle(before.right() + 1, before.center().y());
    drag(rightHandle, rightHandle + QPointF(before.width() / 2, 0));
    const QRectF after = boundsOf(item);
    QVERIFY(qAbs(after.width() / before.width() - 1.5) < 0.02);
    QVERIFY(qAbs(after.height() / before.height() - 1.5) < 0.02);
    QCOMPARE(m_stack->count(), 5);
}

void TestCReportPE::bodyOfAnUnframedItemShiftsItsContent()
{
    ChartItem *item = addItem(ChartItem::KindImage, QRectF(100, 100, 200, 100));
    item->isFrame = false;
    const QTransform placed = item->transform;
    drag(QPointF(150, 150), QPointF(180, 170));
    QCOMPARE(item->transform, placed);
    QCOMPARE(item->content->transform.map(QPointF(0, 0)), QPointF(30, 20));
    QCOMPARE(m_stack->count(), 1);
    m_stack->undo();
    QVERIFY(item->content->transform.isIdentity());

    // Unframed items also offer the two inner rotate handles, a quarter width
    // either side of the centre; one turns the whole item around its centre.
    QTest::mouseClick(m_canvas->viewport(), Qt::LeftButton, {}, at(QPointF(120, 120)));
    const QPointF grip(250, 150);
    QTransform quarter;
    quarter.translate(200, 150).rotate(90).translate(-200, -150);
    drag(grip, quarter.map(grip));
    QCOMPARE(m_canvas->dragMode(), 0);
    QVERIFY(qAbs(item->rotation - 90) < 0.01);
    const QRectF turned = boundsOf(item);
    QVERIFY(qAbs(turned.width() - 100) < 0.01 && qAbs(turned.height() - 200) < 0.01);
    QVERIFY(qAbs(turned.center().x() - 200) < 0.01 && qAbs(turned.center().y() - 150) < 0.01);
}

void TestCReportPE::deleteAsksAndWaitsForTheDrag()
{
    ChartItem *item = addItem(ChartItem::KindText, QRectF(100, 100, 100, 40));
    press(QPointF(150, 120));
    moveHeld(QPointF(160, 130));
    QVERIFY(m_canvas->dragMode() != 0);
    QTest::keyClick(m_canvas.get(), Qt::Key_Delete);
    QCOMPARE(m_questions, 0);
    QCOMPARE(m_session->currentPage()->indexOf(item), 0);
    release(QPointF(160, 130));

    m_answer = false;
    QTest::keyClick(m_canvas.get(), Qt::Key_Backspace);
    QCOMPARE(m_questions, 1);
    QCOMPARE(m_session->currentPage()->indexOf(item), 0);

    m_answer = true;
    QTest::keyClick(m_canvas.get(), Qt::Key_Delete);
    QCOMPARE(m_questions, 2);
    QVERIFY(m_session->currentPage()->items.empty());
    QVERIFY(m_canvas->selectedItems().isEmpty());
    m_stack->undo();
    QCOMPARE(m_session->currentPage()->indexOf(item), 0);

    // Nothing selected: nothing asked.
    m_canvas->selectItem(nullptr);
    QTest::keyClick(m_canvas.get(), Qt::Key_Delete);
    QCOMPARE(m_questions, 2);
}

void TestCReportPE::deletingBlockReferencesLeavesOrdersFromZero()
{
    ChartPage *block = m_doc->addBlock();
    block->size = QSizeF(100, 50);
    ChartPage *page = m_session->currentPage();
    QList<ChartItem *> refs;
    for (int i = 0; i < 3; ++i)
        refs << createBlockItem(*page, block, QPointF(10, 100 + 100 * i));
    m_session->setSelection({refs[0], refs[1]});
    m_canvas->deleteSelected();
    QCOMPARE(int(page->items.size()), 1);
    QCOMPARE(page->items[0].get(), refs[2]);
    QCOMPARE(refs[2]->content->order, 0);
}

void TestCReportPE::zoomStaysWithinItsLimits()
{
    m_canvas->setZoom(1.9);
    m_canvas->OnZoomIn();
    QCOMPARE(m_canvas->zoom(), 2.0);
    m_canvas->OnZoomIn();
    QCOMPARE(m_canvas->zoom(), 2.0);
    const int wide = m_canvas->horizontalScrollBar()->maximum();
    QCOMPARE(wide, int(std::lround(840 * 2.0 + 20)) - m_canvas->viewport()->width());

    m_canvas->setZoom(0.21);
    m_canvas->OnZoomOut();
    QCOMPARE(m_canvas->zoom(), 0.2);
    QCOMPARE(m_canvas->horizontalScrollBar()->maximum(), 0);
    // A page smaller than the view is centred.
    const double content = std::lround(840 * 0.2 + 20);
    QCOMPARE(m_canvas->viewTransform().dx(),
             (m_canvas->viewport()->width() - content) / 2 + 10);

    m_canvas->OnZoomNormal();
    QCOMPARE(m_canvas->zoom(), 0.75);
}

void TestCReportPE::droppedFieldsAndPicturesLandOnThePage()
{
    QSignalSpy dropped(m_canvas.get(), SIGNAL(itemDropped(QPoint)));
    QMimeData fieldData;
    fieldData.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray("x"));
    const QPoint where = at(QPointF(300, 400));
    QDragEnterEvent enter(where, Qt::CopyAction, &fieldData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_canvas->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(where, Qt::CopyAction, &fieldData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_canvas->viewport(), &drop);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.first().first().toPoint(), where);

    QMimeData textData;
    textData.setText(QStringLiteral("not a field"));
    QDragEnterEvent stranger(where, Qt::CopyAction, &textData, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_canvas->viewport(), &stranger);
    QVERIFY(!stranger.isAccepted());

    // The field of the tree entry "Full Name" at the drop point.
    ChartFieldEntry fullName;
    for (const ChartFieldEntry &e : chartFieldEntries()) {
        if (e.text == QLatin1String("Full Name"))
            fullName = e;
    }
    ChartItem *field = m_canvas->addFieldAt(where, fullName, false);
    QVERIFY(field);
    QCOMPARE(boundsOf(field), QRectF(300, 400, 120, 25));
    QCOMPARE(field->content->fieldCode, QStringLiteral("#full_name"));
    QCOMPARE(m_canvas->selectedItems(), QList<ChartItem *>{field});

    // A large picture is stored at 1024 px and framed in a quarter of the page,
    // kept on the page when dropped near its corner.
    QImage picture(4000, 2000, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ChartItem *image = m_canvas->createImageItem(picture, at(QPointF(800, 1150)));
    QVERIFY(image);
    QCOMPARE(image->content->image.size(), QSize(1024, 512));
    QCOMPARE(image->size, QSizeF(210, 105));
    QCOMPARE(boundsOf(image).topLeft(), QPointF(840 - 210 - 1, 1188 - 105 - 1));
    QCOMPARE(m_stack->count(), 2);
    m_stack->undo();
    m_stack->undo();
    QVERIFY(m_session->currentPage()->items.empty());
}

void TestCReportPE::eachEditIsOneUndoStep()
{
    buildRichDocument(*m_doc);
    m_doc->snapToGrid = false;
    m_canvas->setCurrentPage(m_doc->pageSets.front().front().get());
    m_canvas->setZoom(1.0);
    ChartPage *page = m_session->currentPage();
    const QByteArray original = saved(*m_doc);

    // The image item, dragged by many mouse moves.
    ChartItem *image = page->items[1].get();
    const QPointF grip = boundsOf(image).center();
    drag(grip, grip + QPointF(50, 40), 12);
    QCOMPARE(m_stack->count(), 1);
    const QByteArray moved = saved(*m_doc);
    QVERIFY(moved != original);

    // Arrow keys: one grid step, with Alt one page unit; one step each.
    const QPointF before = boundsOf(image).topLeft();
    QTest::keyClick(m_canvas.get(), Qt::Key_Right);
    QCOMPARE(boundsOf(image).topLeft(), before + QPointF(m_doc->gridStepX, 0));
    QTest::keyClick(m_canvas.get(), Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(boundsOf(image).topLeft(), before + QPointF(m_doc->gridStepX, -1));
    QCOMPARE(m_stack->count(), 3);
    // With Shift they resize: one grid step wider, the top-left corner stays.
    const QRectF sized = boundsOf(image);
    QTest::keyClick(m_canvas.get(), Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(boundsOf(image), sized.adjusted(0, 0, m_doc->gridStepX, 0));
    m_stack->undo();
    // Against the top edge nothing moves and nothing is recorded.
    for (int i = 0; i < 200; ++i)
        QTest::keyClick(m_canvas.get(), Qt::Key_Up);
    QCOMPARE(boundsOf(image).top(), 0.0);
    const int steps = m_stack->count();
    QTest::keyClick(m_canvas.get(), Qt::Key_Up);
    QCOMPARE(m_stack->count(), steps);
    while (m_stack->index() > 3)
        m_stack->undo();

    m_canvas->moveToBackSelItems();
    QCOMPARE(page->items.front().get(), image);
    m_canvas->moveToFrontSelItems();
    QCOMPARE(page->items.back().get(), image);
    QCOMPARE(m_stack->count(), 5);

    while (m_stack->canUndo())
        m_stack->undo();
    QCOMPARE(saved(*m_doc), original);
    m_stack->redo();
    QCOMPARE(saved(*m_doc), moved);

    // Loading another chart empties the history: its commands point at the old items.
    m_doc->newDocument();
    QCOMPARE(m_stack->count(), 0);
    QVERIFY(m_canvas->selectedItems().isEmpty());
}

void TestCReportPE::paintsPageOnCanvas()
{
    QVERIFY(!m_canvas->handleSet().scale.isNull());
    QVERIFY(!m_canvas->handleSet().rotate.isNull());
    QVERIFY(!m_canvas->handleSet().shadows[7].isNull());
    ChartItem *item = addItem(ChartItem::KindText, QRectF(100, 100, 200, 60));
    m_canvas->selectItem(item);
    const QImage shot = m_canvas->viewport()->grab().toImage();
    // The canvas colour around the page, white paper, and the selection drawn
    // at the item's corner once the fade is over.
    QVERIFY(shot.pixelColor(3, 3) != QColor(Qt::white));
    QCOMPARE(shot.pixelColor(at(QPointF(405, 405))), QColor(Qt::white));
    // Grid lines every two steps (20 units with the step of 10), none between.
    const QColor line(222, 222, 222);
    QCOMPARE(shot.pixelColor(at(QPointF(40, 405))), line);
    QCOMPARE(shot.pixelColor(at(QPointF(405, 40))), line);
    QCOMPARE(shot.pixelColor(at(QPointF(30, 405))), QColor(Qt::white));
    QCOMPARE(shot.pixelColor(at(QPointF(405, 30))), QColor(Qt::white));
    m_canvas->OnGrid();
    QCOMPARE(m_canvas->viewport()->grab().toImage().pixelColor(at(QPointF(40, 405))),
             QColor(Qt::white));
    m_canvas->OnGrid();
    // Each paint steps the selection's fade-in; after three it is over.
    for (int i = 0; i < 3; ++i)
        m_canvas->viewport()->grab();
    const QImage later = m_canvas->viewport()->grab().toImage();
    QVERIFY(later.pixelColor(at(QPointF(300, 160))) != QColor(Qt::white));
}

void TestCReportPE::handlesAreDrawnWhereTheyGrip()
{
    m_doc->showGrid = false;
    ChartItem *item = addItem(ChartItem::KindText, QRectF(100, 100, 200, 60));
    const QImage plain = m_canvas->viewport()->grab().toImage();
    m_canvas->selectItem(item);
    for (int i = 0; i < 3; ++i)
        m_canvas->viewport()->grab();
    const QImage shown = m_canvas->viewport()->grab().toImage();
    // Every resize, move and rotate handle changes the picture where a press grips it.
    const QVector<QRectF> handles = canvasgeometry::handleRects(*item, 1.0, 1.0,
                                                                QSizeF(m_canvas->handleSet().rotate.size()));
    for (int i = 0; i <= 8; ++i) {
        const QPoint c = at(item->transform.map(handles[i].center()));
        bool drawn = false;
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx)
                drawn = drawn || shown.pixelColor(c + QPoint(dx, dy)) != plain.pixelColor(c + QPoint(dx, dy));
        }
        QVERIFY2(drawn, qPrintable(QString::number(i)));
    }
    // Away from the handles the selected item looks as it did.
    const QPoint inside = at(QPointF(200, 130));
    QCOMPARE(shown.pixelColor(inside), plain.pixelColor(inside));
    // Pressing where a corner handle is drawn starts a resize there.
    press(item->transform.map(handles[3].center()));
    QCOMPARE(m_canvas->dragMode(), int(canvasdrag::ResizeFree));
    release(item->transform.map(handles[3].center()));
}

void TestCReportPE::ctrlWheelZoomsAroundThePointer()
{
    // Larger than the view both ways, so the scroll bars can hold the point still.
    m_canvas->setZoom(1.0);
    const QPoint pointer(300, 200);
    const QPointF under = m_canvas->mapToPage(pointer);
    QWheelEvent wheel(QPointF(pointer), QPointF(m_canvas->viewport()->mapToGlobal(pointer)), QPoint(),
                      QPoint(0, 240), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_canvas->viewport(), &wheel);
    QCOMPARE(m_canvas->zoom(), 1.1 * 1.1);
    const QPointF now = m_canvas->viewTransform().map(under);
    QVERIFY(qAbs(now.x() - pointer.x()) <= 1 && qAbs(now.y() - pointer.y()) <= 1);
    QCOMPARE(m_canvas->zoomText(), QStringLiteral("161%"));
}

void TestCReportPE::rightClickSelectsAndOpensTheContextMenu()
{
    ChartItem *a = addItem(ChartItem::KindText, QRectF(100, 100, 100, 50));
    ChartItem *b = addItem(ChartItem::KindText, QRectF(300, 100, 100, 50));
    QAction copy(QStringLiteral("Copy")), remove(QStringLiteral("Delete"));
    m_canvas->setContextActions({&copy, &remove});
    m_session->setSelection({a});
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                offered << action->text();
            menu->close();
        }
    });
    const QPoint on = at(QPointF(350, 120));
    QTest::mousePress(m_canvas->viewport(), Qt::RightButton, {}, on);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, on, m_canvas->viewport()->mapToGlobal(on));
    QApplication::sendEvent(m_canvas->viewport(), &menuEvent);
    QCOMPARE(m_canvas->selectedItems(), QList<ChartItem *>{b});
    QCOMPARE(offered, (QStringList{QStringLiteral("Copy"), QStringLiteral("Delete")}));
}

QZ_WIDGET_TEST_MAIN(TestCReportPE)
#include "tst_creportpe.moc"
