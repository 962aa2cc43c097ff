// The per-value text editor and the picture chooser, offscreen.
#include "reportedit/cimagepreview.h"
#include "reportedit/ctexteditor.h"
#include "reportedit/valuetexts.h"
#include "reports/creportfielditem.h"
#include "reports/creporttools.h"
#include "reports/reportcatalogue.h"
#include "tests/common/widgettestmain.h"
#include "texts/interpretationtexts.h"
#include "tests/common/modaldialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>
#include <QtTest>

namespace {

QPushButton *buttonNamed(QWidget *w, const QString &name)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == name)
            return b;
    return nullptr;
}

void choose(CTextEditor &ed, const QString &label)
{
    const int i = ed.valueChooser()->findText(label);
    QVERIFY2(i >= 0, qPrintable(label));
    ed.valueChooser()->setCurrentIndex(i);
}

QToolButton *toolNamed(QWidget *w, const QString &name)
{
    for (QToolButton *b : w->findChildren<QToolButton *>())
        if (b->accessibleName() == name)
            return b;
    return nullptr;
}

QString savePicture(const QTemporaryDir &dir, const QString &name, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    const QString path = dir.filePath(name);
    img.save(path);
    return path;
}

}  // namespace

class TstTextEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void chooserLabels();
    void storageRuleRoundTrip();
    void emptyTextRestoresStandardText();
    void defaultBoxAndCancel();
    void paragraphsListsUndoAndRestore();
    void pictureRules_data();
    void pictureRules();
    void picturePreviewOkCancelDefault();
    void editorPicksSlotPictureForCelebrities();
};

void TstTextEditor::initTestCase()
{
    QVERIFY(loadInterpretationTexts(QStringLiteral(QZ_BIN_DIR "/eng.dat")));
}

void TstTextEditor::chooserLabels()
{
    QVector<QString> table(128);
    table[0] = QStringLiteral("<p>intro</p>");
    table[3] = QStringLiteral("<p>three</p>");
    table[12] = QStringLiteral("<p>one and two</p>");
    table[111] = QStringLiteral("<p>one and eleven</p>");
    table[20] = QStringLiteral("   ");  // blank: not offered
    auto labels = [](const QVector<QPair<int, QString>> &e) {
        QStringList out;
        for (const auto &p : e)
            out << QString::number(p.first) + QLatin1Char('=') + p.second;
        return out;
    };
    QCOMPARE(labels(ValueTexts::chooserEntries(table, 101)),
             QStringList({QStringLiteral("0=Heading"), QStringLiteral("3=3"), QStringLiteral("12=12"),
                          QStringLiteral("111=111")}));
    QCOMPARE(labels(ValueTexts::chooserEntries(table, 404)),
             QStringList({QStringLiteral("0=Heading"), QStringLiteral("3=3"), QStringLiteral("12=1 + 2"),
                          QStringLiteral("111=1 + 11")}));
    // Challenges keep value n in slot 1 + n.
    QCOMPARE(labels(ValueTexts::chooserEntries(table, 115)).at(1), QStringLiteral("3=2"));
    // A table with one text gives one entry.
    QVector<QString> single(128);
    single[0] = QStringLiteral("<p>only</p>");
    QCOMPARE(ValueTexts::chooserEntries(single, 123).size(), 1);
    // The real life-path table offers its numbers, 7 among them.
    const QVector<QString> lp = ValueTexts::standardTexts(RKNumerology, 1);
    QCOMPARE(lp.size(), 128);
    bool seven = false;
    for (const auto &e : ValueTexts::chooserEntries(lp, 101))
        seven = seven || (e.first == 7 && e.second == QLatin1String("7"));
    QVERIFY(seven);
    QVERIFY(ValueTexts::standardTexts(RKNumerology, 0).isEmpty());
    QCOMPARE(ValueTexts::standardTexts(RKCelebrities, 1).size(), int(kCelebrityCount));
}

