#include "transform/moveresize.h"

#include "document/recordparts.h"

#include <cmath>

namespace qel {

namespace {

constexpr qint64 kMaxPictureArea = 21000;

void putHex3(QChar* at, int v) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    at[0] = QChar(kDigits[(v >> 8) & 15]);
    at[1] = QChar(kDigits[(v >> 4) & 15]);
    at[2] = QChar(kDigits[v & 15]);
}

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
    const std::optional<int> size = fontSizeOf(parts.style());
    if (!size || !text.measure) return;
    if (text.startSize == 0) text.startSize = *size;
    const int width = parts.box.right - parts.box.left;
    if (parts.payload.isEmpty() || width <= 0 || text.startSize <= 0) return;
    FontState font = fontOfStyle(parts.style());
    font.size = text.startSize;
    const int measured = text.measure(font, parts.payload).width();
    if (measured <= 0) return;
    const double ratio = double(width) / measured;
    const int next = std::clamp(int(std::nearbyint(ratio * text.startSize)), 1, 255);
    parts.tail = withFontSize(parts.tail, next);
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

// Moves rewrite thousands of records per pointer step, so they edit the digits in place.
std::optional<QString> MoveXY(const QString& line, int dx, int dy) {
    const qsizetype tab = line.indexOf(kTab, 2);
    const qsizetype headEnd = tab >= 0 ? tab : line.size();
    const qsizetype space = line.indexOf(u' ', 2);
    if (line.size() < 2 || space < 0 || space + 13 > headEnd) return std::nullopt;
    const QStringView view(line);
    const qsizetype at = space + 1;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        const std::optional<int> c = parseHex(view.mid(at + 3 * i, 3));
        if (!c) return std::nullopt;
        v[i] = *c + (i % 2 == 0 ? dx : dy);
        if (!fitsCoordinate(v[i])) return std::nullopt;
    }
    QString out = line;
    QChar* d = out.data();
    for (int i = 0; i < 4; ++i)
        putHex3(d + at + 3 * i, v[i]);
    const RecordKind* kind = recordKind(view.mid(2, space - 2));
    if (kind && kind->payload == Payload::Points) {
        qsizetype p = at + 12;
        for (; p + 6 <= headEnd; p += 6) {
            const std::optional<int> x = parseHex(view.mid(p, 3));
            const std::optional<int> y = parseHex(view.mid(p + 3, 3));
            if (!x || !y || !fitsCoordinate(*x + dx) || !fitsCoordinate(*y + dy))
                return std::nullopt;
            putHex3(d + p, *x + dx);
            putHex3(d + p + 3, *y + dy);
        }
        out.remove(p, headEnd - p); // a broken last point goes, as a rewrite of the list drops it
    }
    return out;
}

std::optional<QString> RedimXY(const QString& line, int dx, int dy, int handle, TextResize* text) {
    std::optional<RecordParts> parts = readParts(line);
    if (!parts) return std::nullopt;
    const qint64 oldArea = area(parts->box);
    adjust(parts->box, handle, dx, dy);
    const Payload payload = parts->kind ? parts->kind->payload : Payload::None;
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
    if (!parts || !parts->kind || parts->kind->payload != Payload::Text || !measure)
        return std::nullopt;
    const QSize extent = measure(fontOfStyle(parts->style()), parts->payload);
    Box& b = parts->box;
    const Box fitted{b.left, b.top, b.left + extent.width(), b.top + extent.height()};
    if (fitted == b || !fitsCoordinates(fitted)) return std::nullopt;
    b = fitted;
    return writeParts(*parts);
}

} // namespace qel
