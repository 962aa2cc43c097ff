// Saving reports from the main window: the report chooser, HTML with its
// pictures inlined, the chart as PNG, the combined PDF and failed saves.
#include "app/ui/cdateedit.h"
#include "app/ui/cpersonpanel.h"
#include "app/ui/creportchoicedlg.h"
#include "app/ui/exportdocument.h"
#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chart/chartrender.h"
#include "reports/pdf/genpdffromhtml.h"
#include "tests/common/mainwindowstart.h"
#include "tests/common/modaldialogs.h"
#include "tests/common/widgettestmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <signal.h>
#include <sys/resource.h>

namespace {

using qztest::ModalDriver;

ModalDriver::Step saveAs(const QString &path, QString *title = nullptr)
{
    return qztest::answerFileDialog(path, [title](QFileDialog *dlg) {
        if (title)
            *title = dlg->windowTitle() + QLatin1Char('|') + dlg->nameFilters().join(QLatin1Char(';'));
    });
}

ModalDriver::Step cancelFileDialog()
{
    return [](QWidget *w) {
        auto *dlg = qobject_cast<QFileDialog *>(w);
        if (!dlg)
            return false;
        dlg->reject();
        return true;
    };
}

// The overwrite question of the file dialog; @p before runs just before "Yes".
ModalDriver::Step confirmOverwrite(std::function<void()> before = {})
{
    return [before](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box || !box->text().contains(QLatin1String("already exists")))
            return false;
        if (before)
            before();
        box->button(QMessageBox::Yes)->click();
        return true;
    };
}

ModalDriver::Step messageBox(QString *text, std::function<void()> before = {})
{
    return [text, before](QWidget *w) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box)
            return false;
        if (before)
            before();
        *text = box->windowTitle() + QLatin1Char('|') + box->text();
        box->accept();
        return true;
    };
}

ModalDriver::Step chooser(std::function<void(CReportChoiceDlg *)> act)
{
    return [act](QWidget *w) {
        auto *dlg = qobject_cast<CReportChoiceDlg *>(w);
        if (!dlg)
            return false;
        act(dlg);
        return true;
    };
}

