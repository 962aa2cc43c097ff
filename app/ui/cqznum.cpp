#include "app/ui/cqznum.h"
#include "engine/datafolder.h"

#include "app/core/apppaths.h"
#include "app/ui/appurls.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cmenubutton.h"
#include "app/ui/cpersonpanel.h"
#include "engine/calculatorflags.h"
#include "engine/checkedconnect.h"
#include "panels/cinfocalendarwidget.h"
#include "panels/cinfocompmatrwidget.h"
#include "panels/cinfoessencewidget.h"
#include "panels/cinfoexprplanwidget.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfonamewidget.h"
#include "panels/cinfotodaywidget.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopWidget>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QNetworkAccessManager>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimeLine>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

const QString CQZNum::EmptyPage = QStringLiteral("<html><body><p>&nbsp;</p></body></html>");
const QString CQZNum::NamePrompt = QStringLiteral("ENTER YOUR NAME");

namespace {

struct FeatureInfo {
    const char *slot;
    const char *text;
    int position;
    const char *icon;
};

// Number = index; position = place in the button column.
const FeatureInfo kFeatures[CQZNum::FeatureCount] = {
    {SLOT(OnCtrlButNumer()), "Numerology", 0, "numer-but.png"},
    {SLOT(OnCtrlButPMatr()), "Psycho Matrix", 1, "matr-but.png"},
    {SLOT(OnCtrlButComp()), "Love\r\nCompatibility", 3, "love-but.png"},
    {SLOT(OnCtrlButCel()), "Celebrities", 4, "cel-but.png"},
    {SLOT(OnCtrlButPet()), "Pet", 5, "pet-but.png"},
    {SLOT(OnCtrlButChart()), "Graphic\r\nChart", 6, "chart-but.png"},
    {SLOT(OnCtrlButAnalize()), "Name\r\nAdvisor", 7, "an-but.png"},
    {SLOT(OnCtrlButForecast()), "Forecast", 2, "fore-but.png"},
    {SLOT(OnCtrlButGuide()), "Guide", 8, "guide-but.png"},
};

CDateEdit *newDateEdit(QWidget *parent, const QDate &date)
{
    return new CDateEdit(date, parent);
}

} // namespace

int CQZNum::featurePosition(int feature)
{
    return feature >= 0 && feature < CQZNum::FeatureCount ? kFeatures[feature].position : 0;
}

CQZNum::CQZNum(QWidget *parent, int startUpDelay) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Qzarel Numerology Premium 6"));
    m_theme = new CTheme(DataFolder::path() + QStringLiteral("/images/"), this);

    loadInterpretationTexts();
    fillCelebrityTable(m_celebs);
    loadLayouts();

    // Web content reaches screen readers on Linux only when asked for before
    // the first view exists; it costs nothing while no screen reader listens.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");

    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("central"));
    setCentralWidget(m_central);

    buildPages();
    buildPanels();
    buildRightColumn();
    buildEmptyHint();
    buildButtons();
    buildPersonPanel();
    buildMenu();

    m_loading = new QLabel(QStringLiteral("Loading...\r\n\r\n\r\nThank You for using Qzarel Numerology,\r\n"
                                          "The World's most advanced Numerology application!"),
                           m_central);
    m_loading->setAlignment(Qt::AlignCenter);
    m_loading->setObjectName(QStringLiteral("loadingText"));

    m_pulse = new QTimeLine(1000, this);
    m_pulse->setFrameRange(0, 20);
    m_pulse->setEasingCurve(QEasingCurve::InOutQuad);
    qz::checkedConnect(m_pulse, SIGNAL(frameChanged(int)), this, SLOT(OnPersButAnim(int)));
    qz::checkedConnect(m_pulse, SIGNAL(finished()), this, SLOT(OnPersButAnimFinish()));

    m_network = new QNetworkAccessManager(this);
    qz::checkedConnect(m_network, SIGNAL(finished(QNetworkReply *)), this,
                   SLOT(replyFinished(QNetworkReply *)));

    const QRect avail = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                      : QRect(0, 0, 1280, 1024);
    // Below this size the panels would cover the choosers and each other.
    setMinimumSize(1024, 700);
    resize(qMin(1100, avail.width()), qMin(700, avail.height()));

    // The saved theme from the first frame on; the person button stays quiet
    // until start-up knows whether a person comes back.
    AppState early;
    readStateFile(AppPaths::stateFilePath(), early);
    const QList<QAction *> themes = m_themeGroup->actions();
    if (early.themeIndex > 0 && early.themeIndex < themes.size()) {
        themes.at(early.themeIndex)->setChecked(true);
        m_theme->selectTheme(early.themeIndex);
    }
    initStyle();
    // Where the user left the window, as long as it still fits a screen.
    if (!early.windowGeometry.isEmpty())
        restoreGeometry(early.windowGeometry);
    m_personBut->setText(QString());
    OnResData();
    navigate(FeatNumerology);

    m_startUpTimer = new QTimer(this);
    m_startUpTimer->setSingleShot(true);
    qz::checkedConnect(m_startUpTimer, SIGNAL(timeout()), this, SLOT(OnFinishedSU()));
    m_startUpTimer->start(startUpDelay);

    // Outside dialogs Enter does not press a focused button by itself.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(true);
}

