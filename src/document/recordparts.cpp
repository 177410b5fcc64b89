#include "document/recordparts.h"

#include <cmath>

namespace qel {

namespace {

constexpr qsizetype kFontSizeAt = 28; // characters 29 and 30 of the style field

void putHex(QChar* at, int v, int width) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    for (int i = width - 1; i >= 0; --i, v >>= 4)
        at[i] = QChar(kDigits[v & 15]);
}

} // namespace

std::optional<RecordParts> readParts(const QString& line) {
    if (line.size() < 2) return std::nullopt;
    const RecordView v = splitRecord(line);
    // Without a blank before the TAB there is no data at all.
    if (v.data.size() < 12) return std::nullopt;
    const std::optional<Box> box = decodeBox(v.data);
    if (!box) return std::nullopt;

    RecordParts parts;
    parts.mark = line[0];
    parts.group = line[1];
    parts.keyword = v.keyword.toString();
    parts.box = *box;
    parts.payload = v.payload().toString();
    parts.hasTab = v.hasTab;
    parts.arrow = v.arrow.toString();
    parts.style = v.style.toString();
    parts.kind = recordKind(parts.keyword);
    return parts;
}

QString writeParts(const RecordParts& p) {
    QString out;
    out.reserve(2 + p.keyword.size() + 14 + p.payload.size() + p.arrow.size() + p.style.size());
    out += p.mark;
    out += p.group;
    out += p.keyword;
    out += u' ';
    out += encodeBox(p.box);
    out += p.payload;
    if (p.hasTab) {
        out += kTab;
        out += p.arrow;
        out += p.style;
    }
    return out;
}

QString withArrowAndStyle(QStringView line, QStringView arrow, QStringView style) {
    // The TAB is looked for after the prefix, as splitRecord does.
    const qsizetype tab = line.size() > 2 ? line.indexOf(kTab, 2) : -1;
    const QStringView body = tab >= 0 ? line.left(tab) : line;
    QString out;
    out.reserve(body.size() + 1 + arrow.size() + style.size());
    out += body;
    out += kTab;
    out += arrow;
    out += style;
    return out;
}

QString withPayload(QStringView line, QStringView payload) {
    const qsizetype tab = line.size() > 2 ? line.indexOf(kTab, 2) : -1;
    const qsizetype bodyEnd = tab >= 0 ? tab : line.size();
    const RecordView v = splitRecord(line);
    // A coordinate block cut short keeps what it has, and the payload follows it.
    const qsizetype at =
        v.data.data() ? std::min<qsizetype>(v.data.data() - line.data() + 12, bodyEnd) : bodyEnd;
    QString out;
    out.reserve(line.size() + payload.size());
    out += line.left(at);
    out += payload;
    out += line.mid(bodyEnd);
    return out;
}

bool isShape(QStringView line, Shape shape) {
    const RecordKind* kind = recordKind(splitRecord(line).keyword);
    return kind && kind->shape == shape;
}

std::optional<std::vector<QPoint>> readPoints(QStringView payload) {
    std::vector<QPoint> points;
    points.reserve(std::size_t(payload.size() / 6));
    for (qsizetype at = 0; at + 6 <= payload.size(); at += 6) {
        const std::optional<int> x = parseHex(payload.mid(at, 3));
        const std::optional<int> y = parseHex(payload.mid(at + 3, 3));
        if (!x || !y) return std::nullopt;
        points.emplace_back(*x, *y);
    }
    return points;
}

QString writePoints(const std::vector<QPoint>& points) {
    QString out;
    out.reserve(qsizetype(points.size()) * 6);
    for (const QPoint& p : points) {
        out += hexField(p.x(), 3);
        out += hexField(p.y(), 3);
    }
    return out;
}

std::optional<int> fontSizeOf(QStringView style) {
    if (style.size() < kFontSizeAt + 2) return std::nullopt;
    return parseHex(style.mid(kFontSizeAt, 2));
}

QString withFontSize(const QString& style, int size) {
    if (style.size() < kFontSizeAt + 2) return style;
    QString out = style;
    out.replace(kFontSizeAt, 2, hexField(size, 2));
    return out;
}

Rewritten rewriteCoordinates(const QString& line, const CoordinateStep& step) {
    using Status = Rewritten::Status;
    const RecordView v = splitRecord(line);
    if (line.size() < 2 || v.data.size() < 12) return {Status::Unreadable, {}};
    const QChar* const base = line.constData();
    const qsizetype boxAt = v.data.data() - base;
    const qsizetype headEnd = boxAt + v.data.size();
    const RecordKind* kind = recordKind(v.keyword);
    const bool points = kind && kind->payload == Payload::Points;
    const bool scaling = step.scale != 1.0;
    std::optional<int> size;
    qsizetype sizeAt = -1;
    if (scaling && kind && kind->shape == Shape::Text && v.style.size() >= kFontSizeAt + 2) {
        sizeAt = v.style.data() - base + kFontSizeAt;
        size = parseHex(v.style.mid(kFontSizeAt, 2));
    }

    QString out = line;
    QChar* d = out.data();
    const QStringView view(line);
    auto rewrite = [&](qsizetype at, int delta) {
        const std::optional<int> c = parseHex(view.mid(at, 3));
        if (!c) return Status::Unreadable;
        const int next = (scaling ? int(std::nearbyint(*c * step.scale)) : *c) + delta;
        if (!fitsCoordinate(next)) return Status::OutOfRange;
        putHex(d + at, next, 3);
        return Status::Done;
    };
    for (int i = 0; i < 4; ++i)
        if (const Status s = rewrite(boxAt + 3 * i, i % 2 == 0 ? step.dx : step.dy);
            s != Status::Done)
            return {s, {}};
    qsizetype end = headEnd;
    if (points) {
        qsizetype at = boxAt + 12;
        for (; at + 6 <= headEnd; at += 6)
            for (int i = 0; i < 2; ++i)
                if (const Status s = rewrite(at + 3 * i, i == 0 ? step.dx : step.dy);
                    s != Status::Done)
                    return {s, {}};
        end = at;
    }
    if (size) {
        const int next = int(std::nearbyint(*size * step.scale));
        if (next > 255) return {Status::OutOfRange, {}};
        putHex(d + sizeAt, next, 2);
    }
    if (end < headEnd) out.remove(end, headEnd - end); // a broken last point goes
    return {Status::Done, out};
}

std::optional<PixelCells> pixelCells(QStringView payload) {
    const std::optional<int> w = parseHex(payload.left(3));
    const std::optional<int> h = parseHex(payload.mid(3, 3));
    if (!w || !h || payload.size() < 6 + qsizetype(*w) * *h * 6) return std::nullopt;
    return PixelCells{*w, *h, payload.mid(6)};
}

QString pixelBlockSize(int width, int height) {
    return hexField(width, 3) + hexField(height, 3);
}

} // namespace qel
