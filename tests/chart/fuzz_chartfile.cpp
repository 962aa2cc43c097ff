// libFuzzer target for the chart file reader: every input is loaded as a
// chart and, when it loads, drawn small. Build with clang:
//   CXX=clang++ cmake -S . -B build-fuzz -DQZ_FUZZ=ON -DQZ_SANITIZE=ON
//   cmake --build build-fuzz --target fuzz_chartfile
//   build-fuzz/bin/fuzz_chartfile -max_len=200000 CORPUS_DIR tests/data/charts
#include "chart/chartdocument.h"
#include "chart/chartrender.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     int(qMin<size_t>(size, 1 << 24)));
    QDataStream stream(bytes);
    ChartDocument doc;
    if (doc.loadDocument(stream) == 0 && doc.currentPage)
        renderChart({ChartProfile()}, doc, QSize(64, 64));
    return 0;
}
