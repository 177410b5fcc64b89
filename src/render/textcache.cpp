#include "render/textcache.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <mutex>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace qel {

namespace {

// Texts wider or taller than this are drawn every time: their pixels would not pay.
constexpr int kMaxSide = 8000;
constexpr qint64 kMaxPixels = qint64(4) << 20;
constexpr QRgb kPaper = 0xFFFFFFFFu;
constexpr QRgb kInk = 0xFF123456u; // a colour no glyph of its own would bring

// Sorts a row's pixels into ink and paper, one bit each; bits past the row's end count as
// paper.
void classify(const QRgb* row, int width, std::vector<quint64>& ink, std::vector<quint64>& paper) {
    const std::size_t words = std::size_t(width + 63) / 64;
    ink.assign(words, 0);
    paper.assign(words, 0);
    for (std::size_t word = 0; word < words; ++word) {
        const int from = int(word) * 64, to = std::min(width, from + 64);
        quint64 i = 0, p = to - from == 64 ? 0 : ~quint64(0) << (to - from);
        int x = from;
#ifdef __SSE2__
        const __m128i inkColour = _mm_set1_epi32(int(kInk)), paperColour = _mm_set1_epi32(-1);
        for (; x + 4 <= to; x += 4) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
            const int shift = x - from;
            i |= quint64(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, inkColour)))) << shift;
            p |= quint64(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, paperColour))))
                 << shift;
        }
#endif
        for (; x < to; ++x) {
            i |= quint64(row[x] == kInk) << (x - from);
            p |= quint64(row[x] == kPaper) << (x - from);
        }
        ink[word] = i;
        paper[word] = p;
    }
}

// The first x at or after from whose bit is set (or clear), or width.
int nextBit(const std::vector<quint64>& bits, int from, bool set, int width) {
    for (std::size_t word = std::size_t(from) / 64; word < bits.size(); ++word) {
        quint64 v = set ? bits[word] : ~bits[word];
        if (word == std::size_t(from) / 64) v &= ~quint64(0) << (from % 64);
        if (v) return std::min(width, int(word) * 64 + __builtin_ctzll(v));
    }
    return width;
}

} // namespace

QSize TextLayout::extent(const QFontMetrics& metrics, const QString& text) const {
    int advance = advance_.load(std::memory_order_relaxed);
    if (advance < 0) {
        // Threads that ask at once find the same width.
        advance = metrics.horizontalAdvance(text);
        advance_.store(advance, std::memory_order_relaxed);
    }
    return QSize(advance, height);
}

TextCache::TextCache(qsizetype maxBytes) : maxBytes_(maxBytes) {}

size_t TextCache::keyOf(int font, QStringView text) {
    return qHash(text, size_t(font) * 0x9E3779B97F4A7C15ull);
}

int TextCache::fontId(const QFont& font) {
    const QString key = font.key();
    std::unique_lock guard(lock_);
    const auto known = std::find(fonts_.begin(), fonts_.end(), key);
    if (known != fonts_.end()) return int(known - fonts_.begin());
    fonts_.push_back(key);
    return int(fonts_.size()) - 1;
}

std::shared_ptr<const TextLayout> TextCache::find(int font, QStringView text) const {
    const size_t key = keyOf(font, text);
    std::shared_lock guard(lock_);
    const auto [from, to] = items_.equal_range(key);
    for (auto it = from; it != to; ++it)
        if (it->second.font == font && it->second.text == text) return it->second.layout;
    return nullptr;
}