QWebEngineView *CQZNum::newReportView(QWidget *parent)
{
    auto *v = new QWebEngineView(parent);
    v->setContextMenuPolicy(Qt::NoContextMenu);
    // Reports carry text from shared layout files; nothing in them needs script.
    v->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    v->page()->setBackgroundColor(Qt::white);
    v->setHtml(EmptyPage, QUrl(QStringLiteral("file://localhost/")));
    return v;
}

void CQZNum::buildPages()
{
    for (int f = 0; f < FeatureCount; ++f) {
        if (f == FeatForecast) {
            m_pages[f] = m_pages[FeatNumerology]; // Numerology and Forecast share a page
            m_views[f] = m_views[FeatNumerology];
            continue;
        }
        auto *page = new QWidget(m_central);
        page->setObjectName(QStringLiteral("page%1").arg(f));
        m_pages[f] = page;
        if (f != FeatChart) {
            m_views[f] = newReportView(page);
            m_views[f]->setObjectName(QStringLiteral("view%1").arg(f));
        }
        page->hide();
    }

    // Pet page: inputs above the report.
    QWidget *pet = m_pages[FeatPet];
    auto *petNameCap = new QLabel(QStringLiteral("Pet Name"), pet);
    petNameCap->setObjectName(QStringLiteral("petNameCaption"));
    petNameCap->setGeometry(10, 8, 80, 24);
    m_petName = new QLineEdit(pet);
    petNameCap->setBuddy(m_petName);
    m_petName->setObjectName(QStringLiteral("petName"));
    m_petName->setMaxLength(300);
    m_petName->setGeometry(90, 5, 200, 30);
    auto *petBirthCap = new QLabel(QStringLiteral("Birth Date"), pet);
    petBirthCap->setObjectName(QStringLiteral("petBirthCaption"));
    petBirthCap->setGeometry(305, 8, 75, 24);
    m_petBirth = newDateEdit(pet, QDate::currentDate());
    m_petBirth->setObjectName(QStringLiteral("petBirth"));
    m_petBirth->setGeometry(380, 8, 120, 24);
    petBirthCap->setBuddy(m_petBirth);
    m_petBirth->setAccessibleName(QStringLiteral("Pet Birth Date"));
    m_petCalc = new QPushButton(QStringLiteral("CALCULATE"), pet);
    m_petCalc->setObjectName(QStringLiteral("petCalc"));
    m_petCalc->setGeometry(515, 6, 110, 28);
    qz::checkedConnect(m_petCalc, SIGNAL(clicked()), this, SLOT(OnCalcPetNum()));
    qz::checkedConnect(m_petName, SIGNAL(returnPressed()), this, SLOT(OnCalcPetNum()));

    // Name advisor: its inputs live above the page, in the area the page leaves free.
    QWidget *an = new QWidget(m_central);
    an->setObjectName(QStringLiteral("advisorInputs"));
    m_pages[FeatAdvisor]->setProperty("inputs", QVariant::fromValue<QObject *>(an));
    auto *anTitle = new QLabel(QStringLiteral("Express Numerology Analyzer"), an);
    anTitle->setObjectName(QStringLiteral("advisorTitle"));
    anTitle->setGeometry(0, 0, 400, 30);
    auto *anNameCap = new QLabel(QStringLiteral("Name / Title"), an);
    anNameCap->setGeometry(0, 40, 110, 24);
    m_anName = new QLineEdit(an);
    anNameCap->setBuddy(m_anName);
    m_anName->setObjectName(QStringLiteral("advisorName"));
    m_anName->setMaxLength(300);
    m_anName->setGeometry(115, 37, 300, 30);
    // The date is optional: it counts only while its box is ticked, and the
    // editor starts at today rather than at some far-off sentinel date.
    m_anUseDate = new QCheckBox(QStringLiteral("Date (Optional)"), an);
    m_anUseDate->setObjectName(QStringLiteral("advisorUseDate"));
    m_anUseDate->setGeometry(0, 74, 112, 24);
    m_anDate = newDateEdit(an, QDate::currentDate());
    m_anDate->setObjectName(QStringLiteral("advisorDate"));
    m_anDate->setGeometry(115, 74, 130, 24);
    m_anDate->setAccessibleName(m_anUseDate->text());
    m_anDate->setEnabled(false);
    qz::checkedConnect(m_anUseDate, SIGNAL(toggled(bool)), m_anDate, SLOT(setEnabled(bool)));
    m_anChaldean = new QCheckBox(QStringLiteral("Use Chaldean calculator"), an);
    m_anChaldean->setGeometry(115, 106, 220, 24);
    m_anCalc = new QPushButton(QStringLiteral("CALCULATE"), an);
    m_anCalc->setObjectName(QStringLiteral("advisorCalc"));
    m_anCalc->setGeometry(115, 140, 130, 30);
    qz::checkedConnect(m_anCalc, SIGNAL(clicked()), this, SLOT(OnCalcAnNum()));
    qz::checkedConnect(m_anName, SIGNAL(returnPressed()), this, SLOT(OnCalcAnNum()));
    an->hide();

    // Chart page: preview, chooser and its buttons.
    QWidget *chart = m_pages[FeatChart];
    m_chartPreview = new QLabel(chart);
    m_chartPreview->setObjectName(QStringLiteral("chartPreview"));
    m_chartPreview->setAlignment(Qt::AlignCenter);
    m_chartPageCount = new QLabel(chart);
    m_chartPageCount->setObjectName(QStringLiteral("chartPageCount"));
    m_chartPageCount->setAlignment(Qt::AlignCenter);
    m_chartCaption = new QLabel(QStringLiteral("Choose Layout"), chart);
    m_chartCaption->setObjectName(QStringLiteral("chartCaption"));
    m_chartChooser = new QComboBox(chart);
    m_chartChooser->setObjectName(QStringLiteral("chartChooser"));
    m_chartCaption->setBuddy(m_chartChooser);
    m_chartChooser->setAccessibleName(m_chartCaption->text());
    m_chartChooser->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_chartEdit = new QPushButton(QStringLiteral("Edit"), chart);
    m_chartNew = new QPushButton(QStringLiteral("New"), chart);
    m_chartDelete = new QPushButton(QStringLiteral("Delete"), chart);
    for (QPushButton *b : {m_chartEdit, m_chartNew, m_chartDelete})
        b->setStyleSheet(QStringLiteral("padding: 1px 2px;"));
    qz::checkedConnect(m_chartEdit, SIGNAL(clicked()), this, SLOT(OnEditChart()));
    qz::checkedConnect(m_chartNew, SIGNAL(clicked()), this, SLOT(OnAddChart()));
    qz::checkedConnect(m_chartDelete, SIGNAL(clicked()), this, SLOT(OnDeleteChart()));
    qz::checkedConnect(m_chartChooser, SIGNAL(currentIndexChanged(int)), this, SLOT(slotGChart(int)));

    // Guide page shows the manual, with a way back from every page.
    QWidget *guide = m_pages[FeatGuide];
    m_guideBar = new QWidget(guide);
    m_guideBar->setObjectName(QStringLiteral("guideBar"));
    m_guideBack = new QPushButton(QStringLiteral("Back"), m_guideBar);
    m_guideBack->setObjectName(QStringLiteral("guideBack"));
    m_guideBack->setToolTip(QStringLiteral("Previous guide page (Alt+Left)"));
    m_guideBack->setGeometry(0, 2, 80, 26);
    m_guideHome = new QPushButton(QStringLiteral("Home"), m_guideBar);
    m_guideHome->setObjectName(QStringLiteral("guideHome"));
    m_guideHome->setToolTip(QStringLiteral("First page of the guide"));
    m_guideHome->setGeometry(88, 2, 80, 26);
    qz::checkedConnect(m_guideBack, SIGNAL(clicked()), this, SLOT(OnGuideBack()));
    qz::checkedConnect(m_guideHome, SIGNAL(clicked()), this, SLOT(OnGuideHome()));
    for (const QKeySequence &k : {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace)}) {
        auto *back = new QShortcut(k, this);
        qz::checkedConnect(back, SIGNAL(activated()), this, SLOT(OnGuideBack()));
    }
    qz::checkedConnect(m_views[FeatGuide], SIGNAL(urlChanged(QUrl)), this, SLOT(OnGuideUrlChanged()));
    OnGuideHome();

    // The forecast date sits with the forecast panels.
    m_forecastCaption = new QLabel(QStringLiteral("Forecast date"), m_central);
    m_forecastCaption->setObjectName(QStringLiteral("forecastCaption"));
    m_forecastDate = newDateEdit(m_central, QDate::currentDate());
    m_forecastDate->setObjectName(QStringLiteral("forecastDate"));
    m_forecastCaption->setBuddy(m_forecastDate);
    m_forecastDate->setAccessibleName(m_forecastCaption->text());
    qz::checkedConnect(m_forecastDate, SIGNAL(dateChanged(QDate)), this, SLOT(slotPNC(QDate)));
}

