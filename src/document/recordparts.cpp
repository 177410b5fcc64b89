#include "document/recordparts.h"

namespace qel {

namespace {

// Where the style field starts in a tail: after the TAB and any arrowhead code.
qsizetype styleStart(QStringView tail) {
    if (tail.isEmpty()) return 0;
    return tail.size() > 1 && tail[1] == u'>' ? 3 : 1;
}

constexpr qsizetype kFontSizeAt = 28; // characters 29 and 30 of the style field

} // namespace

QStringView RecordParts::style() const {
    const qsizetype at = styleStart(tail);
    return at < tail.size() ? QStringView(tail).mid(at) : QStringView();
}

std::optional<RecordParts> readParts(const QString& line) {
    if (line.size() < 2) return std::nullopt;
    const QStringView body = QStringView(line).mid(2);
    const qsizetype tab = body.indexOf(kTab);
    const QStringView head = tab >= 0 ? body.left(tab) : body;
    const qsizetype space = head.indexOf(u' ');
    if (space < 0) return std::nullopt;
    const QStringView data = head.mid(space + 1);
    if (data.size() < 12) return std::nullopt;
    const std::optional<Box> box = decodeBox(data);
    if (!box) return std::nullopt;

    RecordParts parts;
    parts.mark = line[0];
    parts.group = line[1];
    parts.keyword = head.left(space).toString();
    parts.box = *box;
    parts.payload = data.mid(12).toString();
    if (tab >= 0) parts.tail = body.mid(tab).toString();
    parts.kind = recordKind(parts.keyword);
    return parts;
}

QString writeParts(const RecordParts& p) {
    QString out;
    out.reserve(2 + p.keyword.size() + 13 + p.payload.size() + p.tail.size());
    out += p.mark;
    out += p.group;
    out += p.keyword;
    out += u' ';
    out += encodeBox(p.box);
    out += p.payload;
    out += p.tail;
    return out;
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

QString withFontSize(const QString& tail, int size) {
    const qsizetype at = styleStart(tail) + kFontSizeAt;
    if (tail.isEmpty() || tail.size() < at + 2) return tail;
    QString out = tail;
    out.replace(at, 2, hexField(size, 2));
    return out;
}

} // namespace qel
