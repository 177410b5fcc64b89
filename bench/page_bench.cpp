// The window's repaint through the page painter: white page, grid, every record, in bands on
// every core (or on one thread, to compare), and the repaint of only what changed when one
// small shape moves. Times are wall-clock: the work is spread over threads.
//   page_bench --benchmark_filter=Page_Mixed     1,000 / 10,000 / 100,000 shapes, 1 and N threads

#include "referencedrawings.h"

#include "app/shownpage.h"
#include "document/record.h"
#include "render/bandworkers.h"
#include "render/pagepainter.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/recordreach.h"
#include "render/textcache.h"

#include <QApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <utility>

namespace {

using namespace qel;

const QStringList& mixed(int shapes, QSize page = bench::kReferencePage) {
    static std::map<std::pair<int, int>, QStringList> made;
    const std::pair key(shapes, page.width());
    auto it = made.find(key);
    if (it == made.end()) it = made.emplace(key, bench::mixedDrawing(shapes, 1, page)).first;
    return it->second;
}

// A page as the window keeps it: caches live as long as the window, so the first repaint
// (made here) fills them and the timed ones use them.
struct WarmPage {
    QImage image;
    PictureCache pictures;
    TextCache texts;
    RecordCache records;
    PaintOptions options;
    PagePaint what;

    WarmPage(const QStringList& list, int threads, QSize page = bench::kReferencePage)
        : image(page, QImage::Format_RGB32),
          options(PaintOptions::screen(page, &pictures, &texts, &records)) {
        what.gridStep = 8;
        what.threads = threads;
        paintPage(image, list, options, what);
    }
    int repaint(const QStringList& list) { return paintPage(image, list, options, what); }
};

void repaint(benchmark::State& state, const QStringList& list, int threads) {
    WarmPage page(list, threads);
    PagePaint& what = page.what;
    // Each band's own processor time: on a machine whose cores are all free, the repaint takes
    // about the longest band plus the reading, which runs first.
    std::vector<qint64> bandTimes;
    what.bandTimes = &bandTimes;
    double longest = 0, sum = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(page.repaint(list));
        longest += double(*std::max_element(bandTimes.begin(), bandTimes.end()));
        for (qint64 t : bandTimes)
            sum += double(t);
    }
    state.counters["longest_band_ms"] = longest / 1e6 / double(state.iterations());
    state.counters["all_bands_ms"] = sum / 1e6 / double(state.iterations());
    state.counters["records"] = double(list.size() - 1);
    state.counters["threads"] = threads > 0 ? threads : BandWorkers::defaultThreads();
}

