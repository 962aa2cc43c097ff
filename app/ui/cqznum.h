#pragma once

#include "app/core/appstate.h"
#include "app/core/personrecord.h"
#include "app/ui/creportchoicedlg.h"
#include "engine/ccompnumerology.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "reports/creportlayoutlist.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class CDateEdit;
class CExpandWidget;
class ChartDocument;
class GenPDFfromHTML;
class CInfoCalendarWidget;
class CInfoCompMatrWidget;
class CInfoEssenceWidget;
class CInfoExprPlanWidget;
class CInfoMatrWidget;
class CInfoTodayWidget;
class CInfoWidget;
class CPersonPanel;
class CTheme;
class QAbstractAnimation;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QNetworkAccessManager;
class QNetworkReply;
class QParallelAnimationGroup;
class QPropertyAnimation;
class QPushButton;
class QTimeLine;
class QTimer;
class QWebEngineView;

/**
 * The program's one window: nine feature pages, the button column, the number
 * panels, the sliding person panel, the layout and chart choosers, the menu.
 * It owns the person data and every calculator.
 */
class CQZNum : public QMainWindow
{
    Q_OBJECT
public:
    enum Feature {
        FeatNumerology = 0,
        FeatPMatrix = 1,
        FeatCompatibility = 2,
        FeatCelebrities = 3,
        FeatPet = 4,
        FeatChart = 5,
        FeatAdvisor = 6,
        FeatForecast = 7,
        FeatGuide = 8,
        FeatureCount = 9
    };
    static constexpr int StartUpDelayMs = 2600;
    static const QString EmptyPage;   ///< "<html><body><p>&nbsp;</p></body></html>"
    static const QString NamePrompt;  ///< "ENTER YOUR NAME"

    /** @p startUpDelay lets tests shorten the 2600 ms start-up step. */
    explicit CQZNum(QWidget *parent = nullptr, int startUpDelay = StartUpDelayMs);
    ~CQZNum() override;

    // ---- read access for tests and the export code ----
    int currentFeature() const { return m_feature; }
    bool personPanelOpen() const { return m_personOpen; }
    bool startUpFinished() const { return m_startUpFinished; }
    bool slidesRunning() const; ///< pages or panels still moving into place
    QRect pageRect(int feature) const;
    QWidget *page(int feature) const;
    CPersonPanel *personPanel() const { return m_person; }
    QPushButton *personButton() const { return m_personBut; }
    QPushButton *featureButton(int feature) const;
    const QList<PersonRecord> &recentList() const { return m_recent; }
    const CNumerology &numerology() const { return m_num; }
    const CNumerology &partnerNumerology() const { return m_numP; }
    const CNumerologyPMatrix &matrix() const { return m_matr; }
    const CCompNumerology &compatibility() const { return m_comp; }
    const AppState &appState() const { return m_state; }
    QString reportHtml(int feature) const;
    QList<QWidget *> panelsOf(int feature) const;
    CInfoWidget *mainFeaturesPanel() const { return m_mainFeat; }
    QFrame *emptyHint() const { return m_emptyHint; }
    QComboBox *layoutChooser() const { return m_layoutChooser; }
    QComboBox *chartChooser() const { return m_chartChooser; }
    CTheme *theme() const { return m_theme; }
    QList<QAction *> themeActions() const;
    QMenu *mainMenu() const { return m_menu; }
    bool reportBusy() const { return m_reportBusy; }
    const ReportChoice &reportChoice() const { return m_reportChoice; }
    GenPDFfromHTML *pdfGenerator() const { return m_pdfGen; }

    /** Place of a feature's button in the column, top to bottom. */
    static int featurePosition(int feature);

    /** Name cleaning and the short-name rule applied to the panel inputs. */
    PersonRecord recordFromInputs() const;

