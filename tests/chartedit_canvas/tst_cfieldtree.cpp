// The field tree beside the canvas: what it drags, what a drop creates, and
// the Alt and Shift keys held over the window.
#include "chart/chartdocument.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/cfieldtree.h"
#include "chartedit/charteditsession.h"
#include "chartedit/creportpe.h"
#include "tests/common/widgettestmain.h"

#include <QHBoxLayout>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <memory>

class TestCFieldTree : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entriesDragInTheCanvasFormat();
    void dropsCreateTheEntrysItem_data();
    void dropsCreateTheEntrysItem();
    void altAddsATitleToCalculatedData();
    void imageAsksForAPicture();
    void shiftSwitchesDraggingOff();

private:
    ChartPage *page() const { return m_session->currentPage(); }

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<ChartEditSession> m_session;
    QUndoStack *m_stack = nullptr;
    CFieldTree *m_tree = nullptr;
    CReportPE *m_canvas = nullptr;
};

void TestCFieldTree::init()
{
    m_session = std::make_unique<ChartEditSession>();
    m_stack = m_session->undoStack();
    m_window = std::make_unique<QWidget>();
    m_window->setWindowTitle(QStringLiteral("Field tree test"));
    auto *layout = new QHBoxLayout(m_window.get());
    m_tree = new CFieldTree(QStringLiteral(QZ_BIN_DIR "/images"));
    m_canvas = new CReportPE(m_session.get());
    layout->addWidget(m_tree);
    layout->addWidget(m_canvas, 1);
    m_window->resize(900, 600);
    m_window->show();
    m_canvas->setZoom(1.0);
}

void TestCFieldTree::cleanup()
{
    m_window.reset();
    m_session.reset();
}

void TestCFieldTree::entriesDragInTheCanvasFormat()
{
    QVERIFY(m_tree->selectEntry(QStringLiteral("Birthdate")));
    const QModelIndexList rows = m_tree->selectionModel()->selectedIndexes();
    QCOMPARE(rows.size(), 1);
    std::unique_ptr<QMimeData> data(m_tree->model()->mimeData(rows));
    QVERIFY(data->hasFormat(QStringLiteral("application/x-qabstractitemmodeldatalist")));
    QCOMPARE(rows.first().data(CFieldTree::CodeRole).toInt(), 1002);
    // Groups are headings: neither selectable nor draggable.
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const Qt::ItemFlags flags = m_tree->topLevelItem(i)->flags();
        QVERIFY(!(flags & Qt::ItemIsDragEnabled));
        QVERIFY(!(flags & Qt::ItemIsSelectable));
    }
    QCOMPARE(m_tree->topLevelItemCount(), 4);
}

void TestCFieldTree::dropsCreateTheEntrysItem_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QString>("fieldCode");
    QTest::addColumn<bool>("fixedField");
    QTest::newRow("variable") << "Print date" << int(ChartItem::KindText) << QSizeF(120, 25)
                              << "#print_date" << true;
    QTest::newRow("core number") << "Heart's Desire" << int(ChartItem::KindText) << QSizeF(120, 25)
                                 << "#heart_desire" << true;
    QTest::newRow("text") << "Text" << int(ChartItem::KindText) << QSizeF(120, 25) << "#text"
                          << false;
    QTest::newRow("barcode") << "Bar Codes" << int(ChartItem::KindBarcode) << QSizeF(120, 25)
                             << "" << false;
    QTest::newRow("panel") << "Personal numbers calendar" << int(ChartItem::KindCalendarPanel)
                           << QSizeF(650, 52) << "Personal numbers calendar" << false;
    QTest::newRow("table") << "Bridges" << int(ChartItem::KindBridges) << QSizeF(200, 36)
                           << "Bridges" << false;
}

void TestCFieldTree::dropsCreateTheEntrysItem()
{
    QFETCH(QString, entry);
    QFETCH(int, kind);
    QFETCH(QSizeF, size);
    QFETCH(QString, fieldCode);
    QFETCH(bool, fixedField);
    QVERIFY(m_tree->selectEntry(entry));
    const QPoint drop = m_canvas->viewTransform().map(QPointF(100, 200)).toPoint();
    ChartItem *frame = m_tree->addFieldAt(m_canvas, drop);
    QVERIFY(frame);
    QCOMPARE(frame->content->kind, kind);
    QCOMPARE(frame->size, size);
    QCOMPARE(frame->content->fieldCode, fieldCode);
    QCOMPARE(frame->content->fixedField, fixedField);
    QCOMPARE(frame->content->font.pixelSize(), 11);
    QCOMPARE(canvasgeometry::frameBounds(*frame).topLeft(), QPointF(100, 200));
    QCOMPARE(m_stack->count(), 1);
}

