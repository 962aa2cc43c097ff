#include "chart/chartitem.h"
#include "chart/chartpage.h"
#include "chartedit/ciconlist.h"
#include "chartedit/cilcontainer.h"
#include "chartedit/cilcontainerwidget.h"
#include "chartedit/cilitem.h"
#include "chartedit/cpapersizedlg.h"
#include "chartedit/creatorwindowstate.h"
#include "chartedit/papersizes.h"
#include "chartedit/propertyrows.h"
#include "tests/common/widgettestmain.h"

#include <QComboBox>
#include <QDataStream>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

ChartItem *addReference(ChartPage &page, int order)
{
    auto frame = ChartItem::createFrame(ChartItem::KindBlockReference, QSizeF(50, 50));
    frame->content->order = order;
    return page.addItem(std::move(frame))->content.get();
}

QList<int> orders(const ChartPage &page)
{
    QList<int> result;
    for (const ChartItem *ref : page.blockReferences())
        result << ref->order;
    return result;
}

QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *t : texts)
        list << QString::fromLatin1(t);
    return list;
}

QVector<PropertyRow> withIndex(QVector<PropertyRow> rows, const QString &title, int index)
{
    for (PropertyRow &r : rows) {
        if (r.title == title)
            r.index = index;
    }
    return rows;
}

} // namespace

