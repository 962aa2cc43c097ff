#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chartedit/creportcreator.h"
#include "chartedit/creportcreatorwin.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <functional>

namespace {

QPushButton *chartButton(CQZNum &w, const QString &text)
{
    for (QPushButton *b : w.page(CQZNum::FeatChart)->findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

} // namespace

class TestCreatorMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        const QString user = AppPaths::userFolder();
        QDir(user).removeRecursively();
        QVERIFY(QDir().mkpath(user));
        QVERIFY(AppPaths::copySampleCharts(AppPaths::templateFolder(), user) > 0);

        QVERIFY(qztest::startMainWindow(m_win));
        m_win->featureButton(CQZNum::FeatChart)->click();
    }

    void cleanupTestCase()
    {
        m_win.reset();
        QDir(AppPaths::userFolder()).removeRecursively();
        QFile::remove(AppPaths::configFolder() + QStringLiteral("/qznum_creator.cfg"));
    }

    void newChartIsSavedAndSelected()
    {
        QComboBox *chooser = m_win->chartChooser();
        const int before = chooser->count();
        QPushButton *newButton = chartButton(*m_win, QStringLiteral("New"));
        QVERIFY(newButton && newButton->isEnabled());
        bool opened = false;
        qztest::whenModal<QWidget>([&opened](QWidget *w) {
            auto *win = qobject_cast<CReportCreatorWin *>(w);
            QVERIFY(win);
            opened = true;
            CReportCreator *creator = win->creator();
            QCOMPARE(creator->mode(), CReportCreator::kMainWindowMode);
            QVERIFY(creator->filePath().isEmpty());
            creator->document()->title = QStringLiteral("My Own Chart");
            creator->OnAddPage(); // an edit, so the file differs from a bare new chart
            creator->OnOk();
            QVERIFY(!creator->hasUnsavedChanges());
            creator->OnCancel(); // saved: closes without asking
        });
        newButton->click();
        QVERIFY(opened);
        QCOMPARE(chooser->count(), before + 1);
        QCOMPARE(chooser->currentText(), QStringLiteral("My Own Chart"));
        const QString path = chooser->currentData().toString();
        QCOMPARE(path, AppPaths::userFolder() + QStringLiteral("/My Own Chart.qnr"));
        ChartDocument saved;
        QVERIFY(chartfile::load(saved, path));
        QCOMPARE(saved.pageSets.front().size(), size_t(2));
        QVERIFY(QFileInfo::exists(AppPaths::configFolder() + QStringLiteral("/qznum_creator.cfg")));
    }

    void editOpensTheSelectedChartAndReselectsIt()
    {
        QComboBox *chooser = m_win->chartChooser();
        QVERIFY(chooser->count() > 1);
        chooser->setCurrentIndex(0);
        const QString path = chooser->currentData().toString();
        ChartDocument onDisk;
        QVERIFY(chartfile::load(onDisk, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();

        QString loadedTitle, loadedPath;
        qztest::whenModal<QWidget>([&](QWidget *w) {
            auto *win = qobject_cast<CReportCreatorWin *>(w);
            QVERIFY(win);
            loadedTitle = win->creator()->document()->title;
            loadedPath = win->creator()->filePath();
            // An edit not saved: closing asks; "No" leaves the file alone.
            win->creator()->OnAddPage();
            qztest::whenModal<QWidget>([](QWidget *box) {
                auto *question = qobject_cast<QMessageBox *>(box);
                QVERIFY(question);
                question->button(QMessageBox::No)->click();
            });
            win->creator()->OnCancel();
        });
        chartButton(*m_win, QStringLiteral("Edit"))->click();
        QCOMPARE(loadedTitle, onDisk.title);
        QCOMPARE(loadedPath, path);
        QCOMPARE(chooser->currentIndex(), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    void aFileThatIsNoChartIsNotOpened()
    {
        const QString path = AppPaths::userFolder() + QStringLiteral("/AAA Not a chart.qnr");
        QFile junk(path);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a chart file at all");
        junk.close();
        // The list is read again when a chart is deleted, added or edited; take it now.
        QMetaObject::invokeMethod(m_win.get(), "OnUpdateListReport");
        QComboBox *chooser = m_win->chartChooser();
        const int index = chooser->findData(path);
        QVERIFY(index >= 0);
        chooser->setCurrentIndex(index);

        QString said;
        qztest::whenModal<QWidget>([&said](QWidget *w) {
            said = w->windowTitle() + QLatin1Char('|');
            if (auto *box = qobject_cast<QMessageBox *>(w))
                said += box->text();
            w->close();
        });
        chartButton(*m_win, QStringLiteral("Edit"))->click();
        QCOMPARE(said, QStringLiteral("Error|Wrong file format!"));
        QVERIFY(QFileInfo::exists(path));
        junk.remove();
    }
};

QZ_WIDGET_TEST_MAIN(TestCreatorMainWindow)
#include "tst_creatormainwindow.moc"
