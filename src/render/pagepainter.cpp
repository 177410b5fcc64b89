#include "render/pagepainter.h"

#include "document/record.h"
#include "document/recordkind.h"
#include "render/bandworkers.h"
#include "render/grid.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/recordpainter.h"
#include "render/recordreach.h"
#include "render/textcache.h"

#include <algorithm>
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
    constexpr int kKnownInARow = 8;
    BandWorkers::shared().run(jobs, [&](int job) {
        QImage probe(1, 1, QImage::Format_RGB32);
        PainterCanvas canvas(probe);
        canvas.setTextCache(&texts);
        int known = 0;
        bool missed = false;
        for (std::size_t i = std::size_t(job); i < records.size(); i += std::size_t(jobs)) {
            const ParsedRecord& r = *records[i];
            if (!r.kind || r.kind->shape != Shape::Text || !r.box) continue;
            // A text whose font depends on the records before it is left to the bands.
            if (!r.view.hasTab || !styleStandsAlone(r.view.style)) continue;
            Style style;
            applyStyleField(r.view.style, style);
            applyStyle(canvas, style);
            if (canvas.cacheText(r.view.payload().toString())) {
                if (!missed && ++known == kKnownInARow) return;
            } else {
                missed = true;
            }
        }
    });
}

struct BandResult {
    int undrawable = 0;
    DrawingStyle style;
    PaintState state;
};

} // namespace

int paintPage(QImage& target, const QStringList& lines, const PaintOptions& options,
              const PagePaint& what) {
    QRect area = target.rect();
    if (what.damaged) area &= *what.damaged;
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

    if (bands > 1) layOutTexts(reading.records, *shared.texts, bands);

    // Each band paints through a QImage of its own over the same pixels: a QImage takes one
    // painter at a time, and the target may have one already (the window's canvas).
    uchar* const bits = target.isNull() ? nullptr : target.bits();
    std::vector<BandResult> results(static_cast<std::size_t>(bands));
    auto paintBand = [&](int band) {
        const int top = area.top() + int(qint64(area.height()) * band / bands);
        const int bottom = area.top() + int(qint64(area.height()) * (band + 1) / bands);
        QImage view = bits ? QImage(bits, target.width(), target.height(), target.bytesPerLine(),
                                    target.format())
                           : QImage();
        PainterCanvas canvas(view);
        canvas.setArea(QRect(area.left(), top, area.width(), bottom - top));
        canvas.setTextCache(shared.texts);
        if (what.clearWhite) canvas.whiteness(0, 0, target.width(), target.height());
        if (what.startStyle) canvas.setStyle(*what.startStyle);
        Grille(canvas, target.size(), what.gridStep, canvas.area());

        PaintOptions own = shared;
        if (band > 0) own.reportSize = nullptr; // heard once, on the calling thread
        BandResult& result = results[std::size_t(band)];
        RecordPainter painter(canvas, own, result.state);
        if (bands > 1 || what.damaged) painter.cullTo(canvas.area());
        result.undrawable = painter.paintRecords(reading.records);
        result.style = canvas.style();
    };
    if (bands == 1)
        paintBand(0);
    else
        BandWorkers::shared().run(bands, paintBand);

    if (what.endStyle) *what.endStyle = results.front().style;
    return results.front().undrawable;
}

} // namespace qel
