#include "render/pagepainter.h"

#include "document/record.h"
#include "document/recordkind.h"
#include "render/bandworkers.h"
#include "render/grid.h"
#include "render/pageindex.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/recordpainter.h"
#include "render/recordreach.h"
#include "render/scaledcanvas.h"
#include "render/statecanvas.h"
#include "render/textcache.h"

#include <algorithm>
#include <ctime>
#include <vector>

namespace qel {

namespace {

// Thinner bands would cost more in walking the records than they save in painting.
constexpr int kMinBandRows = 48;

bool writtenDirectly(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

// New texts are laid out before the bands start, each by one thread: every band would otherwise
// lay out for itself each new text it meets. A thread that finds its first texts laid out
// already takes the page for one painted before and stops.
void layOutTexts(const std::vector<const ParsedRecord*>& records, TextCache& texts, int jobs) {
    // Texts whose font depends on the records before them are left to the bands.
    auto laidOutHere = [](const ParsedRecord& r) {
        return r.kind && r.kind->shape == Shape::Text && r.box && r.style;
    };
    auto pass = [&](int job, int step, bool probeOnly) {
        QImage probe(1, 1, QImage::Format_RGB32);
        PainterCanvas canvas(probe);
        canvas.setTextCache(&texts);
        int known = 0;
        for (std::size_t i = std::size_t(job); i < records.size(); i += std::size_t(step)) {
            const ParsedRecord& r = *records[i];
            if (!laidOutHere(r)) continue;
            applyStyle(canvas, *r.style);
            const QString text = r.view.payload().toString();
            if (probeOnly ? canvas.knowsText(text) : canvas.cacheText(text)) {
                if (probeOnly && ++known == 8) return true;
            } else if (probeOnly) {
                return false;
            }
        }
        return true;
    };
    // A page painted before has its first texts laid out already: no threads needed.
    if (pass(0, 1, true)) return;
    BandWorkers::shared().run(jobs, [&](int job) { pass(job, jobs, false); });
}

// Band edges that share the work: each record weighs on the rows its box covers, more for a
// bigger one, and every row weighs a little for its white and its grid; a page whose drawing
// fills only its top half still keeps every thread busy.
std::vector<int> bandEdges(const std::vector<const ParsedRecord*>& records, const QRect& area,
                           int bands) {
    const int rows = area.height();
    std::vector<double> change(std::size_t(rows) + 1, 0.0);
    auto spread = [&](int top, int bottom, double weight) {
        top = std::clamp(top - area.top(), 0, rows - 1);
        bottom = std::clamp(bottom - area.top(), 0, rows - 1);
        const double perRow = weight / (bottom - top + 1);
        change[std::size_t(top)] += perRow;
        change[std::size_t(bottom) + 1] -= perRow;
    };
    spread(area.top(), area.bottom(), 0.3 * rows); // the white and the grid
    for (const ParsedRecord* r : records) {
        if (!r->box) continue;
        const QRect box = r->points ? *r->points : rectBetween(*r->box);
        if (box.bottom() < area.top() || box.top() > area.bottom()) continue;
        spread(box.top(), box.bottom(), 2.0 + (box.width() + box.height()) / 16.0);
    }
    double total = 0, running = 0, level = 0;
    for (int y = 0; y < rows; ++y)
        total += (level += change[std::size_t(y)]);
    std::vector<int> edges{area.top()};
    level = 0;
    for (int y = 0; y < rows && int(edges.size()) < bands; ++y) {
        running += (level += change[std::size_t(y)]);
        if (running >= total * int(edges.size()) / bands &&
            y + 1 - (edges.back() - area.top()) >= kMinBandRows / 2)
            edges.push_back(area.top() + y + 1);
    }
    while (int(edges.size()) < bands) // a page too short to cut more finely
        edges.push_back(edges.back());
    edges.push_back(area.top() + rows);
    return edges;
}

struct BandResult {
    int undrawable = 0;
    qint64 nanoseconds = 0;
    DrawingStyle style;
    PaintState state;
};

} // namespace

int paintPage(QImage& target, const QStringList& lines, const PaintOptions& options,
              const PagePaint& what) {
    // An image of more pixels than the page (a high-density screen, a scaled export) is still
    // painted in page pixels; Qt's own edges there may stray by a pixel of the image, so the
    // parts repainted and the records they take in reach one page pixel further.
    const bool scaled = target.devicePixelRatio() != 1;
    const QRect page(QPoint(0, 0), target.deviceIndependentSize().toSize());
    QRect area = page;
    if (what.damaged) area &= scaled ? what.damaged->adjusted(-1, -1, 1, 1) : *what.damaged;
    const int threads = what.threads > 0 ? what.threads : BandWorkers::defaultThreads();
    const int bands = writtenDirectly(target.format()) && !area.isEmpty()
                          ? std::clamp(area.height() / kMinBandRows, 1, threads)
                          : 1;

    PictureCache ownPictures;
    TextCache ownTexts;
    RecordCache ownRecords;
    PaintOptions shared = options;
    if (!shared.pictures) shared.pictures = &ownPictures;
    if (!shared.texts) shared.texts = &ownTexts;
    if (!shared.records) shared.records = &ownRecords;
    // Every record read once, by every thread at once, for all bands.
    const RecordCache::Reading reading = shared.records->read(lines, 1, threads);
    // The same lines painted the same way before: each band visits only the records that may
    // reach it. Otherwise the first band notes what the next painting needs for that.
    const std::optional<PageIndex::Key> key =
        PageIndex::keyFor(shared, what.startStyle.value_or(StateCanvas().style()));
    const PageIndex* index = nullptr;
    if (key && reading.index && reading.index->key == *key &&
        (reading.changed.empty() ||
         reading.index->update(reading.records, reading.changed, shared)))
        index = reading.index.get();
    else
        reading.index.reset();
    reading.changed.clear();
    std::unique_ptr<PageIndex> trace;
    // Noted only where the caller keeps the records: a one-off export would throw it away.
    if (key && !index && options.records) {
        trace = std::make_unique<PageIndex>();
        trace->key = *key;
    }

    std::vector<int> edges{area.top(), area.top() + area.height()};
    if (bands > 1) {
        // Texts are laid out here at the page's own size only.
        if (!scaled) layOutTexts(reading.records, *shared.texts, bands);
        edges = bandEdges(reading.records, area, bands);
    }

    // Each band paints through a QImage of its own over the same pixels: a QImage takes one
    // painter at a time, and the target may have one already (the window's canvas).
    uchar* const bits = target.isNull() ? nullptr : target.bits();
    std::vector<BandResult> results(static_cast<std::size_t>(bands));
    auto paintBand = [&](int band) {
        timespec began{};
        if (what.bandTimes) clock_gettime(CLOCK_THREAD_CPUTIME_ID, &began);
        const int top = edges[std::size_t(band)], bottom = edges[std::size_t(band) + 1];
        QImage view = bits ? QImage(bits, target.width(), target.height(), target.bytesPerLine(),
                                    target.format())
                           : QImage();
        view.setDevicePixelRatio(target.devicePixelRatio());
        // A whole number of image pixels per page pixel keeps the pixel writers; another ratio
        // goes through Qt.
        std::optional<PainterCanvas> plain;
        std::optional<ScaledCanvas> whole;
        const QRect bandArea(area.left(), top, area.width(), bottom - top);
        if (ScaledCanvas::paints(view)) {
            whole.emplace(view);
            whole->setArea(bandArea);
            whole->setTextCache(shared.texts);
        } else {
            plain.emplace(view);
            plain->setArea(bandArea);
            plain->setTextCache(shared.texts);
        }
        Canvas& canvas = whole ? static_cast<Canvas&>(*whole) : *plain;
        const QRect canvasArea = whole ? whole->area() : plain->area();
        if (what.clearWhite) canvas.whiteness(0, 0, page.width(), page.height());
        if (what.startStyle) canvas.setStyle(*what.startStyle);
        Grille(canvas, page.size(), what.gridStep, canvasArea);

        PaintOptions own = shared;
        if (band > 0) own.reportSize = nullptr; // heard once, on the calling thread
        BandResult& result = results[std::size_t(band)];
        RecordPainter painter(canvas, own, result.state);
        if (bands > 1 || what.damaged || index)
            painter.cullTo(scaled ? canvasArea.adjusted(-1, -1, 1, 1) : canvasArea);
        result.undrawable =
            index ? painter.paintIndexed(reading.records, *index)
                  : painter.paintRecords(reading.records, band == 0 ? trace.get() : nullptr);
        result.style = canvas.style();
        if (what.bandTimes) {
            timespec ended{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ended);
            result.nanoseconds =
                (ended.tv_sec - began.tv_sec) * 1000000000LL + (ended.tv_nsec - began.tv_nsec);
        }
    };
    if (bands == 1)
        paintBand(0);
    else
        BandWorkers::shared().run(bands, paintBand);

    if (trace) {
        trace->finish(reading.records);
        reading.index = std::move(trace);
    }
    if (what.endStyle) *what.endStyle = results.front().style;
    if (what.bandTimes) {
        what.bandTimes->clear();
        for (const BandResult& r : results)
            what.bandTimes->push_back(r.nanoseconds);
    }
    return results.front().undrawable;
}

} // namespace qel
