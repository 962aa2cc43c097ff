// The colour and font dialogs driven through their real controls, offscreen.
#include "dialogs/ccolordialog.h"
#include "dialogs/cmodlabel.h"
#include "dialogs/ctextdlg.h"
#include "dialogs/ctextdlgwin.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QSpinBox *spinNamed(QWidget *w, const QString &name)
{
    for (QSpinBox *s : w->findChildren<QSpinBox *>())
        if (s->accessibleName() == name)
            return s;
    return nullptr;
}

template <class T>
T *named(QWidget *w, const QString &text)
{
    for (T *b : w->findChildren<T *>())
        if (b->text() == text || b->accessibleName() == text)
            return b;
    return nullptr;
}

}  // namespace

class TstSharedDialogs : public QObject
{
    Q_OBJECT
private slots:
    void spinBoxesStayInStep();
    void clicksOnSpectrumStripAndSwatches();
    void backgroundModes_data();
    void backgroundModes();
    void addImageWithoutPictureStaysOpen();
    void presetModesSetTheChoices();
    void cancelReportsNothing();
    void fontChoicesAndSample();
    void fontCancelAndKeys();
    void pixelSizedFontsStayInPixels();
    void textAlignmentAndColour();
};

void TstSharedDialogs::spinBoxesStayInStep()
{
    CColorDialog dlg(QColor(255, 0, 0));
    QSpinBox *hue = spinNamed(&dlg, QStringLiteral("Hue:"));
    QSpinBox *sat = spinNamed(&dlg, QStringLiteral("Sat:"));
    QSpinBox *val = spinNamed(&dlg, QStringLiteral("Val:"));
    QSpinBox *red = spinNamed(&dlg, QStringLiteral("Red:"));
    QSpinBox *green = spinNamed(&dlg, QStringLiteral("Green:"));
    QSpinBox *blue = spinNamed(&dlg, QStringLiteral("Blue:"));
    QVERIFY(hue && sat && val && red && green && blue);
    QCOMPARE(hue->value(), 0);
    QCOMPARE(sat->value(), 255);
    QCOMPARE(val->value(), 255);

    // RGB edits move the HSV boxes.
    red->setValue(0);
    green->setValue(128);
    QCOMPARE(hue->value(), 120);
    QCOMPARE(val->value(), 128);
    QCOMPARE(sat->value(), 255);
    // HSV edits move the RGB boxes, and the preview swatch follows.
    hue->setValue(240);
    QCOMPARE(red->value(), 0);
    QCOMPARE(green->value(), 0);
    QCOMPARE(blue->value(), 128);
    QCOMPARE(dlg.color(), QColor(0, 0, 128));
    QLabel *preview = named<QLabel>(&dlg, QStringLiteral("Preview"));
    QVERIFY(preview);
    QVERIFY(preview->styleSheet().startsWith(QStringLiteral("background-color : rgb(0, 0, 128);")));

    // A grey has no hue of its own: the chosen hue survives.
    red->setValue(90);
    green->setValue(90);
    blue->setValue(90);
    QCOMPARE(sat->value(), 0);
    QCOMPARE(hue->value(), 240);
    QCOMPARE(dlg.color(), QColor(90, 90, 90));

    // Typed values beyond the range are clamped by the boxes.
    sat->setValue(400);
    QCOMPARE(dlg.saturation(), 255);
    QCOMPARE(dlg.color().alpha(), 255);
}

