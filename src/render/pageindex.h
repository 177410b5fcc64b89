#pragma once

// What one pass over every record of a page teaches the next paintings of the same lines: where
// each record may draw, filed in a grid, and the canvas style every kEvery records. A painting
// of part of the page (a band, a damaged area) then visits only the records that may reach it,
// each from the canvas style one pass would give it: a record whose style field decodes by
// itself sets the whole style, so its pass starts there; any other starts from the nearest
// style kept before it and passes over the records in between without drawing them.

#include "document/drawingattributes.h"
#include "render/boxgrid.h"

#include <QRect>
#include <QSize>
#include <optional>
#include <vector>

namespace qel {

struct ParsedRecord;
struct PaintOptions;

struct PageIndex {
    static constexpr int kEvery = 64;

    // What the records were painted for: an index holds only for the same.
    struct Key {
        QSize surface;
        bool forceCopyMode = false, transparentText = false, bandsFromLastRow = false;
        DrawingStyle start;
        bool operator==(const Key&) const = default;
    };
    // None for paper: records placed on a sheet are not indexed.
    static std::optional<Key> keyFor(const PaintOptions& options, const DrawingStyle& start);

    Key key;
    std::vector<QRect> reach;              // per record: where it may draw; empty for nowhere
    std::vector<DrawingStyle> checkpoints; // the canvas style before records 0, kEvery, ...
    std::vector<int> from;                 // per record: where a pass that paints it starts
    DrawingStyle end;                      // the canvas style after the last record
    int undrawable = 0;
    BoxGrid grid;

    // Once a traced pass has filled reach, checkpoints, end and undrawable: files the reaches
    // and works out where each record's pass starts.
    void finish(const std::vector<const ParsedRecord*>& records);
    // Follows records changed at the given positions, when each, before and after, sets the
    // whole style and the record after it does too: nothing else then depends on it. Answers
    // false when it cannot, the index then being of no use.
    bool update(const std::vector<const ParsedRecord*>& records, const std::vector<int>& changed,
                const PaintOptions& options);

private:
    enum Trait : unsigned char { SetsAll = 1, Background = 2, Undrawable = 4 };
    unsigned char traitsOf(const ParsedRecord& record) const;
    std::vector<unsigned char> traits_; // per record
};

} // namespace qel