void TestCFieldTree::altAddsATitleToCalculatedData()
{
    const QPoint drop = m_canvas->viewTransform().map(QPointF(50, 300)).toPoint();
    QVERIFY(m_tree->selectEntry(QStringLiteral("Main Features")));
    QTest::keyPress(m_canvas, Qt::Key_Alt);
    QVERIFY(m_tree->altHeld());
    ChartItem *table = m_tree->addFieldAt(m_canvas, drop);
    QVERIFY(table);
    QCOMPARE(int(page()->items.size()), 2);
    ChartItem *title = page()->items.back().get();
    QVERIFY(title != table);
    QCOMPARE(title->size, QSizeF(150, 25));
    QCOMPARE(title->content->text, QStringLiteral("Main Features"));
    QVERIFY(title->content->fixedField);
    QCOMPARE(canvasgeometry::frameBounds(*title).topLeft(), QPointF(50, 275));
    // Both come and go as one step.
    QCOMPARE(m_stack->count(), 1);
    m_stack->undo();
    QVERIFY(page()->items.empty());
    m_stack->redo();
    QCOMPARE(int(page()->items.size()), 2);

    // Variables never get a title; after Alt is released nothing does.
    QVERIFY(m_tree->selectEntry(QStringLiteral("Full Name")));
    QVERIFY(m_tree->addFieldAt(m_canvas, drop));
    QCOMPARE(int(page()->items.size()), 3);
    QTest::keyRelease(m_canvas, Qt::Key_Alt);
    QVERIFY(!m_tree->altHeld());
    QVERIFY(m_tree->selectEntry(QStringLiteral("Life Cycles")));
    QVERIFY(m_tree->addFieldAt(m_canvas, drop));
    QCOMPARE(int(page()->items.size()), 4);
}

void TestCFieldTree::imageAsksForAPicture()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString big = dir.filePath(QStringLiteral("wide.png"));
    QImage picture(4000, 2000, QImage::Format_RGB32);
    picture.fill(Qt::darkYellow);
    QVERIFY(picture.save(big));
    const QString broken = dir.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();

    QString answer;
    int asked = 0;
    m_tree->setPictureChooser([&](QWidget *) {
        ++asked;
        return answer;
    });
    QVERIFY(m_tree->selectEntry(QStringLiteral("Image")));
    const QPoint drop = m_canvas->viewTransform().map(QPointF(10, 10)).toPoint();
    for (const QString &refused : {QString(), QStringLiteral("a.pn"), broken}) {
        answer = refused;
        QVERIFY(!m_tree->addFieldAt(m_canvas, drop));
    }
    QCOMPARE(asked, 3);
    QVERIFY(page()->items.empty());
    QCOMPARE(m_stack->count(), 0);

    answer = big;
    ChartItem *image = m_tree->addFieldAt(m_canvas, drop);
    QVERIFY(image);
    QCOMPARE(image->content->kind, int(ChartItem::KindImage));
    QCOMPARE(image->content->image.size(), QSize(1024, 512));
    QCOMPARE(image->content->fieldCode, QStringLiteral("#image"));
    QCOMPARE(image->size, QSizeF(210, 105));
}

void TestCFieldTree::shiftSwitchesDraggingOff()
{
    QVERIFY(m_tree->dragEnabled());
    QTest::keyPress(m_canvas, Qt::Key_Shift);
    QVERIFY(!m_tree->dragEnabled());
    QTest::keyRelease(m_canvas, Qt::Key_Shift);
    QVERIFY(m_tree->dragEnabled());
    // Keys of another window leave the tree alone.
    QWidget other;
    other.show();
    QTest::keyPress(&other, Qt::Key_Shift);
    QVERIFY(m_tree->dragEnabled());
    QTest::keyRelease(&other, Qt::Key_Shift);
}

QZ_WIDGET_TEST_MAIN(TestCFieldTree)
#include "tst_cfieldtree.moc"
