// libFuzzer target for the chart file reader: every input is loaded as a
// chart and, when it loads, its first page is drawn at its real print size,
// so drawing cost shows up as slow units. See tests/fuzz/README.md.
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
        renderChartPages({ChartProfile()}, doc, QSize(0, 0), 1);
    return 0;
}