void TstSharedDialogs::clicksOnSpectrumStripAndSwatches()
{
    CColorDialog dlg(QColor(Qt::black));
    dlg.show();
    const QSize sz = CColorDialog::spectrumSize();
    auto *spectrum = named<CModLabel>(&dlg, QStringLiteral("Spectrum"));
    auto *strip = named<CModLabel>(&dlg, QStringLiteral("Value"));
    QVERIFY(spectrum && strip);

    QTest::mouseClick(spectrum, Qt::LeftButton, {}, QPoint(sz.width() - 1, 0));
    QCOMPARE(dlg.hue(), 359);
    QCOMPARE(dlg.saturation(), 255);
    QCOMPARE(dlg.value(), 0);  // the value is untouched by the spectrum
    QTest::mouseClick(spectrum, Qt::LeftButton, {}, QPoint(0, sz.height() - 1));
    QCOMPARE(dlg.hue(), 0);
    QCOMPARE(dlg.saturation(), 0);

    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(5, 0));
    QCOMPARE(dlg.value(), 255);
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(5, sz.height() - 1));
    QCOMPARE(dlg.value(), 0);

    // Every swatch sets the whole colour, and the spin boxes show it.
    const QList<CModLabel *> labels = dlg.findChildren<CModLabel *>();
    int swatches = 0;
    for (CModLabel *l : labels) {
        if (!l->isSwatch())
            continue;
        ++swatches;
        QTest::mouseClick(l, Qt::LeftButton);
        QCOMPARE(dlg.color(), l->swatchColor().toRgb());
        QCOMPARE(spinNamed(&dlg, QStringLiteral("Red:"))->value(), l->swatchColor().red());
    }
    QVERIFY(swatches >= 16);
}

void TstSharedDialogs::backgroundModes_data()
{
    QTest::addColumn<bool>("addImage");
    QTest::addColumn<bool>("ownSize");
    QTest::addColumn<bool>("fitSize");
    QTest::addColumn<int>("mode");
    QTest::newRow("colour only") << false << false << false << 0;
    QTest::newRow("picture own size") << true << true << false << 1;
    QTest::newRow("picture fitted") << true << false << true << 2;
    QTest::newRow("own size without picture") << false << true << false << 3;
    QTest::newRow("fit size without add image") << false << false << true << 4;
    QTest::newRow("picture, no size choice") << true << false << false << 0;
}

