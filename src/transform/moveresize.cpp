#include "transform/moveresize.h"

#include "document/recordparts.h"

#include <cmath>

namespace qel {

namespace {

constexpr qint64 kMaxPictureArea = 21000;

// The box corner sides a handle drags; the middle handles drag one side only.
void adjust(Box& b, int handle, int dx, int dy) {
    switch (handle) {
    case 1:
        b.left += dx;
        b.top += dy;
        break;
    case 2:
        b.right += dx;
        b.top += dy;
        break;
    case 3:
        b.left += dx;
        b.bottom += dy;
        break;
    case 4:
        b.right += dx;
        b.bottom += dy;
        break;
    case 5:
        b.left += dx;
        break;
    case 6:
        b.right += dx;
        break;
    case 7:
        b.top += dy;
        break;
    case 8:
        b.bottom += dy;
        break;
    default:
        break;
    }
}

// Points on the sides that stay fixed keep their place; the others follow the handle. The box
// becomes the points' bounds.
bool RedimPoly(RecordParts& parts, int handle, int dx, int dy) {
    std::optional<std::vector<QPoint>> points = readPoints(parts.payload);
    if (!points || points->size() < 3) return false;
    const Box& b = parts.box;
    for (QPoint& p : *points) {
        const int x = p.x(), y = p.y();
        switch (handle) {
        case 1:
            if (x != b.right && y != b.bottom) p += QPoint(dx, dy);
            break;
        case 2:
            if (x != b.left && y != b.bottom) p += QPoint(dx, dy);
            break;
        case 3:
            if (x != b.right && y != b.top) p += QPoint(dx, dy);
            break;
        case 4:
            if (x != b.left && y != b.top) p += QPoint(dx, dy);
            break;
        case 5:
            if (x != b.right) p.rx() += dx;
            break;
        case 6:
            if (x != b.left) p.rx() += dx;
            break;
        case 7:
            if (y != b.bottom) p.ry() += dy;
            break;
        case 8:
            if (y != b.top) p.ry() += dy;
            break;
        default:
            break;
        }
        if (!fitsCoordinate(p.x()) || !fitsCoordinate(p.y())) return false;
    }
    Box bounds{8192, 8192, 0, 0};
    for (const QPoint& p : *points) {
        bounds.left = std::min(bounds.left, p.x());
        bounds.top = std::min(bounds.top, p.y());
        bounds.right = std::max(bounds.right, p.x());
        bounds.bottom = std::max(bounds.bottom, p.y());
    }
    parts.payload = writePoints(*points);
    parts.box = bounds;
    return true;
}

// The text's font size follows the new width, scaled from the size it had at the press.
void RedimText(RecordParts& parts, TextResize& text) {
    const std::optional<int> size = fontSizeOf(parts.style);
    if (!size || !text.measure) return;
    if (text.startSize == 0) text.startSize = *size;
    const int width = parts.box.right - parts.box.left;
    if (parts.payload.isEmpty() || width <= 0 || text.startSize <= 0) return;
    FontState font = fontOfStyle(parts.style);
    font.size = text.startSize;
    const int measured = text.measure(font, parts.payload).width();
    if (measured <= 0) return;
    const double ratio = double(width) / measured;
    const int next = std::clamp(int(std::nearbyint(ratio * text.startSize)), 1, 255);
    parts.style = withFontSize(parts.style, next);
}

qint64 area(const Box& b) {
    return std::abs(qint64(b.right - b.left) * (b.bottom - b.top));
}

} // namespace

FontState fontOfStyle(QStringView style) {
    Style s;
    applyStyleField(style, s);
    return fontOf(s);
}

std::optional<QString> MoveXY(const QString& line, int dx, int dy) {
    Rewritten moved = rewriteCoordinates(line, {1.0, dx, dy});
    if (moved.status != Rewritten::Status::Done) return std::nullopt;
    return std::move(moved.line);
}

std::optional<QString> RedimXY(const QString& line, int dx, int dy, int handle, TextResize* text) {
    std::optional<RecordParts> parts = readParts(line);
    if (!parts) return std::nullopt;
    const qint64 oldArea = area(parts->box);
    adjust(parts->box, handle, dx, dy);
    const Payload payload = parts->payloadKind();
    if (payload == Payload::Points && !RedimPoly(*parts, handle, dx, dy)) return std::nullopt;
    if (payload == Payload::Text && text) RedimText(*parts, *text);
    if (payload == Payload::Pixels) {
        const qint64 next = area(parts->box);
        if (next > kMaxPictureArea && next > oldArea) return std::nullopt;
    }
    if (!fitsCoordinates(parts->box)) return std::nullopt;
    return writeParts(*parts);
}

std::optional<QString> Recadre(const QString& line, const TextMeasure& measure) {
    std::optional<RecordParts> parts = readParts(line);
    if (!parts || parts->payloadKind() != Payload::Text || !measure) return std::nullopt;
    const QSize extent = measure(fontOfStyle(parts->style), parts->payload);
    Box& b = parts->box;
    const Box fitted{b.left, b.top, b.left + extent.width(), b.top + extent.height()};
    if (fitted == b || !fitsCoordinates(fitted)) return std::nullopt;
    b = fitted;
    return writeParts(*parts);
}

} // namespace qel
