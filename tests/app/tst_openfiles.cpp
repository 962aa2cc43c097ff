// Files handed to the program from outside: "qznum FILE" at start, and
// openDocument() for person files, charts and report layouts.
#include "app/core/personfile.h"
#include "app/ui/cpersonpanel.h"
#include "reports/creportlayoutfile.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

class TestOpenFiles : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

private slots:
    void initTestCase()
    {
        // The guide would open at start; a file named at start must come instead.
        AppState s = qztest::quietState();
        s.guideNotAtStart = false;
        QVERIFY(qztest::prepareMainWindowState(s));
    }

    void cleanupTestCase()
    {
        m_win.reset();
    }

    void documentsFromOutside()
    {
        // A person file named at start is entered and calculated, without the guide.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        PersonRecord r;
        r.fullName = QStringLiteral("Ada King");
        r.birthDate = QDate(1815, 12, 10);
        r.partnerBirthDate = r.petBirthDate = QDate(2000, 1, 1);
        const QString person = dir.filePath(QStringLiteral("Ada.NUM"));
        QVERIFY(writePersonFile(person, {r}, QDate::currentDate()));
        QVERIFY(qztest::startMainWindow(m_win, person));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(m_win->personPanel()->fullName->text(), QStringLiteral("Ada King"));
        QCOMPARE(m_win->numerology().birthDate, QDate(1815, 12, 10));
        QCOMPARE(m_win->personButton()->text(), QStringLiteral("Ada King"));

        // A chart outside the user folder is listed and shown on the chart page.
        const QStringList samples = QDir(AppPaths::templateFolder()).entryList({QStringLiteral("*.qnr")});
        QVERIFY(!samples.isEmpty());
        const QString chart = dir.filePath(QStringLiteral("Mine.qnr"));
        QVERIFY(QFile::copy(AppPaths::templateFolder() + QLatin1Char('/') + samples.first(), chart));
        const int charts = m_win->chartChooser()->count();
        QVERIFY(m_win->openDocument(chart));
        QVERIFY(m_win->openDocument(chart)); // twice: still one entry
        QCOMPARE(m_win->chartChooser()->count(), charts + 1);
        QCOMPARE(m_win->chartChooser()->currentData().toString(), chart);
        QTRY_COMPARE(m_win->currentFeature(), int(CQZNum::FeatChart));

        // A layout is copied into the user folder (never over one there) and chosen.
        const QString name = QStringLiteral("tst-open-%1").arg(QCoreApplication::applicationPid());
        const QString layout = dir.filePath(name + QStringLiteral(".qznr"));
        QVERIFY(CReportLayoutFile::write(layout, CReportLayout::createDefault(name)));
        const QString copied = AppPaths::userFolder() + QLatin1Char('/') + name + QStringLiteral(".qznr");
        QVERIFY(!QFile::exists(copied));
        QVERIFY(m_win->openDocument(layout));
        QVERIFY(QFile::exists(copied));
        QCOMPARE(m_win->layoutChooser()->currentText(), name);
        QVERIFY(QFile::remove(copied));

        // A damaged layout is used as far as it reads, and the user is told which file.
        const QString cutName = QStringLiteral("tst-cut-%1").arg(QCoreApplication::applicationPid());
        const QString cut = dir.filePath(cutName + QStringLiteral(".qznr"));
        {
            QFile whole(layout);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            const QByteArray bytes = whole.readAll();
            QFile f(cut);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.write(bytes.left(bytes.size() / 4)) > 0);
        }
        QString shown;
        qztest::catchMessage(&shown);
        QVERIFY(m_win->openDocument(cut));
        QVERIFY2(shown.startsWith(QLatin1String("The layout file is damaged")) && shown.contains(cutName),
                 qPrintable(shown));
        QCOMPARE(m_win->layoutChooser()->currentText(), cutName);
        QVERIFY(QFile::remove(AppPaths::userFolder() + QLatin1Char('/') + cutName + QStringLiteral(".qznr")));

        // Missing, unreadable-kind and broken files are refused with a message.
        qztest::answerNextDialog(QStringLiteral("OK"));
        QVERIFY(!m_win->openDocument(dir.filePath(QStringLiteral("gone.num"))));
        const QString other = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(QFile(other).open(QIODevice::WriteOnly));
        qztest::answerNextDialog(QStringLiteral("OK"));
        QVERIFY(!m_win->openDocument(other));
        const QString broken = dir.filePath(QStringLiteral("broken.qznr"));
        QVERIFY(QFile::copy(other, broken));
        qztest::answerNextDialog(QStringLiteral("OK"));
        QVERIFY(!m_win->openDocument(broken));
        QVERIFY(!QFile::exists(AppPaths::userFolder() + QStringLiteral("/broken.qznr")));
        QVERIFY(!QApplication::activeModalWidget());
    }

};

QZ_WIDGET_TEST_MAIN(TestOpenFiles)
#include "tst_openfiles.moc"
