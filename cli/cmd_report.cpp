// The report command: any report of the program as a self-contained HTML file
// or as an A4 PDF rendered by the web engine.

#include "cli/cliargs.h"
#include "engine/datafolder.h"
#include "cli/commands.h"

#include "engine/atomicwrite.h"
#include "engine/ccompnumerology.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"
#include "reports/ccelebritiesreport.h"
#include "reports/ccompatibilityreport.h"
#include "reports/cexpressreport.h"
#include "reports/cnumerologyreport.h"
#include "reports/cpetreport.h"
#include "reports/cpmatrixreport.h"
#include "reports/creportlayoutlist.h"
#include "reports/htmlinliner.h"
#include "reports/pdf/genpdffromhtml.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include <unistd.h>

namespace {

const QStringList kKinds = {QStringLiteral("numerology"), QStringLiteral("psychomatrix"),
                            QStringLiteral("compatibility"), QStringLiteral("celebrities"),
                            QStringLiteral("pet"), QStringLiteral("name")};

// The web engine gets this long to load and print before the command gives up.
constexpr int kPdfTimeoutMs = 300 * 1000;

QString cleaned(const QString &text, bool raw)
{
    return raw ? text : qz::cleanName(text.left(300));
}

void applyFlags(const CliArgs &args)
{
    if (args.has(QStringLiteral("--flags")) && !calculatorFlags().fromText(args.value(QStringLiteral("--flags"))))
        cliFail(QStringLiteral("--flags needs six characters 0 or 1 (e.g. 100110), not '%1'")
                    .arg(args.value(QStringLiteral("--flags"))));
}

void computePerson(CNumerology &engine, CNumerologyPMatrix &matrix, const NumerologyInput &input, bool masters)
{
    engine.setExtendedMasters(masters ? 1 : 0);
    if (!engine.calculate(input))
        cliFail(engine.lastError());
    matrix.calculate(input.fullName, input.birthDate);
}

// The chosen layout, or nullptr for the built-in report.
const CReportLayout *chosenLayout(const CliArgs &args, CReportLayoutList &list)
{
    if (!args.has(QStringLiteral("--layout")))
        return nullptr;
    const QString folder =
        args.has(QStringLiteral("--layouts")) ? args.value(QStringLiteral("--layouts")) : defaultLayoutsFolder();
    if (!QFileInfo(folder).isDir())
        cliFail(QStringLiteral("no layouts folder '%1'").arg(folder));
    loadLayouts(list, folder);
    const QString wanted = args.value(QStringLiteral("--layout"));
    const QDir dir(folder);
    const int index = list.indexOf(wanted);
    if (index < 0) {
        // A file of that name that could not be read is named, not passed over.
        for (const QString &fileName : list.skippedFiles()) {
            if (fileName.compare(wanted + QStringLiteral(".qznr"), Qt::CaseInsensitive) == 0)
                cliFail(QStringLiteral("layout file '%1' %2").arg(dir.filePath(fileName), list.fileProblem(fileName)));
        }
        cliFail(QStringLiteral("no layout named '%1' in '%2'").arg(wanted, folder));
    }
    const QString fileName = list.at(index).name + QStringLiteral(".qznr");
    if (list.damagedFiles().contains(fileName))
        cliWarning(QStringLiteral("layout file '%1' %2").arg(dir.filePath(fileName), list.fileProblem(fileName)));
    return list.selected(index + 1);
}

void loadTexts(const CliArgs &args)
{
    if (args.has(QStringLiteral("--data"))) {
        if (!loadInterpretationTexts(args.value(QStringLiteral("--data"))))
            cliFail(QStringLiteral("cannot read the interpretation data '%1'").arg(args.value(QStringLiteral("--data"))));
        return;
    }
    if (!loadInterpretationTexts(interpretationDataPath()))
        std::fprintf(stderr, "qznum-cli: no interpretation data at '%s'; the report has no texts\n",
                     qPrintable(QDir::toNativeSeparators(interpretationDataPath())));
}

QStringList valueOptionsFor(const QString &kind)
{
    QStringList common{QStringLiteral("--html"), QStringLiteral("--pdf"), QStringLiteral("--images"),
                       QStringLiteral("--data")};
    if (kind != QLatin1String("name"))
        common << QStringLiteral("--layout") << QStringLiteral("--layouts");
    if (kind == QLatin1String("compatibility"))
        return common + QStringList{QStringLiteral("--a-full"), QStringLiteral("--a-short"), QStringLiteral("--a-birth"),
                                    QStringLiteral("--b-full"), QStringLiteral("--b-short"), QStringLiteral("--b-birth")}
               + engineValueOptions();
    if (kind == QLatin1String("pet"))
        return common + QStringList{QStringLiteral("--name"), QStringLiteral("--birth"), QStringLiteral("--target"),
                                    QStringLiteral("--flags")};
    if (kind == QLatin1String("name"))
        return common + QStringList{QStringLiteral("--name"), QStringLiteral("--date"), QStringLiteral("--flags")};
    return common + QStringList{QStringLiteral("--full"), QStringLiteral("--short"), QStringLiteral("--birth")}
           + engineValueOptions();
}

QStringList switchesFor(const QString &kind)
{
    if (kind == QLatin1String("pet"))
        return {QStringLiteral("--raw")};
    if (kind == QLatin1String("name"))
        return {QStringLiteral("--chaldean"), QStringLiteral("--masters"), QStringLiteral("--raw")};
    return engineSwitches();
}

// Builds the report of @p kind; fails the command on refused input.
QString buildReport(const QString &kind, const CliArgs &args, const QString &images)
{
    CReportLayoutList layouts;
    const CReportLayout *layout = chosenLayout(args, layouts);

    if (kind == QLatin1String("pet")) {
        applyFlags(args);
        const QString name = cleaned(requiredValue(args, QStringLiteral("--name")), args.has(QStringLiteral("--raw")));
        const QDate birth = requiredDate(args, QStringLiteral("--birth"));
        const QDate target = optionalDate(args, QStringLiteral("--target"), QDate::currentDate());
        CNumerology engine;
        if (!engine.calculatePet(name, birth, target))
            cliFail(engine.lastError());
        CPetReport report;
        report.setImagesFolder(images);
        if (!report.build(engine, name, target, layout))
            cliFail(report.lastError());
        return report.document();
    }
    if (kind == QLatin1String("name")) {
        applyFlags(args);
        const QString typed = requiredValue(args, QStringLiteral("--name"));
        const QString name = args.has(QStringLiteral("--raw")) ? typed : qz::cleanAdvisorName(typed);
        const QDate date = optionalDate(args, QStringLiteral("--date"), QDate());
        CNumerology engine;
        engine.setExtendedMasters(args.has(QStringLiteral("--masters")) ? 1 : 0);
        if (!engine.calculateExpress(name, date, args.has(QStringLiteral("--chaldean"))))
            cliFail(engine.lastError());
        CExpressReport report;
        report.setImagesFolder(images);
        if (!report.build(engine, name))
            cliFail(report.lastError());
        return report.document();
    }

    const EngineOptions options = engineOptions(args);
    if (kind == QLatin1String("compatibility")) {
        const QString aShort = args.value(QStringLiteral("--a-short"));
        const NumerologyInput a = personInput(requiredValue(args, QStringLiteral("--a-full")), aShort,
                                              requiredDate(args, QStringLiteral("--a-birth")), options);
        const NumerologyInput b = personInput(requiredValue(args, QStringLiteral("--b-full")),
                                              args.value(QStringLiteral("--b-short")),
                                              requiredDate(args, QStringLiteral("--b-birth")), options);
        CNumerology ea, eb;
        CNumerologyPMatrix ma, mb;
        computePerson(ea, ma, a, options.masters);
        computePerson(eb, mb, b, options.masters);
        CCompNumerology compat;
        compat.calculate(ea, eb, ma, mb);
        CCompatibilityReport report;
        report.setImagesFolder(images);
        report.build(ea, eb, ma, mb, compat, layout);
        return report.document();
    }

    const QString typedShort = args.value(QStringLiteral("--short"));
    NumerologyInput input = personInput(requiredValue(args, QStringLiteral("--full")), typedShort,
                                        requiredDate(args, QStringLiteral("--birth")), options);
    // Refuse only what the report needs: the psychomatrix needs the birth date
    // alone, the celebrities the expression; the full report every name number.
    const bool numerology = kind == QLatin1String("numerology");
    input.calcOnly = !numerology;
    CNumerology engine;
    CNumerologyPMatrix matrix;
    computePerson(engine, matrix, input, options.masters);
    if (kind == QLatin1String("celebrities") && engine.expression == 0)
        cliFail(CNumerology::IncorrectNameMessage);
    const QString shortName = options.raw ? input.shortName : qz::cleanName(input.shortName);
    if (kind == QLatin1String("psychomatrix")) {
        CPMatrixReport report;
        report.setImagesFolder(images);
        report.build(matrix, input.fullName, shortName, layout);
        return report.document();
    }
    if (kind == QLatin1String("celebrities")) {
        CelebrityTable table;
        fillCelebrityTable(table);
        engine.matchCelebrities(table);
        CCelebritiesReport report;
        report.setImagesFolder(images);
        report.build(engine, table, layout, shortName);
        return report.document();
    }
    CNumerologyReport report;
    report.setImagesFolder(images);
    if (!report.build(engine, layout, shortName))
        cliFail(report.lastError());
    return report.document();
}

void writeHtml(const QString &html, const QString &path)
{
    QString page = html;
    page.replace(QStringLiteral("</head>"),
                 QStringLiteral("<style type=\"text/css\"> body table { line-height: 20px;  }</style></head>"));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextStream out(&buffer);
    out.setCodec("UTF-8");
    HtmlInliner::inlinePictures(page, out);
    out.flush();
    QString reason = QStringLiteral("the report could not be encoded");
    if (out.status() != QTextStream::Ok || !atomicwrite::saveFileAtomically(path, bytes, &reason))
        cliFail(QStringLiteral("cannot write '%1': %2").arg(path, reason));
}

void writePdf(const QString &html, const QString &path)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        cliFail(QStringLiteral("internal error: no GUI application for the web engine"));
    // The page is loaded from a file: large documents fail through setHtml.
    QTemporaryFile temp(QDir::tempPath() + QStringLiteral("/reportXXXXXX.html"));
    temp.setAutoRemove(false);
    if (!temp.open())
        cliFail(QStringLiteral("cannot create a working file in '%1'").arg(QDir::tempPath()));
    {
        QTextStream out(&temp);
        out.setCodec("UTF-8");
        HtmlInliner::inlinePictures(html, out);
        out.flush();
        if (out.status() != QTextStream::Ok) {
            temp.remove();
            cliFail(QStringLiteral("cannot write the working file '%1'").arg(temp.fileName()));
        }
    }
    temp.close();
    const QString input = QFileInfo(temp.fileName()).absoluteFilePath();

