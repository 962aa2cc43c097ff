// Results the user made stay until their own inputs change; wrong input is
// explained and never replaces the person on screen.
#include "app/ui/cdateedit.h"
#include "app/ui/cinfodlgwin.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/csettingsdlg.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfowidget.h"
#include "reports/creportlayoutlist.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

#include <functional>

class TestKeptResults : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    CPersonPanel *panel() const { return m_win->personPanel(); }
    QLineEdit *field(const char *name) const { return m_win->findChild<QLineEdit *>(QLatin1String(name)); }

    void typePerson(const QString &full, const QDate &birth, const QString &shortName = QString())
    {
        panel()->fullName->setText(full);
        panel()->shortName->setText(shortName);
        panel()->birthDate->setDate(birth);
    }

    // Opens the person panel, types, and presses APPLY.
    void applyPerson(const QString &full, const QDate &birth)
    {
        if (!m_win->personPanelOpen())
            m_win->OnNameSel();
        typePerson(full, birth);
        m_win->OnNameSel();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        // One layout of our own whose pet report holds only its first section.
        QDir().mkpath(AppPaths::userFolder());
        CReportLayoutList layouts;
        CReportLayout short_ = CReportLayout::createDefault(QStringLiteral("Short pet"));
        while (short_.fields(RKPet).size() > 1)
            short_.fields(RKPet).removeLast();
        layouts.append(short_);
        QVERIFY(saveLayouts(layouts, AppPaths::userFolder() + QLatin1Char('/')));
        QVERIFY(qztest::startMainWindow(m_win));
    }

    void cleanupTestCase()
    {
        m_win.reset();
        // The user folder is shared with the other window tests.
        QFile::remove(AppPaths::userFolder() + QStringLiteral("/Short pet.qznr"));
        QFile::remove(AppPaths::userFolder() + QStringLiteral("/maria.num"));
    }

    int shortPetLayout() const { return m_win->layoutChooser()->findText(QStringLiteral("Short pet")); }

    void advisorReportSurvivesRecalculation()
    {
        applyPerson(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        field("advisorName")->setText(QStringLiteral("Sunrise Bakery"));
        m_win->OnCalcAnNum();
        const QString advisor = m_win->reportHtml(CQZNum::FeatAdvisor);
        QVERIFY(!advisor.isEmpty());

        // APPLY, a layout change and the settings dialog all recalculate.
        applyPerson(QStringLiteral("Mary Day"), QDate(1990, 5, 5));
        QCOMPARE(m_win->reportHtml(CQZNum::FeatAdvisor), advisor);
        m_win->layoutChooser()->setCurrentIndex(shortPetLayout());
        m_win->layoutChooser()->setCurrentIndex(0);
        QCOMPARE(m_win->reportHtml(CQZNum::FeatAdvisor), advisor);
        qztest::answerNextDialog(QStringLiteral("OK"));
        m_win->OnSettings();
        QCOMPARE(m_win->reportHtml(CQZNum::FeatAdvisor), advisor);
        // An empty person does not take the advisor's result with it either.
        applyPerson(QString(), QDate(1990, 5, 5));
        QCOMPARE(m_win->reportHtml(CQZNum::FeatAdvisor), advisor);
    }

    void petCalculationFollowsTheLayout()
    {
        applyPerson(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        QVERIFY(shortPetLayout() > 0);
        field("petName")->setText(QStringLiteral("Rex"));
        m_win->layoutChooser()->setCurrentIndex(shortPetLayout()); // recalculates with the pet
        const QString withLayout = m_win->reportHtml(CQZNum::FeatPet);
        QVERIFY(!withLayout.isEmpty());
        m_win->OnCalcPetNum();
        QCOMPARE(m_win->reportHtml(CQZNum::FeatPet), withLayout);
        m_win->layoutChooser()->setCurrentIndex(0);
        m_win->OnCalcPetNum();
        QVERIFY(m_win->reportHtml(CQZNum::FeatPet) != withLayout);
    }

    void petNamesWithoutLetters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("error");
        QTest::newRow("digits") << "1234" << true;
        QTest::newRow("marks") << "!!" << true;
        QTest::newRow("empty stays silent") << "" << false;
        QTest::newRow("letters") << "Bella 2" << false;
    }

    void petNamesWithoutLetters()
    {
        QFETCH(QString, name);
        QFETCH(bool, error);
        field("petName")->setText(name);
        QString shown;
        const qztest::ModalDriver message({qztest::messageStep(&shown)});
        m_win->OnCalcPetNum();
        QCOMPARE(message.done(), error);
        QCOMPARE(shown == QLatin1String("Error! Incorrect pet name!"), error);
    }

    void namesThatCannotCountAreExplained_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("Cyrillic") << QStringLiteral("\u0418\u0432\u0430\u043d \u041f\u0435\u0442\u0440\u043e\u0432");
        QTest::newRow("Greek") << QStringLiteral("\u039d\u03af\u03ba\u03bf\u03c2");
        QTest::newRow("symbols") << QStringLiteral("@@ ##");
        QTest::newRow("digits") << QStringLiteral("12345");
    }

    void namesThatCannotCountAreExplained()
    {
        QFETCH(QString, typed);
        applyPerson(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        const QString report = m_win->reportHtml(CQZNum::FeatNumerology);
        QVERIFY(!report.isEmpty());

        m_win->OnNameSel();
        typePerson(typed, QDate(1985, 11, 29));
        QString shown;
        qztest::catchMessage(&shown);
        m_win->OnNameSel();
        QVERIFY2(shown.contains(QStringLiteral("Latin letters")), qPrintable(shown));
        // The previous person stays calculated and named.
        QCOMPARE(m_win->reportHtml(CQZNum::FeatNumerology), report);
        QVERIFY(m_win->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text().contains(QStringLiteral("John Smith")));
        QVERIFY(m_win->personButton()->text() != CQZNum::NamePrompt);
        QVERIFY(m_win->personButton()->text() != typed);
        // Back to a good name to leave the panel.
        panel()->fullName->setText(QStringLiteral("John Smith"));
        if (m_win->personPanelOpen())
            m_win->OnNameSel();
        QVERIFY(!m_win->personPanelOpen());
    }

    void clearAllDataClearsThePerson()
    {
        applyPerson(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        auto *summary = m_win->findChild<QLabel *>(QStringLiteral("summaryLabel"));
        QVERIFY(summary && summary->text().contains(QStringLiteral("John Smith")));
        auto *clearTool = m_win->findChild<QPushButton *>(QStringLiteral("tool1"));
        QVERIFY(clearTool);
        QCOMPARE(clearTool->toolTip(), QStringLiteral("Clear all data"));
        // It asks first; "Yes" clears.
        QTimer::singleShot(50, [] {
            if (auto *box = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget())) {
                for (QPushButton *b : box->findChildren<QPushButton *>()) {
                    if (b->text() == QLatin1String("Yes"))
                        b->click();
                }
            }
        });
        clearTool->click();
        QVERIFY(m_win->reportHtml(CQZNum::FeatNumerology).isEmpty());
        QCOMPARE(m_win->personButton()->text(), CQZNum::NamePrompt);
        QVERIFY(!summary->text().contains(QStringLiteral("John")));
        QVERIFY(panel()->fullName->text().isEmpty());
    }

    void namePanelsFollowSettings()
    {
        applyPerson(QStringLiteral("John Smith"), QDate(1985, 11, 29));
        const QString before = panel()->nameView->nameRow(0).calculation;
        QVERIFY(!before.isEmpty());
        // Words summed unreduced changes the expression chain.
        qztest::whenModal<CSettingsDlg>([](CSettingsDlg *dlg) {
            dlg->findChildren<QCheckBox *>(QStringLiteral("checkBoxNameWD")).first()->setChecked(false);
            dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        m_win->OnSettings();
        QCOMPARE(m_win->numerology().expressionText, QStringLiteral("8/44"));
        const QString after = panel()->nameView->nameRow(0).calculation;
        QVERIFY2(after != before, qPrintable(after));
        QVERIFY(after.contains(QStringLiteral("44")));
        calculatorFlags() = CalculatorFlags::defaults();
        m_win->OnCalcNum();
    }

    void marksAndFileSurviveSaveAndOpen_data()
    {
        QTest::addColumn<QString>("full");
        QTest::addColumn<QString>("shortName");
        QTest::newRow("hyphen, no short name") << "Jean-Luc Mary Day" << "";
        QTest::newRow("apostrophe") << "Mary O'Day" << "Mary";
    }

    void marksAndFileSurviveSaveAndOpen()
    {
        QFETCH(QString, full);
        QFETCH(QString, shortName);
        m_win->OnNameSel();
        typePerson(full, QDate(1990, 5, 5), shortName);
        // The Y of MARY is a vowel by the English rule; the user counts it as a consonant.
        const int y = m_win->numerology().fullNameUpper.indexOf(QStringLiteral("MARY")) + 3;
        QVERIFY(m_win->numerology().vowelDigits.at(y).isDigit());
        emit panel()->nameView->symbolCliked(0, y);
        QVERIFY(!m_win->numerology().vowelDigits.at(y).isDigit());
        const QString vowels = m_win->numerology().vowelDigits;

        // "Save..." starts in the user folder and adds the suffix.
        const QString folder = QDir(AppPaths::userFolder()).absolutePath();
        QFile::remove(folder + QStringLiteral("/maria.num"));
        QString startFolder;
        auto answerWith = [&startFolder](const QString &name) {
            return qztest::answerFileDialog(name, [&startFolder](QFileDialog *dlg) {
                startFolder = QDir(dlg->directory()).absolutePath();
            });
        };
        qztest::whenModalStep(answerWith(QStringLiteral("maria")));
        m_win->OnSaveFile();
        QCOMPARE(startFolder, folder);
        QVERIFY(QFile::exists(folder + QStringLiteral("/maria.num")));

        m_win->OnResDataI();
        QVERIFY(panel()->fullName->text().isEmpty());
        // "Open..." starts in the same folder and brings the marks back.
        startFolder.clear();
        qztest::whenModalStep(answerWith(QStringLiteral("maria.num")));
        m_win->OnOpenFile();
        QCOMPARE(startFolder, folder);
        QCOMPARE(panel()->fullName->text(), full);
        QCOMPARE(m_win->numerology().vowelDigits, vowels);
        m_win->OnNameSel();
    }
};

QZ_WIDGET_TEST_MAIN(TestKeptResults)
#include "tst_keptresults.moc"
