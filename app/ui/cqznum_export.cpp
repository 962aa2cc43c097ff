// Saving reports: one report as HTML, the chart as a picture, and the
// combined PDF of the chosen reports (also what "Print" produces).
#include "app/ui/cqznum.h"
#include "engine/datafolder.h"

#include "app/ui/appurls.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/creportchoicedlg.h"
#include "app/ui/exportdocument.h"
#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chart/chartprofileengine.h"
#include "chart/chartrender.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "reports/htmlinliner.h"
#include "reports/pdf/genpdffromhtml.h"
#include "reports/reportformat.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

const QString kErrorTitle = QStringLiteral("Error");

QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QImage programLogo()
{
    const QString folder = DataFolder::path() + QStringLiteral("/images/");
    const QImage large(folder + QStringLiteral("qznum.png"));
    return large.isNull() ? QImage(folder + QStringLiteral("logo.png")) : large;
}

} // namespace

QString CQZNum::askSaveFileName(const QString &title, const QString &folder, const QString &filter,
                                const QString &suffix)
{
    QFileDialog dlg(this, title, folder, filter);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix itself, so that it asks before replacing the
    // file that will really be written.
    dlg.setDefaultSuffix(suffix);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return QString();
    return ExportDocument::withDefaultSuffix(dlg.selectedFiles().constFirst(), suffix);
}

QString CQZNum::chartLoadMessage(ChartLoad load)
{
    return load == ChartWrongFormat ? QStringLiteral("Wrong file format!") : QStringLiteral("Can't open file!");
}

CQZNum::ChartLoad CQZNum::loadSelectedChart(ChartDocument &doc) const
{
    const int index = m_chartChooser->currentIndex();
    if (index < 0 || index >= m_chartChooser->count())
        return NoChartSelected;
    QString error;
    if (chartfile::load(doc, m_chartChooser->itemData(index).toString(), &error))
        return ChartLoaded;
    return error == QLatin1String("Wrong file format!") ? ChartWrongFormat : ChartUnreadable;
}

void CQZNum::renderForExport(const ChartDocument &doc,
                             const std::function<void(const QImage &)> &keep) const
{
    const PersonRecord r = recordFromInputs();
    const ChartProfile profile = chartProfileFromEngine(m_num, &m_matr, r.fullName, r.shortName);
    // 0 x 0 asks for the chart's natural (print) size; one page is held at a time.
    renderChartPictures({profile}, doc, QSize(0, 0), [&keep](const QImage &picture) {
        keep(picture);
        return true;
    });
}

void CQZNum::OnExportHTML()
{
    const int feature = m_feature;
    // The manual is no report of the person.
    if (feature == FeatGuide)
        return;

    const bool chart = feature == FeatChart;
    ChartDocument doc;
    QString html;
    if (chart) {
        const ChartLoad load = loadSelectedChart(doc);
        if (load == NoChartSelected)
            return;
        if (load == ChartUnreadable || load == ChartWrongFormat) {
            QMessageBox::critical(this, kErrorTitle, chartLoadMessage(load), QMessageBox::Ok);
            return;
        }
    } else {
        html = m_reports[feature == FeatForecast ? int(FeatNumerology) : feature];
        if (html.isEmpty()) {
            // Nothing calculated yet: an empty file would help nobody.
            QMessageBox::critical(this, QString(), QStringLiteral("Enter your data before calculation!"),
                                  QMessageBox::Ok);
            return;
        }
    }

    const QString folder = m_exportFolder.isEmpty() ? documentsFolder() : m_exportFolder;
    const QString path = chart ? askSaveFileName(QStringLiteral("Save to PNG"), folder,
                                                 QStringLiteral("PNG Files (*.png)"), QStringLiteral("png"))
                               : askSaveFileName(QStringLiteral("Save to HTML"), folder,
                                                 QStringLiteral("HTML Files (*.html)"), QStringLiteral("html"));
    if (path.isEmpty())
        return;
    m_exportFolder = QFileInfo(path).absolutePath();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool saved = true;
    if (chart) {
        // Page 1 under the chosen name, the others numbered beside it.
        int page = 0;
        renderForExport(doc, [&](const QImage &picture) {
            const QString file = ExportDocument::pageFileName(path, ++page);
            saved = ExportDocument::saveImage(file, picture) && saved;
        });
        saved = saved && page > 0;
    } else {
        saved = ExportDocument::saveHtml(path, html);
    }
    QApplication::restoreOverrideCursor();
    if (!saved)
        QMessageBox::critical(this, kErrorTitle, QStringLiteral("Can't save report!"), QMessageBox::Ok);
}

bool CQZNum::hasReport(int feature) const
{
    return feature >= 0 && feature < FeatureCount && ExportDocument::hasContent(m_reports[feature]);
}

