// One pass over every record, as printing, PDF, SVG and metafile exports and the clipboard's
// picture paint a page: white page, grid, every record, texts shaped by Qt each time. The
// window, the preview and the picture exports paint through the page painter (page_bench).
// Charts (one record in twenty of the mixed drawings) cost about half of Mixed10000: their
// labels are shaped on every pass; they were drawn as nothing before they were painted.

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

// The painter's own share: every record parsed and dispatched to a canvas that draws nothing.
class NullCanvas : public Canvas {
public:
    QSize size() const override { return bench::kReferencePage; }
    void line(QPoint, QPoint) override {}
    void polyline(const QPoint*, int) override {}
    void polygon(const QPoint*, int) override {}
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void roundRect(int, int, int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void chord(int, int, int, int, int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void textOut(int, int, const QString&) override {}
    QSize textExtent(const QString&) override { return {}; }
    void setPixel(int, int, Colour) override {}
    Colour pixel(int, int) const override { return kWhite; }
    void stretchDraw(int, int, int, int, const QImage&) override {}
    void whiteness(int, int, int, int) override {}
};

void BM_PainterOnly_Mixed10000(benchmark::State& state) {
    const QStringList list = bench::mixedDrawing(10000);
    NullCanvas canvas;
    PictureCache pictures;
    const PaintOptions options = PaintOptions::screen(bench::kReferencePage, &pictures);
    for (auto _ : state) {
        PaintState paintState;
        benchmark::DoNotOptimize(RecordPainter(canvas, options, paintState).paintList(list));
    }
}
BENCHMARK(BM_PainterOnly_Mixed10000)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Repaint_Empty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Mixed1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Mixed10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Pictures20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Pictures20_NoCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint_Text2000)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN()
