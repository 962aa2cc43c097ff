// Throughput of the engine: full profiles (profile + psychomatrix) and the
// batch path of qznum-cli end to end (CSV in, JSON lines or CSV out).

#include "cli/batchrunner.h"
#include "cli/cliargs.h"
#include "cli/jsonwriter.h"
#include "cli/profilejson.h"
#include "engine/cnumerology.h"
#include "engine/cnumerologypmatrix.h"
#include "engine/namecleaning.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char *const FirstNames[] = {"John", "Mary", "Andrew", "Yvonne", "William", "Raymond",
                                  "Zoe", "Katherine", "Victor", "Edward", "Ana", "Jean Luc"};
const char *const LastNames[] = {"Smith", "Lopez", "OBrien", "Kowalski", "Nguyen", "Andersson",
                                 "Wright", "Taylor", "Vasquez", "Hughes", "Murphy"};

std::vector<NumerologyInput> makeInputs(int count)
{
    std::vector<NumerologyInput> inputs;
    inputs.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        NumerologyInput in;
        const QString first = QString::fromLatin1(FirstNames[i % 12]);
        const QString last = QString::fromLatin1(LastNames[(i / 12) % 11]);
        in.fullName = first + QStringLiteral(" Maria ") + last;
        in.shortName = first + QLatin1Char(' ') + last;
        in.birthDate = QDate(1930 + i % 90, 1 + i % 12, 1 + i % 28);
        in.targetDate = QDate(2024, 1 + i % 12, 1 + i % 28);
        in.chaldean = (i % 5) == 0;
        inputs.push_back(in);
    }
    return inputs;
}

void BM_FullProfile(benchmark::State &state)
{
    const std::vector<NumerologyInput> inputs = makeInputs(1024);
    CNumerology engine;
    CNumerologyPMatrix matrix;
    size_t i = 0;
    for (auto _ : state) {
        const NumerologyInput &in = inputs[i++ & 1023];
        benchmark::DoNotOptimize(engine.calculate(in));
        benchmark::DoNotOptimize(matrix.calculate(in.fullName, in.birthDate));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_FullProfile);

void BM_ProfileOnly(benchmark::State &state)
{
    const std::vector<NumerologyInput> inputs = makeInputs(1024);
    CNumerology engine;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.calculate(inputs[i++ & 1023]));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_ProfileOnly);