void CQZNum::OnExportPDFAll()
{
    if (m_reportBusy) {
        QMessageBox::critical(this, kErrorTitle, QStringLiteral("Report generation in progress!"),
                              QMessageBox::Ok);
        return;
    }

    ChartDocument doc;
    const ChartLoad load = loadSelectedChart(doc);
    {
        CReportChoiceDlg dlg(m_person->chaldean->isChecked(), this);
        m_theme->styleWidget(&dlg, CTheme::KindDialog);
        // Only what the PDF can hold is offered.
        const QString person = QStringLiteral("Enter a person and press APPLY first");
        dlg.setAvailable(dlg.numerologyBox(), hasReport(FeatNumerology), person);
        dlg.setAvailable(dlg.psychomatrixBox(), hasReport(FeatPMatrix), person);
        dlg.setAvailable(dlg.compatibilityBox(), hasReport(FeatCompatibility),
                         QStringLiteral("Enter a partner and press APPLY first"));
        dlg.setAvailable(dlg.celebritiesBox(), hasReport(FeatCelebrities), person);
        dlg.setAvailable(dlg.petBox(), hasReport(FeatPet), QStringLiteral("Calculate on the Pet page first"));
        dlg.setAvailable(dlg.advisorBox(), hasReport(FeatAdvisor),
                         QStringLiteral("Calculate on the Name Advisor page first"));
        dlg.setChartAvailable(load != NoChartSelected);
        dlg.setChoice(m_reportChoice);
        if (dlg.exec() != QDialog::Accepted)
            return;
        m_reportChoice = dlg.choice();
    }
    // The chart is read only when it is wanted: the other reports do not need it.
    if (m_reportChoice.chart && (load == ChartUnreadable || load == ChartWrongFormat)) {
        QMessageBox::critical(this, kErrorTitle, chartLoadMessage(load), QMessageBox::Ok);
        return;
    }

    const QString path = askSaveFileName(QStringLiteral("Save to PDF"), documentsFolder(),
                                         QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto inlined = [this](int feature, bool wanted) {
        return wanted ? HtmlInliner::inlinePictures(m_reports[feature], HtmlInliner::MarginMode) : QString();
    };
    const QVector<ExportDocument::Section> sections{
        {m_num.chaldeanMode ? QStringLiteral("Chaldean Numerology Report") : QStringLiteral("Numerology Report"),
         inlined(FeatNumerology, m_reportChoice.numerology)},
        {QStringLiteral("Psychomatrix Report"), inlined(FeatPMatrix, m_reportChoice.psychomatrix)},
        {QStringLiteral("Compatibility Report"), inlined(FeatCompatibility, m_reportChoice.compatibility)},
        {QStringLiteral("Celebrities Report"), inlined(FeatCelebrities, m_reportChoice.celebrities)},
        {QStringLiteral("Pet Report"), m_reportChoice.pet ? m_reports[FeatPet] : QString()},
        {QStringLiteral("Name Advisor Report"), inlined(FeatAdvisor, m_reportChoice.advisor)}};
    QStringList chart;
    if (m_reportChoice.chart && load == ChartLoaded)
        renderForExport(doc, [&chart](const QImage &picture) {
            chart << ExportDocument::chartParagraph(picture);
        });
    ExportDocument::Cover cover;
    const PersonRecord typed = recordFromInputs();
    if (!m_num.fullNameUpper.isEmpty())
        cover.person = ReportFormat::personLine(m_num.fullNameUpper, m_num.shortNameUpper, m_num.birthDate);
    else if (!typed.fullName.trimmed().isEmpty())
        cover.person = typed.fullName.trimmed();
    // The partner belongs on the cover only with the compatibility report.
    if (m_reportChoice.compatibility && !m_reports[FeatCompatibility].isEmpty() && !m_numP.fullNameUpper.isEmpty())
        cover.partner = ReportFormat::personLine(m_numP.fullNameUpper, m_numP.shortNameUpper, m_numP.birthDate);
    cover.date = QDate::currentDate();
    cover.logo = programLogo();
    const QString html = ExportDocument::combinedDocument(cover, sections, chart);
    QApplication::restoreOverrideCursor();
    if (html.isEmpty()) {
        QMessageBox::critical(this, QString(), QStringLiteral("Enter your data before calculation!"),
                              QMessageBox::Ok);
        return;
    }

    const QString input = ExportDocument::writeTemporaryDocument(html);
    if (input.isEmpty()) {
        QMessageBox::critical(this, kErrorTitle, QStringLiteral("Can't save report!"), QMessageBox::Ok);
        return;
    }
    qDebug().noquote() << QStringLiteral("Report generated: ") + input;
    qDebug().noquote() << QStringLiteral("Saving PDF to ") + path;

    delete m_pdfGen;
    m_pdfGen = new GenPDFfromHTML(input, path, this);
    // The window opens the finished file itself, through the program's URL handler.
    m_pdfGen->setOpenWhenDone(false);
    // Queued: the answer (and any message box) comes after the engine's callback returned.
    qz::checkedConnect(m_pdfGen, SIGNAL(finished(bool)), this, SLOT(OnBgTaskFinished(bool)),
                       Qt::QueuedConnection);
    m_reportBusy = true;
    m_pdfGen->start();
}

void CQZNum::OnBgTaskFinished(bool success)
{
    m_reportBusy = false;
    if (!m_pdfGen)
        return;
    if (success)
        AppUrls::open(QUrl::fromLocalFile(m_pdfGen->outputPath()));
    else
        QMessageBox::critical(this, kErrorTitle, QStringLiteral("Can't save report!"), QMessageBox::Ok);
}
