#pragma once

// Records read once: what painting needs of a record whatever the canvas holds (its parts, its
// kind, its box, where its points lie). A drawing's lines are kept read between repaints, so a
// repaint of a small area walks ten thousand records without reading them again.

#include "document/record.h"

#include <QRect>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

namespace qel {

struct RecordKind;
struct PageIndex;

struct ParsedRecord {
    RecordView view;                  // into the line
    const RecordKind* kind = nullptr; // null for an unknown keyword: nothing drawn
    int arrow = 0;                    // arrowhead code
    bool blank = false;               // "BLANK": passed over entirely
    std::optional<Box> box;           // the coordinate block as stored; none when it does not read
    std::optional<QRect> points;      // bounds of the point list as stored, when it has points
    bool pointsRead = false;          // whether points was filled in
    // The style field decoded, when it decodes the same whatever the canvas holds.
    std::optional<Style> style;
    // A kept picture's key in the picture cache.
    std::optional<std::size_t> pictureKey;
};

// Reads one record given without its state mark and group digit. Only a record that is kept
// gets the bounds of its points and its style decoded.
ParsedRecord parseRecord(QStringView body, bool kept = true);
// The bounds of the points; none without points.
std::optional<QRect> pointBounds(const PointBuffer& points);

class RecordCache {
public:
    RecordCache();
    ~RecordCache();

    // The lines from `from` on, read (new lines by `jobs` threads at once) or found read
    // already. The records, and the lines they view, stay as long as the reading: one reading
    // at a time. The lines of the last reading are known by where their characters are: the
    // same list again costs nothing, a changed one a comparison per line.
    struct Reading {
        std::unique_lock<std::mutex> hold;
        const std::vector<const ParsedRecord*>& records;
        // What a pass over these lines taught, kept for the next painting of them, and the
        // positions whose records changed since (a few, in as many lines); a reading of other
        // lines starts without.
        std::unique_ptr<PageIndex>& index;
        std::vector<int>& changed;
    };
    Reading read(const QStringList& lines, qsizetype from, int jobs);
    int count() const { return int(entries_.size()); }

private:
    struct Entry {
        QString line; // kept: while it is held, the characters under the key cannot change
        ParsedRecord record;
        quint64 reading = 0;
    };
    // A line is known by where its characters are and how many: the kept copy holds them.
    struct Key {
        const QChar* data;
        qsizetype size;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<const void*>()(k.data) ^ std::size_t(k.size) * 0x9E3779B97F4A7C15ull;
        }
    };
    std::mutex lock_;
    std::unordered_map<Key, Entry, KeyHash> entries_;
    quint64 reading_ = 0;
    // The last reading: its lines (sharing their characters), where they start, their entries.
    QStringList lines_;
    qsizetype from_ = -1;
    std::vector<Entry*> last_;
    std::vector<const ParsedRecord*> records_;
    std::unique_ptr<PageIndex> index_;
    std::vector<int> changed_;
};

} // namespace qel