void CQZNum::buildPanels()
{
    m_mainFeat = new CInfoWidget(m_theme, QStringLiteral("Main Features"),
                                 {QStringLiteral("Life Path"), QStringLiteral("Birthday"),
                                  QStringLiteral("Expression (M)"), QStringLiteral("Heart Desire (M)"),
                                  QStringLiteral("Personality (M)"), QStringLiteral("Karmic Debts")},
                                 m_central);
    m_addFeat = new CInfoWidget(m_theme, QStringLiteral("Additional Features"),
                                {QStringLiteral("Maturity"), QStringLiteral("Rational Thought"),
                                 QStringLiteral("Karmic Lessons"), QStringLiteral("Balance"),
                                 QStringLiteral("Hidden Passion"), QStringLiteral("Subcons.Confid.")},
                                m_central);
    m_lifeCycles = new CInfoWidget(m_theme, QStringLiteral("Life Cycles"),
                                   {QStringLiteral("Age span"), QStringLiteral("Challenges"),
                                    QStringLiteral("Pinnacles"), QStringLiteral("Personal Year"),
                                    QStringLiteral("LP Periods"), QStringLiteral("LP Age Span")},
                                   m_central);
    m_lifeCycles->setClickableRows(4);
    m_lifeCycles->setAgeRows({0, 5});
    m_bridges = new CInfoWidget(m_theme, QStringLiteral("Bridges"),
                                {QStringLiteral("Life path - Expr."), QStringLiteral("Heart D. - Pers.")},
                                m_central);
    // LP Periods and LP Age Span have no explanation: the first four rows only.
    for (CInfoWidget *w : {m_mainFeat, m_addFeat, m_lifeCycles, m_bridges})
        w->setClickable(true);
    qz::checkedConnect(m_bridges, SIGNAL(itemCliked(int)), this, SLOT(BRitemCliked(int)));
    qz::checkedConnect(m_mainFeat, SIGNAL(itemCliked(int)), this, SLOT(MFitemCliked(int)));
    qz::checkedConnect(m_addFeat, SIGNAL(itemCliked(int)), this, SLOT(AFitemCliked(int)));
    qz::checkedConnect(m_lifeCycles, SIGNAL(itemCliked(int)), this, SLOT(LCitemCliked(int)));

    m_planes = new CInfoExprPlanWidget(m_theme, QStringLiteral("Planes of Expression"), m_central);
    m_planes->setItemNames({QStringLiteral("Creative"), QStringLiteral("Dual"), QStringLiteral("Grounded")});
    qz::checkedConnect(m_planes, SIGNAL(itemCliked(int)), this, SLOT(PLitemCliked(int)));
    m_essence = new CInfoEssenceWidget(m_theme, QStringLiteral("Essence and Transit"), m_central);
    m_calendar = new CInfoCalendarWidget(m_theme, QStringLiteral("Personal numbers calendar"), m_central);
    m_calendar->setItemNames({QStringLiteral("Years "), QStringLiteral("Months"), QStringLiteral("Days")});
    m_today = new CInfoTodayWidget(m_theme, m_central);
    m_matrW = new CInfoMatrWidget(m_theme, m_central);
    qz::checkedConnect(m_matrW, SIGNAL(itemCliked(int)), this, SLOT(PMitemCliked(int)));
    m_compInfo = new CInfoWidget(m_theme, QStringLiteral("Compatibility"),
                                 {QStringLiteral("Summary"), QStringLiteral("Family"), QStringLiteral("Name"),
                                  QStringLiteral("Family stability"), QStringLiteral("Years together")},
                                 m_central);
    m_compDetails = new CInfoWidget(m_theme, QStringLiteral("Compatibility details"),
                                    {QStringLiteral("Home"), QStringLiteral("Spiritual"),
                                     QStringLiteral("Partner home"), QStringLiteral("Partner spiritual"),
                                     QStringLiteral("Home stability"), QStringLiteral("Spiritual stability"),
                                     QStringLiteral("Life path"), QStringLiteral("Birth Day")},
                                    m_central);
    m_compMatr = new CInfoCompMatrWidget(m_theme, m_central);
    m_petInfo = new CInfoWidget(m_theme, QStringLiteral("Pet"),
                                {QStringLiteral("Pet Number"), QStringLiteral("Birthday Code"),
                                 QStringLiteral("Day Code")},
                                m_central);
    m_anInfo = new CInfoWidget(m_theme, QStringLiteral("Name Advisor"),
                               {QStringLiteral("Date Summary"), QStringLiteral("Name Summary"),
                                QStringLiteral("Vowels"), QStringLiteral("Consonants"), QStringLiteral("Missed")},
                               m_central);

    m_allPanels = {m_mainFeat, m_addFeat, m_lifeCycles, m_bridges, m_planes, m_essence,
                   m_calendar, m_matrW, m_compInfo, m_compDetails, m_compMatr, m_petInfo, m_anInfo};
    for (QWidget *w : m_allPanels) {
        w->resize(w->sizeHint());
        qz::checkedConnect(this, SIGNAL(updateStyle()), w, SLOT(updateData()));
    }
    qz::checkedConnect(this, SIGNAL(updateStyle()), m_today, SLOT(updateData()));
}