void TstTextEditor::storageRuleRoundTrip()
{
    CReportFieldItem item = CReportFieldItem::create(RKNumerology, 1);
    const QVector<QString> standard = ValueTexts::standardTexts(RKNumerology, 1);
    {
        CTextEditor ed(item.customTexts, item.images, item.useDefaultText, standard, RKNumerology, 101, nullptr);
        ed.show();
        choose(ed, QStringLiteral("7"));
        QCOMPARE(ed.textArea()->toPlainText().trimmed(),
                 QTextDocumentFragment::fromHtml(standard.at(7)).toPlainText().trimmed());
        QVERIFY(ed.defaultBox()->isChecked());
        ed.textArea()->selectAll();
        QTest::keyClicks(ed.textArea(), QStringLiteral("First line"));
        QTest::keyClick(ed.textArea(), Qt::Key_Return);
        QTest::keyClicks(ed.textArea(), QStringLiteral("Second line"));
        QVERIFY(!ed.defaultBox()->isChecked());
        // Nothing reaches the item before "Ok".
        QVERIFY(item.customTexts.at(7).isNull());
        QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Ok")), Qt::LeftButton);
    }
    const QString stored = item.customTexts.at(7);
    QVERIFY(stored.contains(QStringLiteral("<!-- md --><br><p")));
    QCOMPARE(stored.count(QStringLiteral("<!-- md --><br>")), stored.count(QStringLiteral("<p")));
    QVERIFY(!item.useDefaultText.at(7));
    QVERIFY(item.usesCustomText(7));
    // The report writer finds the text behind the markers.
    const QString body = CReportTools::extractBody(stored);
    QVERIFY(body.contains(QStringLiteral("First line")));
    QVERIFY(body.contains(QStringLiteral("Second line")));

    // Reopened, the editor shows the text without the markers.
    CTextEditor again(item.customTexts, item.images, item.useDefaultText, standard, RKNumerology, 101, nullptr);
    choose(again, QStringLiteral("7"));
    QCOMPARE(again.textArea()->toPlainText(), QStringLiteral("First line\nSecond line"));
    QVERIFY(!again.textArea()->toHtml().contains(QStringLiteral("<!-- md -->")));
    QVERIFY(!again.defaultBox()->isChecked());
    // Another value keeps its standard text and its flag.
    choose(again, QStringLiteral("3"));
    QVERIFY(again.defaultBox()->isChecked());
    QVERIFY(again.workingTexts().at(3).isNull());
}

void TstTextEditor::emptyTextRestoresStandardText()
{
    CReportFieldItem item = CReportFieldItem::create(RKNumerology, 1);
    item.customTexts[7] = ValueTexts::toStored(QStringLiteral("<html><body><p>mine</p></body></html>"));
    item.useDefaultText[7] = false;
    const QVector<QString> standard = ValueTexts::standardTexts(RKNumerology, 1);
    CTextEditor ed(item.customTexts, item.images, item.useDefaultText, standard, RKNumerology, 101, nullptr);
    ed.show();
    choose(ed, QStringLiteral("7"));
    QCOMPARE(ed.textArea()->toPlainText(), QStringLiteral("mine"));
    ed.textArea()->selectAll();
    QTest::keyClick(ed.textArea(), Qt::Key_Delete);
    QVERIFY(ed.workingTexts().at(7).isNull());
    QVERIFY(ed.workingFlags().at(7));
    QVERIFY(ed.defaultBox()->isChecked());
    QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Ok")), Qt::LeftButton);
    QVERIFY(item.customTexts.at(7).isNull());
    QVERIFY(!item.usesCustomText(7));
    // Shown again, the slot holds the standard text.
    CTextEditor again(item.customTexts, item.images, item.useDefaultText, standard, RKNumerology, 101, nullptr);
    choose(again, QStringLiteral("7"));
    QCOMPARE(again.textArea()->toPlainText().trimmed(),
             QTextDocumentFragment::fromHtml(standard.at(7)).toPlainText().trimmed());
}

