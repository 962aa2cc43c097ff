// Menu, themes, settings, details dialogs and the chart chooser.
#include "app/ui/cqznum.h"
#include "engine/datafolder.h"

#include "app/core/apppaths.h"
#include "app/ui/appurls.h"
#include "app/ui/caboutdlg.h"
#include "app/ui/cinfodetailsview.h"
#include "app/ui/cinfodlgwin.h"
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "engine/calculatorflags.h"
#include "app/ui/csettingsdlg.h"
#include "panels/cinfomatrwidget.h"
#include "panels/cinfowidget.h"
#include "panels/ctheme.h"
#include "panels/matrixgrid.h"

#include <QWebEngineView>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeLine>

#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chart/chartprofileengine.h"
#include "chart/chartrender.h"
#include "chartedit/creportcreator.h"
#include "chartedit/creportcreatorwin.h"
#include "engine/checkedconnect.h"

namespace {

struct Detail {
    int section;
    const char *picture;
};

const Detail kMainFeatures[6] = {{0, "res01.jpg"}, {1, "res02.jpg"}, {2, "res03.jpg"},
                                 {4, "res04.jpg"}, {6, "res05.jpg"}, {10, "res06.jpg"}};
const Detail kAdditional[6] = {{11, "res07.jpg"}, {35, "res08.jpg"}, {7, "res09.jpg"},
                               {5, "res10.jpg"},  {12, "res11.jpg"}, {13, "res12.jpg"}};
const Detail kLifeCycles[4] = {{15, "res14.jpg"}, {15, "res14.jpg"}, {14, "res13.jpg"}, {8, "res15.jpg"}};

// Psychomatrix cell numbers as the matrix panel emits them.
Detail matrixDetail(int cell)
{
    switch (cell) {
    case 1: return {18, "res16.jpg"};
    case 2: return {21, "res19.jpg"};
    case 3: return {24, "res22.jpg"};
    case 4: return {27, "res25.jpg"};
    case 6: return {19, "res17.jpg"};
    case 7: return {22, "res20.jpg"};
    case 8: return {25, "res23.jpg"};
    case 9: return {28, "res26.jpg"};
    case 11: return {20, "res18.jpg"};
    case 12: return {23, "res21.jpg"};
    case 13: return {26, "res24.jpg"};
    case 14: return {29, "res27.jpg"};
    case 15: return {34, "res32.jpg"};
    case 16: return {30, "res28.jpg"};
    case 17: return {31, "res29.jpg"};
    case 18: return {32, "res30.jpg"};
    case 19: return {33, "res31.jpg"};
    default: return {-1, nullptr};
    }
}

// "Life Path" and "11/11+11+5/23=27=9" -> "Life Path 9"; "Expression (M)" and
// "5/23 (3)" -> "Expression 5"; rows without one number keep only their name.
QString detailTitle(const QString &name, const QString &value)
{
    QString label = name;
    label.remove(QStringLiteral(" (M)"));
    QString number = value.section(QStringLiteral(" ("), 0, 0);
    number = number.section(QLatin1Char('='), -1).section(QLatin1Char('/'), 0, 0).trimmed();
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    return digits.match(number).hasMatch() ? label + QLatin1Char(' ') + number : label;
}

QString rowTitle(const CPanelRows *panel, int row)
{
    return detailTitle(panel->rowName(row), panel->rowValue(row));
}

// Guide sections with no picture of their own.
constexpr int kBridgesSection = 16;
constexpr int kPlanesSection = 17;

} // namespace

void CQZNum::MFitemCliked(int item)
{
    if (item >= 0 && item < 6)
        showDetails(kMainFeatures[item].section, QString::fromLatin1(kMainFeatures[item].picture),
                    rowTitle(m_mainFeat, item));
}

void CQZNum::AFitemCliked(int item)
{
    if (item >= 0 && item < 6)
        showDetails(kAdditional[item].section, QString::fromLatin1(kAdditional[item].picture),
                    rowTitle(m_addFeat, item));
}

void CQZNum::LCitemCliked(int item)
{
    if (item >= 0 && item < 4)
        showDetails(kLifeCycles[item].section, QString::fromLatin1(kLifeCycles[item].picture),
                    rowTitle(m_lifeCycles, item));
}

void CQZNum::BRitemCliked(int item)
{
    if (item >= 0 && item < 2)
        showDetails(kBridgesSection, QString());
}

void CQZNum::PLitemCliked(int item)
{
    if (item >= 0 && item < 3)
        showDetails(kPlanesSection, QString());
}

void CQZNum::PMitemCliked(int item)
{
    const Detail d = matrixDetail(item);
    if (d.section >= 0)
        showDetails(d.section, QString::fromLatin1(d.picture),
                    QString(MatrixGrid::label(item) + QLatin1Char(' ') + m_matrW->cells().value(item)).trimmed());
}