void CQZNum::buildRightColumn()
{
    m_rightPanel = new QWidget(m_central);
    m_rightPanel->setObjectName(QStringLiteral("rightPanel"));
    m_rightPanel->setAttribute(Qt::WA_StyledBackground, true);
    m_summaryLabel = new QLabel(m_rightPanel);
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_summaryLabel->setWordWrap(true);
    m_summaryLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_today->setParent(m_rightPanel);

    m_layoutCaption = new QLabel(QStringLiteral("Numerologist:"), m_central);
    m_layoutCaption->setObjectName(QStringLiteral("layoutCaption"));
    m_layoutChooser = new QComboBox(m_central);
    m_layoutChooser->setObjectName(QStringLiteral("layoutChooser"));
    m_layoutCaption->setBuddy(m_layoutChooser);
    m_layoutChooser->setAccessibleName(m_layoutCaption->text());
    m_layoutChooser->addItem(QStringLiteral("Default"));
    for (int i = 0; i < m_layouts.count(); ++i)
        m_layoutChooser->addItem(m_layouts.at(i).name);
    qz::checkedConnect(m_layoutChooser, SIGNAL(currentIndexChanged(int)), this, SLOT(OnSelReport(int)));
    m_reportManagerBut = new QPushButton(m_central);
    m_reportManagerBut->setObjectName(QStringLiteral("reportManagerBut"));
    m_reportManagerBut->setToolTip(QStringLiteral("Report manager"));
    m_reportManagerBut->setAccessibleName(m_reportManagerBut->toolTip());
    qz::checkedConnect(m_reportManagerBut, SIGNAL(clicked()), this, SLOT(OnReportManager()));
}

