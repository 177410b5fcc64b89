#include "render/textcache.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <mutex>

namespace qel {

namespace {

// Texts wider or taller than this are drawn every time: their pixels would not pay.
constexpr int kMaxSide = 8000;
constexpr qint64 kMaxPixels = qint64(4) << 20;
constexpr QRgb kPaper = 0xFFFFFFFFu;
constexpr QRgb kInk = 0xFF123456u; // a colour no glyph of its own would bring

} // namespace

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
    out.extent = QSize(metrics.horizontalAdvance(text), metrics.height());
    // Where the text may paint, with room around it: its glyphs' boxes, its advance and line
    // (underline and strike-out), relative to the top-left corner.
    const int ascent = metrics.ascent();
    const QRect glyphs = metrics.boundingRect(text).translated(0, ascent);
    const int pad = 4 + metrics.height() / 2;
    const QRect area = (glyphs | QRect(QPoint(0, 0), out.extent)).adjusted(-pad, -pad, pad, pad);
    if (area.width() > kMaxSide || area.height() > kMaxSide ||
        qint64(area.width()) * area.height() > kMaxPixels)
        return out;

    // One scratch image per thread, grown as needed.
    thread_local QImage scratch;
    if (scratch.width() < area.width() || scratch.height() < area.height())
        scratch = QImage(std::max(area.width(), scratch.width()),
                         std::max(area.height(), scratch.height()), QImage::Format_RGB32);
    if (scratch.isNull()) return out;
    for (int y = 0; y < area.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(scratch.scanLine(y));
        std::fill(row, row + area.width(), kPaper);
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

    // Ink in the outermost rows or columns might have gone further: such a text is not kept.
    QRect ink;
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        int x = 0;
        while (x < area.width()) {
            if (row[x] == kPaper) {
                ++x;
                continue;
            }
            if (row[x] != kInk) return out; // smoothed or coloured glyphs: drawn every time
            const int from = x;
            while (x < area.width() && row[x] == kInk)
                ++x;
            if (y == 0 || y == area.height() - 1 || from == 0 || x == area.width()) return out;
            const TextLayout::Run run{qint16(y + area.top()), qint16(from + area.left()),
                                      qint16(x - 1 + area.left())};
            out.runs.push_back(run);
            ink |= QRect(QPoint(run.x0, run.y), QPoint(run.x1, run.y));
        }
    }
    out.ink = ink;
    out.exact = true;
    out.runs.shrink_to_fit();
    return out;
}

} // namespace qel
