// Drawing cost of the worst charts the reader accepts: one page at 300 dpi.
// Each case is built in memory, saved and read back through the real reader,
// so only what a file can carry is measured.
#include "chart/chartdocument.h"
#include "chart/chartfields.h"
#include "chart/chartrender.h"

#include <QBuffer>
#include <QDataStream>
#include <QGuiApplication>
#include <QPainterPath>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

const QSize kA4At300Dpi(2480, 3508);

// A page filled with one item of @p kind; @p shape finishes its content.
void buildDocument(ChartDocument &doc, const std::function<void(ChartPage &)> &fill)
{
    doc.newDocument();
    fill(*doc.currentPage);
}

bool roundTrip(ChartDocument &doc, ChartDocument &loaded)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QDataStream out(&buffer);
        if (doc.saveDocument(out) != 0)
            return false;
    }
    QDataStream in(bytes);
    // A warning about left-out parts is fine: what is drawn is what counts.
    return loaded.loadDocument(in) == 0;
}

// One shape whose outline is @p elements pieces of @p kind spread over the
// whole coordinate range the reader accepts, drawn with @p penStyle.
void hostilePath(ChartPage &page, int elements, bool curves, Qt::PenStyle penStyle, double penWidth,
                 double zoom = 1)
{
    ChartItem *frame = createFieldItem(page, QString(), QPointF(20, 20), page.size - QSizeF(40, 40));
    frame->transform.scale(zoom, zoom);
    ChartItem *shape = frame->content.get();
    shape->kind = ChartItem::KindShape;
    QRandomGenerator random(7);
    const double range = qEnvironmentVariableIsSet("QZ_WIDE") ? 2.0e6 : 800.0;
    const double offset = qEnvironmentVariableIsSet("QZ_WIDE") ? 1.0e6 : 0.0;
    auto coord = [&random, range, offset] { return random.bounded(range) - offset; };
    QPainterPath path;
    path.moveTo(coord(), coord());
    for (int i = 1; i < elements; i += curves ? 3 : 1) {
        if (curves)
            path.cubicTo(coord(), coord(), coord(), coord(), coord(), coord());
        else
            path.lineTo(coord(), coord());
    }
    if (qEnvironmentVariableIsSet("QZ_WINDING"))
        path.setFillRule(Qt::WindingFill);
    shape->outline = path;
    frame->outline = path;
    shape->textColor = QColor(20, 120, 200, 128);
    shape->lineColor = Qt::black;
    shape->lineStyle = penStyle;
    shape->lineWidth = penWidth;
}

void manyBarcodes(ChartPage &page, int count, int type)
{
    for (int i = 0; i < count; ++i) {
        ChartItem *frame = createFieldItem(page, QString(), QPointF((i % 40) * 20, (i / 40) * 20), QSizeF(18, 18));
        frame->content->kind = ChartItem::KindBarcode;
        frame->content->barcodeType = type;
        frame->content->text = QStringLiteral("Qzarel reading number %1 with some more text to grow the code").arg(i);
    }
}

void renderCase(benchmark::State &state, const std::function<void(ChartPage &)> &fill)
{
    ChartDocument doc;
    buildDocument(doc, fill);
    ChartDocument loaded;
    if (!roundTrip(doc, loaded)) {
        state.SkipWithError("the reader refuses this chart");
        return;
    }
    for (auto _ : state) {
        const QImage picture = renderChart({ChartProfile()}, loaded, kA4At300Dpi);
        benchmark::DoNotOptimize(picture.constBits());
        if (qEnvironmentVariableIsSet("QZ_BENCH_SAVE"))
            picture.save(qEnvironmentVariable("QZ_BENCH_SAVE"));
    }
}

void BM_PathLines(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), false, Qt::SolidLine, 1); });
}
void BM_PathCurves(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), true, Qt::SolidLine, 1); });
}
void BM_PathDotted(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), false, Qt::DotLine, 0.1); });
}
void BM_PathDottedCurves(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), true, Qt::DashDotDotLine, 0.01); });
}
void BM_PathLinesZoomed(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), false, Qt::SolidLine, 1, 3000); });
}
void BM_PathWidePen(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { hostilePath(p, int(state.range(0)), true, Qt::SolidLine, 50000); });
}
void BM_ManyComplexShapes(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) {
        for (int i = 0; i < state.range(0); ++i)
            hostilePath(p, 1000, i % 2 == 1, Qt::DotLine, 3);
    });
}
void BM_QrCodes(benchmark::State &state)
{
    renderCase(state, [&](ChartPage &p) { manyBarcodes(p, int(state.range(0)), 0); });
}

} // namespace

BENCHMARK(BM_PathLines)->Arg(64)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PathCurves)->Arg(64)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PathDotted)->Arg(64)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PathDottedCurves)->Arg(64)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PathLinesZoomed)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PathWidePen)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ManyComplexShapes)->Arg(30)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QrCodes)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