    bool done = false, success = false;
    QString why;
    {
        GenPDFfromHTML generator(input, QFileInfo(path).absoluteFilePath());
        generator.setOpenWhenDone(false);
        QEventLoop loop;
        QObject::connect(&generator, &GenPDFfromHTML::finished, &loop, [&](bool ok) {
            done = true;
            success = ok;
            why = generator.errorString();
            loop.quit();
        });
        QTimer::singleShot(kPdfTimeoutMs, &loop, &QEventLoop::quit);
        generator.start();
        loop.exec();
    }
    QFile::remove(input); // normally gone already, unless the page never loaded
    if (!done)
        cliFail(QStringLiteral("the web engine did not finish the PDF within %1 s").arg(kPdfTimeoutMs / 1000));
    if (!success)
        cliFail(QStringLiteral("cannot write the PDF '%1': %2").arg(path, why));
}

} // namespace

std::unique_ptr<QCoreApplication> createReportApplication(int &argc, char **argv)
{
    bool pdf = false;
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        for (int i = 2; i < argc; ++i)
            pdf = pdf || std::strcmp(argv[i], "--pdf") == 0;
    }
    if (!pdf)
        return nullptr;
    // The web engine's sandbox refuses root and ends the process with a terse
    // message of its own; say what to do instead.
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")
        && !qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox")))
        cliFail(QStringLiteral("the web engine does not run as root with its sandbox; "
                               "set QTWEBENGINE_DISABLE_SANDBOX=1 to make PDF files as root"));
    // The web engine renders without a screen; spare headless runs the display check.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return std::make_unique<QApplication>(argc, argv);
}

