#include "document/shapewriter.h"

#include "document/recordkind.h"

#include <algorithm>
#include <cstdlib>

namespace qel {

namespace {

QPoint clamped(QPoint p) {
    return {clampCoordinate(p.x()), clampCoordinate(p.y())};
}

Payload payloadOf(Tool tool) {
    const RecordKind* kind = kindOfTool(tool);
    return kind ? kind->payload : Payload::None;
}

// The keyword a tool writes; empty for a tool that writes no record. Lines, arcs and chords take
// their variant from the drag put in left-to-right order; a picture's from its format.
QString keywordFor(const ShapeDraft& d) {
    const RecordKind* first = kindOfTool(d.tool);
    if (!first) return {};
    if (first->payload == Payload::Pixels)
        return d.pictureKind == 1   ? QStringLiteral("BITMAP")
               : d.pictureKind == 2 ? QStringLiteral("META")
                                    : QString();
    QPoint s = d.start;
    QPoint e = d.end;
    bool lower = d.concave;
    if (s.x() > e.x()) {
        std::swap(s, e);
        lower = !lower;
    }
    return variantOf(*first, lower, s.y() > e.y()).keyword.toString();
}

} // namespace

QString GetRect(const ShapeDraft& d, QPoint& start) {
    int maxX = d.end.x();
    int maxY = d.end.y();
    QString payload;
    if (payloadOf(d.tool) == Payload::Points && d.points && d.points->count() > 0) {
        const int n = std::min(d.points->count(), kMaxReadPoints);
        payload.reserve(6 * n);
        for (int i = 0; i < n; ++i) {
            const QPoint p = d.points->points[i];
            start.setX(std::min(start.x(), p.x()));
            start.setY(std::min(start.y(), p.y()));
            maxX = std::max(maxX, p.x());
            maxY = std::max(maxY, p.y());
            const QPoint c = clamped(p);
            payload += hexField(c.x(), 3) + hexField(c.y(), 3);
        }
    }
    if (payloadOf(d.tool) == Payload::Pixels && d.picture) payload = encodePixels(*d.picture);
    const Box box = normalisedBox(clamped(start), clamped(QPoint(maxX, maxY)));
    return encodeBox(box) + payload;
}

WrittenShape writeShape(const ShapeDraft& d) {
    WrittenShape out;
    out.start = d.start;
    if (!d.multiClick &&
        std::abs(d.start.x() - d.end.x()) + std::abs(d.start.y() - d.end.y()) < kMinShapeSize) {
        out.refused = true;
        return out;
    }
    const QString block = GetRect(d, out.start);

    const QString keyword = keywordFor(d);
    QString body;
    if (!keyword.isEmpty()) {
        body = keyword + u' ' + block;
        const RecordKind* kind = recordKind(keyword);
        if (kind && (kind->payload == Payload::Text || kind->payload == Payload::ChartData))
            body += d.text;
    }
    // A TAB in typed text would end the body early; such characters never reach a record.
    body.replace(kTab, u' ');
    body.remove(u'\r');
    body.remove(u'\n');
    if (body.size() > 14) out.record = QStringLiteral(" 0") + body + kTab + d.style;
    return out;
}

} // namespace qel
