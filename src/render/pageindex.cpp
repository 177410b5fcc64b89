#include "render/pageindex.h"

#include "document/recordkind.h"
#include "render/paintoptions.h"
#include "render/recordcache.h"

namespace qel {

std::optional<PageIndex::Key> PageIndex::keyFor(const PaintOptions& options,
                                                const DrawingStyle& start) {
    if (options.mapping) return std::nullopt;
    return Key{options.surface, options.forceCopyMode, options.transparentText,
               options.bandsFromLastRow, start};
}

void PageIndex::finish(const std::vector<const ParsedRecord*>& records) {
    const int n = int(records.size());
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
        const ParsedRecord& r = *records[std::size_t(i)];
        const bool setsAll =
            r.style && (!key.forceCopyMode || (!r.blank && !r.view.keyword.isEmpty()));
        if (setsAll && !background) start = i;
        if (r.kind && r.kind->shape == Shape::Background) background = true;
        from[std::size_t(i)] = start;
    }
}

} // namespace qel
