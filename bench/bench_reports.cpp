// Cost of building each report kind as HTML with the shipped texts (pure
// string work), of making a report self-contained, and of HTML to PDF through
// the web engine (the engine's own cost, measured for the record).

#include "engine/ccompnumerology.h"
#include "engine/datafolder.h"
#include "engine/celebrity.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "reports/ccelebritiesreport.h"
#include "reports/ccompatibilityreport.h"
#include "reports/cexpressreport.h"
#include "reports/cnumerologyreport.h"
#include "reports/cpetreport.h"
#include "reports/cpmatrixreport.h"
#include "reports/creportlayout.h"
#include "reports/htmlinliner.h"
#include "reports/pdf/genpdffromhtml.h"
#include "texts/celebritynumbers.h"
#include "texts/interpretationtexts.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

NumerologyInput johnSmith(bool chaldean)
{
    NumerologyInput in;
    in.fullName = QStringLiteral("John Smith");
    in.shortName = QStringLiteral("John Smith");
    in.birthDate = QDate(1985, 11, 29);
    in.targetDate = QDate(2026, 12, 7);
    in.chaldean = chaldean;
    return in;
}

QString imagesFolder()
{
    return DataFolder::path() + QStringLiteral("/images/doc/");
}

void BM_NumerologyReport(benchmark::State &state)
{
    const bool chaldean = state.range(0) == 1;
    const bool layoutForm = state.range(1) == 1;
    CNumerology n;
    n.calculate(johnSmith(chaldean));
    const CReportLayout layout = CReportLayout::createDefault();
    CNumerologyReport report;
    report.setImagesFolder(imagesFolder());
    for (auto _ : state) {
        report.build(n, layoutForm ? &layout : nullptr);
        benchmark::DoNotOptimize(report.document().size());
    }
    state.counters["bytes"] = double(report.document().size() * 2);
}
BENCHMARK(BM_NumerologyReport)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_PsychomatrixReport(benchmark::State &state)
{
    CNumerologyPMatrix m;
    m.calculate(QStringLiteral("John Smith"), QDate(1985, 11, 29));
    CPMatrixReport report;
    for (auto _ : state) {
        report.build(m, QStringLiteral("John Smith"), QStringLiteral("John"));
        benchmark::DoNotOptimize(report.document().size());
    }
}
BENCHMARK(BM_PsychomatrixReport)->Unit(benchmark::kMicrosecond);

void BM_CompatibilityReport(benchmark::State &state)
{
    CNumerology a, b;
    CNumerologyPMatrix ma, mb;
    a.calculate(johnSmith(false));
    NumerologyInput in = johnSmith(false);
    in.fullName = QStringLiteral("Mary Jones");
    in.shortName = QStringLiteral("Mary");
    in.birthDate = QDate(1987, 3, 1);
    b.calculate(in);
    ma.calculate(a.fullNameUpper, a.birthDate);
    mb.calculate(b.fullNameUpper, b.birthDate);
    CCompNumerology c;
    c.calculate(a, b, ma, mb);
    CCompatibilityReport report;
    for (auto _ : state) {
        report.build(a, b, ma, mb, c);
        benchmark::DoNotOptimize(report.document().size());
    }
}
BENCHMARK(BM_CompatibilityReport)->Unit(benchmark::kMicrosecond);

void BM_CelebritiesReport(benchmark::State &state)
{
    CelebrityTable table;
    fillCelebrityTable(table);
    CNumerology n;
    n.calculate(johnSmith(false));
    n.matchCelebrities(table);
    CCelebritiesReport report;
    for (auto _ : state) {
        report.build(n, table);
        benchmark::DoNotOptimize(report.document().size());
    }
}
BENCHMARK(BM_CelebritiesReport)->Unit(benchmark::kMicrosecond);

void BM_PetAndNameReports(benchmark::State &state)
{
    CNumerology pet, name;
    pet.calculatePet(QStringLiteral("Rex"), QDate(2020, 5, 5), QDate(2026, 12, 7));
    name.calculateExpress(QStringLiteral("Morning Star Bakery"), QDate(2001, 3, 5), false);
    CPetReport petReport;
    CExpressReport nameReport;
    for (auto _ : state) {
        petReport.build(pet, QStringLiteral("Rex"), QDate(2026, 12, 7));
        nameReport.build(name, QStringLiteral("Morning Star Bakery"));
        benchmark::DoNotOptimize(petReport.document().size() + nameReport.document().size());
    }
}
BENCHMARK(BM_PetAndNameReports)->Unit(benchmark::kMicrosecond);

void BM_InlinePictures(benchmark::State &state)
{
    CNumerology n;
    n.calculate(johnSmith(false));
    CNumerologyReport report;
    report.setImagesFolder(imagesFolder());
    report.build(n);
    for (auto _ : state) {
        const QString html = HtmlInliner::inlinePictures(report.document(), HtmlInliner::PlainMode);
        benchmark::DoNotOptimize(html.size());
    }
}
BENCHMARK(BM_InlinePictures)->Unit(benchmark::kMillisecond);

// One full HTML-to-PDF run per iteration: load from a file, print, write.
void BM_HtmlToPdf(benchmark::State &state)
{
    CNumerology n;
    n.calculate(johnSmith(false));
    CNumerologyReport report;
    report.build(n);
    const QByteArray html = report.document().toUtf8();
    QTemporaryDir dir;
    int failures = 0;
    for (auto _ : state) {
        const QString input = dir.filePath(QStringLiteral("in.html"));
        QFile f(input);
        f.open(QIODevice::WriteOnly);
        f.write(html);
        f.close();
        GenPDFfromHTML gen(input, dir.filePath(QStringLiteral("out.pdf")));
        gen.setOpenWhenDone(false);
        QEventLoop loop;
        QObject::connect(&gen, &GenPDFfromHTML::finished, &loop, [&](bool ok) {
            failures += ok ? 0 : 1;
            loop.quit();
        });
        gen.start();
        loop.exec();
    }
    state.counters["failures"] = failures;
    state.counters["pdf_bytes"] = double(QFile(dir.filePath(QStringLiteral("out.pdf"))).size());
}
BENCHMARK(BM_HtmlToPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

// The web engine and fonts need an application object before any benchmark runs;
// it lives for the whole process, beside the benchmark library's own main().
struct BenchApplication
{
    BenchApplication()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        // Never deleted: tearing it down after main() would race the web engine's own shutdown.
        app = new QApplication(argc, argv);
        loadInterpretationTexts();
    }
    int argc = 1;
    char name[14] = "bench_reports";
    char *argv[2] = {name, nullptr};
    QApplication *app = nullptr;
};
const BenchApplication benchApplication;

} // namespace

BENCHMARK_MAIN();