void TstTextEditor::defaultBoxAndCancel()
{
    CReportFieldItem item = CReportFieldItem::create(RKPsychoMatrix, 1);
    const CReportFieldItem original = item;
    const QVector<QString> standard = ValueTexts::standardTexts(RKPsychoMatrix, 1);
    CTextEditor ed(item.customTexts, item.images, item.useDefaultText, standard, RKPsychoMatrix, 204, nullptr);
    ed.show();
    QVERIFY(ed.valueChooser()->count() > 1);
    ed.valueChooser()->setCurrentIndex(1);
    const int slot = ed.currentSlot();
    QTest::keyClicks(ed.textArea(), QStringLiteral("added"));
    QVERIFY(!ed.workingFlags().at(slot));
    // The box alone switches back to the standard text without losing the custom one.
    QTest::mouseClick(ed.defaultBox(), Qt::LeftButton, {}, QPoint(8, ed.defaultBox()->height() / 2));
    QVERIFY(ed.workingFlags().at(slot));
    QVERIFY(!ed.workingTexts().at(slot).isNull());
    // Escape does not close; Cancel leaves the item untouched.
    QTest::keyClick(&ed, Qt::Key_Escape);
    QVERIFY(ed.isVisible());
    QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!ed.isVisible());
    QVERIFY(item == original);
}

void TstTextEditor::paragraphsListsUndoAndRestore()
{
    CReportFieldItem item = CReportFieldItem::create(RKNumerology, 1);
    const QVector<QString> standard = ValueTexts::standardTexts(RKNumerology, 1);
    CTextEditor ed(item.customTexts, item.images, item.useDefaultText, standard, RKNumerology, 101, nullptr);
    ed.show();
    choose(ed, QStringLiteral("7"));
    const int slot = ed.currentSlot();
    QTextEdit *text = ed.textArea();
    QVERIFY(!toolNamed(&ed, QStringLiteral("Undo"))->isEnabled());
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("first"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, QStringLiteral("second"));

    const struct {
        const char *button;
        Qt::Alignment alignment;
    } aligns[] = {{"Centre", Qt::AlignHCenter}, {"Align right", Qt::AlignRight}, {"Justify", Qt::AlignJustify},
                  {"Align left", Qt::AlignLeft}};
    for (const auto &a : aligns) {
        QTest::mouseClick(toolNamed(&ed, QString::fromLatin1(a.button)), Qt::LeftButton);
        QCOMPARE(text->alignment() & Qt::AlignHorizontal_Mask, a.alignment);
        QVERIFY(toolNamed(&ed, QString::fromLatin1(a.button))->isChecked());
    }
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Centre")), Qt::LeftButton);
    QVERIFY(ed.workingTexts().at(slot).contains(QLatin1String("align=\"center\"")));
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Numbered list")), Qt::LeftButton);
    QCOMPARE(text->textCursor().currentList()->format().style(), QTextListFormat::ListDecimal);
    QVERIFY(ed.workingTexts().at(slot).contains(QLatin1String("<ol")));
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Bulleted list")), Qt::LeftButton);
    QCOMPARE(text->textCursor().currentList()->format().style(), QTextListFormat::ListDisc);
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Bulleted list")), Qt::LeftButton);
    QVERIFY(!text->textCursor().currentList());

    // Undo walks back within the value; the stored text follows.
    const QString listed = ed.workingTexts().at(slot);
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Undo")), Qt::LeftButton);
    QVERIFY(text->textCursor().currentList());
    QVERIFY(ed.workingTexts().at(slot) != listed);
    QTest::mouseClick(toolNamed(&ed, QStringLiteral("Redo")), Qt::LeftButton);
    QVERIFY(!text->textCursor().currentList());

    // "Restore standard text" drops the custom text and prints the standard one.
    QVERIFY(!ed.workingFlags().at(slot));
    QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Restore standard text")), Qt::LeftButton);
    QVERIFY(ed.workingTexts().at(slot).isNull());
    QVERIFY(ed.workingFlags().at(slot));
    QVERIFY(ed.defaultBox()->isChecked());
    QCOMPARE(text->toPlainText().trimmed(), QTextDocumentFragment::fromHtml(standard.at(slot)).toPlainText().trimmed());
}

void TstTextEditor::pictureRules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QSize>("in");
    QTest::addColumn<QSize>("out");
    QTest::newRow("celebrities keep 300 x 200") << 3 << QSize(300, 200) << QSize(300, 200);
    QTest::newRow("numerology fits 126") << 0 << QSize(300, 200) << QSize(126, 84);
    QTest::newRow("pet fits 126, tall") << 4 << QSize(100, 200) << QSize(63, 126);
    QTest::newRow("small pictures grow to 126") << 1 << QSize(63, 63) << QSize(126, 126);
    QTest::newRow("celebrities shrink large ones to 460") << 3 << QSize(920, 460) << QSize(460, 230);
}

