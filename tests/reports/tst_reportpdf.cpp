#include "engine/cnumerology.h"
#include "reports/cnumerologyreport.h"
#include "reports/creportlayoutfile.h"
#include "reports/creporttexts.h"
#include "reports/htmlinliner.h"
#include "reports/pdf/genpdffromhtml.h"

#include <QApplication>
#include <QDirIterator>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

class MarkerTexts : public CReportTexts
{
public:
    QString text(int section, int index) const override
    {
        return QStringLiteral("<p>Marker %1 %2</p>").arg(section).arg(index);
    }
    QString customText() const override { return QString(); }
};

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// Runs the generator to its end; the result of finished().
bool runGenerator(const QString &input, const QString &output, QString *error = nullptr)
{
    GenPDFfromHTML gen(input, output);
    gen.setOpenWhenDone(false);
    QSignalSpy spy(&gen, &GenPDFfromHTML::finished);
    gen.start();
    if (!spy.wait(120000))
        return false;
    if (error)
        *error = gen.errorString();
    return spy.first().first().toBool();
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pdfInfo(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReportPdf : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageLayout();
    void reportToPdf();
    void largeDocument();
    void loadFailureWritesNothing();
    void scriptNeverRuns();
    void commandLineKeepsNoProfile();
    void commandLine_data();
    void commandLine();
    void commandLineRefusals();
    void commandLineLayout();

private:
    QTemporaryDir m_dir;
};

void TestReportPdf::initTestCase()
{
    QVERIFY(m_dir.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
}

void TestReportPdf::pageLayout()
{
    const QPageLayout layout = GenPDFfromHTML::pageLayout();
    QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    QCOMPARE(layout.orientation(), QPageLayout::Portrait);
    QCOMPARE(layout.units(), QPageLayout::Inch);
    QCOMPARE(layout.margins(), QMarginsF(0.6, 0.6, 0.6, 0.7));
    QCOMPARE(layout.minimumMargins(), QMarginsF(0, 0, 0, 0));
}

void TestReportPdf::reportToPdf()
{
    CNumerology n;
    NumerologyInput in;
    in.fullName = QStringLiteral("John Smith");
    in.shortName = QStringLiteral("John");
    in.birthDate = QDate(1985, 11, 29);
    in.targetDate = QDate(2026, 12, 7);
    QVERIFY(n.calculate(in));
    MarkerTexts texts;
    CNumerologyReport report;
    report.setTexts(&texts);
    QVERIFY(report.build(n, nullptr, QStringLiteral("John")));

    const QString input = writeFile(m_dir.filePath(QStringLiteral("report.html")), report.document().toUtf8());
    const QString output = m_dir.filePath(QStringLiteral("report.pdf"));
    QString error;
    QVERIFY2(runGenerator(input, output, &error), qPrintable(error));
    // The working copy is gone, the PDF is real, A4 and several pages long.
    QVERIFY(!QFile::exists(input));
    QFile pdf(output);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    const QString info = pdfInfo(output);
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const int pages = info.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
    QVERIFY2(pages > 5, qPrintable(info));

    const QString text = pdfText(output);
    QVERIFY(text.contains(QStringLiteral("JOHN SMITH (John), Nov 29 1985")));
    QVERIFY(text.contains(QStringLiteral("Life path number 11/11+11+5/23=27=9")));
    QVERIFY(text.contains(QStringLiteral("Life Path Number 9")));
    QVERIFY(text.contains(QStringLiteral("Marker 101 9")));
    QVERIFY(text.contains(QStringLiteral("Essence and Transits Cycles")));
    QVERIFY(text.contains(QStringLiteral("Personal numbers calendar")));
}

void TestReportPdf::largeDocument()
{
    // Far above the 2 MB at which loading HTML from memory fails.
    QString html = QStringLiteral("<html><body>");
    const QString para = QStringLiteral("<p>") + QString(300, QLatin1Char('x')) + QStringLiteral("</p>\n");
    while (html.size() < 3 * 1024 * 1024)
        html += para;
    html += QStringLiteral("<p>LAST PARAGRAPH OF THE BIG DOCUMENT</p></body></html>");
    const QString input = writeFile(m_dir.filePath(QStringLiteral("big.html")), html.toUtf8());
    const QString output = m_dir.filePath(QStringLiteral("big.pdf"));
    QVERIFY(runGenerator(input, output));
    QVERIFY(pdfText(output).contains(QStringLiteral("LAST PARAGRAPH OF THE BIG DOCUMENT")));
}

void TestReportPdf::loadFailureWritesNothing()
{
    const QString output = m_dir.filePath(QStringLiteral("kept.pdf"));
    writeFile(output, QByteArray("previous contents"));
    QString error;
    QVERIFY(!runGenerator(m_dir.filePath(QStringLiteral("does-not-exist.html")), output, &error));
    QCOMPARE(error, QStringLiteral("failed to load URL"));
    QFile kept(output);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("previous contents"));
}

void TestReportPdf::scriptNeverRuns()
{
    const QString input = writeFile(m_dir.filePath(QStringLiteral("script.html")),
                                    "<html><body><p id=\"x\">STATIC TEXT</p><script>"
                                    "document.getElementById('x').textContent = 'SCRIPT RAN';"
                                    "</script><img src=\"none.png\" onerror=\"document.body.textContent='EVENT RAN'\">"
                                    "</body></html>");
    const QString output = m_dir.filePath(QStringLiteral("script.pdf"));
    GenPDFfromHTML gen(input, output);
    QVERIFY(!gen.page()->settings()->testAttribute(QWebEngineSettings::JavascriptEnabled));
    QVERIFY(gen.page()->profile()->isOffTheRecord());
    QVERIFY(runGenerator(input, output));
    const QString text = pdfText(output);
    QVERIFY2(text.contains(QStringLiteral("STATIC TEXT")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("RAN")));
}

void TestReportPdf::commandLineKeepsNoProfile()
{
    const QString cli = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
    if (!QFile::exists(cli))
        QSKIP("qznum-cli is not built");
    QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    env.remove(QStringLiteral("XDG_CACHE_HOME"));
    p.setProcessEnvironment(env);
    const QString pdf = home.filePath(QStringLiteral("r.pdf"));
    p.start(cli, {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("John Smith"),
                  QStringLiteral("--birth"), QStringLiteral("1985-11-29"), QStringLiteral("--pdf"), pdf});
    QVERIFY(p.waitForFinished(120000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    // Only the PDF: no web profile, cache or cookies under the home folder.
    QDirIterator it(home.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList found;
    while (it.hasNext())
        found << it.next();
    QCOMPARE(found, QStringList{pdf});
}

void TestReportPdf::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("numerology") << QStringList{QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("John Smith"),
                                               QStringLiteral("--birth"), QStringLiteral("1985-11-29"), QStringLiteral("--target"),
                                               QStringLiteral("2026-12-07")}
                                << QStringList{QStringLiteral("JOHN SMITH"), QStringLiteral("Life Path Number 9"),
                                               QStringLiteral("Expression Number 8")};
    QTest::newRow("psychomatrix") << QStringList{QStringLiteral("psychomatrix"), QStringLiteral("--full"), QStringLiteral("Ann Lee"),
                                                 QStringLiteral("--birth"), QStringLiteral("1985-11-29")}
                                  << QStringList{QStringLiteral("ANN LEE"), QStringLiteral("Character (1) - 3")};
    QTest::newRow("compatibility") << QStringList{QStringLiteral("compatibility"), QStringLiteral("--a-full"), QStringLiteral("John Smith"),
                                                  QStringLiteral("--a-birth"), QStringLiteral("1985-11-29"), QStringLiteral("--b-full"),
                                                  QStringLiteral("Mary Jones"), QStringLiteral("--b-birth"), QStringLiteral("1987-03-01")}
                                   << QStringList{QStringLiteral("MARY JONES"), QStringLiteral("Core numbers Compatibility")};
    QTest::newRow("celebrities") << QStringList{QStringLiteral("celebrities"), QStringLiteral("--full"), QStringLiteral("John Smith"),
                                                QStringLiteral("--birth"), QStringLiteral("1985-11-29")}
                                 << QStringList{QStringLiteral("Celebrities with same Life Path"), QStringLiteral("Date Number 9")};
    QTest::newRow("pet") << QStringList{QStringLiteral("pet"), QStringLiteral("--name"), QStringLiteral("Rex"), QStringLiteral("--birth"),
                                        QStringLiteral("2020-05-05"), QStringLiteral("--target"), QStringLiteral("2026-12-07")}
                         << QStringList{QStringLiteral("Pet Numerology Chart"), QStringLiteral("Day Forecast for 7 Dec 2026")};
    QTest::newRow("name") << QStringList{QStringLiteral("name"), QStringLiteral("--name"), QStringLiteral("Morning Star Bakery")}
                          << QStringList{QStringLiteral("Express Numerology chart for Morning Star Bakery"),
                                         QStringLiteral("Your name number: 3")};
}

void TestReportPdf::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    const QString cli = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
    if (!QFile::exists(cli))
        QSKIP("qznum-cli is not built");
    const QString html = m_dir.filePath(arguments.first() + QStringLiteral(".html"));
    const QString pdf = m_dir.filePath(arguments.first() + QStringLiteral(".pdf"));
    QProcess p;
    p.start(cli, QStringList{QStringLiteral("report")} + arguments
                     + QStringList{QStringLiteral("--html"), html, QStringLiteral("--pdf"), pdf});
    QVERIFY(p.waitForFinished(180000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());

    QFile h(html);
    QVERIFY(h.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(h.readAll());
    // Self-contained: no picture is left as a file reference.
    QVERIFY(!page.contains(QStringLiteral("src=\"file:")));
    QVERIFY(page.contains(QStringLiteral("<style type=\"text/css\"> body table { line-height: 20px;  }</style></head>")));
    const QString text = pdfText(pdf);
    for (const QString &e : expected)
        QVERIFY2(text.contains(e), qPrintable(e));
}

void TestReportPdf::commandLineRefusals()
{
    const QString cli = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
    if (!QFile::exists(cli))
        QSKIP("qznum-cli is not built");
    const QString pdf = m_dir.filePath(QStringLiteral("refused.pdf"));
    const QList<QStringList> cases = {
        {QStringLiteral("report"), QStringLiteral("pet"), QStringLiteral("--name"), QStringLiteral("!!"),
         QStringLiteral("--birth"), QStringLiteral("2020-01-01"), QStringLiteral("--pdf"), pdf},
        {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("Brt Smth"),
         QStringLiteral("--birth"), QStringLiteral("1985-11-29"), QStringLiteral("--pdf"), pdf},
        {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("John Smith"),
         QStringLiteral("--birth"), QStringLiteral("1985-11-29"), QStringLiteral("--layout"), QStringLiteral("nothing"),
         QStringLiteral("--layouts"), m_dir.path(), QStringLiteral("--pdf"), pdf},
        {QStringLiteral("report"), QStringLiteral("horoscope"), QStringLiteral("--pdf"), pdf},
        {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("John Smith"),
         QStringLiteral("--birth"), QStringLiteral("1985-11-29")},
    };
    for (const QStringList &args : cases) {
        QProcess p;
        p.start(cli, args);
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 2, qPrintable(args.join(QLatin1Char(' '))));
        QVERIFY(!p.readAllStandardError().isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }
}

void TestReportPdf::commandLineLayout()
{
    const QString cli = QStringLiteral(QZ_BIN_DIR "/qznum-cli");
    if (!QFile::exists(cli))
        QSKIP("qznum-cli is not built");
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("layouts")));
    const QString folder = m_dir.filePath(QStringLiteral("layouts"));
    CReportLayout layout = CReportLayout::createDefault();
    layout.lists[RKNumerology] = {CReportFieldItem::create(RKNumerology, 1, QStringLiteral("My Path"))};
    QVERIFY(CReportLayoutFile::write(folder + QStringLiteral("/Short One.qznr"), layout));

    const QString html = m_dir.filePath(QStringLiteral("layout.html"));
    QProcess p;
    p.start(cli, {QStringLiteral("report"), QStringLiteral("numerology"), QStringLiteral("--full"), QStringLiteral("John Smith"),
                  QStringLiteral("--birth"), QStringLiteral("1985-11-29"), QStringLiteral("--layout"), QStringLiteral("short one"),
                  QStringLiteral("--layouts"), folder, QStringLiteral("--html"), html});
    QVERIFY(p.waitForFinished(60000));
    QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    QFile f(html);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString doc = QString::fromUtf8(f.readAll());
    QVERIFY(doc.contains(QStringLiteral("<title>Numerology Report</title>")));
    QVERIFY(doc.contains(QStringLiteral("My Path 9")));
    QVERIFY(!doc.contains(QStringLiteral("Birthday Number")));
    QVERIFY(!doc.contains(QStringLiteral("Numerology Chart for")));
}

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestReportPdf test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_reportpdf.moc"
