// What a new user meets first: the hint before any person, the date order,
// the questions before data is wiped, choices kept between runs, and panel
// rows that open what they promise.
#include "app/core/apppaths.h"
#include "app/core/appstate.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cinfodetailsview.h"
#include "app/ui/cinfodlgwin.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/cqznum.h"
#include "app/ui/csettingsdlg.h"
#include "engine/calculatorflags.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfowidget.h"
#include "reports/creportlayoutlist.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QTimer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>

namespace {

const QString kLayoutName = QStringLiteral("Brief reading");
const QString kLongChart = QStringLiteral("Reading Card with QR Code");

// Runs @p act, pressing @p button in the themed question box it opens;
// says whether one came. The box runs modally, so act returns after it.
bool answering(const QString &button, const std::function<void()> &act)
{
    bool asked = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [button, &asked] {
        auto *box = qobject_cast<CInfoDlgWin *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        asked = true;
        for (QPushButton *b : box->findChildren<QPushButton *>()) {
            if (b->text() == button) {
                b->click();
                return;
            }
        }
    });
    poll.start();
    act();
    return asked;
}

} // namespace

class TestFirstUse : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;

    void startWindow()
    {
        m_win.reset(new CQZNum(nullptr, 10));
        m_win->show();
        QTRY_VERIFY_WITH_TIMEOUT(m_win->startUpFinished(), 10000);
    }

    void enterPerson(const QString &full, const QDate &birth, const QString &partner = QString())
    {
        CPersonPanel *p = m_win->personPanel();
        p->fullName->setText(full);
        p->birthDate->setDate(birth);
        p->partnerFullName->setText(partner);
        m_win->OnCalcNum();
    }

    CInfoWidget *panel(const QString &title) const
    {
        for (CInfoWidget *w : m_win->findChildren<CInfoWidget *>()) {
            if (w->title() == title)
                return w;
        }
        return nullptr;
    }

    // Runs @p click and says whether it opened an explanation (closed again at once).
    static bool opensDetails(const std::function<void()> &click)
    {
        bool opened = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&opened] {
            if (auto *d = qobject_cast<CInfoDetailsView *>(QApplication::activeModalWidget())) {
                opened = true;
                d->reject();
            }
        });
        poll.start();
        click(); // an explanation runs modally: the click returns once it is closed
        return opened;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(qztest::prepareMainWindowState());
        CReportLayoutList layouts;
        layouts.append(CReportLayout::createDefault(kLayoutName));
        QVERIFY(saveLayouts(layouts));
        // The sample charts, among them the longest name the chooser has to show.
        QVERIFY(QDir().mkpath(AppPaths::userFolder()));
        AppPaths::copySampleCharts(AppPaths::templateFolder(), AppPaths::userFolder());
        startWindow();
    }

    void cleanupTestCase() { m_win.reset(); }

    void emptyStartShowsTheWayIn()
    {
        QFrame *hint = m_win->emptyHint();
        QVERIFY(hint->isVisible());
        auto *enter = hint->findChild<QPushButton *>();
        QCOMPARE(enter->text(), CQZNum::NamePrompt);
        // Nothing of it is cut off by the page.
        QVERIFY(m_win->pageRect(CQZNum::FeatNumerology).contains(hint->geometry()));
        // Pages without a person's report show no hint.
        m_win->featureButton(CQZNum::FeatPet)->click();
        QVERIFY(!hint->isVisible());
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        QVERIFY(hint->isVisible());

        enter->click();
        QVERIFY(m_win->personPanelOpen());
        QVERIFY(!hint->isVisible());
        m_win->personPanel()->fullName->setText(QStringLiteral("Ada Lovelace"));
        m_win->personButton()->click(); // APPLY
        QVERIFY(!m_win->personPanelOpen());
        QVERIFY(!hint->isVisible());
    }

    void shownDatesFollowTheDateOrder_data()
    {
        QTest::addColumn<bool>("dayFirst");
        QTest::addColumn<QString>("shown");
        QTest::newRow("month first") << false << "01/05/1990";
        QTest::newRow("day first") << true << "05/01/1990";
    }

    void shownDatesFollowTheDateOrder()
    {
        QFETCH(bool, dayFirst);
        QFETCH(QString, shown);
        qztest::whenModal<CSettingsDlg>([dayFirst](CSettingsDlg *dlg) {
            dlg->findChild<QCheckBox *>(QStringLiteral("checkBoxDateFormat"))->setChecked(dayFirst);
            dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
        m_win->OnSettings();
        enterPerson(QStringLiteral("Ada Lovelace"), QDate(1990, 1, 5));
        const QString summary = m_win->findChild<QLabel *>(QStringLiteral("summaryLabel"))->text();
        QVERIFY2(summary.endsWith(shown), qPrintable(summary));
    }

    void clearAllAsksAndClearsTheNamePanels()
    {
        enterPerson(QStringLiteral("Ada Lovelace"), QDate(1815, 12, 10), QStringLiteral("William King"));
        CPersonPanel *p = m_win->personPanel();
        QVERIFY(!p->nameView->nameRow(0).letters.isEmpty());
        QVERIFY(!p->partnerNameView->nameRow(0).letters.isEmpty());

        const auto clearAll = [this] { m_win->OnClearAllData(); };
        QVERIFY(answering(QStringLiteral("No"), clearAll));
        QCOMPARE(p->fullName->text(), QStringLiteral("Ada Lovelace"));

        QVERIFY(answering(QStringLiteral("Yes"), clearAll));
        QVERIFY(p->fullName->text().isEmpty());
        QVERIFY(p->partnerFullName->text().isEmpty());
        for (CInfoNameWidget *view : {p->nameView, p->partnerNameView}) {
            QVERIFY2(view->nameRow(0).letters.isEmpty(), qPrintable(view->nameRow(0).letters));
            QVERIFY2(view->nameRow(1).letters.isEmpty(), qPrintable(view->nameRow(1).letters));
        }
        QVERIFY(m_win->emptyHint()->isVisible());

        // Nothing typed: nothing to lose, no question.
        QVERIFY(!answering(QStringLiteral("No"), clearAll));
    }

    void clickableRowsOpenTheirExplanation()
    {
        enterPerson(QStringLiteral("Ada Lovelace"), QDate(1815, 12, 10));
        for (const QString &title : {QStringLiteral("Main Features"), QStringLiteral("Additional Features"),
                                     QStringLiteral("Life Cycles"), QStringLiteral("Bridges")}) {
            CInfoWidget *w = panel(title);
            QVERIFY2(w, qPrintable(title));
            for (int row = 0; row < w->itemNames().size(); ++row) {
                const QPoint centre(60, w->headerHeight() + 3 + row * CInfoWidget::RowHeight + 8);
                const bool opened = opensDetails([w, centre] { QTest::mouseClick(w, Qt::LeftButton, {}, centre); });
                // A row that looks clickable (underlined) opens something; the others nothing.
                QVERIFY2(opened == w->isRowClickable(row), qPrintable(title + QLatin1Char(' ') + w->itemNames().at(row)));
            }
        }
        QVERIFY(panel(QStringLiteral("Bridges"))->isRowClickable(0));
        QVERIFY(!panel(QStringLiteral("Life Cycles"))->isRowClickable(4)); // LP Periods: no text for it

        auto *planes = m_win->findChild<CInfoExprPlanWidget *>();
        for (int kind = 0; kind < planes->itemNames().size(); ++kind) {
            for (int column = 0; column <= 4; ++column) {
                const QPoint cell(column * CInfoExprPlanWidget::ColumnWidth + 20, planes->headerHeight() + 3 + 16 * (kind + 1) + 8);
                QVERIFY(opensDetails([planes, cell] { QTest::mouseClick(planes, Qt::LeftButton, {}, cell); }));
            }
        }
        // The plane captions are no kind.
        QVERIFY(!opensDetails([planes] {
            QTest::mouseClick(planes, Qt::LeftButton, {}, QPoint(150, planes->headerHeight() + 3 + 8));
        }));
    }

    void chartChooserShowsWholeNames()
    {
        m_win->OnUpdateListReport();
        QComboBox *chooser = m_win->chartChooser();
        const int index = chooser->findText(kLongChart);
        QVERIFY(index >= 0);
        chooser->setCurrentIndex(index);
        for (const QSize size : {QSize(1024, 700), QSize(1100, 700), QSize(1440, 900), QSize(1920, 1080)}) {
            m_win->resize(size);
            m_win->featureButton(CQZNum::FeatChart)->click();
            QVERIFY(chooser->isVisible());
            const int textWidth = chooser->fontMetrics().horizontalAdvance(kLongChart);
            QVERIFY2(chooser->width() >= chooser->sizeHint().width() && chooser->width() > textWidth + 20,
                     qPrintable(QStringLiteral("%1 at %2").arg(chooser->width()).arg(size.width())));
            QVERIFY(m_win->page(CQZNum::FeatChart)->rect().contains(chooser->geometry()));
        }
        m_win->featureButton(CQZNum::FeatNumerology)->click();
    }

    void layoutAndWindowSurviveRestart()
    {
        QComboBox *layouts = m_win->layoutChooser();
        const int index = layouts->findText(kLayoutName);
        QVERIFY(index > 0);
        layouts->setCurrentIndex(index);
        const QRect placed(40, 30, 1240, 780);
        m_win->setGeometry(placed);
        QCOMPARE(m_win->geometry(), placed);
        m_win.reset(); // writes the state file

        startWindow();
        QCOMPARE(m_win->layoutChooser()->currentText(), kLayoutName);
        QCOMPARE(m_win->geometry(), placed);

        // Back to "Default": the next start has no layout chosen.
        m_win->layoutChooser()->setCurrentIndex(0);
        m_win.reset();
        startWindow();
        QCOMPARE(m_win->layoutChooser()->currentIndex(), 0);
    }
};

QZ_WIDGET_TEST_MAIN(TestFirstUse)
#include "tst_firstuse.moc"