// Argument: shapes; second argument: threads (0 for one per core).
void BM_Page_Mixed(benchmark::State& s) {
    repaint(s, mixed(int(s.range(0))), int(s.range(1)));
}
BENCHMARK(BM_Page_Mixed)
    ->ArgsProduct({{1000, 10000, 100000}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_Page_Text2000(benchmark::State& s) {
    static const QStringList list = bench::textDrawing();
    repaint(s, list, int(s.range(0)));
}
BENCHMARK(BM_Page_Text2000)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// What each thread of a two-thread repaint has to do, timed one after the other on one thread:
// the top band (argument 0) or the bottom band (1) of the page. On a machine whose two cores are
// free, a two-thread repaint takes about the longer of the two.
void BM_Page_Band(benchmark::State& state) {
    const QStringList& list = state.range(0) == 0 ? mixed(10000) : bench::textDrawing();
    WarmPage page(list, 1);
    const QSize size = bench::kReferencePage;
    const int half = size.height() / 2;
    page.what.damaged = state.range(1) == 0   ? QRect(0, 0, size.width(), half)
                        : state.range(1) == 1 ? QRect(0, half, size.width(), size.height() - half)
                                              : QRect(QPoint(0, 0), size);
    for (auto _ : state)
        benchmark::DoNotOptimize(page.repaint(list));
    state.SetLabel(state.range(0) == 0 ? "mixed10000" : "text2000");
}
BENCHMARK(BM_Page_Band)->ArgsProduct({{0, 1}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

// The first repaint of the texts, as an export or a newly opened drawing pays it.
void BM_Page_Text2000_Cold(benchmark::State& state) {
    static const QStringList list = bench::textDrawing();
    QImage image(bench::kReferencePage, QImage::Format_RGB32);
    for (auto _ : state) {
        TextCache texts;
        const PaintOptions options = PaintOptions::screen(bench::kReferencePage, nullptr, &texts);
        benchmark::DoNotOptimize(paintPage(image, list, options));
    }
}
BENCHMARK(BM_Page_Text2000_Cold)->Unit(benchmark::kMillisecond)->UseRealTime();

// Where the 10,000-shape repaint's time goes: its records of one keyword only.
void BM_Page_Mixed10000_Kind(benchmark::State& s) {
    const QString keyword = bench::keywordNames().value(int(s.range(0)));
    QStringList list = mixed(10000).mid(0, 2);
    for (const QString& line : mixed(10000).mid(2))
        if (QStringView(line).mid(2).startsWith(keyword + u' ')) list << line;
    s.SetLabel(keyword.toStdString());
    repaint(s, list, 1);
}
BENCHMARK(BM_Page_Mixed10000_Kind)->DenseRange(0, 19)->Unit(benchmark::kMillisecond);

// Button-up after dragging one small, selected shape of the 10,000- or 100,000-shape drawing by
// 12 pixels, as the window does it: the area the change covers found, the old marks taken off,
// that area repainted (the page's index following the moved record), the marks drawn again.
// The shape goes back and forth.
void BM_Page_MoveOneShape(benchmark::State& state) {
    QStringList before = mixed(int(state.range(0)));
    qsizetype moved = -1;
    for (qsizetype i = before.size() / 2; i < before.size() && moved < 0; ++i)
        if (before[i].mid(2).startsWith(u"RECT ")) moved = i;
    before[moved][0] = u'*';
    QStringList after = before;
    const RecordView v = splitRecord(after[moved]);
    Box b = *decodeBox(v.data);
    b.left += 12, b.right += 12, b.top += 12, b.bottom += 12;
    after[moved].replace(after[moved].indexOf(v.data), 12, encodeBox(b));

    QImage image(bench::kReferencePage, QImage::Format_RGB32);
    PainterCanvas canvas(image);
    ShownPage shown;
    const ShownPage::Look look{DrawingStyle{}, 8};
    shown.paintWhole(image, canvas, before, look, nullptr);
    bool there = false;
    for (auto _ : state) {
        there = !there;
        benchmark::DoNotOptimize(
            shown.paintChanges(image, canvas, there ? after : before, look, nullptr));
    }
}
BENCHMARK(BM_Page_MoveOneShape)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Its two parts: finding the area, painting it.
void BM_Page_ChangedArea10000(benchmark::State& state) {
    const QStringList& before = mixed(10000);
    QStringList after = before;
    after[after.size() / 2 + 3][0] = u'*';
    const PaintOptions options = PaintOptions::screen(bench::kReferencePage);
    for (auto _ : state)
        benchmark::DoNotOptimize(changedArea(before, after, options));
}
BENCHMARK(BM_Page_ChangedArea10000)->Unit(benchmark::kMillisecond);

// A 60 x 60 area of the 10,000- and 100,000-shape drawings repainted (a rubber band taken off):
// the records that may reach it, found in the index of the drawing's boxes. Second argument 1:
// the drawing spread over the largest page, 4095 x 4095, as densely as 10,000 shapes cover the
// reference page; on the reference page the generator's strokes, texts and charts keep their
// size, so a hundred thousand of them meet the area nine times as often.
void BM_Page_Damaged(benchmark::State& state) {
    const QSize pageSize = state.range(1) == 1 ? bench::kLargestPage : bench::kReferencePage;
    const QStringList& list = mixed(int(state.range(0)), pageSize);
    WarmPage page(list, 0, pageSize);
    const QRect area(700, 500, 60, 60);
    page.what.damaged = area;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(page.repaint(list));
    const auto spent = std::chrono::steady_clock::now() - start;
    // The shapes whose box or points meet the area: those a repaint of it has to paint.
    int meeting = 0;
    for (qsizetype i = 2; i < list.size(); ++i) {
        const ParsedRecord r = parseRecord(QStringView(list[i]).mid(2));
        const std::optional<QRect> box = r.points ? r.points
                                         : r.box  ? std::optional(rectBetween(*r.box))
                                                  : std::nullopt;
        meeting += box && box->intersects(area);
    }
    state.counters["shapes_meeting"] = meeting;
    state.counters["us_per_shape_meeting"] =
        std::chrono::duration<double, std::micro>(spent).count() / double(state.iterations()) /
        std::max(meeting, 1);
}
BENCHMARK(BM_Page_Damaged)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

// The whole repaint of the 10,000-shape drawing on a screen of 1 or 2 pixels per page pixel
// (second argument), on one thread or one band per core (third argument, 0): at 2 the page has
// four times the pixels, each figure drawn at the screen's own pixels.
void BM_Page_ScreenRatio(benchmark::State& state) {
    const QStringList& list = mixed(int(state.range(0)));
    const int ratio = int(state.range(1));
    QImage image(bench::kReferencePage * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    PictureCache pictures;
    TextCache texts;
    RecordCache records;
    const PaintOptions options =
        PaintOptions::screen(bench::kReferencePage, &pictures, &texts, &records);
    PagePaint what;
    what.gridStep = 8;
    what.threads = int(state.range(2));
    paintPage(image, list, options, what); // the caches warm, as a window's are
    for (auto _ : state)
        benchmark::DoNotOptimize(paintPage(image, list, options, what));
    state.counters["ratio"] = ratio;
}
BENCHMARK(BM_Page_ScreenRatio)
    ->ArgsProduct({{10000}, {1, 2}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

QEL_BENCHMARK_MAIN()
