// The report manager driven through its real widgets, offscreen: layouts,
// field lists, control states, saving and undo.
#include "dialogs/ccolordialog.h"
#include "dialogs/ctextdlg.h"
#include "dialogs/ctextdlgwin.h"
#include "engine/cnumerology.h"
#include "reportedit/clayouteditmodel.h"
#include "reportedit/clayoutmanagerdlg.h"
#include "reportedit/clayoutmanagerdlgwin.h"
#include "reportedit/clayoutnameprompt.h"
#include "reportedit/ctexteditor.h"
#include "reportedit/cwclcontainer.h"
#include "reportedit/cwclitem.h"
#include "reportedit/lmitemmime.h"
#include "reports/cnumerologyreport.h"
#include "reports/creportlayoutfile.h"
#include "reports/reportcatalogue.h"
#include "tests/common/widgettestmain.h"
#include "texts/interpretationtexts.h"
#include "tests/common/modaldialogs.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QUndoStack>
#include <QtTest>

#include <memory>

namespace {

QPushButton *buttonNamed(QWidget *w, const QString &name)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->accessibleName() == name || b->text() == name)
            return b;
    return nullptr;
}

QCheckBox *boxNamed(QWidget *w, const QString &text)
{
    for (QCheckBox *b : w->findChildren<QCheckBox *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

QVector<int> ids(const QList<CReportFieldItem> &list)
{
    QVector<int> out;
    for (const CReportFieldItem &i : list)
        out.append(i.id);
    return out;
}

QByteArray bytesOf(const CReportLayout &layout)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CReportLayoutFile::write(&buffer, layout);
    return bytes;
}

QStringList layoutFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.qznr")}, QDir::Files, QDir::Name);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

CReportLayout readLayout(const QString &folder, const QString &name)
{
    CReportLayout layout;
    const CReportLayoutFile::Status s =
        CReportLayoutFile::read(folder + QLatin1Char('/') + name + QStringLiteral(".qznr"), layout);
    if (s != CReportLayoutFile::Ok)
        qWarning("layout %s not read", qPrintable(name));
    return layout;
}

/** Drops a row's drag data onto @p target at the vertical position @p y, as a drag would. */
void dropOn(CWCLContainer *target, QMimeData *mime, int y)
{
    const QPoint pos(20, y);
    QDragEnterEvent enter(pos, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(pos, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    delete mime;
}

QMimeData *dragOf(CWCLContainer *list, int row)
{
    CWCLItem *item = list->itemAt(row);
    return CWCLItem::mimeFor(item->item(), item->label(), list, row);
}

int rowTop(CWCLContainer *list, int row)
{
    return list->itemAt(row)->geometry().top() + 2;
}

int rowOf(CWCLContainer *list, const QString &label)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemAt(i)->label() == label)
            return i;
    return -1;
}

// Check boxes react to clicks on their mark and text only.
void clickBox(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void clickRow(CWCLContainer *list, int row)
{
    QTest::mouseClick(list->itemAt(row), Qt::LeftButton, {}, QPoint(10, 10));
}

/** Answers the name prompt with each name in turn; the message boxes in between are collected. */
void answerPrompts(const QStringList &names, QStringList *messages, QString *title = nullptr)
{
    if (names.isEmpty())
        return;
    qztest::whenModal<CLayoutNamePrompt>([names, messages, title](CLayoutNamePrompt *p) {
        if (title && title->isEmpty())
            *title = p->windowTitle() + QLatin1Char('|') + p->lineEdit()->text();
        p->lineEdit()->setText(names.first());
        if (names.size() > 1) {
            qztest::whenModal<QMessageBox>([names, messages, title](QMessageBox *box) {
                messages->append(box->windowTitle() + QLatin1Char('|') + box->text());
                answerPrompts(names.mid(1), messages, title);
                box->accept();
            });
        }
        QTest::mouseClick(buttonNamed(p, QStringLiteral("OK")), Qt::LeftButton);
    });
}

/** A shown report manager on one layout made from the built-in lists. */
struct ShownManager {
    ShownManager(const QString &name, const QString &folder)
    {
        list.append(CReportLayout::createDefault(name));
        win = std::make_unique<CLayoutManagerDlgWin>(list, nullptr, nullptr, folder);
        win->show();
    }
    CLayoutManagerDlg *dlg() const { return win->content(); }

    CReportLayoutList list;
    std::unique_ptr<CLayoutManagerDlgWin> win;
};

NumerologyInput lifePathSeven()
{
    NumerologyInput in;
    in.fullName = QStringLiteral("Anna Maria Lind");
    in.shortName = QStringLiteral("Anna");
    in.birthDate = QDate(2000, 1, 4);
    in.targetDate = QDate(2026, 12, 7);
    return in;
}

}  // namespace

class TstReportManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void emptyListThenCopyNewRenameDelete();
    void dragIntoGapAndOut();
    void keyboardReorderAndUndo();
    void controlStates();
    void selectedFieldsStyledAtOnce();
    void cancelAsksOnlyWithChanges_data();
    void cancelAsksOnlyWithChanges();
    void renameThenUndo();
    void everyListEditIsOneStep();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void opensOnScreenAtItsLastSize();
    void okWritesWhatTheReportShows();
    void dragFormRoundTrip();

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

void TstReportManager::initTestCase()
{
    QVERIFY(loadInterpretationTexts(QStringLiteral(QZ_BIN_DIR "/eng.dat")));
    QVERIFY(!interpretationText(101, 7).isEmpty());
}

void TstReportManager::init()
{
    m_folder = m_dir.path() + QLatin1Char('/') + QString::fromLatin1(QTest::currentTestFunction());
    QVERIFY(QDir().mkpath(m_folder));
}

void TstReportManager::emptyListThenCopyNewRenameDelete()
{
    CReportLayoutList list;
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    CLayoutManagerDlg *dlg = win.content();
    auto *kinds = dlg->findChild<QComboBox *>();
    QVERIFY(!kinds->isEnabled());
    QVERIFY(!dlg->fieldOrder()->parentWidget()->parentWidget()->isEnabled());
    QCOMPARE(dlg->fieldOrder()->count(), 0);
    QVERIFY(!buttonNamed(dlg, QStringLiteral("Delete"))->isEnabled());

    // "Copy" with nothing to copy makes a layout from the built-in lists.
    QStringList messages;
    answerPrompts({QStringLiteral("One")}, &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Copy")), Qt::LeftButton);
    QCOMPARE(dlg->workingList().count(), 1);
    const CReportLayout scratch = CReportLayout::createDefault(QStringLiteral("One"));
    for (int k = 0; k < RKCount; ++k)
        QCOMPARE(ids(dlg->workingList().at(0).fields(k)), ids(scratch.fields(k)));
    QVERIFY(kinds->isEnabled());
    QCOMPARE(dlg->fieldOrder()->count(), scratch.fields(0).size());
    QCOMPARE(dlg->fieldOrder()->itemAt(1)->label(), QStringLiteral("Life Path"));
    QCOMPARE(dlg->availableFields()->itemAt(dlg->availableFields()->count() - 1)->label(),
             QStringLiteral("Custom Text"));

    // Every refused name keeps the prompt open with its message.
    const QString forbidden =
        QStringLiteral("Error|The characters \"/, ?, |, >, <, \", :, \\, *\" and \"default\" are forbidden!");
    answerPrompts({QString(), QStringLiteral("a/b"), QStringLiteral("My Default Copy"), QStringLiteral("ONE"),
                   QStringLiteral("Two")},
                  &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("New")), Qt::LeftButton);
    QCOMPARE(messages, QStringList({QStringLiteral("Error|Wrong name!"), forbidden, forbidden,
                                    QStringLiteral("Error|Name \"ONE\" is already in use.")}));
    QCOMPARE(dlg->workingList().count(), 2);
    QCOMPARE(dlg->currentLayout(), 1);
    QCOMPARE(dlg->findChild<QListWidget *>()->currentItem()->text(), QStringLiteral("Two"));

    // A copy takes the selected layout's lists.
    CReportLayout changed = dlg->workingList().at(1);
    changed.lists[0].removeFirst();
    dlg->model()->setLayout(1, changed);
    messages.clear();
    answerPrompts({QStringLiteral("Three")}, &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Copy")), Qt::LeftButton);
    QCOMPARE(ids(dlg->workingList().at(2).fields(0)), ids(changed.fields(0)));

    // Rename: prefilled, same checks, its own name in other letter case is fine.
    QString prompt;
    messages.clear();
    answerPrompts({QStringLiteral("one"), QStringLiteral("Four")}, &messages, &prompt);
    dlg->selectLayout(1);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Rename")), Qt::LeftButton);
    QCOMPARE(prompt, QStringLiteral("Rename setting|Two"));
    QCOMPARE(messages, QStringList({QStringLiteral("Error|Name \"one\" is already in use.")}));
    QCOMPARE(dlg->workingList().at(1).name, QStringLiteral("Four"));
    QCOMPARE(dlg->findChild<QListWidget *>()->item(1)->text(), QStringLiteral("Four"));
    // Its own name in other letters is no clash.
    answerPrompts({QStringLiteral("FOUR")}, &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Rename")), Qt::LeftButton);
    QCOMPARE(dlg->workingList().at(1).name, QStringLiteral("FOUR"));
    // Delete asks; "No" keeps the layout.
    QStringList asked;
    bool answer = false;
    dlg->setQuestionHandler([&](const QString &title, const QString &text) {
        asked << title + QLatin1Char('|') + text;
        return answer;
    });
    dlg->selectLayout(2);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(asked, QStringList({QStringLiteral("Question|Do you want remove \"Three\"?")}));
    QCOMPARE(dlg->workingList().count(), 3);
    // Deleting another row selects the row above; deleting row 0 leaves no selection.
    answer = true;
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(dlg->workingList().count(), 2);
    QCOMPARE(dlg->currentLayout(), 1);
    dlg->selectLayout(0);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Delete")), Qt::LeftButton);
    QCOMPARE(dlg->workingList().count(), 1);
    QCOMPARE(dlg->currentLayout(), -1);
    QCOMPARE(dlg->findChild<QListWidget *>()->currentRow(), -1);
    QCOMPARE(dlg->fieldOrder()->count(), 0);
    QVERIFY(!kinds->isEnabled());

    // Nothing reached the disk and the program's list is untouched until OK.
    QVERIFY(layoutFiles(m_folder).isEmpty());
    QCOMPARE(list.count(), 0);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(layoutFiles(m_folder), QStringList({QStringLiteral("FOUR.qznr")}));
    QCOMPARE(list.count(), 1);
    QVERIFY(!win.isVisible());
}

void TstReportManager::dragIntoGapAndOut()
{
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Reader")));
    QVERIFY(saveLayouts(list, m_folder));
    const QVector<int> before = ids(list.at(0).fields(RKPet));

    {
        CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
        win.show();
        CLayoutManagerDlg *dlg = win.content();
        dlg->findChild<QComboBox *>()->setCurrentIndex(RKPet);
        CWCLContainer *order = dlg->fieldOrder();
        CWCLContainer *avail = dlg->availableFields();
        QCOMPARE(order->count(), 3);
        // "Custom Text" from the catalogue into the gap above row 1.
        const int custom = rowOf(avail, QStringLiteral("Custom Text"));
        QVERIFY(custom >= 0);
        QCOMPARE(order->gapAt(rowTop(order, 1)), 1);
        dropOn(order, dragOf(avail, custom), rowTop(order, 1));
        QCOMPARE(order->count(), 4);
        QCOMPARE(order->itemAt(1)->label(), QStringLiteral("Custom Text"));
        QCOMPARE(dlg->selectedField(), 1);
        const CReportFieldItem &added = dlg->workingList().at(0).fields(RKPet).at(1);
        QCOMPARE(added.caption, QStringLiteral("Custom Text"));
        QCOMPARE(added.headerFont.pointSize(), 16);
        QCOMPARE(added.contentFont.pointSize(), 14);
        // Row 0 moved below the last row (drop under everything).
        dropOn(order, dragOf(order, 0), order->height() - 3);
        QTest::mouseClick(buttonNamed(dlg, QStringLiteral("OK")), Qt::LeftButton);
    }
    QCOMPARE(ids(readLayout(m_folder, QStringLiteral("Reader")).fields(RKPet)), QVector<int>({3, 1, 2, 0}));

    {
        CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
        win.show();
        CLayoutManagerDlg *dlg = win.content();
        dlg->findChild<QComboBox *>()->setCurrentIndex(RKPet);
        CWCLContainer *order = dlg->fieldOrder();
        // Dropped on "Available fields", the field leaves the report.
        dropOn(dlg->availableFields(), dragOf(order, 0), 10);
        QCOMPARE(order->count(), 3);
        // A drop of the catalogue onto itself changes nothing.
        dropOn(dlg->availableFields(), dragOf(dlg->availableFields(), 0), 10);
        // A foreign drag of another report kind is refused.
        CReportFieldItem other = CReportFieldItem::create(RKNumerology, 1, QStringLiteral("x"));
        auto *mime = new QMimeData;
        mime->setData(LmItemMime::mimeType(), LmItemMime::encode(other, QStringLiteral("x")));
        dropOn(order, mime, 5);
        QCOMPARE(order->count(), 3);
        QTest::mouseClick(buttonNamed(dlg, QStringLiteral("OK")), Qt::LeftButton);
    }
    QCOMPARE(ids(readLayout(m_folder, QStringLiteral("Reader")).fields(RKPet)), QVector<int>({1, 2, 0}));
    QVERIFY(before != QVector<int>({1, 2, 0}));
}

void TstReportManager::keyboardReorderAndUndo()
{
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Keys")));
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    QApplication::setActiveWindow(&win);
    CLayoutManagerDlg *dlg = win.content();
    CWCLContainer *order = dlg->fieldOrder();
    QVector<QByteArray> states{bytesOf(dlg->workingList().at(0))};

    clickRow(order, 1);  // Life Path
    QTest::keyClick(order, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(ids(dlg->workingList().at(0).fields(0)).mid(0, 3), QVector<int>({0, 2, 1}));
    QCOMPARE(dlg->selectedField(), 2);
    states << bytesOf(dlg->workingList().at(0));
    QTest::keyClick(order, Qt::Key_Up, Qt::AltModifier);
    states << bytesOf(dlg->workingList().at(0));
    QTest::keyClick(order, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(ids(dlg->workingList().at(0).fields(0)).mid(0, 3), QVector<int>({1, 0, 2}));
    states << bytesOf(dlg->workingList().at(0));
    // The first row cannot move further up: no step is recorded.
    QTest::keyClick(order, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(dlg->undoStack()->count(), 3);
    // A style change, then Delete removes the field from the order.
    clickBox(boxNamed(dlg, QStringLiteral("Default")));
    QVERIFY(!dlg->workingList().at(0).fields(0).at(0).defaultStyle);
    states << bytesOf(dlg->workingList().at(0));
    clickBox(boxNamed(dlg, QStringLiteral("Hide Image")));
    states << bytesOf(dlg->workingList().at(0));
    clickBox(boxNamed(dlg, QStringLiteral("Hide All Images")));
    states << bytesOf(dlg->workingList().at(0));
    clickRow(order, 0);
    QTest::keyClick(order, Qt::Key_Delete);
    QCOMPARE(order->count(), CReportLayout::createDefault().fields(0).size() - 1);
    states << bytesOf(dlg->workingList().at(0));
    QCOMPARE(dlg->undoStack()->count(), states.size() - 1);

    // Ctrl+Z walks back through every state exactly, Ctrl+Shift+Z forward again.
    for (int i = states.size() - 2; i >= 0; --i) {
        QTest::keyClick(dlg, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytesOf(dlg->workingList().at(0)), states.at(i));
    }
    QCOMPARE(dlg->fieldOrder()->itemAt(1)->label(), QStringLiteral("Life Path"));
    for (int i = 1; i < states.size(); ++i) {
        QTest::keyClick(dlg, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(bytesOf(dlg->workingList().at(0)), states.at(i));
    }
    QVERIFY(!buttonNamed(dlg, QStringLiteral("Redo"))->isEnabled());
    QVERIFY(buttonNamed(dlg, QStringLiteral("Undo"))->isEnabled());
}

void TstReportManager::controlStates()
{
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("States")));
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    CLayoutManagerDlg *dlg = win.content();
    CWCLContainer *order = dlg->fieldOrder();
    const QStringList styled = {QStringLiteral("Header font"), QStringLiteral("Header color"),
                                QStringLiteral("Content font"), QStringLiteral("Content color"),
                                QStringLiteral("Caption")};
    auto styledEnabled = [&](bool on) {
        for (const QString &n : styled)
            if (buttonNamed(dlg, n)->isEnabled() != on)
                return false;
        return boxNamed(dlg, QStringLiteral("Hide Image"))->isEnabled() == on;
    };
    QCheckBox *def = boxNamed(dlg, QStringLiteral("Default"));
    QPushButton *edit = buttonNamed(dlg, QStringLiteral("Edit"));

    // No field: all off, "Default" shown checked, "Hide Image" unchecked.
    QCOMPARE(dlg->selectedField(), -1);
    QVERIFY(styledEnabled(false));
    QVERIFY(!def->isEnabled() && def->isChecked());
    QVERIFY(!boxNamed(dlg, QStringLiteral("Hide Image"))->isChecked());
    QVERIFY(!edit->isEnabled());

    // A field in default style: only "Default" can be used.
    clickRow(order, 1);
    QVERIFY(def->isEnabled() && def->isChecked());
    QVERIFY(styledEnabled(false));
    QVERIFY(!edit->isEnabled());
    clickBox(def);
    QVERIFY(styledEnabled(true));
    QVERIFY(edit->isEnabled());

    // The numerology head has no per-value texts.
    clickRow(order, 0);
    clickBox(def);
    QVERIFY(styledEnabled(true));
    QVERIFY(!edit->isEnabled());

    // Love compatibility: "Psycho-matrix" cannot be edited, its head can.
    dlg->findChild<QComboBox *>()->setCurrentIndex(RKLoveCompatibility);
    QCOMPARE(dlg->selectedField(), -1);
    const int pm = rowOf(order, QStringLiteral("Psycho-matrix"));
    clickRow(order, pm);
    clickBox(def);
    QVERIFY(styledEnabled(true));
    QVERIFY(!edit->isEnabled());
    clickRow(order, 0);
    clickBox(def);
    QVERIFY(edit->isEnabled());
    // "PM ..." entries in the catalogue.
    QVERIFY(rowOf(dlg->availableFields(), QStringLiteral("PM Character")) >= 0);

    // A click in "Available fields" deselects.
    clickRow(dlg->availableFields(), 0);
    QCOMPARE(dlg->selectedField(), -1);
    QVERIFY(styledEnabled(false));
}

void TstReportManager::selectedFieldsStyledAtOnce()
{
    const ShownManager shown(QStringLiteral("Many"), m_folder);
    CLayoutManagerDlg *dlg = shown.dlg();
    CWCLContainer *order = dlg->fieldOrder();
    auto fields = [&] { return dlg->workingList().at(0).fields(0); };
    const CReportLayout original = dlg->workingList().at(0);

    clickRow(order, 1);
    QTest::mouseClick(order->itemAt(4), Qt::LeftButton, Qt::ControlModifier, QPoint(10, 10));
    QCOMPARE(dlg->moreSelectedFields(), QVector<int>({4}));
    QVERIFY(order->itemAt(4)->isSelected() && order->itemAt(1)->isSelected() && !order->itemAt(2)->isSelected());
    clickBox(boxNamed(dlg, QStringLiteral("Default")));
    QVERIFY(!fields().at(1).defaultStyle && !fields().at(4).defaultStyle && fields().at(2).defaultStyle);
    QCOMPARE(dlg->undoStack()->count(), 1);

    // Shift takes the range from the selected field; Shift+Down stretches it.
    QTest::mouseClick(order->itemAt(3), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
    QTest::keyClick(order, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(dlg->moreSelectedFields(), QVector<int>({2, 3, 4}));
    clickBox(boxNamed(dlg, QStringLiteral("Hide Image")));
    for (int row = 1; row <= 4; ++row)
        QVERIFY(fields().at(row).hidesImage());
    QVERIFY(!fields().at(5).hidesImage());
    QCOMPARE(dlg->undoStack()->count(), 2);
    // The selection stays for the next style; a plain click ends it.
    QCOMPARE(dlg->moreSelectedFields(), QVector<int>({2, 3, 4}));
    clickRow(order, 2);
    QVERIFY(dlg->moreSelectedFields().isEmpty());
    dlg->undoStack()->undo();
    dlg->undoStack()->undo();
    QVERIFY(dlg->workingList().at(0) == original);
}

void TstReportManager::cancelAsksOnlyWithChanges_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<bool>("closeButton");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stillOpen");
    QTest::addColumn<bool>("written");
    QTest::newRow("no changes") << false << false << 0 << false << false;
    QTest::newRow("no changes, close button") << false << true << 0 << false << false;
    QTest::newRow("discard") << true << false << int(QMessageBox::Discard) << false << false;
    QTest::newRow("discard, close button") << true << true << int(QMessageBox::Discard) << false << false;
    QTest::newRow("save") << true << false << int(QMessageBox::Save) << false << true;
    QTest::newRow("cancel") << true << true << int(QMessageBox::Cancel) << true << false;
}

void TstReportManager::cancelAsksOnlyWithChanges()
{
    QFETCH(bool, edit);
    QFETCH(bool, closeButton);
    QFETCH(int, answer);
    QFETCH(bool, stillOpen);
    QFETCH(bool, written);
    m_folder += QString::number(QTest::currentDataTag() ? qHash(QString::fromLatin1(QTest::currentDataTag())) : 0);
    QVERIFY(QDir().mkpath(m_folder));
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Kept")));
    QVERIFY(saveLayouts(list, m_folder));
    const QByteArray file = fileBytes(m_folder + QStringLiteral("/Kept.qznr"));
    const CReportLayoutList original = list;
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    CLayoutManagerDlg *dlg = win.content();
    dlg->setQuestionHandler([](const QString &, const QString &) { return true; });
    if (edit) {
        clickRow(dlg->fieldOrder(), 2);
        QTest::keyClick(dlg->fieldOrder(), Qt::Key_Delete);
        QStringList messages;
        answerPrompts({QStringLiteral("Extra")}, &messages);
        QTest::mouseClick(buttonNamed(dlg, QStringLiteral("New")), Qt::LeftButton);
        dlg->selectLayout(0);
        QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Delete")), Qt::LeftButton);
    }
    // Escape never closes the window.
    QTest::keyClick(&win, Qt::Key_Escape);
    QVERIFY(win.isVisible());

    QString question;
    if (answer) {
        qztest::whenModal<QMessageBox>([&question, answer](QMessageBox *box) {
            question = box->text();
            QCOMPARE(box->standardButtons(), QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
            box->button(QMessageBox::StandardButton(answer))->click();
        });
    }
    if (closeButton)
        win.close();
    else
        QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Cancel")), Qt::LeftButton);
    QCOMPARE(question.isEmpty(), answer == 0);
    QCOMPARE(win.isVisible(), stillOpen);
    if (written) {
        QCOMPARE(layoutFiles(m_folder), QStringList({QStringLiteral("Extra.qznr")}));
        QCOMPARE(list.count(), 1);
        QCOMPARE(win.result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(layoutFiles(m_folder), QStringList({QStringLiteral("Kept.qznr")}));
    QCOMPARE(fileBytes(m_folder + QStringLiteral("/Kept.qznr")), file);
    QCOMPARE(list.count(), 1);
    QVERIFY(list.at(0) == original.at(0));
    if (!stillOpen)
        QCOMPARE(win.result(), int(QDialog::Rejected));
}

void TstReportManager::renameThenUndo()
{
    const ShownManager manager(QStringLiteral("Alpha"), m_folder);
    CLayoutManagerDlg *dlg = manager.dlg();
    auto *names = dlg->findChild<QListWidget *>();
    auto shown = [&]() -> QString {
        return names->item(0)->text() + QLatin1Char('|') + dlg->workingList().at(0).name;
    };
    const QVector<int> fields = ids(dlg->workingList().at(0).fields(0));
    clickRow(dlg->fieldOrder(), 1);
    QTest::keyClick(dlg->fieldOrder(), Qt::Key_Delete);
    QStringList messages;
    answerPrompts({QStringLiteral("Beta")}, &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Rename")), Qt::LeftButton);
    QCOMPARE(shown(), QStringLiteral("Beta|Beta"));

    // The rename is its own step; undoing the field edit keeps the name.
    dlg->undoStack()->undo();
    QCOMPARE(shown(), QStringLiteral("Alpha|Alpha"));
    QCOMPARE(ids(dlg->workingList().at(0).fields(0)).size(), fields.size() - 1);
    dlg->undoStack()->redo();
    answerPrompts({QStringLiteral("Gamma")}, &messages);
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Rename")), Qt::LeftButton);
    clickRow(dlg->fieldOrder(), 1);
    QTest::keyClick(dlg->fieldOrder(), Qt::Key_Delete);
    dlg->undoStack()->undo();
    QCOMPARE(shown(), QStringLiteral("Gamma|Gamma"));
    QCOMPARE(ids(dlg->workingList().at(0).fields(0)).size(), fields.size() - 1);
    dlg->undoStack()->undo();
    QCOMPARE(shown(), QStringLiteral("Beta|Beta"));
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(layoutFiles(m_folder), QStringList({QStringLiteral("Beta.qznr")}));
    QCOMPARE(dlg->currentName(), QStringLiteral("Beta"));
}

void TstReportManager::everyListEditIsOneStep()
{
    CReportLayoutList list;
    for (const char *name : {"A", "B", "C"})
        list.append(CReportLayout::createDefault(QString::fromLatin1(name)));
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    CLayoutManagerDlg *dlg = win.content();
    dlg->setQuestionHandler([](const QString &, const QString &) { return true; });
    auto *names = dlg->findChild<QListWidget *>();
    auto state = [&]() -> QByteArray {
        QByteArray all;
        for (int i = 0; i < dlg->workingList().count(); ++i) {
            all += dlg->workingList().at(i).name.toUtf8() + '|' + bytesOf(dlg->workingList().at(i));
            if (names->item(i)->text() != dlg->workingList().at(i).name)
                all += "list and model differ";
        }
        return all + QByteArray::number(names->count());
    };
    QVector<QByteArray> states{state()};
    QStringList messages;
    auto step = [&] {
        QCOMPARE(dlg->undoStack()->count(), states.size());
        states << state();
    };
    auto click = [&](const char *name) { QTest::mouseClick(buttonNamed(dlg, QString::fromLatin1(name)), Qt::LeftButton); };

    dlg->selectLayout(2);
    clickBox(boxNamed(dlg, QStringLiteral("Hide All Images")));
    QVERIFY(buttonNamed(dlg, QStringLiteral("Undo"))->isEnabled());
    step();
    dlg->selectLayout(1);
    click("Delete");
    step();
    // C moved up a row; its edits still reach it.
    QCOMPARE(dlg->currentLayout(), 0);
    dlg->selectLayout(1);
    clickRow(dlg->fieldOrder(), 3);
    clickBox(boxNamed(dlg, QStringLiteral("Default")));
    step();
    // Caption, colour and per-value texts, each through its own dialog.
    answerPrompts({QStringLiteral("My caption")}, &messages);
    click("Caption");
    QCOMPARE(dlg->workingList().at(1).fields(0).at(3).caption, QStringLiteral("My caption"));
    step();
    qztest::whenModal<CColorDialog>([](CColorDialog *c) {
        c->setColor(QColor(0, 0, 255));
        c->slotOk();
    });
    click("Content color");
    QCOMPARE(dlg->workingList().at(1).fields(0).at(3).contentColor, QColor(0, 0, 255));
    step();
    qztest::whenModal<CTextEditor>([](CTextEditor *ed) {
        ed->valueChooser()->setCurrentIndex(1);
        QTest::keyClicks(ed->textArea(), QStringLiteral("own words"));
        ed->OnOk();
    });
    click("Edit");
    QVERIFY(dlg->workingList().at(1).fields(0).at(3).customTexts.at(1).contains(QLatin1String("own words")));
    step();
    answerPrompts({QStringLiteral("D")}, &messages);
    click("Copy");
    QCOMPARE(dlg->currentLayout(), 2);
    QVERIFY(dlg->workingList().at(2).hidesAllImages(0));
    step();
    answerPrompts({QStringLiteral("E")}, &messages);
    click("New");
    step();
    dlg->selectLayout(0);
    answerPrompts({QStringLiteral("F")}, &messages);
    click("Rename");
    step();
    dlg->findChild<QComboBox *>()->setCurrentIndex(RKPet);
    const int custom = rowOf(dlg->availableFields(), QStringLiteral("Custom Text"));
    clickRow(dlg->availableFields(), custom);
    QTest::keyClick(dlg->availableFields(), Qt::Key_Return);
    QCOMPARE(dlg->fieldOrder()->itemAt(dlg->fieldOrder()->count() - 1)->label(), QStringLiteral("Custom Text"));
    step();
    QTest::mouseDClick(dlg->availableFields()->itemAt(1), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(dlg->fieldOrder()->itemAt(dlg->fieldOrder()->count() - 1)->label(), QStringLiteral("Pet"));
    step();
    dlg->selectLayout(1);
    click("Delete");
    step();
    QCOMPARE(messages, QStringList());

    for (int i = states.size() - 2; i >= 0; --i) {
        dlg->undoStack()->undo();
        QCOMPARE(state(), states.at(i));
    }
    for (int i = 1; i < states.size(); ++i) {
        dlg->undoStack()->redo();
        QCOMPARE(state(), states.at(i));
    }
}

void TstReportManager::fitsTheScreen_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("wanted");
    QTest::newRow("1024x700, body") << QRect(0, 0, 1024, 700) << QRect(100, 80, 590, 640);
    QTest::newRow("1024x700, with preview") << QRect(0, 0, 1024, 700) << QRect(200, 50, 1210, 640);
    QTest::newRow("1920x1080, once too wide") << QRect(0, 0, 1920, 1080) << QRect(300, 200, 2320, 640);
    QTest::newRow("second screen, off to the left") << QRect(1920, 0, 1440, 900) << QRect(1700, -20, 1210, 640);
}

void TstReportManager::fitsTheScreen()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, wanted);
    const QSize frame(8, 32);
    const QRect r = CLayoutManagerDlg::fitToScreen(wanted, screen, frame);
    QVERIFY(screen.contains(QRect(r.topLeft(), r.size() + frame)));
    // Only what does not fit is taken away.
    QCOMPARE(r.width(), qMin(wanted.width(), screen.width() - frame.width()));
    QCOMPARE(r.height(), qMin(wanted.height(), screen.height() - frame.height()));
}

void TstReportManager::opensOnScreenAtItsLastSize()
{
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Size")));
    const QRect avail = QApplication::primaryScreen()->availableGeometry();
    QSize left;
    {
        CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
        QWidget preview;
        win.content()->setPreviewWidget(&preview);
        win.resize(CLayoutManagerDlg::BodyWidth + 620, CLayoutManagerDlg::BodyHeight);
        win.content()->OnPreview();
        win.show();
        QVERIFY(avail.contains(win.frameGeometry()));
        QCOMPARE(win.content()->size(), win.size());
        win.resize(win.width() - 50, win.height() - 40);
        left = win.size();
        QTest::mouseClick(buttonNamed(win.content(), QStringLiteral("Cancel")), Qt::LeftButton);
        win.content()->setPreviewWidget(nullptr);
    }
    CLayoutManagerDlgWin again(list, nullptr, nullptr, m_folder);
    again.show();
    QCOMPARE(again.size(), left);
}

void TstReportManager::okWritesWhatTheReportShows()
{
    CReportLayoutList list;
    list.append(CReportLayout::createDefault(QStringLiteral("Client")));
    CLayoutManagerDlgWin win(list, nullptr, nullptr, m_folder);
    win.show();
    CLayoutManagerDlg *dlg = win.content();
    CWCLContainer *order = dlg->fieldOrder();
    // Life Path below Birthday, in its own style.
    clickRow(order, 1);
    QTest::keyClick(order, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(order->itemAt(2)->label(), QStringLiteral("Life Path"));
    clickBox(boxNamed(dlg, QStringLiteral("Default")));

    // Another heading font through the font dialog.
    qztest::whenModal<CTextDlgWin>([](CTextDlgWin *w) {
        QCOMPARE(w->content()->sampleText(), QStringLiteral("Example Text"));
        w->content()->familyBox()->setCurrentFont(QFont(QStringLiteral("DejaVu Serif")));
        QTest::mouseClick(buttonNamed(w->content(), QStringLiteral("Ok")), Qt::LeftButton);
    });
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Header font")), Qt::LeftButton);
    QCOMPARE(dlg->workingList().at(0).fields(0).at(2).headerFont.family(), QStringLiteral("DejaVu Serif"));
    // Report styles stay in pixels: the writer prints only pixel sizes.
    QCOMPARE(dlg->workingList().at(0).fields(0).at(2).headerFont.pixelSize(), 18);

    // A custom text for Life Path 7 through the text editor.
    bool edited = false;
    qztest::whenModal<CTextEditor>([&edited](CTextEditor *ed) {
        const int seven = ed->valueChooser()->findText(QStringLiteral("7"));
        QVERIFY(seven >= 0);
        ed->valueChooser()->setCurrentIndex(seven);
        ed->textArea()->selectAll();
        QTest::keyClicks(ed->textArea(), QStringLiteral("Seekers of quiet truth"));
        QTest::mouseClick(buttonNamed(ed, QStringLiteral("Ok")), Qt::LeftButton);
        edited = true;
    });
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("Edit")), Qt::LeftButton);
    QVERIFY(edited);
    // The picture beside the heading is hidden.
    clickBox(boxNamed(dlg, QStringLiteral("Hide Image")));
    QTest::mouseClick(buttonNamed(dlg, QStringLiteral("OK")), Qt::LeftButton);
    QCOMPARE(dlg->currentName(), QStringLiteral("Client"));

    CReportLayoutList loaded;
    QVERIFY(loadLayouts(loaded, m_folder));
    QCOMPARE(loaded.count(), 1);
    const CReportLayout &layout = loaded.at(0);
    QVERIFY(layout.fields(0).at(2).hidesImage());

    CNumerology n;
    QVERIFY(n.calculate(lifePathSeven()));
    QCOMPARE(n.lifePath, 7);
    CNumerologyReport report;
    report.setImagesFolder(QStringLiteral("/img/"));
    QVERIFY(report.build(n, &layout, QStringLiteral("Anna")));
    const QString html = report.document();
    QVERIFY(html.contains(QStringLiteral("Seekers of quiet truth")));
    QVERIFY(!html.contains(QStringLiteral("<!-- md -->")) || html.indexOf(QStringLiteral("Seekers")) > 0);
    QVERIFY(html.contains(QStringLiteral("DejaVu Serif")));
    // The same layout with the picture shown again names one more picture.
    CReportLayout shown = layout;
    shown.lists[0][2].options.insert(QStringLiteral("hide-image"), QStringLiteral("FALSE"));
    CNumerologyReport withPicture;
    withPicture.setImagesFolder(QStringLiteral("/img/"));
    QVERIFY(withPicture.build(n, &shown, QStringLiteral("Anna")));
    QCOMPARE(withPicture.document().count(QStringLiteral("file:////img/")),
             html.count(QStringLiteral("file:////img/")) + 1);
}

void TstReportManager::dragFormRoundTrip()
{
    CReportFieldItem item = CReportFieldItem::create(RKLoveCompatibility, 9, QStringLiteral("PM Energy"));
    item.customTexts[3] = QStringLiteral("<p>x</p>");
    item.useDefaultText[3] = false;
    item.images[0] = QImage(4, 3, QImage::Format_ARGB32);
    item.images[0].fill(Qt::red);
    item.options.insert(QStringLiteral("hide-image"), QStringLiteral("TRUE"));
    item.defaultStyle = false;
    const QByteArray data = LmItemMime::encode(item, QStringLiteral("PM Energy"));
    CReportFieldItem back;
    QString label;
    QVERIFY(LmItemMime::decode(data, &back, &label));
    QCOMPARE(label, QStringLiteral("PM Energy"));
    QVERIFY(back == item);
    // Damaged drags are refused: cut short, or claiming a huge list.
    QVERIFY(!LmItemMime::decode(data.left(data.size() / 2), &back, &label));
    QByteArray huge;
    QDataStream out(&huge, QIODevice::WriteOnly);
    out.setVersion(12);
    out << qint32(1) << QStringLiteral("x") << qint32(0) << QFont() << QFont() << QColor() << QColor() << true
        << quint32(0xFFFFFFF0);
    QVERIFY(!LmItemMime::decode(huge, &back, &label));
    // A picture whose header claims more pixels than a layout may hold is refused before decoding.
    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    QVERIFY(QImage(2, 2, QImage::Format_RGB32).save(&pngBuffer, "PNG"));
    for (int at : {16, 20})
        qToBigEndian<quint32>(100000, png.data() + at);
    QByteArray giant;
    QDataStream pic(&giant, QIODevice::WriteOnly);
    pic.setVersion(12);
    pic << qint32(1) << QStringLiteral("x") << qint32(0) << QFont() << QFont() << QColor() << QColor() << true
        << quint32(0) << quint32(1) << qint32(1);
    pic.writeRawData(png.constData(), png.size());
    pic << quint32(0) << QString() << quint32(0);
    QVERIFY(!LmItemMime::decode(giant, &back, &label));
    // The same stream with the true size reads.
    for (int at : {16, 20})
        qToBigEndian<quint32>(2, giant.data() + giant.indexOf("IHDR") + (at - 12));
    QVERIFY(LmItemMime::decode(giant, &back, &label));
    QCOMPARE(back.images.value(0).size(), QSize(2, 2));
}

QZ_WIDGET_TEST_MAIN(TstReportManager)
#include "tst_reportmanager.moc"
