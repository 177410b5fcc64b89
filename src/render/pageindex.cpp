#include "render/pageindex.h"

#include "document/recordkind.h"
#include "render/painter_canvas.h"
#include "render/paintoptions.h"
#include "render/recordcache.h"
#include "render/recordpainter.h"

namespace qel {

std::optional<PageIndex::Key> PageIndex::keyFor(const PaintOptions& options,
                                                const DrawingStyle& start) {
    if (options.mapping) return std::nullopt;
    return Key{options.surface, options.forceCopyMode, options.transparentText,
               options.bandsFromLastRow, start};
}

unsigned char PageIndex::traitsOf(const ParsedRecord& r) const {
    unsigned char t = 0;
    if (r.style && (!key.forceCopyMode || (!r.blank && !r.view.keyword.isEmpty()))) t |= SetsAll;
    if (r.kind && r.kind->shape == Shape::Background) t |= Background;
    if (r.kind && r.kind->shape != Shape::Background && !r.box) t |= Undrawable;
    return t;
}

void PageIndex::finish(const std::vector<const ParsedRecord*>& records) {
    const int n = int(records.size());
    traits_.resize(std::size_t(n));
    for (int i = 0; i < n; ++i)
        traits_[std::size_t(i)] = traitsOf(*records[std::size_t(i)]);
    grid.reset(QRect(QPoint(0, 0), key.surface), BoxGrid::cellFor(reach));
    for (int i = 0; i < n; ++i)
        if (!reach[std::size_t(i)].isEmpty()) grid.insert(i, reach[std::size_t(i)]);

    // A record whose style field decodes by itself leaves the canvas the same whatever came
    // before, but for the pen's mode: the painter makes it copy for every shape when it forces
    // copy mode, and a background may make it copy. So a pass may start at such a record only
    // when no background lies between it and the style kept before it.
    from.assign(std::size_t(n), 0);
    int start = 0;
    bool background = false;
    for (int i = 0; i < n; ++i) {
        if (i % kEvery == 0) start = i, background = false;
        const unsigned char t = traits_[std::size_t(i)];
        if ((t & SetsAll) && !background) start = i;
        if (t & Background) background = true;
        from[std::size_t(i)] = start;
    }
}

// A record that sets the whole style, between a style it does not read and a record that sets
// the whole style again, changes nothing but its own reach: not where passes start (it starts
// its own, and so does the next), not the styles kept (the pen's mode, which alone outlasts the
// next record's style, only a background changes), not the style at the end.
bool PageIndex::update(const std::vector<const ParsedRecord*>& records,
                       const std::vector<int>& changed, const PaintOptions& options) {
    const int n = int(records.size());
    if (n != int(reach.size()) || n != int(traits_.size())) return false;
    auto alone = [](unsigned char t) { return (t & SetsAll) && !(t & Background); };
    for (const int i : changed) {
        if (i + 1 >= n || !alone(traits_[std::size_t(i)])) return false;
        if (!alone(traitsOf(*records[std::size_t(i)]))) return false;
        if (!(traitsOf(*records[std::size_t(i) + 1]) & SetsAll)) return false;
    }
    // Each reach as a pass notes it, on a canvas that draws nowhere.
    QImage probe(1, 1, QImage::Format_RGB32);
    PainterCanvas canvas(probe);
    canvas.setTextCache(options.texts);
    canvas.setStyle(key.start);
    PaintOptions own = options;
    own.reportSize = nullptr;
    PaintState state;
    RecordPainter painter(canvas, own, state);
    for (const int i : changed) {
        const std::size_t at = std::size_t(i);
        const unsigned char now = traitsOf(*records[at]);
        undrawable += int(bool(now & Undrawable)) - int(bool(traits_[at] & Undrawable));
        traits_[at] = now;
        if (!reach[at].isEmpty()) grid.remove(i, reach[at]);
        reach[at] = painter.reachOf(*records[at]);
        if (!reach[at].isEmpty()) grid.insert(i, reach[at]);
    }
    return true;
}

} // namespace qel
