#include "transform/turn.h"

#include "document/recordparts.h"

namespace qel {

namespace {

using Status = TurnResult::Status;

// The new variant of a line, arc or chord keyword.
QString turnedKeyword(const RecordParts& p, Turn turn) {
    const RecordKind* k = p.kind;
    if (!k || k->variant == Variant::Fixed) return p.keyword;
    if (k->variant == Variant::Diagonal)
        return turn == Turn::Half ? p.keyword : variantOf(*k, false, !k->rising).keyword.toString();
    bool lower = k->lower, rising = k->rising;
    switch (turn) {
    case Turn::MirrorH:
        lower = !lower;
        rising = !rising;
        break;
    case Turn::MirrorV:
        rising = !rising;
        break;
    case Turn::Half:
        lower = !lower;
        break;
    case Turn::Left: // L -> LU -> H -> HU -> L
        if (rising) lower = !lower;
        rising = !rising;
        break;
    case Turn::Right: // the other way round
        if (!rising) lower = !lower;
        rising = !rising;
        break;
    }
    return variantOf(*k, lower, rising).keyword.toString();
}

QPoint turnedPoint(QPoint p, const Box& b, Turn turn) {
    const int x = p.x(), y = p.y();
    switch (turn) {
    case Turn::MirrorH:
        return {x, b.top + b.bottom - y};
    case Turn::MirrorV:
        return {b.left + b.right - x, y};
    case Turn::Half:
        return {b.left + b.right - x, b.top + b.bottom - y};
    case Turn::Left:
        return {b.left + (y - b.top), b.bottom - (x - b.left)};
    case Turn::Right:
        return {b.left + (b.bottom - y), b.bottom - (b.right - x)};
    }
    return p;
}

// A quarter turn keeps the left and bottom edges and swaps width and height.
Box turnedBox(const Box& b, Turn turn) {
    if (turn != Turn::Left && turn != Turn::Right) return b;
    const int w = b.right - b.left, h = b.bottom - b.top;
    return {b.left, b.bottom - w, b.left + h, b.bottom};
}

// Column-major pixels, six digits each, after their size: the stored cells are rearranged.
Status turnPixels(QString& payload, Turn turn) {
    const std::optional<PixelCells> cells = pixelCells(payload);
    if (!cells) return Status::Malformed;
    const int w = cells->width, h = cells->height;
    const bool quarter = turn == Turn::Left || turn == Turn::Right;
    const int nw = quarter ? h : w, nh = quarter ? w : h;
    QString out = pixelBlockSize(nw, nh);
    out.reserve(6 + qsizetype(nw) * nh * 6);
    for (int u = 0; u < nw; ++u)
        for (int v = 0; v < nh; ++v) {
            switch (turn) {
            case Turn::MirrorH:
                out += cells->at(u, h - 1 - v);
                break;
            case Turn::MirrorV:
                out += cells->at(w - 1 - u, v);
                break;
            case Turn::Half:
                out += cells->at(w - 1 - u, h - 1 - v);
                break;
            case Turn::Left:
                out += cells->at(w - 1 - v, u);
                break;
            case Turn::Right:
                out += cells->at(v, h - 1 - u);
                break;
            }
        }
    payload = out;
    return Status::Done;
}

} // namespace

TurnResult turnRecord(const QString& line, Turn turn) {
    std::optional<RecordParts> parts = readParts(line);
    if (!parts || !parts->hasTab) return {Status::Malformed, {}};
    const Box box = parts->box;
    const Payload payload = parts->payloadKind();
    if (payload == Payload::Points) {
        std::optional<std::vector<QPoint>> points = readPoints(parts->payload);
        if (!points) return {Status::Malformed, {}};
        for (QPoint& p : *points) {
            p = turnedPoint(p, box, turn);
            if (!fitsCoordinate(p.x()) || !fitsCoordinate(p.y())) return {Status::OutOfRange, {}};
        }
        parts->payload = writePoints(*points);
    } else if (payload == Payload::Pixels) {
        if (turnPixels(parts->payload, turn) != Status::Done) return {Status::Malformed, {}};
    }
    parts->box = turnedBox(box, turn);
    if (!fitsCoordinates(parts->box)) return {Status::OutOfRange, {}};
    parts->keyword = turnedKeyword(*parts, turn);
    return {Status::Done, writeParts(*parts)};
}

int turnSelection(QStringList& lines, Turn turn) {
    int refused = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (!isSelected(lines[i])) continue;
        const TurnResult r = turnRecord(lines[i], turn);
        if (r.status == Status::Done)
            lines[i] = r.line;
        else if (r.status == Status::OutOfRange)
            ++refused;
    }
    return refused;
}

} // namespace qel
