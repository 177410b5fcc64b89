// One zoom step on the 10,000-shape drawing: every record rewritten, the page painted again at
// the new size, as the window does it.

#include "referencedrawings.h"

#include "document/drawing.h"
#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"
#include "transform/zoom.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

void repaint(const Drawing& drawing, PictureCache& pictures) {
    const QSize size = drawing.surface();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    PainterCanvas canvas(image);
    Grille(canvas, size, 8);
    PaintState state;
    RecordPainter painter(canvas, PaintOptions::screen(size, &pictures), state);
    painter.paintList(drawing.lines());
    benchmark::DoNotOptimize(image.constBits());
}

void BM_ZoomInAndOut(benchmark::State& state) {
    // Page-sized so that zoom 2 stays within the fields.
    const QSize page(800, 600);
    QStringList lines = bench::mixedDrawing(10000);
    for (qsizetype i = 2; i < lines.size(); ++i) // the reference page is 1600 wide: halve it
        if (const ScaleResult r = Echelle(lines[i], 0.5); r.status == ScaleResult::Status::Done)
            lines[i] = r.line;
    Drawing drawing(page);
    drawing.load(lines, page);
    Zoom zoom;
    PictureCache pictures;
    for (auto _ : state) {
        zoom.ZoomAv(drawing);
        repaint(drawing, pictures);
        zoom.ZoomAr(drawing);
        repaint(drawing, pictures);
    }
    state.counters["zoom"] = zoom.factor();
}
BENCHMARK(BM_ZoomInAndOut)->Unit(benchmark::kMillisecond);

void BM_ZoomStepRewriteOnly(benchmark::State& state) {
    const QSize page(800, 600);
    Drawing drawing(page);
    QStringList lines = bench::mixedDrawing(10000);
    for (qsizetype i = 2; i < lines.size(); ++i)
        if (const ScaleResult r = Echelle(lines[i], 0.5); r.status == ScaleResult::Status::Done)
            lines[i] = r.line;
    drawing.load(lines, page);
    Zoom zoom;
    for (auto _ : state) {
        zoom.ZoomAv(drawing);
        zoom.ZoomAr(drawing);
    }
}
BENCHMARK(BM_ZoomStepRewriteOnly)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN();