void BM_Psychomatrix(benchmark::State &state)
{
    const std::vector<NumerologyInput> inputs = makeInputs(1024);
    CNumerologyPMatrix matrix;
    size_t i = 0;
    for (auto _ : state) {
        const NumerologyInput &in = inputs[i++ & 1023];
        benchmark::DoNotOptimize(matrix.calculate(in.fullName, in.birthDate));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_Psychomatrix);

void BM_NameCleaning(benchmark::State &state)
{
    const QString raw = QStringLiteral("  Jean-Luc  O'Brien de la Cr\u00e8me ");
    for (auto _ : state)
        benchmark::DoNotOptimize(qz::cleanName(raw));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_NameCleaning);

// JSON writing of one computed profile, the other half of a batch line.
void BM_ProfileJson(benchmark::State &state)
{
    const std::vector<NumerologyInput> inputs = makeInputs(1);
    CNumerology engine;
    CNumerologyPMatrix matrix;
    engine.calculate(inputs[0]);
    matrix.calculate(inputs[0].fullName, inputs[0].birthDate);
    QByteArray out;
    out.reserve(1 << 16);
    for (auto _ : state) {
        out.truncate(0);
        JsonWriter json(out);
        writeProfileJson(json, engine, &matrix);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * out.size());
}
BENCHMARK(BM_ProfileJson);

// The full profile (every member: numbers, texts, planes and transits) of every
// person in the CSV file named by QZ_BENCH_PERSONS (full,short,birth per line,
// as bench/peer-batch.sh writes it), on one thread, with the psychomatrix too
// when the argument is 1: the engine's figure beside the peer's persons per
// second on the same file. One iteration is one pass over the file.
void BM_FullProfilePersons(benchmark::State &state)
{
    const char *path = std::getenv("QZ_BENCH_PERSONS");
    QFile file(QString::fromLocal8Bit(path ? path : ""));
    if (!path || !file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("set QZ_BENCH_PERSONS to a persons CSV file");
        return;
    }
    EngineOptions options;
    options.target = QDate(2024, 6, 1);
    std::vector<NumerologyInput> inputs;
    while (!file.atEnd() && inputs.size() < 2000000) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        if (cells.size() < 3)
            continue;
        const QDate birth = QDate::fromString(QString::fromLatin1(cells.at(2)), Qt::ISODate);
        inputs.push_back(personInput(QString::fromUtf8(cells.at(0)), QString::fromUtf8(cells.at(1)),
                                     birth, options));
    }
    CNumerology engine;
    CNumerologyPMatrix matrix;
    const bool withMatrix = state.range(0) != 0;
    for (auto _ : state) {
        for (const NumerologyInput &in : inputs) {
            benchmark::DoNotOptimize(engine.calculate(in));
            if (withMatrix)
                benchmark::DoNotOptimize(matrix.calculate(in.fullName, in.birthDate));
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * inputs.size()));
}
BENCHMARK(BM_FullProfilePersons)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// qznum-cli batch end to end: CSV lines from a file, JSON lines to /dev/null,
// on 1 or 2 threads. Real time and the whole process's CPU time are measured,
// so items_per_second is lines per second of wall time; CPU time per line is
// the figure to compare on a loaded machine.
// Runs batch over state.range(0) generated rows on state.range(1) threads.
void runBatchBench(benchmark::State &state, const BatchOptions &options, bool withHeader)
{
    const int lines = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    std::FILE *in = std::tmpfile();
    if (withHeader)
        std::fprintf(in, "\xEF\xBB\xBF" "full,short,birth,target\r\n");
    for (int i = 0; i < lines; ++i)
        std::fprintf(in, withHeader ? "\"%s Maria, %s\",,%04d-%02d-%02d,2024-06-01\r\n"
                                    : "%s Maria %s,,%04d-%02d-%02d,2024-06-01\n",
                     FirstNames[i % 12], LastNames[(i / 12) % 11], 1930 + i % 90, 1 + i % 12, 1 + i % 28);
    std::FILE *out = std::fopen("/dev/null", "w");
    std::FILE *err = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::rewind(in);
        const BatchResult r = runBatch(in, out, err, options, threads);
        if (r.written != lines)
            state.SkipWithError("batch lines failed");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * lines);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
}

void BM_BatchEndToEnd(benchmark::State &state)
{
    BatchOptions options;
    options.engine.target = QDate(2024, 6, 1);
    runBatchBench(state, options, false);
}
BENCHMARK(BM_BatchEndToEnd)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Spreadsheet input (BOM, header, CRLF, quoted names) to CSV with the five core numbers.
void BM_BatchCsvFiveNumbers(benchmark::State &state)
{
    BatchOptions options;
    options.engine.target = QDate(2024, 6, 1);
    options.format = BatchFormat::Csv;
    QString error;
    if (!options.fields.parse(QStringLiteral("fullNameUpper,lifePath,expression,heartDesire,personality,birthdayNumber"),
                              &error))
        state.SkipWithError("bad field list");
    runBatchBench(state, options, true);
}
BENCHMARK(BM_BatchCsvFiveNumbers)
    ->Args({10000, 1})
    ->Args({10000, 2})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Every field as CSV cells, lists and the matrix as JSON text.
void BM_BatchCsvAllFields(benchmark::State &state)
{
    BatchOptions options;
    options.engine.target = QDate(2024, 6, 1);
    options.format = BatchFormat::Csv;
    runBatchBench(state, options, true);
}
BENCHMARK(BM_BatchCsvAllFields)->Args({10000, 1})->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