void TstTextEditor::pictureRules()
{
    QFETCH(int, kind);
    QFETCH(QSize, in);
    QFETCH(QSize, out);
    QTemporaryDir dir;
    const QString path = savePicture(dir, QStringLiteral("p.png"), in.width(), in.height());
    QImage slot;
    CImagePreview dlg(slot, kind, nullptr);
    QVERIFY(dlg.loadFile(path));
    QCOMPARE(dlg.current().size(), out);
}

void TstTextEditor::picturePreviewOkCancelDefault()
{
    QTemporaryDir dir;
    const QString path = savePicture(dir, QStringLiteral("p.png"), 300, 200);
    QImage slot;
    {
        CImagePreview dlg(slot, 0, nullptr);
        dlg.show();
        QCOMPARE(dlg.size(), QSize(400, 320));
        QCOMPARE(dlg.findChild<QLabel *>()->text(), QStringLiteral("Default"));
        QVERIFY(dlg.loadFile(path));
        QTest::mouseClick(buttonNamed(&dlg, QStringLiteral("Cancel")), Qt::LeftButton);
    }
    QVERIFY(slot.isNull());
    {
        CImagePreview dlg(slot, 0, nullptr);
        QVERIFY(dlg.loadFile(path));
        // Not a picture: refused, the loaded one stays.
        QFile junk(dir.filePath(QStringLiteral("junk.png")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("GIF89a but not really");
        junk.close();
        QVERIFY(!dlg.loadFile(junk.fileName()));
        QTest::mouseClick(buttonNamed(&dlg, QStringLiteral("Ok")), Qt::LeftButton);
    }
    QCOMPARE(slot.size(), QSize(126, 84));
    {
        CImagePreview dlg(slot, 0, nullptr);
        QTest::mouseClick(buttonNamed(&dlg, QStringLiteral("Default")), Qt::LeftButton);
        QVERIFY(!slot.isNull());  // only "Ok" writes
        QTest::mouseClick(buttonNamed(&dlg, QStringLiteral("Ok")), Qt::LeftButton);
    }
    QVERIFY(slot.isNull());
}

void TstTextEditor::editorPicksSlotPictureForCelebrities()
{
    for (int kind : {int(RKCelebrities), int(RKNumerology)}) {
        const int id = 1;
        CReportFieldItem item = CReportFieldItem::create(kind, id);
        const QVector<QString> standard = ValueTexts::standardTexts(kind, id);
        CTextEditor ed(item.customTexts, item.images, item.useDefaultText, standard, kind, textTableFor(kind, id),
                       nullptr);
        QVERIFY(ed.valueChooser()->count() > 2);
        ed.valueChooser()->setCurrentIndex(2);
        const int slot = ed.currentSlot();
        QCOMPARE(ed.imageSlot(), kind == RKCelebrities ? slot : 0);
        bool opened = false;
        qztest::whenModal<CImagePreview>([&opened](CImagePreview *p) {
            QImage img(20, 10, QImage::Format_RGB32);
            img.fill(Qt::green);
            QTemporaryDir dir;
            img.save(dir.filePath(QStringLiteral("g.png")));
            QVERIFY(p->loadFile(dir.filePath(QStringLiteral("g.png"))));
            QTest::mouseClick(buttonNamed(p, QStringLiteral("Ok")), Qt::LeftButton);
            opened = true;
        });
        QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Image")), Qt::LeftButton);
        QVERIFY(opened);
        QVERIFY(!ed.workingImages().at(ed.imageSlot()).isNull());
        QTest::mouseClick(buttonNamed(&ed, QStringLiteral("Ok")), Qt::LeftButton);
        QCOMPARE(item.images.at(kind == RKCelebrities ? slot : 0).size(),
                 kind == RKCelebrities ? QSize(20, 10) : QSize(126, 63));
    }
}

QZ_WIDGET_TEST_MAIN(TstTextEditor)
#include "tst_texteditor.moc"
