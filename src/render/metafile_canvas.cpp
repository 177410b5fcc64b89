#include "render/metafile_canvas.h"

#include "metafile/metafile_writer.h"
#include "platform/files.h"

#include <QFontMetrics>
#include <cmath>

namespace qel {

QFont metafileFont(const FontState& f) {
    QFont font(f.name);
    font.setPixelSize(std::max(1, int(std::lrint(f.size * 96.0 / 72.0))));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    return font;
}

MetafileCanvas::MetafileCanvas(MetafileFormat format, QSize size)
    : writer_(format == MetafileFormat::Emf ? makeEmfWriter(size) : makeWmfWriter(size)),
      size_(size) {}

MetafileCanvas::~MetafileCanvas() = default;

QByteArray MetafileCanvas::bytes() {
    return writer_->finish();
}

Outcome MetafileCanvas::save(const QString& path) {
    return writeFileAtomically(path, bytes());
}

QSize MetafileCanvas::size() const {
    return size_;
}

void MetafileCanvas::line(QPoint from, QPoint to) {
    writer_->usePen(pen_);
    writer_->line(from, to);
}

void MetafileCanvas::polyline(const QPoint* points, int count) {
    if (count < 1) return;
    writer_->usePen(pen_);
    writer_->poly(points, count, false);
}

void MetafileCanvas::polygon(const QPoint* points, int count) {
    if (count < 1) return;
    writer_->usePen(pen_);
    writer_->useBrush(brush_);
    writer_->poly(points, count, true);
}

void MetafileCanvas::rectangle(int left, int top, int right, int bottom) {
    writer_->usePen(pen_);
    writer_->useBrush(brush_);
    writer_->rectangle(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void MetafileCanvas::ellipse(int left, int top, int right, int bottom) {
    writer_->usePen(pen_);
    writer_->useBrush(brush_);
    writer_->ellipse(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void MetafileCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                               int cornerHeight) {
    writer_->usePen(pen_);
    writer_->useBrush(brush_);
    writer_->roundRect(QRect(QPoint(left, top), QPoint(right, bottom)), cornerWidth, cornerHeight);
}

void MetafileCanvas::arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
    writer_->usePen(pen_);
    writer_->arc(ArcKind::Arc, QRect(QPoint(left, top), QPoint(right, bottom)), QPoint(x3, y3),
                 QPoint(x4, y4));
}

void MetafileCanvas::chord(int left, int top, int right, int bottom, int x3, int y3, int x4,
                           int y4) {
    writer_->usePen(pen_);
    writer_->useBrush(brush_);
    writer_->arc(ArcKind::Chord, QRect(QPoint(left, top), QPoint(right, bottom)), QPoint(x3, y3),
                 QPoint(x4, y4));
}

void MetafileCanvas::fillRect(int left, int top, int right, int bottom) {
    // With no pen the platform fills one column and one row less than the box it is given.
    PenState none = pen_;
    none.style = 5;
    writer_->usePen(none);
    writer_->useBrush(brush_);
    writer_->rectangle(QRect(QPoint(left, top), QPoint(right + 1, bottom + 1)));
}

void MetafileCanvas::textOut(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    writer_->useFont(font_);
    writer_->useTextBackground(brush_.style == 0, brush_.colour);
    // Character advances as the screen lays them out, so that other programs place each glyph
    // where we do even with a substituted font.
    const QFontMetricsF metrics(metafileFont(font_));
    std::vector<int> advances;
    advances.reserve(std::size_t(text.size()));
    double total = 0;
    int placed = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        total += metrics.horizontalAdvance(text.at(i));
        const int next = int(std::lrint(total));
        advances.push_back(next - placed);
        placed = next;
    }
    writer_->text(QPoint(x, y), text, advances);
}

QSize MetafileCanvas::textExtent(const QString& text) {
    const QFontMetrics metrics(metafileFont(font_));
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

void MetafileCanvas::setPixel(int x, int y, Colour c) {
    writer_->pixel(QPoint(x, y), c & 0x00FFFFFF);
}

Colour MetafileCanvas::pixel(int, int) const {
    return kWhite;
}

void MetafileCanvas::stretchDraw(int left, int top, int right, int bottom, const QImage& picture) {
    if (picture.isNull() || right == left || bottom == top) return;
    writer_->picture(QRect(QPoint(left, top), QPoint(right, bottom)), picture);
}

void MetafileCanvas::whiteness(int left, int top, int right, int bottom) {
    writer_->whiteness(QRect(QPoint(left, top), QPoint(right, bottom)));
}

Dib24 makeDib24(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const int stride = ((w * 24 + 31) / 32) * 4;
    Dib24 dib;
    dib.pixels = QByteArray(qsizetype(stride) * h, '\0');
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - y));
        char* out = dib.pixels.data() + qsizetype(stride) * y;
        for (int x = 0; x < w; ++x) {
            out[3 * x] = char(qBlue(in[x]));
            out[3 * x + 1] = char(qGreen(in[x]));
            out[3 * x + 2] = char(qRed(in[x]));
        }
    }
    return dib;
}

int gdiPenStyle(int canvasStyle) {
    // The canvas codes 0..6 are the platform's own pen styles.
    return (canvasStyle >= 0 && canvasStyle <= 6) ? canvasStyle : 0;
}

} // namespace qel