    /** A file named on the command line, opened once start-up has finished. */
    void setStartFile(const QString &path) { m_startFile = path; }
    /**
     * Opens a file by its kind: a person file (.num) is entered and calculated,
     * a chart (.qnr) is chosen on the chart page, a report layout (.qznr) is
     * copied into the user folder when its name is free there and chosen.
     * Returns false (after telling the user) when the file cannot be used.
     */
    bool openDocument(const QString &path);
    /** Reads a person file; @p openProg reads the auto-saved recent list. */
    void openPersonFile(const QString &path, bool openProg);

signals:
    void updateStyle();

public slots:
    // navigation
    void OnCtrlButNumer();
    void OnCtrlButPMatr();
    void OnCtrlButForecast();
    void OnCtrlButComp();
    void OnCtrlButCel();
    void OnCtrlButPet();
    void OnCtrlButChart();
    void OnCtrlButAnalize();
    void OnCtrlButGuide();
    void OnGuideBack();
    void OnGuideHome();
    void OnGuideUrlChanged();
    void OnNameSel();
    void OnPersButAnim(int frame);
    void OnPersButAnimFinish();
    // lists
    void MFitemCliked(int item);
    void AFitemCliked(int item);
    void LCitemCliked(int item);
    void PMitemCliked(int item);
    void BRitemCliked(int item);
    void PLitemCliked(int item);
    // charts
    void OnUpdateListReport();
    void slotGChart(int index);
    void slotResizeChart();
    void OnAddChart();
    void OnEditChart();
    void OnDeleteChart();
    // reports
    void OnSelReport(int index);
    void OnReportManager();
    void OnLayoutPreview(int kind, const CReportLayout *layout);
    // menu and tools
    void OnMenu();
    void OnSettings();
    void OnAbout();
    void OnHelp();
    void OnOpenGuide();
    void OnSupport();
    void OnExportHTML();
    void OnExportPDFAll();
    void OnBgTaskFinished(bool success);
    void OnStyleChange();
    void OnApplyStyle(int index);
    void initStyle();
    // input and calculation
    void OnTextChanged(const QString &text);
    void OnPTextChanged(const QString &text);
    void OnDateChanged(const QDate &date);
    void OnParsChanged(int value);
    void OnNameVWChanged(int name, int letter);
    void OnNamePVWChanged(int name, int letter);
    void OnPreCalcNum();
    void OnPreCalcNumP();
    void OnCalcNum();
    void OnCalcAnNum();
    void OnCalcPetNum();
    void slotPNC(const QDate &date);
    void OnResData();
    void OnResDataI();
    void OnClearAllData();
    // person files
    void OnSaveFile(bool closeProg = false);
    void OnOpenFile(bool openProg = false);
    void OnRecentClicked();
    void OnClearRecent();
    // start-up and update check
    void OnFinishedSU();
    void replyFinished(QNetworkReply *reply);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // construction (cqznum.cpp)
    void buildPages();
    void buildPanels();
    void buildButtons();
    void buildPersonPanel();
    void buildMenu();
    void buildRightColumn();
    void buildEmptyHint();
    void loadLayouts();
    QWebEngineView *newReportView(QWidget *parent);
    // layout and navigation (cqznum_nav.cpp)
    void navigate(int feature);
    void layoutWindow();
    void placePanels(bool animate);
    QPoint shownPos(QWidget *panel, int feature) const;
    QRect contentColumn() const;
    int listPanelWidth() const;
    bool planesBesideBridges() const;
    bool compGridBeside() const;
    int panelTop(int feature) const;
    QSize panelSize(QWidget *panel) const;
    QPoint parkedPos(QWidget *panel) const;
    void slideMarker(int feature);
    /** Whether Tab may stop at @p w: shown, enabled, on screen, not behind the person panel. */
    bool reachableByTab(const QWidget *w) const;
    /** The controls Tab stops at while the person panel is closed, in screen order. */
    QList<QWidget *> tabStops() const;
    /** Shows the "no person yet" hint over the person's report pages while nothing is calculated. */
    void updateEmptyHint();
    void stopSlides();
    void setPersonButtonText(const QString &text);
    void startPulse();
    void stopPulse();
    bool datesAcceptable();
    bool namesAcceptable();
    QString nameProblem(const QString &typed, const QString &shortTyped, const QDate &birth,
                        const QString &who) const;
    // calculation (cqznum_calc.cpp)
    void preCalc(bool partner);
    void rebuildMarks(bool partner);
    void showNameRows(bool partner);
    void fillNameViews();
    void fillPanels();
    void clearPanels();
    void setReports(bool personOk, bool matrixOk, bool petOk, bool compOk);
    /** Report of @p feature (0..4) for the current person under @p layout; empty when it cannot be made. */
    QString buildReportHtml(int feature, const CReportLayout *layout);
    void setPage(QWebEngineView *view, const QString &html);
    NumerologyInput inputFor(const QString &full, const QString &shortName, const QDate &birth,
                             const QVector<int> &fullMarks, const QVector<int> &shortMarks) const;
    void applyRecord(const PersonRecord &r, bool withMarks);
    // files (cqznum_files.cpp)
    void rebuildRecentButtons();
    void applyDateFormat();
    /** "dd/MM/yyyy" or "MM/dd/yyyy" by the date-input setting; every shown date uses it. */
    QString dateFormat() const;
    void startUpdateCheck();
    // details (cqznum_menu.cpp)
    /** @p title names the number in the window title ("Life Path 7"). */
    void showDetails(int section, const QString &picture, const QString &title = QString());
    void renderChartPreview();
    /** Runs the chart creator on @p path (empty: a new chart), then refreshes the chooser. */
    void runChartCreator(const QString &path);
    // export (cqznum_export.cpp)
    // Unreadable: the file cannot be opened; WrongFormat: nothing usable in it.
    enum ChartLoad { ChartLoaded, NoChartSelected, ChartUnreadable, ChartWrongFormat };
    ChartLoad loadSelectedChart(ChartDocument &doc) const;
    /** Whether @p feature's report has something for the combined PDF. */
    bool hasReport(int feature) const;
    static QString chartLoadMessage(ChartLoad load);
    /**
     * Draws every page of @p doc for the entered person at the chart's natural
     * size, handing each picture to @p keep in turn.
     */
    void renderForExport(const ChartDocument &doc,
                         const std::function<void(const QImage &)> &keep) const;
    QString askSaveFileName(const QString &title, const QString &folder, const QString &filter,
                            const QString &suffix);

