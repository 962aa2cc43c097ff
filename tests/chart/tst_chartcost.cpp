// What keeps a hostile chart from taking minutes to draw: outlines beyond the
// drawable size are left out at load with a warning, and a page stops drawing
// once its time is used up, with a mark in its corner.
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartpainter.h"
#include "chart/chartrender.h"
#include "chart/chartstream.h"

#include <QBuffer>
#include <QPainterPath>
#include <QtTest>

namespace {

ChartItem *addShape(ChartPage &page, int elements, const QPointF &at)
{
    ChartItem *frame = createFieldItem(page, QString(), at, QSizeF(100, 100));
    ChartItem *shape = frame->content.get();
    shape->kind = ChartItem::KindShape;
    QPainterPath path;
    path.moveTo(0, 0);
    for (int i = 1; i < elements; ++i)
        path.lineTo((i * 37) % 100, (i * 61) % 100);
    shape->outline = path;
    shape->textColor = QColor(0, 0, 200);
    shape->lineWidth = 0;
    return frame;
}

QByteArray saved(ChartDocument &doc)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream out(&buffer);
    return doc.saveDocument(out) == 0 ? bytes : QByteArray();
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 40 && qBlue(c) < 40;
}

} // namespace

class TestChartCost : public QObject
{
    Q_OBJECT

private slots:
    void oversizedOutlinesAreLeftOut_data();
    void oversizedOutlinesAreLeftOut();
    void spentBudgetStopsAndMarks();
    void normalPagesAreNotMarked();
};

void TestChartCost::oversizedOutlinesAreLeftOut_data()
{
    QTest::addColumn<int>("elements");
    QTest::addColumn<bool>("kept");
    QTest::newRow("a few") << 12 << true;
    QTest::newRow("at the limit") << chartstream::kMaxDrawnPathElements << true;
    QTest::newRow("one more") << chartstream::kMaxDrawnPathElements + 1 << false;
    QTest::newRow("far more") << 50000 << false;
}

void TestChartCost::oversizedOutlinesAreLeftOut()
{
    QFETCH(int, elements);
    QFETCH(bool, kept);
    ChartDocument doc;
    doc.newDocument();
    addShape(*doc.currentPage, elements, QPointF(10, 10));
    addShape(*doc.currentPage, 5, QPointF(200, 10)); // after it: still read
    const QByteArray bytes = saved(doc);
    QVERIFY(!bytes.isEmpty());
    ChartDocument loaded;
    QDataStream in(bytes);
    QCOMPARE(loaded.loadDocument(in), 0);
    QCOMPARE(int(loaded.currentPage->items.size()), 2);
    const ChartItem *first = loaded.currentPage->items.at(0)->content.get();
    const ChartItem *second = loaded.currentPage->items.at(1)->content.get();
    QCOMPARE(first->outline.elementCount(), kept ? elements : 0);
    QCOMPARE(second->outline.elementCount(), 5);
    if (kept)
        QVERIFY2(loaded.lastError().isEmpty(), qPrintable(loaded.lastError()));
    else
        QVERIFY2(loaded.lastError().contains(QLatin1String("1 shape(s) of more than 1000 points")),
                 qPrintable(loaded.lastError()));
}

void TestChartCost::spentBudgetStopsAndMarks()
{
    ChartDocument doc;
    doc.newDocument();
    ChartPage &page = *doc.currentPage;
    for (int i = 0; i < 5; ++i)
        addShape(page, 8, QPointF(150 + i * 110, 300));
    QImage picture(400, 560, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    ChartDrawBudget spent(-1);
    ChartDrawContext ctx;
    ctx.budget = &spent;
    {
        QPainter p(&picture);
        p.scale(400 / page.size.width(), 560 / page.size.height());
        drawChartPage(p, page, ctx);
    }
    QVERIFY(spent.wasSpent());
    // Nothing but the white page and the red corner.
    QVERIFY(isRed(picture.pixel(2, 2)));
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            blue += qBlue(picture.pixel(x, y)) > 150 && qRed(picture.pixel(x, y)) < 100;
    QCOMPARE(blue, 0);
}

void TestChartCost::normalPagesAreNotMarked()
{
    ChartDocument doc;
    doc.newDocument();
    addShape(*doc.currentPage, 8, QPointF(150, 300));
    const QImage picture = renderChart({ChartProfile()}, doc, QSize(400, 560));
    QVERIFY(!isRed(picture.pixel(2, 2)));
    int blue = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            blue += qBlue(picture.pixel(x, y)) > 150 && qRed(picture.pixel(x, y)) < 100;
    QVERIFY(blue > 100);
}

QTEST_MAIN(TestChartCost)
#include "tst_chartcost.moc"