int cmdReport(const QStringList &arguments)
{
    if (arguments.isEmpty() || !kKinds.contains(arguments.first()))
        cliFail(QStringLiteral("report needs a kind: %1").arg(kKinds.join(QStringLiteral(", "))));
    const QString kind = arguments.first();
    CliArgs args(arguments.mid(1));
    QString error;
    if (!args.parse(valueOptionsFor(kind), switchesFor(kind), &error))
        cliFail(error);
    const bool html = args.has(QStringLiteral("--html"));
    const bool pdf = args.has(QStringLiteral("--pdf"));
    if (!html && !pdf)
        cliFail(QStringLiteral("report needs --html FILE or --pdf FILE"));

    loadTexts(args);
    QString images = args.has(QStringLiteral("--images")) ? args.value(QStringLiteral("--images"))
                                                          : DataFolder::path() + QStringLiteral("/images/doc/");
    images = QFileInfo(images).absoluteFilePath();
    if (!images.endsWith(QLatin1Char('/')))
        images += QLatin1Char('/');

    const QString document = buildReport(kind, args, images);
    if (html)
        writeHtml(document, requiredValue(args, QStringLiteral("--html")));
    if (pdf)
        writePdf(document, requiredValue(args, QStringLiteral("--pdf")));
    return 0;
}
