// Where the 10,000-shape repaint spends its time: the reference drawing's records of one keyword
// (and pen class) at a time, painted at the sizes the mixed drawing gives them.

#include "referencedrawings.h"

#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

QStringList recordsOf(const QString& keyword) {
    const QStringList all = bench::mixedDrawing(10000);
    QStringList out = all.mid(0, 2);
    for (qsizetype i = 2; i < all.size(); ++i)
        if (all[i].mid(2).section(u' ', 0, 0) == keyword) out << all[i];
    return out;
}

void repaint(benchmark::State& state, const QStringList& list) {
    const QSize page = bench::kReferencePage;
    QImage image(page, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    PictureCache pictures;
    const PaintOptions options = PaintOptions::screen(page, &pictures);
    const Style initial = styleOfCanvas(canvas);
    for (auto _ : state) {
        canvas.whiteness(0, 0, page.width(), page.height());
        applyStyle(canvas, initial);
        PaintState paintState;
        RecordPainter(canvas, options, paintState).paintList(list);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["records"] = double(list.size() - 2);
}

void BM_Mixed10000_Kind(benchmark::State& s) {
    const QString keyword = bench::keywordNames().value(int(s.range(0)));
    s.SetLabel(keyword.toStdString());
    repaint(s, recordsOf(keyword));
}
BENCHMARK(BM_Mixed10000_Kind)
    ->DenseRange(0, 19)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The page clear alone, which every repaint starts with.
void BM_Whiteness(benchmark::State& state) {
    QImage image(bench::kReferencePage, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    for (auto _ : state)
        canvas.whiteness(0, 0, image.width(), image.height());
}
BENCHMARK(BM_Whiteness)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace

QEL_BENCHMARK_MAIN()