void CQZNum::showDetails(int section, const QString &picture, const QString &title)
{
    const QString html = CInfoDetailsView::detailsHtml(section, picture);
    if (html.isEmpty())
        return;
    auto *dlg = new CInfoDetailsView(m_theme, html, this, title);
    dlg->exec();
    delete dlg;
}

void CQZNum::OnMenu()
{
    m_menu->popup(m_tools[0]->mapToGlobal(QPoint(0, 20)));
}

void CQZNum::OnSettings()
{
    auto *dlg = new CSettingsDlg(this);
    m_theme->styleWidget(dlg, CTheme::KindDialog);
    dlg->setValues(calculatorFlags().toBytes(), m_state.dayFirstDates, m_state.extendedMasters);
    if (dlg->exec() == QDialog::Accepted) {
        calculatorFlags().fromBytes(dlg->flags());
        m_state.calcFlags = dlg->flags();
        m_state.dayFirstDates = dlg->dayFirstDates();
        m_state.extendedMasters = dlg->extendedMasters();
        applyDateFormat();
        OnCalcNum();
    }
    delete dlg;
}

void CQZNum::OnAbout()
{
    auto *dlg = new CAboutDlg(this);
    m_theme->styleWidget(dlg, CTheme::KindDialog);
    dlg->exec();
    delete dlg;
}

void CQZNum::OnHelp()
{
    // Without an online help page the bundled guide answers.
    if (AppUrls::helpPage().isEmpty()) {
        OnOpenGuide();
        return;
    }
    AppUrls::open(AppUrls::helpPage());
}

void CQZNum::OnOpenGuide()
{
    if (m_personOpen)
        OnNameSel();
    navigate(FeatGuide);
    OnGuideHome();
}

void CQZNum::OnSupport()
{
    AppUrls::open(AppUrls::supportMail());
}

void CQZNum::OnStyleChange()
{
    const QList<QAction *> actions = m_themeGroup->actions();
    int index = 0;
    for (int i = 0; i < actions.size(); ++i) {
        if (actions.at(i)->isChecked()) {
            index = i;
            break;
        }
    }
    OnApplyStyle(index);
    m_state.themeIndex = index;
}

void CQZNum::OnApplyStyle(int index)
{
    m_theme->selectTheme(index);
    initStyle();
    emit updateStyle();
    update();
}

void CQZNum::initStyle()
{
    const QStringList icons = CTheme::featureIconFiles();
    for (int f = 0; f < FeatureCount; ++f) {
        if (f < icons.size())
            m_featureButs[f]->setIcon(m_theme->featureIcon(icons.at(f)));
        m_theme->styleWidget(m_featureButs[f], CTheme::KindFeatureButton);
    }
    m_theme->styleWidget(this, CTheme::KindMainWindow);
    m_theme->styleWidget(m_central, CTheme::KindMainWindow);
    for (int f = 0; f < FeatureCount; ++f)
        m_theme->styleWidget(m_pages[f], CTheme::KindPage);
    m_person->applyTheme(m_theme);
    m_theme->styleWidget(m_layoutChooser, CTheme::KindComboBox);
    m_theme->styleWidget(m_chartChooser, CTheme::KindComboBox);
    for (QLabel *l :
         {m_layoutCaption, m_chartCaption, m_chartPageCount, m_forecastCaption, m_summaryLabel})
        m_theme->styleWidget(l, CTheme::KindCaption);
    m_theme->styleWidget(m_reportManagerBut, CTheme::KindReportManagerButton);
    if (m_pulse->state() != QTimeLine::Running)
        m_theme->styleWidget(m_personBut, CTheme::KindPersonButton);
    m_theme->styleWidget(m_rightPanel, CTheme::KindPage);
    m_theme->styleWidget(m_emptyHint, CTheme::KindPage);
    m_theme->styleWidget(m_emptyHintText, CTheme::KindCaption);
    m_theme->styleWidget(m_emptyHintBut, CTheme::KindPersonButton);
    for (CDateEdit *d : {m_forecastDate, m_anDate, m_petBirth})
        m_theme->styleWidget(d, CTheme::KindDateEdit);
    for (QLineEdit *e : {m_anName, m_petName})
        m_theme->styleWidget(e, CTheme::KindLineEdit);
    m_theme->styleWidget(m_anChaldean, CTheme::KindCheckBox);
    const char *const toolIcons[5] = {"tool-menu.png", "tool-data.png", "tool-info.png", "tool-save.png", "tool-print.png"};
    for (int i = 0; i < 5; ++i) {
        m_theme->styleWidget(m_tools[i], CTheme::KindToolButton);
        const QImage img = m_theme->themedImage(QString::fromLatin1(toolIcons[i]));
        m_tools[i]->setIcon(img.isNull() ? QIcon() : QIcon(QPixmap::fromImage(img)));
    }
    m_menu->setStyleSheet(m_theme->styleSheet(CTheme::SheetMenu));
    if (m_loading) {
        // Heading colour on the page colour, readable in every theme.
        m_loading->setStyleSheet(m_theme->mapStyleText(QStringLiteral(
            "QLabel { color: #eddbb2; background-color: #2a221e; font-family: \"Arial\", sans-serif;"
            " font-size: 15px; font-weight: bold; }")));
    }
    m_marker->setStyleSheet(QStringLiteral("background-color: ")
                            + m_theme->mapColor(QColor(0xe9, 0xc9, 0x8a)).name() + QStringLiteral(";"));
}