void CQZNum::buildEmptyHint()
{
    // Before any person is calculated the report pages would be plain white.
    m_emptyHint = new QFrame(m_central);
    m_emptyHint->setObjectName(QStringLiteral("emptyHint"));
    m_emptyHint->setAttribute(Qt::WA_StyledBackground, true);
    m_emptyHintText = new QLabel(QStringLiteral("No person yet. Enter a name and a birth date to see the numbers "
                                                "and the reports."),
                                 m_emptyHint);
    m_emptyHintText->setObjectName(QStringLiteral("emptyHintText"));
    m_emptyHintText->setWordWrap(true);
    m_emptyHintText->setAlignment(Qt::AlignCenter);
    m_emptyHintBut = new QPushButton(NamePrompt, m_emptyHint);
    m_emptyHintBut->setObjectName(QStringLiteral("emptyHintBut"));
    m_emptyHintBut->setCursor(Qt::PointingHandCursor);
    m_emptyHintText->setGeometry(15, 12, 330, 44);
    m_emptyHintBut->setGeometry(95, 64, 170, 32);
    m_emptyHint->resize(360, 110);
    qz::checkedConnect(m_emptyHintBut, SIGNAL(clicked()), this, SLOT(OnNameSel()));
    m_emptyHint->hide();
}