    CTheme *m_theme = nullptr;
    AppState m_state;
    int m_feature = FeatNumerology;
    bool m_personOpen = false;
    bool m_startUpFinished = false;
    QString m_startFile;
    bool m_reportBusy = false;
    ReportChoice m_reportChoice;
    GenPDFfromHTML *m_pdfGen = nullptr;  ///< last PDF run; a child, replaced by the next run
    QString m_exportFolder;              ///< where the last HTML or picture was saved
    bool m_loadingAuto = false;
    QString m_currentFullName;
    QString m_summaryLine;

    // calculators
    CNumerology m_num;
    CNumerology m_numP;
    CNumerology m_pet;
    CNumerology m_express;
    CNumerologyPMatrix m_matr;
    CNumerologyPMatrix m_matrP;
    CCompNumerology m_comp;
    CReportLayoutList m_layouts;
    CelebrityTable m_celebs;
    QString m_reports[FeatureCount];
    bool m_petOk = false;
    bool m_reportOk[FeatPet + 1] = {}; ///< which reports the last calculation could make
    bool m_personOk = false; ///< the last full calculation produced a profile
    bool m_expressOk = false;

    // person data
    QList<PersonRecord> m_recent;
    PersonRecord m_loaded;          ///< last record taken from a file or recent button
    bool m_loadedHasMarks = false;
    QVector<int> m_fullMarks, m_shortMarks, m_pFullMarks, m_pShortMarks;

    // widgets
    QWidget *m_central = nullptr;
    QWidget *m_pages[FeatureCount] = {};
    QWebEngineView *m_views[FeatureCount] = {};
    QWebEngineView *m_layoutPreview = nullptr; ///< the report manager's preview while it is open
    QPushButton *m_featureButs[FeatureCount] = {};
    QLabel *m_marker = nullptr;
    QPushButton *m_personBut = nullptr;
    CPersonPanel *m_person = nullptr;
    QLabel *m_loading = nullptr;
    QWidget *m_rightPanel = nullptr;
    QLabel *m_summaryLabel = nullptr;
    QFrame *m_emptyHint = nullptr;
    QLabel *m_emptyHintText = nullptr;
    QPushButton *m_emptyHintBut = nullptr;
    QLabel *m_layoutCaption = nullptr;
    QComboBox *m_layoutChooser = nullptr;
    QPushButton *m_reportManagerBut = nullptr;
    QWidget *m_toolRow = nullptr;
    QPushButton *m_tools[5] = {};
    QMenu *m_menu = nullptr;
    QActionGroup *m_themeGroup = nullptr;
    CDateEdit *m_forecastDate = nullptr;
    QLabel *m_forecastCaption = nullptr;
    // pet page
    QLineEdit *m_petName = nullptr;
    CDateEdit *m_petBirth = nullptr;
    QPushButton *m_petCalc = nullptr;
    // name advisor page
    QLineEdit *m_anName = nullptr;
    CDateEdit *m_anDate = nullptr;
    QCheckBox *m_anUseDate = nullptr;
    QCheckBox *m_anChaldean = nullptr;
    QPushButton *m_anCalc = nullptr;
    // chart page
    QLabel *m_chartPreview = nullptr;
    QLabel *m_chartPageCount = nullptr;
    QLabel *m_chartCaption = nullptr;
    QComboBox *m_chartChooser = nullptr;
    QPushButton *m_chartEdit = nullptr;
    QPushButton *m_chartNew = nullptr;
    QPushButton *m_chartDelete = nullptr;
    // guide page
    QWidget *m_guideBar = nullptr;
    QPushButton *m_guideBack = nullptr;
    QPushButton *m_guideHome = nullptr;
    // panels
    CInfoWidget *m_mainFeat = nullptr;
    CInfoWidget *m_addFeat = nullptr;
    CInfoWidget *m_lifeCycles = nullptr;
    CInfoWidget *m_bridges = nullptr;
    CInfoExprPlanWidget *m_planes = nullptr;
    CInfoEssenceWidget *m_essence = nullptr;
    CInfoCalendarWidget *m_calendar = nullptr;
    CInfoTodayWidget *m_today = nullptr;
    CInfoMatrWidget *m_matrW = nullptr;
    CInfoWidget *m_compInfo = nullptr;
    CInfoWidget *m_compDetails = nullptr;
    CInfoCompMatrWidget *m_compMatr = nullptr;
    CInfoWidget *m_petInfo = nullptr;
    CInfoWidget *m_anInfo = nullptr;
    QList<QWidget *> m_allPanels;

    // animation and timers
    QList<QPointer<QAbstractAnimation>> m_slides;
    QTimeLine *m_pulse = nullptr;
    QTimer *m_startUpTimer = nullptr;
    QNetworkAccessManager *m_network = nullptr;
};
