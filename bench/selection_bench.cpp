// Selecting and dragging in a large drawing: a click's hit test, select all, and one step of a
// drag with one or with every shape selected (records rewritten, frames moved).

#include "referencedrawings.h"

#include "document/drawing.h"
#include "edit/hitindex.h"
#include "edit/selection.h"
#include "edit/selectionframes.h"
#include "render/painter_canvas.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

const QStringList& mixed10000() {
    static const QStringList list = bench::mixedDrawing(10000);
    return list;
}

// A click's hit test on 10,000 and 100,000 shapes, asking the index a window keeps of its
// drawing's boxes; BM_HitTest_Scan tests every record instead.
const QStringList& mixed(int shapes) {
    static const QStringList mixed100000 = bench::mixedDrawing(100000);
    return shapes == 10000 ? mixed10000() : mixed100000;
}

void BM_HitTest_Click(benchmark::State& state) {
    const QStringList& lines = mixed(int(state.range(0)));
    HitIndex index;
    // Points over the page, most of them covered by a few shapes.
    const QSize page = bench::kReferencePage;
    int k = 0;
    for (auto _ : state) {
        const QPoint at(k * 397 % page.width(), k * 211 % page.height());
        ++k;
        benchmark::DoNotOptimize(index.frontmostAt(lines, at));
    }
}
BENCHMARK(BM_HitTest_Click)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_HitTest_Scan(benchmark::State& state) {
    const QStringList& lines = mixed(int(state.range(0)));
    // A point no shape covers: every record is tested.
    const QPoint nowhere(bench::kReferencePage.width() + 10, 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(frontmostAt(lines, nowhere));
}
BENCHMARK(BM_HitTest_Scan)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_SelectAll(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Drawing drawing(bench::kReferencePage);
        drawing.load(mixed10000(), bench::kReferencePage);
        state.ResumeTiming();
        drawing.apply(ToutSel, Drawing::Effect::Selection);
    }
}
BENCHMARK(BM_SelectAll)->Unit(benchmark::kMillisecond);

void dragStep(benchmark::State& state, int selected) {
    QStringList lines = mixed10000();
    for (qsizetype i = 2; i < lines.size() && i < 2 + selected; ++i)
        lines[i][0] = u'*';
    Drawing drawing(bench::kReferencePage);
    drawing.load(lines, bench::kReferencePage);
    QImage image(bench::kReferencePage, QImage::Format_RGB32);
    image.fill(Qt::white);
    PainterCanvas canvas(image);
    drawing.beginGesture();
    int dx = 1;
    for (auto _ : state) {
        Affsel(canvas, drawing.lines());
        drawing.apply([dx](QStringList& l) { Deplace(l, dx, 0); });
        Affsel(canvas, drawing.lines());
        dx = -dx; // back and forth, so the records stay inside the page
    }
    state.counters["selected"] = selected;
}
void BM_DragStep_1(benchmark::State& s) {
    dragStep(s, 1);
}
void BM_DragStep_10000(benchmark::State& s) {
    dragStep(s, 10000);
}
BENCHMARK(BM_DragStep_1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStep_10000)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN();