void CQZNum::buildButtons()
{
    m_marker = new QLabel(m_central);
    m_marker->setObjectName(QStringLiteral("featureMarker"));
    for (int f = 0; f < FeatureCount; ++f) {
        auto *b = new QPushButton(QString::fromLatin1(kFeatures[f].text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                                  m_central);
        b->setObjectName(QStringLiteral("featureBut%1").arg(f));
        b->setIconSize(QSize(48, 48));
        b->setCursor(Qt::PointingHandCursor);
        qz::checkedConnect(b, SIGNAL(clicked()), this, kFeatures[f].slot);
        m_featureButs[f] = b;
    }
    // Tab walks the column as it is shown, not in feature order.
    QPushButton *byPosition[FeatureCount] = {};
    for (int f = 0; f < FeatureCount; ++f)
        byPosition[kFeatures[f].position] = m_featureButs[f];
    for (int i = 1; i < FeatureCount; ++i)
        setTabOrder(byPosition[i - 1], byPosition[i]);

    m_personBut = new QPushButton(m_central);
    m_personBut->setObjectName(QStringLiteral("personBut"));
    m_personBut->setCursor(Qt::PointingHandCursor);
    qz::checkedConnect(m_personBut, SIGNAL(clicked()), this, SLOT(OnNameSel()));

    m_toolRow = new QWidget(m_central);
    m_toolRow->setObjectName(QStringLiteral("toolRow"));
    const char *const toolSlots[5] = {SLOT(OnMenu()), SLOT(OnClearAllData()), SLOT(OnAbout()),
                                      SLOT(OnExportHTML()), SLOT(OnExportPDFAll())};
    const char *const toolTips[5] = {"Menu", "Clear all data", "About", "Save report", "Print"};
    for (int i = 0; i < 5; ++i) {
        // The menu itself is made later, with the rest of the menu.
        m_tools[i] = i == 0 ? new CMenuButton(nullptr, m_toolRow) : new QPushButton(m_toolRow);
        m_tools[i]->setObjectName(QStringLiteral("tool%1").arg(i));
        m_tools[i]->setGeometry(i * 24, 0, 20, 20);
        m_tools[i]->setIconSize(QSize(16, 16));
        m_tools[i]->setToolTip(QString::fromLatin1(toolTips[i]));
        // Icon buttons: a screen reader gets the tool tip only as description.
        m_tools[i]->setAccessibleName(m_tools[i]->toolTip());
        qz::checkedConnect(m_tools[i], SIGNAL(clicked()), this, toolSlots[i]);
    }
}

void CQZNum::buildPersonPanel()
{
    m_person = new CPersonPanel(m_theme, m_central);
    m_person->hide();
    qz::checkedConnect(m_person->fullName, SIGNAL(textChanged(QString)), this, SLOT(OnTextChanged(QString)));
    qz::checkedConnect(m_person->shortName, SIGNAL(textChanged(QString)), this, SLOT(OnTextChanged(QString)));
    qz::checkedConnect(m_person->partnerFullName, SIGNAL(textChanged(QString)), this, SLOT(OnPTextChanged(QString)));
    qz::checkedConnect(m_person->partnerShortName, SIGNAL(textChanged(QString)), this, SLOT(OnPTextChanged(QString)));
    qz::checkedConnect(m_person->birthDate, SIGNAL(dateChanged(QDate)), this, SLOT(OnDateChanged(QDate)));
    qz::checkedConnect(m_person->partnerBirthDate, SIGNAL(dateChanged(QDate)), this, SLOT(OnDateChanged(QDate)));
    qz::checkedConnect(m_person->chaldean, SIGNAL(stateChanged(int)), this, SLOT(OnParsChanged(int)));
    qz::checkedConnect(m_person->phonetic, SIGNAL(currentIndexChanged(int)), this, SLOT(OnParsChanged(int)));
    qz::checkedConnect(m_person->nameView, SIGNAL(symbolCliked(int,int)), this, SLOT(OnNameVWChanged(int,int)));
    qz::checkedConnect(m_person->partnerNameView, SIGNAL(symbolCliked(int,int)), this,
                   SLOT(OnNamePVWChanged(int,int)));
    for (QPushButton *b : m_person->recent)
        qz::checkedConnect(b, SIGNAL(clicked()), this, SLOT(OnRecentClicked()));
    qz::checkedConnect(m_person->clearRecent, SIGNAL(clicked()), this, SLOT(OnClearRecent()));
    qz::checkedConnect(m_person->newPerson, SIGNAL(clicked()), this, SLOT(OnResDataI()));
    qz::checkedConnect(m_person->openFile, SIGNAL(clicked()), this, SLOT(OnOpenFile()));
    qz::checkedConnect(m_person->saveFile, SIGNAL(clicked()), this, SLOT(OnSaveFile()));
    qz::checkedConnect(m_person, SIGNAL(applyRequested()), this, SLOT(OnNameSel()));
    qz::checkedConnect(this, SIGNAL(updateStyle()), m_person->nameView, SLOT(updateData()));
    qz::checkedConnect(this, SIGNAL(updateStyle()), m_person->partnerNameView, SLOT(updateData()));
    m_personBut->raise();
}

void CQZNum::buildMenu()
{
    m_menu = new QMenu(QStringLiteral("Numerology"), this);
    static_cast<CMenuButton *>(m_tools[0])->setPopupMenu(m_menu);
    QMenu *style = m_menu->addMenu(QStringLiteral("Style"));
    m_themeGroup = new QActionGroup(this);
    m_themeGroup->setExclusive(true);
    const QStringList names = m_theme->names();
    for (int i = 0; i < names.size(); ++i) {
        QAction *a = style->addAction(names.at(i));
        a->setCheckable(true);
        a->setChecked(i == 0);
        m_themeGroup->addAction(a);
        qz::checkedConnect(a, SIGNAL(triggered()), this, SLOT(OnStyleChange()));
    }
    m_menu->addAction(QStringLiteral("Calculator Settings"), this, SLOT(OnSettings()));
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("About"), this, SLOT(OnAbout()));
    m_menu->addAction(QStringLiteral("Help"), this, SLOT(OnHelp()));
    m_menu->addAction(QStringLiteral("Guide"), this, SLOT(OnOpenGuide()), QKeySequence(Qt::Key_F1));
    QAction *support = m_menu->addAction(QStringLiteral("Support"), this, SLOT(OnSupport()));
    support->setVisible(!AppUrls::supportMail().isEmpty());
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Save All Reports to PDF"), this, SLOT(OnExportPDFAll()));
    m_menu->addAction(QStringLiteral("Print"), this, SLOT(OnExportPDFAll()), QKeySequence(QStringLiteral("Ctrl+P")));
    m_menu->addAction(QStringLiteral("Save Report"), this, SLOT(OnExportHTML()), QKeySequence(QStringLiteral("Ctrl+S")));
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Open Person..."), this, SLOT(OnOpenFile()), QKeySequence(QStringLiteral("Ctrl+O")));
    m_menu->addAction(QStringLiteral("Save Person..."), this, SLOT(OnSaveFile()),
                      QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("Quit"), this, SLOT(close()), QKeySequence(QStringLiteral("Ctrl+Q")));
    // The menu's shortcuts work in the whole window, not only while it is open.
    for (QAction *a : m_menu->actions()) {
        if (!a->shortcut().isEmpty()) {
            a->setShortcutContext(Qt::WindowShortcut);
            addAction(a);
        }
    }
}