class TestCreatorParts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<CILItem *>(); }

    // ---- paper-size dialog ----

    void sizesAreClampedToTheirLimits()
    {
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantPage, false);
        dlg.setValues(QStringLiteral("Page"), 8.5, 11.0, 1);
        dlg.widthEdit()->setText(QStringLiteral("0.05"));
        QCOMPARE(dlg.widthInches(), 0.1);
        // Millimetres are divided by 25.4 before the clamp: 600 mm is 23.62 inches,
        // within the limit; 1300 mm is past it.
        dlg.unitList()->setCurrentIndex(1);
        dlg.OnUnits(1);
        dlg.heightEdit()->setText(QStringLiteral("600"));
        QCOMPARE(dlg.heightInches(), 600 / 25.4);
        dlg.heightEdit()->setText(QStringLiteral("1300"));
        QCOMPARE(dlg.heightInches(), 50.0);
        dlg.heightEdit()->setText(QStringLiteral("254"));
        QCOMPARE(dlg.heightInches(), 10.0);
        dlg.unitList()->setCurrentIndex(0);
        dlg.OnUnits(0);
        dlg.heightEdit()->setText(QStringLiteral("600"));
        QCOMPARE(dlg.heightInches(), 50.0);
        // Garbage in an edit falls to the smallest size rather than to nothing.
        dlg.widthEdit()->setText(QString());
        QCOMPARE(dlg.widthInches(), 0.1);
    }

    void pageCountsAreClampedAndZeroIsUnlimited()
    {
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantPage, false);
        dlg.setValues(QStringLiteral("Page"), 8.5, 11.0, 0);
        QCOMPARE(dlg.countList()->currentText(), QString(QChar(0x221E)));
        QCOMPARE(dlg.pageCount(), 0);
        dlg.countList()->setEditText(QStringLiteral("200000"));
        QCOMPARE(dlg.pageCount(), 100000);
        dlg.countList()->setEditText(QStringLiteral("99999999999999999999999"));
        QCOMPARE(dlg.pageCount(), 100000);
        dlg.countList()->setEditText(QStringLiteral("-4"));
        QCOMPARE(dlg.pageCount(), 0);
        dlg.countList()->setEditText(QStringLiteral("12"));
        QCOMPARE(dlg.pageCount(), 12);
        // Words are no count, not "unlimited": typing one is refused, set anyway it changes nothing.
        dlg.setValues(QStringLiteral("Page"), 8.5, 11.0, 5);
        QTest::keyClicks(dlg.countList()->lineEdit(), QStringLiteral("abc"));
        QCOMPARE(dlg.pageCount(), 5);
        dlg.countList()->setEditText(QStringLiteral("many"));
        QCOMPARE(dlg.pageCount(), 5);
        QCOMPARE(papersize::pageCountText(0), QString(QChar(0x221E)));
        QCOMPARE(papersize::pageCountText(7), QStringLiteral("7"));
    }

    void paperAndOrientationAreRecognisedWithinTolerance_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("orientation");
        const double a4w = 210 / 25.4, a4h = 297 / 25.4;
        QTest::newRow("A4 exact") << a4w << a4h << "A4 (210mm x 297mm)" << "Vertical";
        QTest::newRow("A4 within 0.02") << a4w + 0.019 << a4h - 0.019 << "A4 (210mm x 297mm)" << "Vertical";
        QTest::newRow("A4 swapped") << a4h << a4w << "A4 (210mm x 297mm)" << "Horizontal";
        QTest::newRow("A4 off by 0.03") << a4w + 0.03 << a4h << "Custom" << "Vertical";
        QTest::newRow("Letter") << 8.5 << 11.0 << "Letter (8.5\" x 11\")" << "Vertical";
        // Ledger is Tabloid turned: the upright match wins.
        QTest::newRow("Ledger") << 17.0 << 11.0 << "Ledger (17\" x 11\")" << "Vertical";
        QTest::newRow("Tabloid") << 11.0 << 17.0 << "Tabloid (11\" x 17\")" << "Vertical";
        QTest::newRow("wide custom") << 9.0 << 4.0 << "Custom" << "Horizontal";
    }

    void paperAndOrientationAreRecognisedWithinTolerance()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(QString, paper);
        QFETCH(QString, orientation);
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantBlock, false);
        dlg.setValues(QStringLiteral("x"), width, height);
        QCOMPARE(dlg.paperList()->currentText(), paper);
        QCOMPARE(dlg.orientationList()->currentText(), orientation);
    }

    void choosingPaperAndUnitsFillsTheEdits()
    {
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantBlock, false);
        dlg.setValues(QStringLiteral("x"), 3.0, 2.0);
        const int a5 = dlg.paperList()->findText(QStringLiteral("A5 (148.5mm x 210mm)"));
        dlg.orientationList()->setCurrentIndex(0);
        dlg.paperList()->setCurrentIndex(a5);
        dlg.OnPaperSize(a5);
        QCOMPARE(dlg.widthEdit()->text(), QStringLiteral("5.85"));
        dlg.orientationList()->setCurrentIndex(1);
        dlg.OnOrientation(1);
        QCOMPARE(dlg.widthEdit()->text(), QStringLiteral("8.27"));
        dlg.unitList()->setCurrentIndex(1);
        dlg.OnUnits(1);
        QCOMPARE(dlg.widthEdit()->text(), QStringLiteral("210.0"));
        QCOMPARE(dlg.heightEdit()->text(), QStringLiteral("148.5"));
        QVERIFY(qAbs(dlg.widthInches() - 210 / 25.4) < 1e-9);
        // Typing a known size in millimetres selects it.
        dlg.widthEdit()->setText(QStringLiteral("297"));
        dlg.heightEdit()->setText(QStringLiteral("210"));
        dlg.OnSizeEdited();
        QCOMPARE(dlg.paperList()->currentText(), QStringLiteral("A4 (210mm x 297mm)"));
        QCOMPARE(dlg.orientationList()->currentText(), QStringLiteral("Horizontal"));
    }

    void untouchedSizesComeBackExactly()
    {
        // 840 page units are 8.2677... inches; the edit shows 8.27.
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantPage, false);
        const double w = 840 / 101.6, h = 1188 / 101.6;
        dlg.setValues(QStringLiteral("p"), w, h, 3);
        QCOMPARE(dlg.widthEdit()->text(), QStringLiteral("8.27"));
        QCOMPARE(dlg.widthInches(), w);
        QCOMPARE(dlg.heightInches(), h);
        dlg.widthEdit()->setText(QStringLiteral("8.27"));
        QCOMPARE(dlg.widthInches(), w); // same text, same value
        dlg.widthEdit()->setText(QStringLiteral("8.3"));
        QCOMPARE(dlg.widthInches(), 8.3);
    }

    void screenUnitsOfTheChartVariant()
    {
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantChart, true);
        QVERIFY(dlg.backgroundButton());
        QCOMPARE(dlg.backgroundButton()->text(), QStringLiteral("Set Background"));
        QCOMPARE(dlg.unitList()->currentIndex(), 2);
        dlg.setValues(QStringLiteral("Chart"), 840 / 101.6, 1188 / 101.6);
        // Page units / 1.18.
        QCOMPARE(dlg.widthEdit()->text(), QStringLiteral("711.9"));
        dlg.widthEdit()->setText(QStringLiteral("118"));
        QVERIFY(qAbs(dlg.widthInches() * 101.6 - 139.24) < 1e-9);
        CPaperSizeDlg plain(CPaperSizeDlg::VariantChart, false);
        QVERIFY(!plain.backgroundButton());
        QCOMPARE(plain.unitList()->count(), 2);
    }

    void okAndCancelAreReported()
    {
        CPaperSizeDlg dlg(CPaperSizeDlg::VariantBlock, false);
        QSignalSpy finished(&dlg, SIGNAL(finished()));
        QVERIFY(dlg.cancelled());
        dlg.OnOk();
        QVERIFY(!dlg.cancelled());
        dlg.OnCancel();
        QVERIFY(dlg.cancelled());
        QCOMPARE(finished.count(), 2);
    }

    // ---- property rows ----

    void opacityIndexMapsToAlpha()
    {
        QCOMPARE(propertyrows::opacityAlpha(5), 127);
        QCOMPARE(propertyrows::opacityAlpha(10), 255);
        QCOMPARE(propertyrows::opacityAlpha(0), 0);
        ChartPage page;
        ChartItem *panel = page.addItem(ChartItem::createFrame(ChartItem::KindNumberTable, QSizeF(200, 100)))
                               ->content.get();
        QVector<PropertyRow> rows = propertyrows::rowsFor(*panel, page);
        propertyrows::applyRows(*panel, page, withIndex(rows, QStringLiteral("Opacity"), 5));
        QCOMPARE(panel->background.alpha(), 127);
        // The chosen entry is what the row shows again.
        rows = propertyrows::rowsFor(*panel, page);
        for (const PropertyRow &r : rows) {
            if (r.title == QLatin1String("Opacity"))
                QCOMPARE(r.entries.value(r.index), QStringLiteral("50%"));
        }
    }

    void blockOrdersStayDistinct()
    {
        ChartPage page;
        ChartItem *a = addReference(page, 0);
        ChartItem *b = addReference(page, 1);
        ChartItem *c = addReference(page, 2);
        propertyrows::setBlockOrder(page, *c, 0);
        QCOMPARE(a->order, 1);
        QCOMPARE(b->order, 2);
        QCOMPARE(c->order, 0);

        // Every move on a page of four keeps the orders a permutation.
        for (int who = 0; who < 4; ++who) {
            for (int to = 0; to < 6; ++to) {
                ChartPage p;
                QList<ChartItem *> refs;
                for (int i = 0; i < 4; ++i)
                    refs << addReference(p, i);
                propertyrows::setBlockOrder(p, *refs[who], to);
                QList<int> got = orders(p);
                std::sort(got.begin(), got.end());
                QCOMPARE(got, (QList<int>{0, 1, 2, 3}));
                QCOMPARE(refs[who]->order, qMin(to, 3));
            }
        }
    }

    void rowsByContentKind()
    {
        ChartPage page;
        auto titles = [](const QVector<PropertyRow> &rows) {
            QStringList t;
            for (const PropertyRow &r : rows)
                t << r.title;
            return t;
        };
        ChartItem *image = page.addItem(ChartItem::createFrame(ChartItem::KindImage, QSizeF(9, 9)))->content.get();
        QVERIFY(propertyrows::rowsFor(*image, page).isEmpty());
        ChartItem *text = page.addItem(ChartItem::createFrame(ChartItem::KindText, QSizeF(9, 9)))->content.get();
        text->fieldCode = QStringLiteral("#text");
        QCOMPARE(titles(propertyrows::rowsFor(*text, page)),
                 strings({"Text", "Color", "Font", "Frame", "Frame Color"}));
        ChartItem *bar = page.addItem(ChartItem::createFrame(ChartItem::KindBarcode, QSizeF(9, 9)))->content.get();
        QCOMPARE(titles(propertyrows::rowsFor(*bar, page)),
                 strings({"Field", "Bar code", "Text", "Color", "Alignment"}));
        ChartItem *panel = page.addItem(ChartItem::createFrame(ChartItem::KindBridges, QSizeF(9, 9)))->content.get();
        QCOMPARE(titles(propertyrows::rowsFor(*panel, page)),
                 strings({"Color", "Font", "Alignment", "Frame", "Frame Color", "Background", "Opacity"}));
        ChartItem *ref = addReference(page, 0);
        addReference(page, 1);
        const QVector<PropertyRow> refRows = propertyrows::rowsFor(*ref, page);
        QCOMPARE(titles(refRows), strings({"Order #", "Frame", "Frame Color"}));
        QCOMPARE(refRows[0].entries, strings({"0", "1"}));
        // Unknown alignments show "Left".
        panel->alignment = 8;
        QCOMPARE(propertyrows::rowsFor(*panel, page)[2].index, 0);
    }

    void fieldChoicesChangeTheItem()
    {
        ChartPage page;
        ChartItem *field = page.addItem(ChartItem::createFrame(ChartItem::KindText, QSizeF(9, 9)))->content.get();
        field->fieldCode = QStringLiteral("#short_name");
        QVector<PropertyRow> rows = propertyrows::rowsFor(*field, page);
        const PropertyRow &fieldRow = rows.last();
        QCOMPARE(fieldRow.title, QStringLiteral("Field"));
        QCOMPARE(fieldRow.entries.value(fieldRow.index), QStringLiteral("#short_name"));
        // Writing the rows back unchanged changes nothing.
        QVERIFY(!propertyrows::applyRows(*field, page, rows));
        QCOMPARE(field->fieldCode, QStringLiteral("#short_name"));

        const int pageNumber = fieldRow.entries.indexOf(QStringLiteral("#pagenumber"));
        QVERIFY(propertyrows::applyRows(*field, page, withIndex(rows, QStringLiteral("Field"), pageNumber)));
        QCOMPARE(field->fieldCode, QStringLiteral("#pagenumber"));
        QVERIFY(field->fixedField);
        QVERIFY(!field->editableText);
        QCOMPARE(field->text, QStringLiteral("PAGE #"));

        // A barcode that takes a field carries the person's value.
        ChartItem *bar = page.addItem(ChartItem::createFrame(ChartItem::KindBarcode, QSizeF(9, 9)))->content.get();
        bar->text = QStringLiteral("Bar Codes");
        rows = propertyrows::rowsFor(*bar, page);
        const int fullName = rows[0].entries.indexOf(QStringLiteral("#full_name"));
        QVERIFY(fullName > 0);
        QVERIFY(propertyrows::applyRows(*bar, page, withIndex(rows, QStringLiteral("Field"), fullName)));
        QCOMPARE(bar->fieldCode, QStringLiteral("#full_name"));
        QCOMPARE(bar->text, QStringLiteral("#full_name"));
    }

    // ---- strips ----

    void stripReordersByDropAndIgnoresOtherStrips()
    {
        ChartPage p1, p2, p3;
        CIconList strip;
        strip.resize(120, 400);
        strip.show();
        for (ChartPage *p : {&p1, &p2, &p3})
            strip.addItem(p, QImage(), QStringLiteral("Page"), papersize::pageCountText(0));
        QCOMPARE(strip.items().first()->countText(), QString(QChar(0x221E)));
        QSignalSpy dropped(&strip, SIGNAL(signalItemDrop()));
        CILContainerWidget *column = strip.container()->column();

        auto dropAt = [column](quint64 tag, int from, int y) {
            QByteArray data;
            QDataStream out(&data, QIODevice::WriteOnly);
            out << tag << qint32(from);
            QMimeData mime;
            mime.setData(CILContainerWidget::mimeType(), data);
            QDropEvent drop(QPointF(10, y), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
            // Straight to the widget: the application lets drops through only during a real drag.
            static_cast<QObject *>(column)->event(&drop);
            return drop.isAccepted();
        };
        // The first entry dropped below the last one goes to the end.
        const int below = strip.items().last()->geometry().bottom() + 2;
        QVERIFY(dropAt(column->ownerTag(), 0, below));
        QCOMPARE(strip.pages(), (QList<ChartPage *>{&p2, &p3, &p1}));
        QCOMPARE(dropped.count(), 1);
        // An entry of another strip is refused.
        QVERIFY(!dropAt(column->ownerTag() + 1, 0, 2));
        QCOMPARE(strip.pages(), (QList<ChartPage *>{&p2, &p3, &p1}));
        QCOMPARE(dropped.count(), 1);

        QSignalSpy selected(&strip, SIGNAL(itemSelected(CILItem *)));
        // A press may start a drag: only the release of a click selects.
        QTest::mousePress(strip.items()[1], Qt::LeftButton);
        QCOMPARE(selected.count(), 0);
        QTest::mouseRelease(strip.items()[1], Qt::LeftButton);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(strip.selectedItem()->page(), &p3);
    }

    // ---- window state ----

    void windowStateSurvivesAndHostileFilesAreRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("creator.cfg"));
        CreatorWindowState state;
        state.size = QSize(1111, 777);
        state.maximized = true;
        state.columnWidths = {150, 600, 250};
        QVERIFY(state.write(path));
        CreatorWindowState back;
        QVERIFY(CreatorWindowState::read(path, back));
        QCOMPARE(back.size, QSize(1111, 777));
        QVERIFY(back.maximized);
        QCOMPARE(back.columnWidths, (QList<int>{150, 600, 250}));

        // A column count past the limit is refused, not allocated.
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QDataStream out(&f);
        out.setVersion(QDataStream::Qt_4_6);
        out << QByteArray("QZCREATORWIN") << qint32(1) << qint32(900) << qint32(600) << false
            << qint32(2000000000);
        f.close();
        CreatorWindowState untouched;
        QVERIFY(!CreatorWindowState::read(path, untouched));
        QVERIFY(!untouched.size.isValid());
        QVERIFY(!CreatorWindowState::read(dir.filePath(QStringLiteral("missing")), untouched));
        // A write into a folder that does not exist fails and says so.
        QVERIFY(!state.write(dir.filePath(QStringLiteral("no/such/folder.cfg"))));
    }
};

QZ_WIDGET_TEST_MAIN(TestCreatorParts)
#include "tst_creatorparts.moc"