std::shared_ptr<const TextLayout> TextCache::insert(int font, QStringView text, TextLayout layout) {
    const size_t key = keyOf(font, text);
    const qsizetype cost = qsizetype(sizeof(Item) + 64) + text.size() * qsizetype(sizeof(QChar)) +
                           qsizetype(layout.runs.size() * sizeof(TextLayout::Run));
    auto made = std::make_shared<const TextLayout>(std::move(layout));
    std::unique_lock guard(lock_);
    const auto [from, to] = items_.equal_range(key);
    for (auto it = from; it != to; ++it)
        if (it->second.font == font && it->second.text == text) return it->second.layout;
    if (bytes_ + cost > maxBytes_) {
        items_.clear();
        bytes_ = 0;
    }
    if (cost <= maxBytes_) {
        items_.emplace(key, Item{font, text.toString(), made});
        bytes_ += cost;
    }
    return made;
}

int TextCache::count() const {
    std::shared_lock guard(lock_);
    return int(items_.size());
}

void TextCache::clear() {
    std::unique_lock guard(lock_);
    items_.clear();
    bytes_ = 0;
}

TextLayout TextCache::layOut(const QFont& font, const QFontMetrics& metrics, const QString& text) {
    TextLayout out;
    out.height = metrics.height();
    // Where the text may paint, with room around it: its glyphs' boxes and its line, relative
    // to the top-left corner, and the whole advance when a line runs under or through it.
    // Hinting may move a glyph's pixels a little past its box; ink found on the edge of the
    // room means it went further.
    const int ascent = metrics.ascent();
    const QRect glyphs = metrics.boundingRect(text).translated(0, ascent);
    int width = std::max(glyphs.right() + 1, 0);
    if (font.underline() || font.strikeOut()) {
        out.advance_ = metrics.horizontalAdvance(text);
        width = std::max(width, out.advance_.load());
    }
    constexpr int kRoom = 3;
    const QRect area =
        (glyphs | QRect(0, 0, width, out.height)).adjusted(-kRoom, -kRoom, kRoom, kRoom);
    if (area.width() > kMaxSide || area.height() > kMaxSide ||
        qint64(area.width()) * area.height() > kMaxPixels)
        return out;
    const int w = area.width(), h = area.height();

    // One scratch image per thread, grown as needed.
    thread_local QImage scratch;
    if (scratch.width() < w || scratch.height() < h)
        scratch = QImage(std::max(w, scratch.width()), std::max(h, scratch.height()),
                         QImage::Format_RGB32);
    if (scratch.isNull()) return out;
    for (int y = 0; y < h; ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        std::fill(row, row + w, kPaper);
    }
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setBackgroundMode(Qt::TransparentMode);
        p.setFont(font);
        p.setPen(QColor::fromRgb(kInk));
        p.drawText(QPoint(-area.left(), -area.top() + ascent), text);
    }

    int inkLeft = w, inkRight = -1, inkTop = h, inkBottom = -1;
    std::vector<quint64> inkBits, paperBits;
    for (int y = 0; y < h; ++y) {
        classify(reinterpret_cast<const QRgb*>(scratch.constScanLine(y)), w, inkBits, paperBits);
        for (std::size_t word = 0; word < inkBits.size(); ++word) {
            // Smoothed or coloured glyphs are drawn every time.
            if ((inkBits[word] | paperBits[word]) != ~quint64(0)) return out;
        }
        // Runs of ink, from the bits: where ink begins, where it stops.
        int x = 0;
        while ((x = nextBit(inkBits, x, true, w)) < w) {
            const int from = x;
            x = nextBit(inkBits, x, false, w);
            if (y == 0 || y == h - 1 || from == 0 || x == w) return out;
            out.runs.push_back(
                {qint16(y + area.top()), qint16(from + area.left()), qint16(x - 1 + area.left())});
            inkLeft = std::min(inkLeft, from), inkRight = std::max(inkRight, x - 1);
            inkTop = std::min(inkTop, y), inkBottom = y;
        }
    }
    if (inkRight >= 0)
        out.ink =
            QRect(QPoint(inkLeft, inkTop), QPoint(inkRight, inkBottom)).translated(area.topLeft());
    out.exact = true;
    out.runs.shrink_to_fit();
    return out;
}

} // namespace qel