QList<QAction *> CQZNum::themeActions() const
{
    return m_themeGroup->actions();
}

void CQZNum::loadLayouts()
{
    ::loadLayouts(m_layouts);
}

QWidget *CQZNum::page(int feature) const
{
    return feature >= 0 && feature < FeatureCount ? m_pages[feature] : nullptr;
}

QPushButton *CQZNum::featureButton(int feature) const
{
    return feature >= 0 && feature < FeatureCount ? m_featureButs[feature] : nullptr;
}

QString CQZNum::reportHtml(int feature) const
{
    return feature >= 0 && feature < FeatureCount ? m_reports[feature] : QString();
}

CQZNum::~CQZNum()
{
    if (m_startUpFinished) {
        OnSaveFile(true);
        m_state.extendedMasters = m_state.extendedMasters ? 1 : 0;
        m_state.calcFlags = calculatorFlags().toBytes();
        m_state.layoutName = m_layoutChooser->currentIndex() > 0 ? m_layoutChooser->currentText() : QString();
        m_state.windowGeometry = saveGeometry();
        m_state.reportChoice = m_reportChoice.toBytes();
        writeStateFile(AppPaths::stateFilePath(), m_state);
    }
    // Web pages must go before the application object does.
    for (int f = 0; f < FeatureCount; ++f) {
        if (f != FeatForecast && m_views[f])
            delete m_views[f];
        m_views[f] = nullptr;
    }
}
