// A full repaint as the drawing window does it: white page, grid, every record.

#include "referencedrawings.h"

#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

void repaint(benchmark::State& state, const QStringList& list) {
    const QSize page = bench::kReferencePage;
    QImage image(page, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    PictureCache pictures; // the window keeps its cache between repaints
    const PaintOptions options = PaintOptions::screen(page, &pictures);
    const Style initial = styleOfCanvas(canvas);
    int failed = 0;
    for (auto _ : state) {
        canvas.whiteness(0, 0, page.width(), page.height());
        applyStyle(canvas, initial);
        Grille(canvas, page, 8);
        PaintState paintState;
        RecordPainter painter(canvas, options, paintState);
        failed += painter.paintList(list);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["records"] = double(list.size() - 1);
    state.counters["failed"] = failed;
}

void BM_Repaint_Empty(benchmark::State& s) {
    repaint(s, QStringList{QString(), kBlankBackground});
}
void BM_Repaint_Mixed1000(benchmark::State& s) {
    repaint(s, bench::mixedDrawing(1000));
}
void BM_Repaint_Mixed10000(benchmark::State& s) {
    repaint(s, bench::mixedDrawing(10000));
}
void BM_Repaint_Pictures20(benchmark::State& s) {
    repaint(s, bench::pictureDrawing());
}
void BM_Repaint_Text2000(benchmark::State& s) {
    repaint(s, bench::textDrawing());
}

// The pictures without a cache: every pixel block decoded on every repaint.
void BM_Repaint_Pictures20_NoCache(benchmark::State& state) {
    const QStringList list = bench::pictureDrawing();
    const QSize page = bench::kReferencePage;
    QImage image(page, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    const PaintOptions options = PaintOptions::screen(page);
    for (auto _ : state) {
        canvas.whiteness(0, 0, page.width(), page.height());
        PaintState paintState;
        RecordPainter(canvas, options, paintState).paintList(list);
    }
}

// One keyword at a time, to see where a repaint's time goes.
void BM_Repaint_Kind(benchmark::State& s) {
    const int kind = int(s.range(0));
    s.SetLabel(bench::keywordNames().value(kind).toStdString());
    repaint(s, bench::singleKindDrawing(kind, 2000));
}
BENCHMARK(BM_Repaint_Kind)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Repaint_Empty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Mixed1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Mixed10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Pictures20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Pictures20_NoCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Text2000)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN()