void TstSharedDialogs::backgroundModes()
{
    QFETCH(bool, addImage);
    QFETCH(bool, ownSize);
    QFETCH(bool, fitSize);
    QFETCH(int, mode);
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("pic.png"));
    QImage img(30, 20, QImage::Format_RGB32);
    img.fill(Qt::green);
    QVERIFY(img.save(png));

    CColorDialog dlg(QColor(10, 20, 30), CColorDialog::Background);
    dlg.show();
    auto *add = named<QCheckBox>(&dlg, QStringLiteral("Add Image"));
    auto *own = named<QCheckBox>(&dlg, QStringLiteral("Own Size"));
    auto *fit = named<QCheckBox>(&dlg, QStringLiteral("Fit Size"));
    auto *open = named<QPushButton>(&dlg, QStringLiteral("Open File"));
    QVERIFY(add && own && fit && open);
    QVERIFY(!open->isEnabled());
    if (addImage) {
        QTest::mouseClick(add, Qt::LeftButton);
        QVERIFY(open->isEnabled());
        QVERIFY(dlg.loadImageFile(png));
    }
    // The two size choices exclude each other but may both be off.
    if (ownSize) {
        QTest::mouseClick(fit, Qt::LeftButton);
        QTest::mouseClick(own, Qt::LeftButton);
        QVERIFY(!fit->isChecked());
    }
    if (fitSize)
        QTest::mouseClick(fit, Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(&dlg, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(dlg.mode(), mode);
    QCOMPARE(dlg.color(), QColor(10, 20, 30));
    QCOMPARE(dlg.image().isNull(), !addImage);
}

void TstSharedDialogs::addImageWithoutPictureStaysOpen()
{
    CColorDialog dlg(QColor(Qt::blue), CColorDialog::Background);
    dlg.show();
    QTest::mouseClick(named<QCheckBox>(&dlg, QStringLiteral("Add Image")), Qt::LeftButton);
    QString seenTitle;
    QString seenText;
    qztest::whenModal<QMessageBox>([&](QMessageBox *box) {
        seenTitle = box->windowTitle();
        seenText = box->text();
        box->accept();
    });
    QTest::mouseClick(named<QPushButton>(&dlg, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(seenTitle, QStringLiteral("Warning"));
    QCOMPARE(seenText, QStringLiteral("Image no selected"));
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.mode(), 255);
    // A broken file is not a picture either.
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.png"));
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    QVERIFY(!dlg.loadImageFile(bad));
    QVERIFY(dlg.image().isNull());
    // Switching "Add Image" off lets it close with the colour.
    QTest::mouseClick(named<QCheckBox>(&dlg, QStringLiteral("Add Image")), Qt::LeftButton);
    QTest::mouseClick(named<QPushButton>(&dlg, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(dlg.mode(), 0);
    QVERIFY(!dlg.isVisible());
}

void TstSharedDialogs::presetModesSetTheChoices()
{
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    struct Case {
        int mode;
        bool add, own, fit;
    };
    const Case cases[] = {{1, true, true, false}, {2, true, false, true}, {3, false, true, false},
                          {4, false, false, true}, {0, false, false, false}};
    for (const Case &c : cases) {
        CColorDialog dlg(QColor(Qt::white), CColorDialog::Background);
        dlg.setBackground(img, c.mode);
        QCOMPARE(named<QCheckBox>(&dlg, QStringLiteral("Add Image"))->isChecked(), c.add);
        QCOMPARE(named<QCheckBox>(&dlg, QStringLiteral("Own Size"))->isChecked(), c.own);
        QCOMPARE(named<QCheckBox>(&dlg, QStringLiteral("Fit Size"))->isChecked(), c.fit);
        dlg.slotOk();
        QCOMPARE(dlg.mode(), c.mode);
    }
    // Without a picture, a stored picture mode cannot switch "Add Image" on.
    CColorDialog dlg(QColor(Qt::white), CColorDialog::Background);
    dlg.setBackground(QImage(), 2);
    QVERIFY(!named<QCheckBox>(&dlg, QStringLiteral("Add Image"))->isChecked());
    dlg.slotOk();
    QCOMPARE(dlg.mode(), 4);
}

void TstSharedDialogs::cancelReportsNothing()
{
    CColorDialog dlg(QColor(1, 2, 3), CColorDialog::Background);
    dlg.show();
    QTest::mouseClick(named<QCheckBox>(&dlg, QStringLiteral("Fit Size")), Qt::LeftButton);
    spinNamed(&dlg, QStringLiteral("Red:"))->setValue(200);
    QTest::mouseClick(named<QPushButton>(&dlg, QStringLiteral("Cancel")), Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QCOMPARE(dlg.mode(), 255);

    // Closing by the window counts as Cancel too.
    CColorDialog dlg2(QColor(1, 2, 3));
    dlg2.show();
    dlg2.slotOk();
    QCOMPARE(dlg2.mode(), 0);
    dlg2.show();
    dlg2.close();
    QCOMPARE(dlg2.mode(), 255);
}

void TstSharedDialogs::fontChoicesAndSample()
{
    QFont start(QStringLiteral("DejaVu Sans"));
    start.setPointSize(11);
    CTextDlgWin win(start, QStringLiteral("Life Path"));
    // Themes style every label of a dialog; the sample must still show the chosen font.
    win.setStyleSheet(QStringLiteral("QLabel { font-size: 8pt; font-family: \"DejaVu Sans\"; }"));
    win.show();
    CTextDlg *dlg = win.content();
    QCOMPARE(dlg->sampleText(), QStringLiteral("Life Path"));
    QCOMPARE(dlg->currentFont().pointSize(), 11);

    // The size list holds the standard sizes and takes typed ones.
    QVERIFY(dlg->sizeBox()->findText(QStringLiteral("12")) >= 0);
    QVERIFY(dlg->sizeBox()->findText(QStringLiteral("72")) >= 0);
    dlg->sizeBox()->setEditText(QStringLiteral("17"));
    QCOMPARE(dlg->currentFont().pointSize(), 17);
    dlg->sizeBox()->setEditText(QStringLiteral("abc"));
    dlg->sizeBox()->setEditText(QStringLiteral("-3"));
    QCOMPARE(dlg->currentFont().pointSize(), 17);
    dlg->sizeBox()->setEditText(QStringLiteral("100000"));
    QCOMPARE(dlg->currentFont().pointSize(), 400);
    dlg->sizeBox()->setEditText(QStringLiteral("20"));

    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Bold")), Qt::LeftButton);
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Underline")), Qt::LeftButton);
    QVERIFY(dlg->currentFont().bold());
    QVERIFY(dlg->currentFont().underline());
    QVERIFY(!dlg->currentFont().italic());
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Italic")), Qt::LeftButton);
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Underline")), Qt::LeftButton);
    QVERIFY(dlg->currentFont().italic());
    QVERIFY(!dlg->currentFont().underline());

    dlg->familyBox()->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
    QCOMPARE(dlg->currentFont().family(), QStringLiteral("DejaVu Serif"));
    // The sample shows the choice as it is made.
    dlg->sampleLabel()->ensurePolished();
    QCOMPARE(dlg->sampleLabel()->font().family(), QStringLiteral("DejaVu Serif"));
    QVERIFY(dlg->sampleLabel()->font().italic());
    QCOMPARE(dlg->sampleLabel()->font().pointSize(), 20);

    QTest::mouseClick(named<QPushButton>(dlg, QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(win.result(), int(QDialog::Accepted));
    const QFont f = win.font();
    QCOMPARE(f.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(f.pointSize(), 20);
    QVERIFY(f.bold() && f.italic() && !f.underline());
}

void TstSharedDialogs::fontCancelAndKeys()
{
    QFont start(QStringLiteral("DejaVu Sans"));
    start.setPointSize(9);
    start.setItalic(true);
    CTextDlgWin win(start, QString());
    win.show();
    QCOMPARE(win.content()->sampleText(), QStringLiteral("Text"));
    QTest::mouseClick(named<QToolButton>(win.content(), QStringLiteral("Bold")), Qt::LeftButton);
    win.content()->sizeBox()->setEditText(QStringLiteral("30"));
    // Escape and Return do not close the window.
    QTest::keyClick(&win, Qt::Key_Escape);
    QTest::keyClick(&win, Qt::Key_Return);
    QVERIFY(win.isVisible());
    QTest::mouseClick(named<QPushButton>(win.content(), QStringLiteral("Cancel")), Qt::LeftButton);
    QVERIFY(!win.isVisible());
    QCOMPARE(win.result(), int(QDialog::Rejected));
    QCOMPARE(win.font(), start);
}

void TstSharedDialogs::pixelSizedFontsStayInPixels()
{
    QFont start(QStringLiteral("DejaVu Sans"));
    start.setPixelSize(18);
    CTextDlgWin win(start, QStringLiteral("Heading"), nullptr, nullptr, true);
    win.show();
    QCOMPARE(win.content()->sizeBox()->currentText(), QStringLiteral("18"));
    win.content()->sizeBox()->setEditText(QStringLiteral("22"));
    QTest::mouseClick(named<QPushButton>(win.content(), QStringLiteral("Ok")), Qt::LeftButton);
    QCOMPARE(win.font().pixelSize(), 22);
    QCOMPARE(win.font().pointSizeF(), -1.0);

    // Counting points, a pixel-sized font becomes a point-sized one.
    CTextDlgWin points(start, QStringLiteral("Heading"));
    points.show();
    points.content()->OnTextSize(QStringLiteral("20"));
    points.content()->OnOk();
    QCOMPARE(points.font().pointSize(), 20);
}

void TstSharedDialogs::textAlignmentAndColour()
{
    CTextDlgWin win(QFont(QStringLiteral("DejaVu Sans")), QStringLiteral("Seven"));
    CTextDlg *dlg = win.content();
    QVERIFY(!named<QToolButton>(dlg, QStringLiteral("Align Right")));
    dlg->showTextOptions(1, Qt::black);
    win.show();
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Align Right")), Qt::LeftButton);
    QCOMPARE(dlg->textAlignment(), 2);
    QVERIFY(dlg->sampleLabel()->alignment() & Qt::AlignRight);
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Align Center")), Qt::LeftButton);
    QCOMPARE(dlg->textAlignment(), 4);

    // The colour comes from the colour dialog; cancelling it keeps the old one.
    QColor answer = QColor(20, 40, 200);
    dlg->setColorChooser([&answer](const QColor &, QWidget *) { return answer; });
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Color")), Qt::LeftButton);
    QCOMPARE(dlg->textColor(), QColor(20, 40, 200));
    answer = QColor();
    QTest::mouseClick(named<QToolButton>(dlg, QStringLiteral("Color")), Qt::LeftButton);
    QCOMPARE(dlg->textColor(), QColor(20, 40, 200));
    QVERIFY(dlg->sampleLabel()->styleSheet().contains(QLatin1String("#1428c8")));
}

QZ_WIDGET_TEST_MAIN(TstSharedDialogs)
#include "tst_shareddialogs.moc"
