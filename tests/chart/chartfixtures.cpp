#include "chartfixtures.h"

#include "chart/chartfields.h"
#include "chart/chartprofileengine.h"

#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"

ChartProfile samplePerson(const QString &full, const QString &shortName, const QDate &birth)
{
    NumerologyInput input;
    input.fullName = full;
    input.shortName = shortName;
    input.birthDate = birth;
    input.targetDate = QDate(2026, 12, 7);
    input.calcOnly = true;
    CNumerology engine;
    engine.calculate(input);
    CNumerologyPMatrix matrix;
    matrix.calculate(full, birth);
    return chartProfileFromEngine(engine, &matrix, full, shortName);
}

ChartItem *addTextItem(ChartPage &page, const QString &code, const QString &text, double x,
                       double y)
{
    ChartItem *frame = createFieldItem(page, text, QPointF(x, y), QSizeF(200, 30));
    frame->content->kind = ChartItem::KindText;
    frame->content->fieldCode = code;
    frame->content->fixedField = code != QLatin1String("#text");
    frame->content->editableText = code == QLatin1String("#text");
    return frame;
}

void buildRichDocument(ChartDocument &doc)
{
    doc.newDocument();
    doc.title = QStringLiteral("Rich chart");
    doc.showGrid = false;
    doc.snapToGrid = true;
    doc.showBoundaries = false;
    doc.gridStepX = 12.5;
    doc.gridStepY = 7.25;

    ChartPage *blockA = doc.addBlock();
    blockA->size = QSizeF(300, 150);
    addTextItem(*blockA, QStringLiteral("#short_name"), QStringLiteral("SHORT NAME"), 5, 5);
    ChartPage *blockB = doc.addBlock();
    blockB->size = QSizeF(200, 100);
    ChartItem *code = createFieldItem(*blockB, QStringLiteral("123"), QPointF(0, 0), QSizeF(190, 90));
    code->content->kind = ChartItem::KindBarcode;
    code->content->barcodeType = 2;

    ChartPage *first = doc.currentPage;
    first->name = QStringLiteral("Front");
    first->pageCount = 3;
    first->reserved = -77;
    first->backgroundColor = QColor(10, 20, 30, 40);
    first->backgroundMode = 2;
    QImage background(16, 8, QImage::Format_ARGB32);
    background.fill(QColor(200, 100, 50));
    first->backgroundImage = background;

    ChartItem *text = addTextItem(*first, QStringLiteral("#full_name"), QStringLiteral("FULL NAME"), 40, 50);
    ChartItem *c = text->content.get();
    c->auxText = QStringLiteral("aux");
    c->textColor = QColor(1, 2, 3, 4);
    c->naturalSize = QSizeF(9, 8);
    c->flagA = false;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(17);
    font.setBold(true);
    font.setItalic(true);
    c->font = font;
    c->alignment = Qt::AlignRight | Qt::AlignVCenter;
    c->lineStyle = Qt::DashLine;
    c->lineWidth = 2.5;
    c->lineColor = QColor(9, 9, 9);
    c->frameStyle = 1;
    c->frameColor = QColor(0, 128, 0);
    c->partSelector = 2;
    c->fitTo = 0;
    c->background = QColor(1, 1, 1, 99);
    text->setRotation(-30);
    text->transform = QTransform(1.5, 0.2, -0.2, 1.25, 40, 50);

    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(QColor(0, 0, 255));
    createImageItem(*first, picture, QPointF(100, 300));

    ChartItem *shape = createFieldItem(*first, QString(), QPointF(300, 300), QSizeF(80, 60));
    shape->content->kind = ChartItem::KindShape;
    QPainterPath path;
    path.moveTo(0, 0);
    path.cubicTo(10, 40, 60, 50, 80, 60);
    path.lineTo(0, 60);
    path.closeSubpath();
    shape->content->outline = path;

    ChartItem *barcode = createFieldItem(*first, QStringLiteral("4006381333931"), QPointF(400, 700), QSizeF(300, 80));
    barcode->content->kind = ChartItem::KindBarcode;
    barcode->content->barcodeType = 5;
    barcode->content->editableText = true;

    ChartPage *second = doc.addPage();
    createBlockItem(*second, blockB, QPointF(10, 10));
    createBlockItem(*second, blockA, QPointF(10, 400));
    ChartItem *orphan = createFieldItem(*second, QString(), QPointF(500, 500), QSizeF(50, 50));
    orphan->content->kind = ChartItem::KindBlockReference;
    orphan->content->imageNumber = 7; // its block is gone
    second->items.push_back(std::make_unique<ChartItem>(ChartItem::KindFrame)); // a frame without content

    doc.pageSets.emplace_back();
    auto extra = std::make_unique<ChartPage>();
    extra->name = QStringLiteral("Second set");
    extra->size = QSizeF(400, 300);
    addTextItem(*extra, QStringLiteral("#text"), QStringLiteral("hello"), 1, 1);
    doc.pageSets.back().push_back(std::move(extra));
}
