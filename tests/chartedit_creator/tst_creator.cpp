#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chart/chartitem.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/ceditactions.h"
#include "chartedit/ciconlist.h"
#include "chartedit/cilitem.h"
#include "chartedit/cpapersizedlg.h"
#include "chartedit/cpapersizedlgwin.h"
#include "chartedit/cpropertieswidget.h"
#include "chartedit/cpwitem.h"
#include "chartedit/creportcreator.h"
#include "chartedit/creportcreatorwin.h"
#include "chartedit/creportpe.h"
#include "chartedit/creportpepages.h"
#include "chartedit/papersizes.h"
#include "dialogs/ccolordialog.h"
#include "dialogs/ctextdlg.h"
#include "dialogs/ctextdlgwin.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>

#include <functional>

namespace {

QByteArray savedBytes(ChartDocument &doc)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    doc.saveDocument(out);
    return bytes;
}

void pressButton(QWidget *window, const QString &text)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text().remove(QLatin1Char('&')) == text) {
            b->click();
            return;
        }
    }
    QFAIL("no such button");
}

} // namespace

class TestCreator : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<CReportCreatorWin> m_win;
    CReportCreator *m_creator = nullptr;
    int m_questions = 0;
    bool m_answer = true;

    ChartDocument &doc() { return *m_creator->document(); }
    ChartPageList &firstSet() { return doc().pageSets.front(); }
    CIconList *pagesStrip() { return m_creator->pagesPane()->pagesList(); }
    CIconList *blocksStrip() { return m_creator->pagesPane()->blocksList(); }

    // Adds a block through the dialog, answered with a title and a size in inches.
    ChartPage *addBlock(const QString &title, const QString &width, const QString &height)
    {
        qztest::whenModal<QWidget>([=](QWidget *w) {
            auto *dlg = qobject_cast<CPaperSizeDlgWin *>(w);
            QVERIFY(dlg);
            dlg->content()->titleEdit()->setText(title);
            dlg->content()->widthEdit()->setText(width);
            dlg->content()->heightEdit()->setText(height);
            pressButton(dlg, QStringLiteral("Ok"));
        });
        m_creator->OnAddBlock();
        return doc().blocks.empty() ? nullptr : doc().blocks.back().get();
    }

    QPoint canvasPoint(int x, int y)
    {
        return m_creator->canvas()->viewport()->mapToGlobal(QPoint(x, y));
    }

    QToolButton *toolNamed(const QString &tip)
    {
        for (QToolButton *b : m_creator->toolButtons()) {
            if (b->toolTip() == tip)
                return b;
        }
        return nullptr;
    }

    ChartItem *placeText()
    {
        m_creator->canvas()->OnZoomNormal();
        ChartItem *frame = m_creator->canvas()->createFieldItem(QStringLiteral("Text"), QPoint(80, 80),
                                                                QSizeF(120, 25));
        frame->content->kind = ChartItem::KindText;
        frame->content->fieldCode = QStringLiteral("#text");
        frame->content->editableText = true;
        // Changed behind the session's back: select again so the panel rebuilds.
        m_creator->canvas()->selectItem(nullptr);
        m_creator->canvas()->selectItem(frame);
        return frame;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<CILItem *>();
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        m_win.reset(new CReportCreatorWin(ChartProfile(), CReportCreator::kMainWindowMode, nullptr));
        m_creator = m_win->creator();
        m_creator->setUserFolder(m_dir.filePath(QStringLiteral("charts")));
        m_questions = 0;
        m_answer = true;
        m_creator->setConfirmHandler([this](const QString &title, const QString &) {
            ++m_questions;
            return title == QLatin1String("Question") && m_answer;
        });
        m_win->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_win.get()));
    }

    void cleanup() { m_win.reset(); }

    void windowHasItsToolsAndTitle()
    {
        QStringList tips;
        for (QToolButton *b : m_creator->toolButtons()) {
            tips << b->toolTip();
            QCOMPARE(b->accessibleName(), b->toolTip());
            QVERIFY(!b->icon().isNull());
        }
        QCOMPARE(tips, (QStringList{QStringLiteral("100%"), QStringLiteral("Zoom In"),
                                    QStringLiteral("Zoom Out"),
                                    QStringLiteral("Graphics Charts Properties"),
                                    QStringLiteral("Delete"), QStringLiteral("Show Grid"),
                                    QStringLiteral("Snap to Grid"), QStringLiteral("Boundaries"),
                                    QStringLiteral("Bring to Front"), QStringLiteral("Send to Back"),
                                    QStringLiteral("Undo"), QStringLiteral("Redo")}));
        QVERIFY(m_win->windowTitle().startsWith(QStringLiteral("Graphics Charts Creator")));
        QCOMPARE(m_win->minimumSize(), QSize(800, 500));
        QCOMPARE(m_creator->splitter()->count(), 3);
    }

    void pagesAreAddedByNumberAndTheLastOneStays()
    {
        QCOMPARE(firstSet().size(), size_t(1));
        m_creator->OnDelPage();
        QCOMPARE(firstSet().size(), size_t(1));
        QCOMPARE(m_questions, 0); // not even asked

        firstSet().front()->size = QSizeF(600, 400);
        m_creator->OnAddPage();
        m_creator->OnAddPage();
        m_creator->OnAddPage();
        QCOMPARE(firstSet().size(), size_t(4));
        ChartPage *fourth = firstSet().back().get();
        QCOMPARE(fourth->name, QStringLiteral("Page 4"));
        QCOMPARE(fourth->size, QSizeF(600, 400));
        QCOMPARE(doc().currentPage, fourth);
        QCOMPARE(pagesStrip()->items().size(), 4);
        QCOMPARE(pagesStrip()->selectedItem()->page(), fourth);
        QCOMPARE(pagesStrip()->selectedItem()->caption(), QStringLiteral("Page 4"));

        m_answer = false;
        m_creator->OnDelPage();
        QCOMPARE(firstSet().size(), size_t(4));
        m_answer = true;
        m_creator->OnDelPage();
        QCOMPARE(firstSet().size(), size_t(3));
        QCOMPARE(doc().currentPage, firstSet().front().get());
        QCOMPARE(pagesStrip()->items().size(), 3);
        m_creator->undoStack()->undo();
        QCOMPARE(firstSet().size(), size_t(4));
        QCOMPARE(pagesStrip()->items().size(), 4);
    }

    void pagePropertiesTakeClampedSizesAndCounts()
    {
        ChartPage *page = firstSet().front().get();
        pagesStrip()->OnItemClicked(pagesStrip()->items().front());
        qztest::whenModal<QWidget>([](QWidget *w) {
            auto *dlg = qobject_cast<CPaperSizeDlgWin *>(w);
            QVERIFY(dlg);
            QCOMPARE(dlg->size(), QSize(400, 200));
            dlg->content()->titleEdit()->setText(QStringLiteral("Cover"));
            dlg->content()->widthEdit()->setText(QStringLiteral("0.05"));
            dlg->content()->countList()->setEditText(QStringLiteral("200000"));
            pressButton(dlg, QStringLiteral("Ok"));
        });
        m_creator->OnPageProp();
        QCOMPARE(page->name, QStringLiteral("Cover"));
        QCOMPARE(page->size.width(), 0.1 * 101.6);
        QCOMPARE(page->size.height(), 1188.0); // untouched
        QCOMPARE(page->pageCount, 100000);
        QCOMPARE(pagesStrip()->items().front()->countText(), QStringLiteral("100000"));

        // Cancel changes nothing.
        const QByteArray before = savedBytes(doc());
        qztest::whenModal<QWidget>([](QWidget *w) {
            auto *dlg = qobject_cast<CPaperSizeDlgWin *>(w);
            dlg->content()->titleEdit()->setText(QStringLiteral("Other"));
            pressButton(dlg, QStringLiteral("Cancel"));
        });
        m_creator->OnPageProp();
        QCOMPARE(savedBytes(doc()), before);
    }

    void blocksGoOntoPagesAndTakeTheirReferencesWithThem()
    {
        ChartPage *page = firstSet().front().get();
        ChartPage *block = addBlock(QStringLiteral("Seal"), QStringLiteral("2"), QStringLiteral("1"));
        QVERIFY(block);
        QCOMPARE(block->name, QStringLiteral("Seal"));
        QCOMPARE(block->size, QSizeF(203.2, 101.6));
        QCOMPARE(doc().currentPage, block);
        CILItem *entry = blocksStrip()->itemFor(block);
        QVERIFY(entry);

        // Onto a block itself: ignored.
        m_creator->OnBlockItemDropped(entry, canvasPoint(60, 60));
        QVERIFY(block->items.empty());
        m_creator->OnPageSelected(pagesStrip()->items().front());
        QCOMPARE(doc().currentPage, page);
        QVERIFY(!blocksStrip()->selectedItem());
        // Outside the canvas: ignored.
        m_creator->OnBlockItemDropped(entry, canvasPoint(-40, 60));
        QVERIFY(page->items.empty());
        // A page entry is no block.
        m_creator->OnBlockItemDropped(pagesStrip()->items().front(), canvasPoint(60, 60));
        QVERIFY(page->items.empty());

        m_creator->OnBlockItemDropped(entry, canvasPoint(60, 60));
        m_creator->OnBlockItemDropped(entry, canvasPoint(120, 160));
        QCOMPARE(page->blockReferences().size(), 2);
        QCOMPARE(page->blockReferences()[1]->order, 1);
        QCOMPARE(page->blockReferences()[0]->fieldCode, QString::number(block->id()));

        blocksStrip()->OnItemClicked(entry);
        m_creator->OnDelBlock();
        QVERIFY(doc().blocks.empty());
        QVERIFY(page->blockReferences().isEmpty());
        QVERIFY(blocksStrip()->items().isEmpty());
        m_creator->undoStack()->undo();
        QCOMPARE(doc().blocks.size(), size_t(1));
        QCOMPARE(page->blockReferences().size(), 2);
    }

    void propertyEditsReachTheItem()
    {
        ChartItem *frame = placeText();
        CPropertiesWidget *props = m_creator->properties();
        QCOMPARE(props->items().size(), 5 + 5); // text, colour, font, frame, frame colour; X .. Rotation
        CPWItem *frameRow = props->item(QStringLiteral("Frame"));
        QVERIFY(frameRow && frameRow->combo());
        frameRow->combo()->setCurrentIndex(1);
        frameRow->OnItemCombo(1);
        QCOMPARE(frame->content->frameStyle, 1);
        QVERIFY(m_creator->undoStack()->canUndo());
        m_creator->undoStack()->undo();
        QCOMPARE(frame->content->frameStyle, 0);
        // The panel shows what undo restored ...
        QCOMPARE(props->item(QStringLiteral("Frame"))->combo()->currentIndex(), 0);

        // ... and text typed into the value cell changes the text alone.
        CPWItem *textRow = props->item(QStringLiteral("Text"));
        QVERIFY(textRow && textRow->tableItem());
        textRow->tableItem()->setText(QStringLiteral("Hello"));
        QCOMPARE(frame->content->text, QStringLiteral("Hello"));
        QCOMPARE(frame->content->frameStyle, 0);

        // Colour and font rows go through their dialogs; a cancelled one changes nothing.
        CPWItem *colourRow = props->item(QStringLiteral("Color"));
        qztest::whenModal<QWidget>([](QWidget *w) {
            auto *dlg = qobject_cast<CColorDialog *>(w);
            QVERIFY(dlg);
            dlg->setColor(QColor(10, 120, 200));
            dlg->slotCancel();
        });
        colourRow->button()->click();
        QCOMPARE(frame->content->textColor, QColor(Qt::black));
        QColor chosen;
        qztest::whenModal<QWidget>([&chosen](QWidget *w) {
            auto *dlg = qobject_cast<CColorDialog *>(w);
            QVERIFY(dlg);
            dlg->setColor(QColor(10, 120, 200));
            chosen = dlg->color(); // as the dialog's hue, saturation and value give it
            dlg->slotOk();
        });
        colourRow->button()->click();
        QVERIFY(chosen != QColor(Qt::black));
        QCOMPARE(frame->content->textColor, chosen);
        // The font dialog closed with Ok and nothing touched changes nothing (11 px stays 11 px).
        const QFont pixelFont = frame->content->font;
        QVERIFY(pixelFont.pixelSize() > 0);
        const int steps = m_creator->undoStack()->count();
        qztest::whenModal<QWidget>([](QWidget *w) { qobject_cast<CTextDlgWin *>(w)->content()->OnOk(); });
        props->item(QStringLiteral("Font"))->button()->click();
        QCOMPARE(frame->content->font, pixelFont);
        QCOMPARE(m_creator->undoStack()->count(), steps);
        qztest::whenModal<QWidget>([](QWidget *w) {
            auto *dlg = qobject_cast<CTextDlgWin *>(w);
            QVERIFY(dlg);
            const QString sample = dlg->content()->sampleText();
            dlg->content()->OnTextSize(QStringLiteral("20"));
            dlg->content()->OnOk();
            QCOMPARE(sample, QStringLiteral("Hello"));
        });
        props->item(QStringLiteral("Font"))->button()->click();
        QCOMPARE(frame->content->font.pixelSize(), 20);
        QVERIFY(props->item(QStringLiteral("Font"))->button()->text().endsWith(QLatin1String(", 20")));

        // Nothing selected: the table is empty.
        m_creator->canvas()->selectItem(nullptr);
        QCOMPARE(props->table()->rowCount(), 0);
    }

    void blockOrdersRenumberThroughThePanel()
    {
        ChartPage *block = addBlock(QStringLiteral("B"), QStringLiteral("1"), QStringLiteral("1"));
        m_creator->OnPageSelected(pagesStrip()->items().front());
        ChartPage *page = doc().currentPage;
        CILItem *entry = blocksStrip()->itemFor(block);
        for (int i = 0; i < 3; ++i)
            m_creator->OnBlockItemDropped(entry, canvasPoint(40 + 60 * i, 60));
        QList<ChartItem *> refs = page->blockReferences();
        QCOMPARE(refs.size(), 3);
        const QByteArray before = savedBytes(doc());
        m_creator->canvas()->selectItem(refs[2]->owner);
        CPWItem *order = m_creator->properties()->item(QStringLiteral("Order #"));
        QVERIFY(order);
        order->combo()->setCurrentIndex(0);
        order->OnItemCombo(0);
        QCOMPARE(refs[0]->order, 1);
        QCOMPARE(refs[1]->order, 2);
        QCOMPARE(refs[2]->order, 0);
        m_creator->undoStack()->undo(); // one step for all three
        QCOMPARE(refs[0]->order, 0);
        QCOMPARE(refs[2]->order, 2);
        QCOMPARE(savedBytes(doc()), before);
    }

    void undoAndRedoRestoreTheDocumentExactly()
    {
        QList<QByteArray> states{savedBytes(doc())};
        m_creator->OnAddPage();
        states << savedBytes(doc());
        addBlock(QStringLiteral("Logo"), QStringLiteral("3"), QStringLiteral("2"));
        states << savedBytes(doc());
        m_creator->OnPageSelected(pagesStrip()->items().front());
        ChartItem *frame = placeText();
        states << savedBytes(doc());
        CPWItem *frameRow = m_creator->properties()->item(QStringLiteral("Frame"));
        frameRow->OnItemCombo(1);
        states << savedBytes(doc());
        qztest::whenModal<QWidget>([](QWidget *w) {
            auto *dlg = qobject_cast<CPaperSizeDlgWin *>(w);
            dlg->content()->titleEdit()->setText(QStringLiteral("Renamed chart"));
            dlg->content()->widthEdit()->setText(QStringLiteral("500"));
            pressButton(dlg, QStringLiteral("Ok"));
        });
        m_creator->OnProperties();
        QCOMPARE(doc().title, QStringLiteral("Renamed chart"));
        states << savedBytes(doc());
        blocksStrip()->OnItemClicked(blocksStrip()->items().front());
        m_creator->OnDelBlock();
        states << savedBytes(doc());
        for (int i = 1; i < states.size(); ++i)
            QVERIFY2(states[i] != states[i - 1], qPrintable(QString::number(i)));

        QUndoStack *undo = m_creator->undoStack();
        for (int i = states.size() - 1; i > 0; --i) {
            undo->undo();
            QVERIFY2(savedBytes(doc()) == states[i - 1], qPrintable(QString::number(i)));
        }
        for (int i = 1; i < states.size(); ++i) {
            undo->redo();
            QVERIFY2(savedBytes(doc()) == states[i], qPrintable(QString::number(i)));
        }
        Q_UNUSED(frame);
    }

    void savingClearsTheMarkAndClosingAsksOnlyWhenNeeded()
    {
        // Nothing done since the window opened: closing loses nothing and asks nothing.
        QVERIFY(!m_creator->hasUnsavedChanges());
        QVERIFY(m_creator->maybeClose());

        // Grid, snapping and boundaries are kept in the file: switching one is a change.
        const bool flagsBefore[3] = {doc().showGrid, doc().snapToGrid, doc().showBoundaries};
        for (const QString &tip : {QStringLiteral("Show Grid"), QStringLiteral("Snap to Grid"),
                                   QStringLiteral("Boundaries")}) {
            QToolButton *tool = toolNamed(tip);
            QVERIFY(tool);
            tool->click();
            QVERIFY2(m_creator->hasUnsavedChanges(), qPrintable(tip));
            m_creator->undoStack()->undo();
            QVERIFY2(!m_creator->hasUnsavedChanges(), qPrintable(tip));
        }
        QCOMPARE(doc().showGrid, flagsBefore[0]);
        QCOMPARE(doc().snapToGrid, flagsBefore[1]);
        QCOMPARE(doc().showBoundaries, flagsBefore[2]);

        // A change not saved: closing asks; Cancel keeps the window.
        toolNamed(QStringLiteral("Show Grid"))->click();
        QString asked;
        qztest::whenModal<QWidget>([&asked](QWidget *w) {
            asked = w->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox *>(w)->text();
            pressButton(w, QStringLiteral("Cancel"));
        });
        QVERIFY(!m_creator->maybeClose());
        QCOMPARE(asked, QStringLiteral("Warning|Save changes?"));

        doc().title = QStringLiteral("Saved chart");
        QVERIFY(m_creator->save());
        const QString path = m_dir.filePath(QStringLiteral("charts/Saved chart.qnr"));
        QCOMPARE(m_creator->filePath(), path);
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!m_creator->hasUnsavedChanges());
        QVERIFY(!m_win->isWindowModified());
        QVERIFY(m_creator->maybeClose()); // nothing asked

        // The saved file reads back as the document.
        ChartDocument reread;
        QVERIFY(chartfile::load(reread, path));
        QCOMPARE(savedBytes(reread), savedBytes(doc()));

        m_creator->OnAddPage();
        QVERIFY(m_win->isWindowModified());
        QVERIFY(m_win->windowTitle().contains(QLatin1String("[*]")));
        qztest::whenModal<QWidget>([](QWidget *w) { pressButton(w, QStringLiteral("No")); });
        QVERIFY(m_creator->maybeClose());
        m_creator->undoStack()->undo(); // back to what was saved
        QVERIFY(!m_creator->hasUnsavedChanges());
    }

    void aFailedSaveKeepsTheOldFileAndSaysSo()
    {
        // The chart was opened from a file; the folder to save into cannot be made.
        const QString oldPath = m_dir.filePath(QStringLiteral("old.qnr"));
        QVERIFY(chartfile::save(doc(), oldPath));
        QFile old(oldPath);
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray oldBytes = old.readAll();
        old.close();
        m_creator->setFilePath(oldPath);
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_creator->setUserFolder(m_dir.filePath(QStringLiteral("blocker/charts")));
        m_creator->OnAddPage();

        QString said;
        qztest::whenModal<QWidget>([&said](QWidget *w) {
            said = w->windowTitle() + QLatin1Char('|') + qobject_cast<QMessageBox *>(w)->text();
            w->close();
        });
        m_creator->OnOk();
        QCOMPARE(said, QStringLiteral("Error|Can't save report!"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), oldBytes);
        QCOMPARE(m_creator->filePath(), oldPath);
        QVERIFY(m_creator->hasUnsavedChanges());
        QCOMPARE(firstSet().size(), size_t(2)); // the work is still there

        // Answering "Yes" to "Save changes?" with the save failing keeps the window.
        qztest::whenModal<QWidget>([](QWidget *w) {
            qztest::whenModal<QWidget>([](QWidget *error) { error->close(); });
            pressButton(w, QStringLiteral("Yes"));
        });
        m_creator->OnCancel();
        QVERIFY(m_win->isVisible());
    }

    void windowRemembersItsSizeAndColumns()
    {
        const QString state = m_dir.filePath(QStringLiteral("creator.cfg"));
        m_win->setStateFile(state);
        m_win->resize(800, 560); // the offscreen screen is 800 x 600
        m_creator->splitter()->setSizes({200, 400, 180});
        QApplication::processEvents();
        const QList<int> widths = m_creator->splitter()->sizes();
        m_creator->OnCancel(); // nothing changed: closes without asking
        QVERIFY(!m_win->isVisible());

        CReportCreatorWin again(ChartProfile(), 1, nullptr);
        again.setStateFile(state);
        QCOMPARE(again.size(), QSize(800, 560));
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.creator()->splitter()->sizes(), widths);
    }

    void toolsAndEditActionsDoWhatTheySay()
    {
        CReportPE *canvas = m_creator->canvas();
        CEditActions *actions = m_creator->editActions();
        canvas->OnZoomNormal();
        QList<ChartItem *> items;
        for (const QPoint &at : {QPoint(60, 60), QPoint(240, 120), QPoint(120, 260)})
            items << canvas->createFieldItem(QStringLiteral("F"), at, QSizeF(60, 30));
        auto left = [](const ChartItem *f) { return canvasgeometry::frameBounds(*f).left(); };
        QUndoStack *undo = m_creator->undoStack();
        const int start = undo->index();

        // The tools: each zoom goes its own way; front and back are not swapped.
        toolNamed(QStringLiteral("Zoom In"))->click();
        QVERIFY(canvas->zoom() > CReportPE::kNormalZoom);
        toolNamed(QStringLiteral("Zoom Out"))->click();
        toolNamed(QStringLiteral("Zoom Out"))->click();
        QVERIFY(canvas->zoom() < CReportPE::kNormalZoom);
        canvas->selectItem(items[0]);
        toolNamed(QStringLiteral("Bring to Front"))->click();
        QCOMPARE(doc().pageSets.front().front()->items.back().get(), items[0]);
        toolNamed(QStringLiteral("Send to Back"))->click();
        QCOMPARE(doc().pageSets.front().front()->items.front().get(), items[0]);
        actions->action(QStringLiteral("Zoom to Fit"))->trigger();
        const QRectF page(QPointF(0, 0), doc().pageSets.front().front()->size);
        QVERIFY(canvas->viewport()->rect().contains(canvas->viewTransform().mapRect(page).toRect()));

        // Align and distribute, each one step.
        actions->action(QStringLiteral("Select All"))->trigger();
        QCOMPARE(canvas->selectedItems().size(), 3);
        const int before = undo->count();
        actions->action(QStringLiteral("Align Left"))->trigger();
        QCOMPARE(left(items[1]), left(items[0]));
        QCOMPARE(left(items[2]), left(items[0]));
        QCOMPARE(undo->count(), before + 1);
        undo->undo();
        actions->action(QStringLiteral("Distribute Horizontally"))->trigger();
        const double gap1 = left(items[2]) - (left(items[0]) + 60), gap2 = left(items[1]) - (left(items[2]) + 60);
        QVERIFY(qAbs(gap1 - gap2) < 1e-9);

        // Copied items paste onto another page, offset by a grid step and selected, as one step.
        actions->action(QStringLiteral("Copy"))->trigger();
        m_creator->OnAddPage();
        ChartPage *second = firstSet().back().get();
        const int beforePaste = undo->count();
        actions->action(QStringLiteral("Paste"))->trigger();
        QCOMPARE(int(second->items.size()), 3);
        QCOMPARE(canvas->selectedItems().size(), 3);
        QCOMPARE(canvasgeometry::frameBounds(*second->items[0]).topLeft(),
                 canvasgeometry::frameBounds(*doc().pageSets.front().front()->items[0]).topLeft() +
                     QPointF(doc().gridStepX, doc().gridStepY));
        QCOMPARE(undo->count(), beforePaste + 1);
        actions->action(QStringLiteral("Duplicate"))->trigger();
        QCOMPARE(int(second->items.size()), 6);
        actions->action(QStringLiteral("Cut"))->trigger();
        QCOMPARE(int(second->items.size()), 3);
        while (undo->index() > start)
            undo->undo();
        QVERIFY(doc().pageSets.front().front()->items.size() == 3);

        QStringList context;
        for (QAction *a : actions->contextActions())
            context << a->text();
        QCOMPARE(context, (QStringList{QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste"),
                                       QStringLiteral("Delete"), QStringLiteral("Bring to Front"),
                                       QStringLiteral("Send to Back"), QStringLiteral("Properties")}));
        QCOMPARE(canvas->accessibleName(), QStringLiteral("Page canvas"));
    }

    void numericRowsPlaceTheItemInTheChartsUnit()
    {
        ChartItem *frame = placeText();
        CPropertiesWidget *props = m_creator->properties();
        auto type = [props](const char *title, const char *text) {
            CPWItem *row = props->item(QLatin1String(title));
            QVERIFY(row && row->tableItem());
            row->tableItem()->setText(QLatin1String(text));
            QCoreApplication::processEvents(); // the rows are shown again after the edit
        };
        auto bounds = [frame] { return canvasgeometry::frameBounds(*frame); };
        const QRectF start = bounds();
        const double unit = papersize::kPageUnitsPerScreenUnit; // the main window's creator
        QCOMPARE(props->item(QStringLiteral("Width"))->tableItem()->text(),
                 QString::number(start.width() / unit, 'f', 2));
        const int steps = m_creator->undoStack()->count();
        type("X", "100");
        QCOMPARE(bounds().left(), 100 * unit);
        type("Height", "50");
        QCOMPARE(bounds().height(), 50 * unit);
        QCOMPARE(bounds().top(), start.top());
        type("Rotation", "90");
        QCOMPARE(frame->rotation, 90.0);
        QCOMPARE(m_creator->undoStack()->count(), steps + 3);
        // Not a number: nothing changes, the row shows the value again.
        type("Y", "abc");
        QCOMPARE(m_creator->undoStack()->count(), steps + 3);
        QCOMPARE(props->item(QStringLiteral("Y"))->tableItem()->text(),
                 QString::number(bounds().top() / unit, 'f', 2));
        for (int i = 0; i < 3; ++i)
            m_creator->undoStack()->undo();
        QCOMPARE(bounds(), start);
    }

    void fontDialogAlsoAlignsAndColoursAField()
    {
        CReportPE *canvas = m_creator->canvas();
        ChartItem *field = canvas->createFieldItem(QStringLiteral("Life Path"), QPoint(80, 80), QSizeF(120, 25));
        QVERIFY(m_creator->properties()->item(QStringLiteral("Alignment")));
        const int steps = m_creator->undoStack()->count();
        qztest::whenModal<QWidget>([](QWidget *w) {
            CTextDlg *dlg = qobject_cast<CTextDlgWin *>(w)->content();
            QVERIFY(dlg->hasTextOptions());
            dlg->setColorChooser([](const QColor &, QWidget *) { return QColor(200, 30, 30); });
            dlg->OnTextColor();
            for (QAction *a : dlg->findChildren<QAction *>()) {
                if (a->toolTip() == QLatin1String("Align Right"))
                    a->trigger();
            }
            dlg->OnOk();
        });
        m_creator->properties()->item(QStringLiteral("Font"))->button()->click();
        QCOMPARE(field->content->alignment, 2);
        QCOMPARE(field->content->textColor, QColor(200, 30, 30));
        QCOMPARE(m_creator->undoStack()->count(), steps + 1);
        QCOMPARE(m_creator->properties()->item(QStringLiteral("Alignment"))->combo()->currentIndex(), 2);
    }
};

QZ_WIDGET_TEST_MAIN(TestCreator)
#include "tst_creator.moc"
