#pragma once

// Texts as the canvas over QPainter paints them on an image, laid out and rasterised once per
// text and font and copied afterwards: shaping and glyph look-ups cost far more than writing a
// text's pixels. One cache serves every thread painting a page at once.

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>
#include <atomic>
#include <memory>
#include <shared_mutex>
#include <unordered_map>
#include <vector>

namespace qel {

// The pixels one text paints, relative to its top-left corner (the point textOut is given).
struct TextLayout {
    // The runs are exactly what drawing the text paints: one colour, no smoothing, nothing out
    // of sight. When not, the text is drawn through the painter each time.
    bool exact = false;
    QRect ink; // bounds of the runs; empty when the text paints nothing
    struct Run {
        qint16 y, x0, x1;
    };
    std::vector<Run> runs;
    int height = 0; // the font's line height

    TextLayout() = default;
    TextLayout(TextLayout&& other) noexcept
        : exact(other.exact), ink(other.ink), runs(std::move(other.runs)), height(other.height),
          advance_(other.advance_.load(std::memory_order_relaxed)) {}

    // Advance width and line height, as textExtent answers. The width costs a second layout of
    // the text, so it is found the first time someone asks (an opaque background, a chart's
    // legend), in the font the layout was made in.
    QSize extent(const QFontMetrics& metrics, const QString& text) const;

private:
    friend class TextCache;
    mutable std::atomic<int> advance_{-1};
};

class TextCache {
public:
    explicit TextCache(qsizetype maxBytes = qsizetype(48) << 20);

    // A number for a font: fonts of one face, pixel size and style share it.
    int fontId(const QFont& font);
    // The layout of a text in a font; null when it was never made.
    std::shared_ptr<const TextLayout> find(int font, QStringView text) const;
    // Keeps a layout and answers the one kept: another thread may have made it first. A full
    // cache starts over.
    std::shared_ptr<const TextLayout> insert(int font, QStringView text, TextLayout layout);
    int count() const;
    void clear();

    // Draws the text once off-screen, in the font and with the canvas's settings, to find its
    // pixels.
    static TextLayout layOut(const QFont& font, const QFontMetrics& metrics, const QString& text);

private:
    struct Item {
        int font;
        QString text;
        std::shared_ptr<const TextLayout> layout;
    };
    static size_t keyOf(int font, QStringView text);

    mutable std::shared_mutex lock_;
    std::unordered_multimap<size_t, Item> items_;
    std::vector<QString> fonts_;
    qsizetype bytes_ = 0;
    qsizetype maxBytes_;
};

} // namespace qel