void CQZNum::OnSelReport(int)
{
    OnCalcNum();
}

// ---- charts ----

void CQZNum::OnUpdateListReport()
{
    disconnect(m_chartChooser, SIGNAL(currentIndexChanged(int)), this, SLOT(slotGChart(int)));
    m_chartChooser->clear();
    const QString folder = AppPaths::userFolder();
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.qnr")});
    for (const QString &f : files)
        m_chartChooser->addItem(f.left(f.size() - 4), QString(folder + QLatin1Char('/') + f));
    qz::checkedConnect(m_chartChooser, SIGNAL(currentIndexChanged(int)), this, SLOT(slotGChart(int)));
}

void CQZNum::slotGChart(int index)
{
    if (m_chartChooser->count() > 0 && index >= 0 && index < m_chartChooser->count())
        layoutWindow();
}

void CQZNum::slotResizeChart()
{
}

void CQZNum::OnAddChart()
{
    runChartCreator(QString());
}

void CQZNum::OnEditChart()
{
    const int index = m_chartChooser->currentIndex();
    if (index < 0 || index >= m_chartChooser->count())
        return;
    runChartCreator(m_chartChooser->itemData(index).toString());
}

void CQZNum::runChartCreator(const QString &path)
{
    const int oldIndex = m_chartChooser->currentIndex();
    const PersonRecord r = recordFromInputs();
    const ChartProfile profile = chartProfileFromEngine(m_num, &m_matr, r.fullName, r.shortName);
    auto *win = new CReportCreatorWin(profile, CReportCreator::kMainWindowMode, m_theme, this);
    CReportCreator *creator = win->creator();
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            delete win;
            return; // an unreadable chart is skipped silently
        }
        QDataStream stream(&file);
        stream.setVersion(QDataStream::Qt_4_6);
        creator->setFilePath(path);
        if (creator->loadDocument(stream) != 0) {
            // Not a chart: editing would start from an empty one, and saving it
            // would replace the file.
            delete win;
            QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Wrong file format!"));
            return;
        }
    }
    creator->setUserFolder(AppPaths::userFolder());
    creator->setConfirmHandler([this, win](const QString &title, const QString &text) {
        return CInfoDlgWin::ask(m_theme, title, text, win) == 0;
    });
    win->setStateFile(AppPaths::configFolder() + QStringLiteral("/qznum_creator.cfg"));
    win->exec();
    const QString saved = creator->filePath();
    delete win;

    // The list is read again: a save may have added or renamed a file.
    OnUpdateListReport();
    int select = saved.isEmpty() ? -1 : m_chartChooser->findData(saved);
    if (select < 0 && oldIndex >= 0 && oldIndex < m_chartChooser->count())
        select = oldIndex;
    if (select >= 0)
        m_chartChooser->setCurrentIndex(select);
    layoutWindow();
}

void CQZNum::OnDeleteChart()
{
    const int index = m_chartChooser->currentIndex();
    if (index < 0 || index >= m_chartChooser->count())
        return;
    const QString path = m_chartChooser->itemData(index).toString();
    const QString name = QFileInfo(path).fileName();
    if (CInfoDlgWin::ask(m_theme, QStringLiteral("Question"),
                         QStringLiteral("Do you want to remove \"") + name + QStringLiteral("\"?"), this)
        != 0)
        return;
    QFile::remove(path);
    OnUpdateListReport();
    layoutWindow();
}

void CQZNum::renderChartPreview()
{
    const int index = m_chartChooser->currentIndex();
    const QSize box = m_chartPreview->size();
    m_chartPageCount->clear();
    if (index < 0 || box.width() < 10 || box.height() < 10) {
        m_chartPreview->clear();
        return;
    }
    ChartDocument doc;
    QString error;
    if (!chartfile::load(doc, m_chartChooser->itemData(index).toString(), &error)) {
        m_chartPreview->setText(error); // "Can't open file!" or "Wrong file format!"
        return;
    }
    const PersonRecord r = recordFromInputs();
    const QList<ChartProfile> person{
        chartProfileFromEngine(m_num, &m_matr, r.fullName, r.shortName)};
    // The first page is shown; the others are printed and exported with it.
    const QList<QImage> first = renderChartPages(person, doc, box, 1);
    const int pages = chartPageCount(person, doc);
    m_chartPreview->setPixmap(first.isEmpty() ? QPixmap() : QPixmap::fromImage(first.first()));
    m_chartPageCount->setText(pages == 1 ? QStringLiteral("1 page")
                                         : QStringLiteral("Page 1 of %1").arg(pages));
}