// Everything offered, as a first run shows it, then "Ok".
ModalDriver::Step chooserOk()
{
    return chooser([](CReportChoiceDlg *d) {
        for (QCheckBox *b : d->findChildren<QCheckBox *>())
            b->setChecked(b->isEnabled());
        d->okButton()->click();
    });
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString runTool(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Lowers the largest file this process may write, so that saves fail even for root.
class FileSizeLimit
{
public:
    void set(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        signal(SIGXFSZ, SIG_IGN);
        rlimit low = m_old;
        low.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &low) == 0;
    }
    void restore()
    {
        if (m_active)
            setrlimit(RLIMIT_FSIZE, &m_old);
        m_active = false;
    }
    bool active() const { return m_active; }
    ~FileSizeLimit() { restore(); }

private:
    rlimit m_old{};
    bool m_active = false;
};

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

    std::unique_ptr<CQZNum> m_win;
    QTemporaryDir m_out;
    QList<QUrl> m_opened;

    QString out(const QString &name) const { return m_out.filePath(name); }

    void setPerson(bool chaldean = false)
    {
        CPersonPanel *p = m_win->personPanel();
        p->fullName->setText(QStringLiteral("John Smith"));
        p->shortName->clear();
        p->birthDate->setDate(QDate(1985, 11, 29));
        p->partnerFullName->setText(QStringLiteral("Mary Ann Jones"));
        p->partnerBirthDate->setDate(QDate(1987, 3, 14));
        p->chaldean->setChecked(chaldean);
        m_win->OnCalcNum();
    }

    void selectChart()
    {
        QComboBox *charts = m_win->chartChooser();
        const int stickers = charts->findText(QStringLiteral("Number Stickers"));
        charts->setCurrentIndex(stickers >= 0 ? stickers : 0);
    }

    // Runs the combined export to @p typed and waits for the generator's answer.
    bool waitForPdfRun()
    {
        return QTest::qWaitFor([this] { return !m_win->reportBusy(); }, 60000);
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_out.isValid());
        QVERIFY(qztest::prepareMainWindowState());

        // Charts come from the user folder; take the samples the build made.
        const QString user = AppPaths::userFolder();
        QDir(user).removeRecursively();
        QVERIFY(QDir().mkpath(user));
        QVERIFY(AppPaths::copySampleCharts(AppPaths::templateFolder(), user) > 0);

        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");

        QVERIFY(qztest::startMainWindow(m_win));
        QVERIFY(m_win->chartChooser()->count() > 0);
        setPerson();
        QVERIFY(!m_win->reportHtml(CQZNum::FeatCompatibility).isEmpty());
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        m_win.reset();
        QDir(AppPaths::userFolder()).removeRecursively();
    }

    void defaultSuffix_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QString>("result");
        QTest::newRow("bare pdf") << "/tmp/out/report" << "pdf" << "/tmp/out/report.pdf";
        QTest::newRow("bare html") << "/tmp/out/report" << "html" << "/tmp/out/report.html";
        QTest::newRow("bare png") << "/tmp/out/report" << "png" << "/tmp/out/report.png";
        QTest::newRow("other extension kept") << "/tmp/out/report.txt" << "pdf" << "/tmp/out/report.txt";
        QTest::newRow("upper case kept") << "/tmp/out/chart.PNG" << "png" << "/tmp/out/chart.PNG";
        QTest::newRow("dot in folder only") << "/tmp/v1.2/report" << "html" << "/tmp/v1.2/report.html";
        QTest::newRow("cancelled") << "" << "pdf" << "";
    }

    void defaultSuffix()
    {
        QFETCH(QString, typed);
        QFETCH(QString, suffix);
        QTEST(ExportDocument::withDefaultSuffix(typed, suffix), "result");
    }

    void combinedDocumentSections_data()
    {
        QTest::addColumn<QStringList>("sections");
        QTest::addColumn<QSize>("chart");
        QTest::addColumn<int>("chartPages");
        QTest::addColumn<int>("pageBreaks");
        QTest::addColumn<QString>("fitted");
        const QString small(99, QLatin1Char('a'));
        const QString big(100, QLatin1Char('b'));
        // Page breaks: one after the cover, one after each printed report, one between chart pages.
        QTest::newRow("99 characters add nothing") << QStringList{small, small} << QSize() << 0 << 0 << QString();
        QTest::newRow("100 characters and a break") << QStringList{small, big} << QSize() << 0 << 2 << QString();
        QTest::newRow("break also before the chart")
            << QStringList{big, big} << QSize(2516, 3560) << 1 << 3 << "width=\"565\" height=\"800\"";
        QTest::newRow("wide chart fits 600") << QStringList{} << QSize(1200, 300) << 1 << 1
                                             << "width=\"600\" height=\"150\"";
        QTest::newRow("three chart pages, each on its own") << QStringList{big} << QSize(1200, 300) << 3 << 4
                                                            << "width=\"600\" height=\"150\"";
    }

    void combinedDocumentSections()
    {
        QFETCH(QStringList, sections);
        QFETCH(QSize, chart);
        QFETCH(int, chartPages);
        QFETCH(int, pageBreaks);
        QFETCH(QString, fitted);
        QStringList pictures;
        QImage picture(chart, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        for (int i = 0; i < chartPages; ++i)
            pictures << ExportDocument::chartParagraph(picture);
        QVector<ExportDocument::Section> parts;
        for (const QString &s : sections)
            parts.append({QStringLiteral("Part"), s});
        const QString doc = ExportDocument::combinedDocument(ExportDocument::Cover(), parts, pictures);
        QCOMPARE(doc.count(QLatin1String("<img")), chartPages);
        QCOMPARE(doc.count(QLatin1String("<p style=\"page-break-after: always;  \"></p>")), pageBreaks);
        QVERIFY(!doc.contains(QString(99, QLatin1Char('a'))));
        QCOMPARE(doc.isEmpty(), pageBreaks == 0);
        if (fitted.isEmpty()) {
            QVERIFY(!doc.contains(QLatin1String("<img")));
            return;
        }
        QVERIFY(doc.contains(fitted));
        // The chart comes last and its picture decodes to the full size.
        QVERIFY(doc.endsWith(QLatin1String("\"></p>")));
        const QString marker = QStringLiteral("src=\"data:image/png;base64,");
        const int start = doc.indexOf(marker) + marker.size();
        const QImage decoded = QImage::fromData(
            QByteArray::fromBase64(doc.mid(start, doc.indexOf(QLatin1Char('"'), start) - start).toLatin1()));
        QCOMPARE(decoded.size(), chart);
    }

    void combinedDocumentCover()
    {
        ExportDocument::Cover cover;
        cover.person = QStringLiteral("JOHN SMITH (John), Nov 29 1985");
        cover.partner = QStringLiteral("MARY <ANN> JONES (Mary), Mar 14 1987");
        cover.date = QDate(2026, 12, 7);
        cover.logo = QImage(256, 256, QImage::Format_ARGB32);
        cover.logo.fill(Qt::darkBlue);
        const QString big(200, QLatin1Char('b'));
        QImage chart(300, 400, QImage::Format_RGB32);
        chart.fill(Qt::white);
        const QString doc = ExportDocument::combinedDocument(
            cover, {{QStringLiteral("Numerology Report"), big}, {QStringLiteral("Psychomatrix Report"), QString()},
                    {QStringLiteral("Pet Report"), big}},
            {ExportDocument::chartParagraph(chart)});

        // The cover comes first, with its own page, naming the person, the partner and the day.
        const int firstBreak = doc.indexOf(QLatin1String("<p style=\"page-break-after: always;  \"></p>"));
        const QString page = doc.left(firstBreak);
        QVERIFY(!page.contains(big));
        QVERIFY(page.contains(QLatin1String("<h1>Qzarel Numerology</h1>")));
        QVERIFY(page.contains(QLatin1String(">JOHN SMITH (John), Nov 29 1985</p>")));
        QVERIFY(page.contains(QLatin1String(">and MARY &lt;ANN&gt; JONES (Mary), Mar 14 1987</p>")));
        QVERIFY(page.contains(QLatin1String(">Dec 7 2026</p>")));
        const QString marker = QStringLiteral("<img src=\"data:image/png;base64,");
        const int start = page.indexOf(marker) + marker.size();
        QVERIFY(start >= marker.size());
        QCOMPARE(QImage::fromData(QByteArray::fromBase64(
                     page.mid(start, page.indexOf(QLatin1Char('"'), start) - start).toLatin1())).size(),
                 QSize(256, 256));

        // Contents: the printed reports and the chart, numbered, each linked to its section.
        const QRegularExpression entry(QStringLiteral("<li><a href=\"#([^\"]+)\">([^<]+)</a></li>"));
        QStringList titles;
        auto it = entry.globalMatch(page);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            titles << m.captured(2);
            const int target = doc.indexOf(QStringLiteral("id=\"%1\"").arg(m.captured(1)));
            QVERIFY2(target > firstBreak, qPrintable(m.captured(1)));
            QVERIFY(doc.indexOf(QStringLiteral("Section %1 of 3: %2</p>").arg(titles.size()).arg(m.captured(2)), target)
                    > target);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("Numerology Report"), QStringLiteral("Pet Report"),
                                      QStringLiteral("Graphic Chart")}));
        QVERIFY(page.contains(QLatin1String("<ol>")));

        // Without a partner there is no partner line.
        cover.partner.clear();
        QVERIFY(!ExportDocument::combinedDocument(cover, {{QStringLiteral("Pet Report"), big}}, {})
                     .contains(QLatin1String("qz-partner\"")));
    }

    void chooserDefaultsAndCancel()
    {
        for (bool chaldean : {false, true}) {
            setPerson(chaldean);
            QStringList labels;
            QList<bool> ticked, enabled;
            ModalDriver driver({chooser([&](CReportChoiceDlg *d) {
                for (QCheckBox *b : {d->numerologyBox(), d->psychomatrixBox(), d->compatibilityBox(),
                                     d->celebritiesBox(), d->petBox(), d->advisorBox(), d->chartBox()}) {
                    labels << b->text();
                    ticked << b->isChecked();
                    enabled << b->isEnabled();
                }
                d->numerologyBox()->setChecked(false);
                d->cancelButton()->click();
            })});
            m_win->OnExportPDFAll();
            QVERIFY(driver.done());
            // Every section the PDF can hold, in its order; one with nothing to print cannot be ticked.
            QCOMPARE(labels, (QStringList{chaldean ? QStringLiteral(" Chaldean Numerology")
                                                   : QStringLiteral(" Western Numerology"),
                                          QStringLiteral(" Psychomatrix"), QStringLiteral(" Compatibility"),
                                          QStringLiteral(" Celebrities"), QStringLiteral(" Pet"),
                                          QStringLiteral(" Name Advisor"), QStringLiteral(" Graphic Chart")}));
            const bool pet = ExportDocument::hasContent(m_win->reportHtml(CQZNum::FeatPet));
            const bool advisor = ExportDocument::hasContent(m_win->reportHtml(CQZNum::FeatAdvisor));
            QCOMPARE(enabled, (QList<bool>{true, true, true, true, pet, advisor, true}));
            QCOMPARE(ticked, enabled);
            // Cancelled before the file dialog: no run, nothing stored.
            QVERIFY(!m_win->pdfGenerator());
            QVERIFY(!m_win->reportBusy());
            QVERIFY(m_win->reportChoice().numerology);
        }
        setPerson(false);

        // The choice is offered again the next time.
        ModalDriver first({chooser([](CReportChoiceDlg *d) {
                               d->psychomatrixBox()->setChecked(false);
                               d->okButton()->click();
                           }),
                           cancelFileDialog()});
        m_win->OnExportPDFAll();
        QVERIFY(first.done());
        QVERIFY(!m_win->reportChoice().psychomatrix);
        bool keptOff = false;
        ModalDriver second({chooser([&](CReportChoiceDlg *d) {
                                keptOff = !d->psychomatrixBox()->isChecked();
                                d->psychomatrixBox()->setChecked(true);
                                d->okButton()->click();
                            }),
                            cancelFileDialog()});
        m_win->OnExportPDFAll();
        QVERIFY(second.done());
        QVERIFY(keptOff);
        QVERIFY(m_win->reportChoice().psychomatrix);

        // Without a chart the chart box cannot be chosen; a cancelled file dialog ends it.
        m_win->chartChooser()->setCurrentIndex(-1);
        bool chartTicked = true, chartEnabled = true;
        ModalDriver driver({chooser([&](CReportChoiceDlg *d) {
                                chartTicked = d->chartBox()->isChecked();
                                chartEnabled = d->chartBox()->isEnabled();
                                d->okButton()->click();
                            }),
                            cancelFileDialog()});
        m_win->OnExportPDFAll();
        QVERIFY(driver.done());
        QVERIFY(!chartTicked);
        QVERIFY(!chartEnabled);
        // The wish for a chart stays for when one is chosen again.
        QVERIFY(m_win->reportChoice().chart);
        QVERIFY(!m_win->pdfGenerator());
        selectChart();
    }

    void htmlExportSelfContained()
    {
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        QString title;
        ModalDriver driver({saveAs(out(QStringLiteral("numerology")), &title)});
        m_win->OnExportHTML();
        QVERIFY(driver.done());
        QCOMPARE(title, QStringLiteral("Save to HTML|HTML Files (*.html)"));
        const QString html = QString::fromUtf8(readAll(out(QStringLiteral("numerology.html"))));
        QVERIFY(html.size() > 1000);
        QVERIFY(html.contains(QLatin1String("John Smith"), Qt::CaseInsensitive));
        QVERIFY(html.contains(
            QLatin1String("<style type=\"text/css\"> body table { line-height: 20px;  }</style></head>")));

        // Every picture is a data URL that decodes; no file or relative reference is left.
        const QRegularExpression src(QStringLiteral("<img[^>]*\\bsrc\\s*=\\s*\"([^\"]*)\""));
        int pictures = 0;
        for (auto it = src.globalMatch(html); it.hasNext();) {
            const QString ref = it.next().captured(1);
            QVERIFY2(ref.startsWith(QLatin1String("data:image/")), qPrintable(ref.left(80)));
            const QByteArray bytes = QByteArray::fromBase64(ref.mid(ref.indexOf(QLatin1Char(',')) + 1).toLatin1());
            QVERIFY2(!QImage::fromData(bytes).isNull(), qPrintable(ref.left(40)));
            ++pictures;
        }
        QVERIFY(pictures > 0);
        QVERIFY(!html.contains(QLatin1String("file:")));

        // The same bare name again: the file that would be replaced is the one with the suffix.
        QFile::resize(out(QStringLiteral("numerology.html")), 10);
        ModalDriver again({saveAs(out(QStringLiteral("numerology"))), confirmOverwrite()});
        m_win->OnExportHTML();
        QVERIFY(again.done());
        QCOMPARE(QFileInfo(out(QStringLiteral("numerology.html"))).size(), qint64(html.toUtf8().size()));
    }

    void guideSavesNothing()
    {
        m_win->featureButton(CQZNum::FeatGuide)->click();
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatGuide));
        ModalDriver driver({saveAs(out(QStringLiteral("guide")))});
        m_win->OnExportHTML(); // a dialog would be answered in here
        QVERIFY(!driver.done());
        QVERIFY(!QFile::exists(out(QStringLiteral("guide.html"))));
        m_win->featureButton(CQZNum::FeatNumerology)->click();
    }

    void pngExportOfChart()
    {
        m_win->featureButton(CQZNum::FeatChart)->click();
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatChart));
        selectChart();
        QString title;
        ModalDriver driver({saveAs(out(QStringLiteral("chart")), &title)});
        m_win->OnExportHTML();
        QVERIFY(driver.done());
        QCOMPARE(title, QStringLiteral("Save to PNG|PNG Files (*.png)"));
        QCOMPARE(readAll(out(QStringLiteral("chart.png"))).left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        const QImage png(out(QStringLiteral("chart.png")));
        ChartDocument doc;
        QVERIFY(chartfile::load(doc, m_win->chartChooser()->currentData().toString()));
        QCOMPARE(png.size(), chartPictureSize(doc, QSize(0, 0)));
        // Something was drawn: not one flat colour.
        QSet<QRgb> colours;
        for (int y = 0; y < png.height(); y += 7)
            for (int x = 0; x < png.width(); x += 7)
                colours.insert(png.pixel(x, y));
        QVERIFY(colours.size() > 4);
        m_win->featureButton(CQZNum::FeatNumerology)->click();
    }

    void everyChartPageIsSaved()
    {
        // A second page added to a sample: the preview says so, the PNG export writes both.
        ChartDocument doc;
        QVERIFY(chartfile::load(doc, AppPaths::templateFolder() + QStringLiteral("/Psychomatrix Card.qnr")));
        ChartPage *back = doc.addPage();
        back->backgroundMode = 0;
        back->backgroundColor = QColor(20, 90, 160);
        const QString chart = out(QStringLiteral("Two Pages.qnr"));
        QVERIFY(chartfile::save(doc, chart));
        QVERIFY(m_win->openDocument(chart));
        QCOMPARE(m_win->currentFeature(), int(CQZNum::FeatChart));
        const auto *count = m_win->findChild<QLabel *>(QStringLiteral("chartPageCount"));
        QVERIFY(count && count->isVisible());
        QCOMPARE(count->text(), QStringLiteral("Page 1 of 2"));

        ModalDriver driver({saveAs(out(QStringLiteral("pages")))});
        m_win->OnExportHTML();
        QVERIFY(driver.done());
        const QImage front(out(QStringLiteral("pages.png")));
        const QImage second(out(QStringLiteral("pages-2.png")));
        QVERIFY(!front.isNull());
        QCOMPARE(second.pixel(second.width() / 2, second.height() / 2), qRgb(20, 90, 160));
        QVERIFY(front.pixel(front.width() / 2, front.height() / 2) != qRgb(20, 90, 160));

        // The combined PDF prints each chart page on a page of its own: the last two.
        ModalDriver pdfRun({chooser([](CReportChoiceDlg *d) {
                                for (QCheckBox *b : {d->numerologyBox(), d->psychomatrixBox(),
                                                     d->compatibilityBox(), d->celebritiesBox()})
                                    b->setChecked(false);
                                d->okButton()->click();
                            }),
                            saveAs(out(QStringLiteral("pages.pdf")))});
        m_win->OnExportPDFAll();
        QVERIFY(pdfRun.done());
        QVERIFY(waitForPdfRun());
        const QString pdf = out(QStringLiteral("pages.pdf"));
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        for (int page : {pages - 1, pages}) {
            const QString images = runTool(QStringLiteral("pdfimages"),
                                           {QStringLiteral("-list"), QStringLiteral("-f"), QString::number(page),
                                            QStringLiteral("-l"), QString::number(page), pdf});
            QVERIFY2(images.contains(QLatin1String(" 2516 ")), qPrintable(images)); // the natural width
        }

        selectChart();
        QCOMPARE(count->text(), QStringLiteral("1 page"));
        m_win->featureButton(CQZNum::FeatNumerology)->click();
    }

    void failedSaveKeepsPreviousFile_data()
    {
        QTest::addColumn<int>("feature");
        QTest::addColumn<QString>("name");
        QTest::newRow("html") << int(CQZNum::FeatPMatrix) << "keep.html";
        QTest::newRow("png") << int(CQZNum::FeatChart) << "keep.png";
    }

    void failedSaveKeepsPreviousFile()
    {
        QFETCH(int, feature);
        QFETCH(QString, name);
        m_win->featureButton(feature)->click();
        const QByteArray previous("the previous file\n");
        {
            QFile f(out(name));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(previous);
        }
        FileSizeLimit limit;
        QString message;
        ModalDriver driver({saveAs(out(name)), confirmOverwrite([&limit] { limit.set(2048); }),
                            messageBox(&message, [&limit] { limit.restore(); })});
        m_win->OnExportHTML();
        limit.restore();
        QVERIFY(driver.done());
        QCOMPARE(message, QStringLiteral("Error|Can't save report!"));
        QCOMPARE(readAll(out(name)), previous);
        // No stray temporary files next to it.
        QCOMPARE(QDir(m_out.path()).entryList({name + QStringLiteral("*")}, QDir::Files).size(), 1);
        m_win->featureButton(CQZNum::FeatNumerology)->click();
    }

    void combinedPdfAndBusyFlag()
    {
        selectChart();
        m_opened.clear();
        QString title;
        ModalDriver driver({chooserOk(), saveAs(out(QStringLiteral("all")), &title)});
        m_win->OnExportPDFAll();
        QVERIFY(driver.done());
        QCOMPARE(title, QStringLiteral("Save to PDF|PDF Files (*.pdf)"));
        QVERIFY(m_win->reportBusy());
        QVERIFY(m_win->pdfGenerator());
        const QString input = m_win->pdfGenerator()->inputPath();
        QVERIFY(QFileInfo(input).fileName().startsWith(QLatin1String("report")));
        QCOMPARE(QFileInfo(input).absolutePath(), QFileInfo(QDir::tempPath()).absoluteFilePath());

        // A second request while the first runs is refused.
        QString message;
        ModalDriver refusal({messageBox(&message)});
        m_win->OnExportPDFAll();
        QVERIFY(refusal.done());
        QCOMPARE(message, QStringLiteral("Error|Report generation in progress!"));

        QVERIFY(waitForPdfRun());
        const QString pdf = out(QStringLiteral("all.pdf"));
        QCOMPARE(readAll(pdf).left(5), QByteArray("%PDF-"));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(pdf)});
        QVERIFY(!QFile::exists(input));

        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QLatin1String("(A4)")), qPrintable(info));
        const int pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
        QVERIFY2(pages >= 4, qPrintable(info));
        const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.contains(QLatin1String("John Smith"), Qt::CaseInsensitive));
        QVERIFY(text.contains(QLatin1String("Mary"), Qt::CaseInsensitive)); // compatibility
        // Page 1 is the cover with the contents; the numerology report starts on page 2.
        const QString first = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                    QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                                    QStringLiteral("-")});
        QVERIFY2(first.contains(QLatin1String("Contents")), qPrintable(first));
        QVERIFY(first.contains(QLatin1String("JOHN SMITH")));
        QVERIFY(first.contains(QLatin1String("MARY ANN JONES")));
        QVERIFY(first.contains(QLatin1String("Graphic Chart")));
        QVERIFY(!first.contains(QLatin1String("Life path number")));
        const QString second = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"),
                                                                     QStringLiteral("-l"), QStringLiteral("2"), pdf,
                                                                     QStringLiteral("-")});
        QVERIFY(second.contains(QLatin1String("Section 1 of")));
        // The chart is the picture on the last page.
        const QString images = runTool(QStringLiteral("pdfimages"),
                                       {QStringLiteral("-list"), QStringLiteral("-f"), QString::number(pages),
                                        QStringLiteral("-l"), QString::number(pages), pdf});
        QVERIFY2(images.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() >= 3, qPrintable(images));
    }

    void chosenReportsOnly()
    {
        // The pet report is part of the document while its box is ticked.
        m_win->findChild<QLineEdit *>(QStringLiteral("petName"))->setText(QStringLiteral("Biscuit"));
        m_win->findChild<QPushButton *>(QStringLiteral("petCalc"))->click();
        QVERIFY(!m_win->reportHtml(CQZNum::FeatPet).isEmpty());
        // Without any chart the other reports are still printed.
        m_win->chartChooser()->setCurrentIndex(-1);
        ModalDriver driver({chooser([](CReportChoiceDlg *d) {
                                for (QCheckBox *b : {d->numerologyBox(), d->compatibilityBox(),
                                                     d->celebritiesBox(), d->chartBox()})
                                    b->setChecked(false);
                                d->okButton()->click();
                            }),
                            saveAs(out(QStringLiteral("matrix.pdf")))});
        m_win->OnExportPDFAll();
        QVERIFY(driver.done());
        QVERIFY(waitForPdfRun());
        const QString pdf = out(QStringLiteral("matrix.pdf"));
        const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.contains(QLatin1String("Psychomatrix"), Qt::CaseInsensitive));
        QVERIFY(!text.contains(QLatin1String("Mary"), Qt::CaseInsensitive));
        QVERIFY(text.contains(QLatin1String("Biscuit"), Qt::CaseInsensitive));
        const QString images = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        QVERIFY(!images.contains(QLatin1String("2516")));
        selectChart();
    }

    void nothingToSaveWithoutData()
    {
        m_win->OnResData();
        m_win->OnCalcNum();
        m_win->findChild<QLineEdit *>(QStringLiteral("petName"))->clear();
        m_win->findChild<QPushButton *>(QStringLiteral("petCalc"))->click();
        QVERIFY(m_win->reportHtml(CQZNum::FeatNumerology).isEmpty());
        m_win->featureButton(CQZNum::FeatNumerology)->click();

        // A single report: said before any file is asked for. (The driver goes
        // with its block: left waiting, it would answer the next file dialog.)
        QString message;
        {
            const ModalDriver html({messageBox(&message), saveAs(out(QStringLiteral("empty")))});
            m_win->OnExportHTML();
            QVERIFY(!html.done());
        }
        QCOMPARE(message, QStringLiteral("|Enter your data before calculation!"));
        QVERIFY(!QFile::exists(out(QStringLiteral("empty.html"))));

        // The combined document without the chart has nothing in it: no PDF run.
        message.clear();
        ModalDriver pdf({chooser([](CReportChoiceDlg *d) {
                             d->chartBox()->setChecked(false);
                             d->okButton()->click();
                         }),
                         saveAs(out(QStringLiteral("empty.pdf"))), messageBox(&message)});
        m_win->OnExportPDFAll();
        QVERIFY(pdf.done());
        QCOMPARE(message, QStringLiteral("|Enter your data before calculation!"));
        QVERIFY(!m_win->reportBusy());
        QVERIFY(!QFile::exists(out(QStringLiteral("empty.pdf"))));
        setPerson();
    }

    void unreadableChartIsReported()
    {
        const QString broken = AppPaths::userFolder() + QStringLiteral("/Broken.qnr");
        {
            QFile f(broken);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("no chart in here");
        }
        m_win->OnUpdateListReport();
        QComboBox *charts = m_win->chartChooser();
        charts->setCurrentIndex(charts->findText(QStringLiteral("Broken")));
        QVERIFY(charts->currentIndex() >= 0);

        QString pngMessage, pdfMessage;
        m_win->featureButton(CQZNum::FeatChart)->click();
        ModalDriver png({messageBox(&pngMessage)});
        m_win->OnExportHTML();
        QVERIFY(png.done());
        m_win->featureButton(CQZNum::FeatNumerology)->click();
        ModalDriver pdf({chooserOk(), messageBox(&pdfMessage)});
        m_win->OnExportPDFAll();
        QVERIFY(pdf.done());
        QCOMPARE(pngMessage, QStringLiteral("Error|Wrong file format!"));
        QCOMPARE(pdfMessage, QStringLiteral("Error|Wrong file format!"));
        QVERIFY(!m_win->reportBusy());

        QVERIFY(QFile::remove(broken));
        m_win->OnUpdateListReport();
        selectChart();
    }

    void failedPdfIsReported()
    {
        QTemporaryDir gone;
        const QString target = gone.filePath(QStringLiteral("lost.pdf"));
        m_opened.clear();
        ModalDriver driver({chooserOk(), saveAs(target)});
        m_win->OnExportPDFAll();
        QVERIFY(driver.done());
        QVERIFY(m_win->reportBusy());
        // The folder goes away while the engine renders.
        QVERIFY(gone.remove());
        QString message;
        ModalDriver answer({messageBox(&message)});
        QVERIFY(waitForPdfRun());
        QTRY_VERIFY_WITH_TIMEOUT(answer.done(), 10000);
        QCOMPARE(message, QStringLiteral("Error|Can't save report!"));
        QVERIFY(m_opened.isEmpty());
        QVERIFY(!QFile::exists(target));
    }
};

QZ_WIDGET_TEST_MAIN(TestExport)
#include "tst_export.moc"
