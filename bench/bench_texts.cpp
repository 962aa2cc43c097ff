// Start-up cost of the interpretation texts: loading a full-size data file
// (every required entry with four long paragraphs and 200 celebrities), the
// shipped eng.dat, and descrambling one long line.

#include "texts/interpretationtexts.h"
#include "texts/requiredtexts.h"
#include "texts/textscrambler.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray headerLine(int section, int index)
{
    return scrambleBytes(QStringLiteral("#%1%2").arg(section).arg(index, 2, 10, QLatin1Char('0')).toLatin1()) + '\n';
}

// About 4.5 MB: larger than the real content will be.
QByteArray fullSizeDataFile()
{
    const QByteArray paragraph =
        QByteArray("Every number has a bright side and a shadow &mdash; this one asks for patience. ").repeated(6);
    QByteArray data;
    for (const TextAddress &entry : requiredTextEntries()) {
        data += headerLine(entry.section, entry.index);
        for (int p = 0; p < 4; ++p)
            data += scrambleBytes(paragraph) + '\n';
    }
    for (int c = 0; c < kCelebrityCount; ++c) {
        const int code = c < 100 ? 601 : 611;
        data += headerLine(code, c % 100);
        for (const char *line : {"7", "5", "3", "Some Famous Name", "Field (Country)", "14.03.1879"})
            data += scrambleBytes(line) + '\n';
        for (int kind = 1; kind <= 3; ++kind) {
            data += headerLine(code + kind, c % 100);
            data += scrambleBytes(paragraph.left(300)) + '\n';
        }
    }
    return data;
}

void BM_LoadFullSizeFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eng.dat"));
    const QByteArray data = fullSizeDataFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        state.SkipWithError("cannot write the data file");
        return;
    }
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(loadInterpretationTexts(path));
    state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_LoadFullSizeFile)->Unit(benchmark::kMillisecond);

void BM_LoadShippedFile(benchmark::State &state)
{
    const QString path = interpretationDataPath();
    if (!QFile::exists(path)) {
        state.SkipWithError("eng.dat is not built");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(loadInterpretationTexts(path));
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}
BENCHMARK(BM_LoadShippedFile)->Unit(benchmark::kMillisecond);

void BM_DescrambleLongestLine(benchmark::State &state)
{
    const QByteArray scrambled = scrambleBytes(QByteArray(kMaxPlainLineLength, 'n'));
    QByteArray out(kMaxPlainLineLength, '\0');
    for (auto _ : state)
        benchmark::DoNotOptimize(descrambleBytes(scrambled.constData(), scrambled.size(), out.data()));
    state.SetBytesProcessed(state.iterations() * scrambled.size());
}
BENCHMARK(BM_DescrambleLongestLine);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // for the folder of the shipped eng.dat
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
