#include "app/core/personfile.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cinfodetailsview.h"
#include "app/ui/cinfodlgwin.h"
#include "app/ui/cmanualview.h"
#include "tests/common/widgettestmain.h"
#include "texts/interpretationtexts.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/csettingsdlg.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "reportedit/clayoutmanagerdlg.h"
#include "reportedit/clayoutmanagerdlgwin.h"
#include "reportedit/clayoutnameprompt.h"
#include "reportedit/cwclcontainer.h"
#include "reports/creportlayoutlist.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <QMenu>
#include <QtTest>

namespace {

void typePerson(CQZNum &w, const QString &full, const QDate &birth, const QString &shortName = QString())
{
    CPersonPanel *p = w.personPanel();
    p->fullName->setText(full);
    p->shortName->setText(shortName);
    p->birthDate->setDate(birth);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        QVERIFY(qztest::startMainWindow(m_win));
    }

    void cleanupTestCase()
    {
        m_win.reset();
    }

    void contentGeometry_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("feature");
        QTest::addColumn<QRect>("rect");
        // Narrow: the planes panel takes a row of its own below the bridges.
        QTest::newRow("narrow numerology") << 1100 << int(CQZNum::FeatNumerology) << QRect(217, 11, 683, 382);
        QTest::newRow("edge 1439") << 1439 << int(CQZNum::FeatNumerology) << QRect(217, 11, 1022, 450);
        QTest::newRow("wide centred") << 1600 << int(CQZNum::FeatNumerology) << QRect(297, 11, 1022, 450);
        QTest::newRow("psychomatrix") << 1100 << int(CQZNum::FeatPMatrix) << QRect(217, 11, 683, 386);
        QTest::newRow("guide") << 1100 << int(CQZNum::FeatGuide) << QRect(217, 11, 683, 678);
        QTest::newRow("pet") << 1100 << int(CQZNum::FeatPet) << QRect(217, 11, 683, 598);
        QTest::newRow("advisor") << 1100 << int(CQZNum::FeatAdvisor) << QRect(217, 281, 683, 413);
        QTest::newRow("chart") << 1100 << int(CQZNum::FeatChart) << QRect(217, 11, 683, 678);
    }

    void contentGeometry()
    {
        QFETCH(int, width);
        QFETCH(int, feature);
        QFETCH(QRect, rect);
        m_win->resize(width, 700);
        QCOMPARE(m_win->size(), QSize(width, 700));
        QCOMPARE(m_win->pageRect(feature), rect);
        m_win->featureButton(feature)->click();
        QCOMPARE(m_win->currentFeature(), feature);
        QTRY_COMPARE(m_win->page(feature)->geometry(), rect);
        QVERIFY(m_win->page(feature)->isVisible());
        m_win->resize(1100, 700);
    }

    void navigationWhileSliding()
    {
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        m_win->featureButton(CQZNum::FeatPMatrix)->click(); // before the first slide ends
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatPMatrix));
        const QList<QWidget *> shown = m_win->panelsOf(CQZNum::FeatPMatrix);
        QVERIFY(!shown.isEmpty());
        QTRY_VERIFY(shown.first()->y() < m_win->height());
        for (QWidget *w : m_win->panelsOf(CQZNum::FeatNumerology))
            QTRY_VERIFY(w->y() >= m_win->height());
    }

    void personPanelRecalculates()
    {
        m_win->personButton()->click();
        QVERIFY(m_win->personPanelOpen());
        QCOMPARE(m_win->personButton()->text(), QStringLiteral("APPLY"));
        // Navigation is ignored while the panel is open.
        m_win->featureButton(CQZNum::FeatGuide)->click();
        QVERIFY(m_win->currentFeature() != int(CQZNum::FeatGuide));

        typePerson(*m_win, QStringLiteral("John Smith"), QDate(1985, 11, 29));
        m_win->personButton()->click();
        QVERIFY(!m_win->personPanelOpen());
        QCOMPARE(m_win->numerology().lifePath, 9);
        QCOMPARE(m_win->personButton()->text(), QStringLiteral("John Smith"));
        const QStringList values = m_win->mainFeaturesPanel()->itemValues();
        QCOMPARE(values.value(0), QStringLiteral("11/11+11+5/23=27=9"));
        QCOMPARE(values.value(1), QStringLiteral("29 (11)"));
        QVERIFY(m_win->reportHtml(CQZNum::FeatNumerology).contains(QLatin1String("maindoc")));
        QVERIFY(!m_win->reportHtml(CQZNum::FeatPMatrix).isEmpty());
        QVERIFY(m_win->reportHtml(CQZNum::FeatCompatibility).isEmpty());
    }

    void partnerGivesCompatibility()
    {
        m_win->personButton()->click();
        CPersonPanel *p = m_win->personPanel();
        p->partnerFullName->setText(QStringLiteral("Mary Ann Jones"));
        p->partnerBirthDate->setDate(QDate(1987, 3, 14));
        m_win->personButton()->click();
        QVERIFY(m_win->compatibility().totalPercent > 0);
        QVERIFY(!m_win->reportHtml(CQZNum::FeatCompatibility).isEmpty());
        QCOMPARE(m_win->partnerNumerology().shortNameUpper, QStringLiteral("MARY JONES"));
    }

    void nameCleaningAndShortNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("typedShort");
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("hyphen and apostrophe") << "Jean-Luc O'Brien" << "" << "Jean Luc OBrien" << "Jean OBrien";
        QTest::newRow("three words") << "Ana Maria Lopez" << "" << "Ana Maria Lopez" << "Ana Lopez";
        QTest::newRow("two words") << "Ana Lopez" << "" << "Ana Lopez" << "Ana Lopez";
        QTest::newRow("typed short") << "Ana Maria Lopez" << "Annie" << "Ana Maria Lopez" << "Annie";
        QTest::newRow("accents") << QString::fromUtf8("Jos\xc3\xa9  M\xc3\xbcller") << "" << "Jose Muller" << "Jose Muller";
    }

    void nameCleaningAndShortNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, typedShort);
        typePerson(*m_win, typed, QDate(1990, 1, 1), typedShort);
        const PersonRecord r = m_win->recordFromInputs();
        QTEST(r.fullName, "full");
        QTEST(r.shortName, "shortName");
    }

    void markToggling()
    {
        typePerson(*m_win, QStringLiteral("Mary Day"), QDate(1990, 5, 5));
        const QString vowels = m_win->numerology().vowelDigits;
        // Position 3 is the Y of MARY: a vowel by the English rule.
        QVERIFY(vowels.at(3).isDigit());
        emit m_win->personPanel()->nameView->symbolCliked(0, 3);
        QVERIFY(!m_win->numerology().vowelDigits.at(3).isDigit());
        QVERIFY(m_win->numerology().consonantDigits.at(3).isDigit());
        // Back again.
        emit m_win->personPanel()->nameView->symbolCliked(0, 3);
        QCOMPARE(m_win->numerology().vowelDigits, vowels);
        // The blank between the words is no letter: nothing changes.
        emit m_win->personPanel()->nameView->symbolCliked(0, 4);
        QCOMPARE(m_win->numerology().vowelDigits, vowels);
    }

    void recentListKeepsSeven()
    {
        for (int i = 0; i < 8; ++i) {
            typePerson(*m_win, QStringLiteral("Person Number %1").arg(QChar(QLatin1Char(char('A' + i)))),
                       QDate(1970 + i, 2, 3));
            m_win->OnCalcNum();
        }
        QCOMPARE(m_win->recentList().size(), 7);
        QCOMPARE(m_win->recentList().first().fullName, QStringLiteral("Person Number H"));
        typePerson(*m_win, QStringLiteral("Person Number D"), QDate(1973, 2, 3));
        m_win->OnCalcNum();
        QCOMPARE(m_win->recentList().size(), 7);
        QCOMPARE(m_win->recentList().first().fullName, QStringLiteral("Person Number D"));
        QVERIFY(m_win->personPanel()->recent[6]->isVisibleTo(m_win->personPanel()));
    }

    void settingsOkRecalculates()
    {
        typePerson(*m_win, QStringLiteral("John Smith"), QDate(1985, 11, 29));
        m_win->OnCalcNum();
        QCOMPARE(m_win->numerology().expressionText, QStringLiteral("8"));
        // Words summed unreduced: 20 + 24 = 44 -> 8/44.
        qztest::whenModal<CSettingsDlg>([](CSettingsDlg *dlg) {
            const auto boxes = dlg->findChildren<QCheckBox *>(QStringLiteral("checkBoxNameWD"));
            boxes.first()->setChecked(false);
            dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        m_win->OnSettings();
        QCOMPARE(m_win->numerology().expressionText, QStringLiteral("8/44"));
        QVERIFY(!calculatorFlags().wordsToDigit());

        qztest::answerNextDialog(QStringLiteral("Cancel"));
        m_win->OnSettings();
        QVERIFY(!calculatorFlags().wordsToDigit());
        calculatorFlags() = CalculatorFlags::defaults();
        m_win->OnCalcNum();
    }

    void everyThemeApplies()
    {
        const QList<QAction *> actions = m_win->themeActions();
        QCOMPARE(actions.size(), 7);
        for (QAction *a : actions) {
            a->trigger();
            QVERIFY(a->isChecked());
        }
        QCOMPARE(m_win->appState().themeIndex, 6);
        actions.first()->trigger();
    }

    void dialogsOpenAndClose()
    {
        qztest::answerNextDialog(QStringLiteral("Close"));
        m_win->OnAbout();
        qztest::whenModal<QWidget>([](QWidget *w) {
            w->findChild<QPushButton *>(QStringLiteral("noBut"))->click();
        });
        QCOMPARE(CInfoDlgWin::ask(m_win->theme(), QStringLiteral("Question"), QStringLiteral("Sure?"), m_win.get()), 1);
        qztest::whenModal<QWidget>([](QWidget *w) {
            w->findChild<QPushButton *>(QStringLiteral("yesBut"))->click();
        });
        QCOMPARE(CInfoDlgWin::ask(m_win->theme(), QStringLiteral("Question"), QStringLiteral("Sure?"), m_win.get()), 0);
    }

    void helpOpensTheManual()
    {
        m_win->featureButton(CQZNum::FeatPMatrix)->click();
        QAction *help = nullptr;
        for (QAction *a : m_win->mainMenu()->actions())
            if (a->text() == QLatin1String("Help"))
                help = a;
        QVERIFY(help);
        help->trigger();
        QTRY_COMPARE(m_win->currentFeature(), int(CQZNum::FeatGuide));
        auto *guide = m_win->page(CQZNum::FeatGuide)->findChild<QWebEngineView *>();
        QVERIFY(guide);
        QVERIFY2(guide->url().toLocalFile().endsWith(QLatin1String("/images/manual/index.html")),
                 qPrintable(guide->url().toString()));
        QVERIFY(QFileInfo::exists(guide->url().toLocalFile()));
    }

    void detailsAndGuideDialogs()
    {
        // Every list row that has a guide section opens the details view.
        const QString html = CInfoDetailsView::detailsHtml(25, QStringLiteral("res23.jpg"));
        QVERIFY(html.contains(QLatin1String("data:image/png;base64,")));
        // Sections 19 to 34 borrow the "Calculating" text of section 18.
        QVERIFY(html.contains(guideText(18, 1)));
        QVERIFY(html.contains(guideText(25, 0)));
        QVERIFY(html.contains(guideText(25, 2)));
        QVERIFY(CInfoDetailsView::detailsHtml(99, QString()).isEmpty());

        qztest::whenModal<CInfoDetailsView>([](CInfoDetailsView *w) { w->close(); });
        m_win->mainFeaturesPanel()->itemCliked(0);

        bool notAtStart = false;
        CManualVieW guide(m_win->theme(), &notAtStart, m_win.get());
        qztest::whenModal<CManualVieW>([](CManualVieW *g) {
            g->findChild<QCheckBox *>()->setChecked(true);
            g->OnOk();
        });
        guide.exec();
        QVERIFY(notAtStart);
    }

    void webViewsRunNoScript()
    {
        // Reports and the guide show text from shared files; none may run script.
        const QList<QWebEngineView *> views = m_win->findChildren<QWebEngineView *>();
        QVERIFY(views.size() >= 5);
        bool notAtStart = false;
        CManualVieW guide(m_win->theme(), &notAtStart, m_win.get());
        CInfoDetailsView details(m_win->theme(), QStringLiteral("<p>x</p>"), m_win.get());
        QList<QWebEngineView *> all = views;
        all << guide.findChild<QWebEngineView *>() << details.findChild<QWebEngineView *>();
        for (QWebEngineView *v : all) {
            QVERIFY(v);
            QVERIFY2(!v->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled),
                     qPrintable(v->objectName()));
        }
    }

    void returnNeverAnswersYes()
    {
        qztest::whenModal<QWidget>([](QWidget *w) {
            QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClick(w, Qt::Key_Enter);
            QTest::keyClick(w, Qt::Key_Escape);
            QVERIFY(w->isVisible());
            w->findChild<QPushButton *>(QStringLiteral("noBut"))->click();
        });
        QVERIFY(CInfoDlgWin::ask(m_win->theme(), QStringLiteral("Question"), QStringLiteral("Remove?"), m_win.get()) != 0);
    }

    void emptyNameClearsToday()
    {
        typePerson(*m_win, QStringLiteral("John Smith"), QDate(1985, 11, 29));
        m_win->OnCalcNum();
        QVERIFY(!m_win->reportHtml(CQZNum::FeatNumerology).isEmpty());
        typePerson(*m_win, QStringLiteral("   "), QDate(1985, 11, 29));
        m_win->OnCalcNum();
        QVERIFY(m_win->reportHtml(CQZNum::FeatNumerology).isEmpty());
        const auto *today = m_win->findChild<CInfoTodayWidget *>();
        QVERIFY(today);
        for (const QString &v : today->values())
            QVERIFY2(v.isEmpty() || v == QLatin1String("-"), qPrintable(v));
    }

    void reportManagerFromChooser()
    {
        typePerson(*m_win, QStringLiteral("Anna Maria Lind"), QDate(2000, 1, 4), QStringLiteral("Anna"));
        m_win->personButton()->click();
        m_win->personButton()->click();
        QCOMPARE(m_win->numerology().lifePath, 7);
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        const QString name = QStringLiteral("Reader%1").arg(QDateTime::currentMSecsSinceEpoch());
        auto *button = m_win->findChild<QPushButton *>(QStringLiteral("reportManagerBut"));
        QVERIFY(button);
        QCOMPARE(button->toolTip(), QStringLiteral("Report manager"));
        bool seen = false;
        int previews = 0;
        qztest::whenModal<CLayoutManagerDlgWin>([&](CLayoutManagerDlgWin *win) {
            CLayoutManagerDlg *dlg = win->content();
            QObject::connect(dlg, &CLayoutManagerDlg::previewRequested, [&](int kind, const CReportLayout *l) {
                if (kind == 0 && l && l->name == name)
                    ++previews;
            });
            qztest::whenModal<CLayoutNamePrompt>([&](CLayoutNamePrompt *prompt) {
                prompt->lineEdit()->setText(name);
                prompt->OnOk();
            });
            for (QPushButton *b : dlg->findChildren<QPushButton *>())
                if (b->text() == QLatin1String("New"))
                    b->click();
            QCOMPARE(dlg->workingList().at(dlg->currentLayout()).name, name);
            // Birthday before Life Path, then the preview shows the edited layout.
            dlg->selectField(2);
            QTest::keyClick(dlg->fieldOrder(), Qt::Key_Up, Qt::AltModifier);
            if (!dlg->previewShown())
                dlg->OnPreview();
            QTRY_VERIFY(previews > 0);
            dlg->OnOk();
            seen = true;
        });
        button->click();
        QVERIFY(seen);
        QCOMPARE(m_win->layoutChooser()->currentText(), name);
        const QString html = m_win->reportHtml(CQZNum::FeatNumerology);
        const int birthday = html.indexOf(QStringLiteral("Birthday Number"));
        const int lifePath = html.indexOf(QStringLiteral("Life Path Number"));
        QVERIFY(birthday > 0 && lifePath > 0);
        QVERIFY(birthday < lifePath);
        QVERIFY(QFile::exists(defaultLayoutsFolder() + name + QStringLiteral(".qznr")));
        // Back to the built-in report for the tests that follow.
        QFile::remove(defaultLayoutsFolder() + name + QStringLiteral(".qznr"));
        m_win->layoutChooser()->setCurrentIndex(0);
    }

    void advisorDateIsOptional()
    {
        auto *name = m_win->findChild<QLineEdit *>(QStringLiteral("advisorName"));
        auto *useDate = m_win->findChild<QCheckBox *>(QStringLiteral("advisorUseDate"));
        auto *date = m_win->findChild<CDateEdit *>(QStringLiteral("advisorDate"));
        QVERIFY(name && useDate && date);
        QVERIFY(!date->isEnabled());
        QCOMPARE(date->date(), QDate::currentDate());
        name->setText(QStringLiteral("Sunrise Bakery"));
        m_win->OnCalcAnNum();
        QVERIFY(!m_win->reportHtml(CQZNum::FeatAdvisor).isEmpty());
        useDate->setChecked(true);
        QVERIFY(date->isEnabled());
    }

    void recentPersonsSurviveRestart()
    {
        typePerson(*m_win, QStringLiteral("Grace Hopper"), QDate(1906, 12, 9));
        m_win->OnCalcNum();
        m_win.reset(); // writes the auto-saved persons and the state file
        PersonFileContent c;
        QCOMPARE(readPersonFile(AppPaths::autoPersonFilePath(), true, c), PersonFileStatus::Ok);
        QCOMPARE(c.records.first().fullName, QStringLiteral("Grace Hopper"));

        QVERIFY(qztest::startMainWindow(m_win));
        QCOMPARE(m_win->recentList().first().fullName, QStringLiteral("Grace Hopper"));
        QCOMPARE(m_win->personPanel()->fullName->text(), QStringLiteral("Grace Hopper"));
        QCOMPARE(m_win->numerology().birthDate, QDate(1906, 12, 9));
    }

    void brokenAutoSavedFileGivesEmptyList()
    {
        m_win.reset();
        QFile f(AppPaths::autoPersonFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("\x01\x02garbage,,,\n\xff\xfe");
        f.close();
        QVERIFY(qztest::startMainWindow(m_win));
        QVERIFY(m_win->recentList().isEmpty());
        QCOMPARE(m_win->personButton()->text(), CQZNum::NamePrompt);
    }

    void closingEarlyWritesNothing()
    {
        m_win.reset();
        QFile::remove(AppPaths::autoPersonFilePath());
        {
            CQZNum early(nullptr, 60000);
            early.show();
        }
        QVERIFY(!QFile::exists(AppPaths::autoPersonFilePath()));
        QVERIFY(qztest::startMainWindow(m_win));
    }
};

QZ_WIDGET_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
