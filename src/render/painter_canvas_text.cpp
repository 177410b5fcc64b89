// Text on the canvas over QPainter: fonts built once per canvas, and on images texts written
// from their cached pixels rather than shaped and drawn again.

#include "render/painter_canvas.h"

#include "render/textcache.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

bool sameFont(const FontState& a, const FontState& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

} // namespace

void PainterCanvas::refreshFont() {
    if (fontIndex_ >= 0 && sameFont(fonts_[fontIndex_].state, font_)) return;
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (sameFont(fonts_[i].state, font_)) {
            fontIndex_ = int(i);
            return;
        }
    const int points = font_.size > 0 ? font_.size : 12;
    QFont font(font_.name);
    font.setPixelSize(std::max(1, int(std::lround(points * dpi_ / 72.0))) * pixelScale_);
    font.setBold(font_.bold);
    font.setItalic(font_.italic);
    font.setUnderline(font_.underline);
    font.setStrikeOut(font_.strikeOut);
    font.setStyleStrategy(QFont::NoAntialias);
    // A bounded list: a drawing that cycles through more faces only rebuilds the oldest.
    constexpr std::size_t kMaxFonts = 32;
    if (fonts_.size() >= kMaxFonts) {
        fonts_.erase(fonts_.begin());
        fontSet_ = -1;
    }
    fonts_.push_back({font_, font, QFontMetrics(font)});
    fontIndex_ = int(fonts_.size()) - 1;
}

void PainterCanvas::setPixelScale(int scale) {
    pixelScale_ = std::max(1, scale);
    penBuilt_.reset();
    for (auto& tile : hatchTiles_)
        tile.clear();
    fonts_.clear();
    fontIndex_ = fontSet_ = -1;
    setTextCache(texts_);
}

void PainterCanvas::setTextCache(TextCache* texts) {
    texts_ = texts;
    memo_.reset();
    memoText_.clear();
    memoFont_ = -1;
}

bool PainterCanvas::cacheText(const QString& text) {
    if (!texts_ || !direct() || text.isEmpty()) return true;
    refreshFont();
    FontEntry& entry = fonts_[fontIndex_];
    if (entry.textFont < 0) entry.textFont = texts_->fontId(entry.font);
    if (texts_->find(entry.textFont, text)) return true;
    texts_->insert(entry.textFont, text, TextCache::layOut(entry.font, entry.metrics, text));
    return false;
}

bool PainterCanvas::knowsText(const QString& text) {
    if (!texts_ || !direct() || text.isEmpty()) return true;
    refreshFont();
    FontEntry& entry = fonts_[fontIndex_];
    if (entry.textFont < 0) entry.textFont = texts_->fontId(entry.font);
    return bool(texts_->find(entry.textFont, text));
}

// The cached pixels of a text in the current font, made on first use. Only for images written
// directly: elsewhere Qt draws the text.
const TextLayout* PainterCanvas::layoutFor(const QString& text) {
    if (!texts_ || !direct()) return nullptr;
    refreshFont();
    FontEntry& entry = fonts_[fontIndex_];
    if (entry.textFont < 0) entry.textFont = texts_->fontId(entry.font);
    if (memo_ && memoFont_ == entry.textFont && memoText_.size() == text.size() &&
        memoText_.constData() == text.constData())
        return memo_.get();
    std::shared_ptr<const TextLayout> found = texts_->find(entry.textFont, text);
    if (!found)
        found = texts_->insert(entry.textFont, text,
                               TextCache::layOut(entry.font, entry.metrics, text));
    memo_ = std::move(found);
    memoText_ = text;
    memoFont_ = entry.textFont;
    return memo_.get();
}

void PainterCanvas::writeText(int x, int y, const TextLayout& layout, QRgb colour) {
    const QRect ink = layout.ink.translated(x, y);
    if (!area_.intersects(ink)) return;
    const qsizetype stride = image_->bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const pixels = reinterpret_cast<QRgb*>(image_->bits());
    if (area_.contains(ink)) {
        // Most texts lie wholly inside: runs written without a test each.
        for (const TextLayout::Run& run : layout.runs) {
            QRgb* p = pixels + (y + run.y) * stride + x + run.x0;
            for (int n = run.x1 - run.x0; n >= 0; --n)
                *p++ = colour;
        }
        return;
    }
    for (const TextLayout::Run& run : layout.runs) {
        const int row = y + run.y;
        if (row < area_.top() || row > area_.bottom()) continue;
        const int x0 = std::max(x + run.x0, area_.left());
        const int x1 = std::min(x + run.x1, area_.right());
        QRgb* line = pixels + row * stride;
        for (int px = x0; px <= x1; ++px)
            line[px] = colour;
    }
}

void PainterCanvas::textOut(int x, int y, const QString& text) {
    if (!p_->isActive() || text.isEmpty()) return;
    copyMode();
    if (const TextLayout* laid = layoutFor(text); laid && laid->exact) {
        if (brush_.style == 0)
            fillBox(QRect(QPoint(x, y), laid->extent(fonts_[fontIndex_].metrics, text)),
                    toQColor(brush_.colour).rgb(), nullptr);
        writeText(x, y, *laid, toQColor(font_.colour).rgb());
        return;
    }
    refreshFont();
    const FontEntry& entry = fonts_[fontIndex_];
    if (brush_.style == 0)
        p_->fillRect(QRect(QPoint(x, y), textExtent(text)), toQColor(brush_.colour));
    if (fontSet_ != fontIndex_) {
        p_->setFont(entry.font);
        fontSet_ = fontIndex_;
    }
    p_->setPen(toQColor(font_.colour));
    p_->drawText(QPoint(x, y + entry.metrics.ascent()), text);
}

QSize PainterCanvas::textExtent(const QString& text) {
    if (const TextLayout* laid = layoutFor(text))
        return laid->extent(fonts_[fontIndex_].metrics, text);
    refreshFont();
    const QFontMetrics& metrics = fonts_[fontIndex_].metrics;
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

QRect PainterCanvas::textInk(int x, int y, const QString& text) {
    if (!p_->isActive() || text.isEmpty()) return QRect(); // nothing is drawn
    const TextLayout* laid = layoutFor(text);
    if (!laid || !laid->exact) return kEverywhere;
    QRect ink = laid->ink.translated(x, y);
    if (brush_.style == 0)
        ink |= QRect(QPoint(x, y), laid->extent(fonts_[fontIndex_].metrics, text));
    return ink;
}

} // namespace qel
