#include "document/shapewriter.h"

#include <algorithm>
#include <cstdlib>

namespace qel {

namespace {

QPoint clamped(QPoint p) {
    return {clampCoordinate(p.x()), clampCoordinate(p.y())};
}

bool collectsPoints(int tool) {
    return tool == ToolPolygon || tool == ToolPolyline || tool == ToolFreehand;
}

// LINE/LINEU, ARCx and CHORDx take their variant from the drag put in left-to-right order.
QString directedKeyword(const ShapeDraft& d, const QString& stem) {
    QPoint s = d.start;
    QPoint e = d.end;
    bool concave = d.concave;
    if (s.x() > e.x()) {
        std::swap(s, e);
        concave = !concave;
    }
    const bool rising = s.y() > e.y();
    if (d.tool == ToolLine) return rising ? QStringLiteral("LINEU") : QStringLiteral("LINE");
    return stem + (concave ? u'L' : u'H') + (rising ? QStringLiteral("U") : QString());
}

} // namespace

QString GetRect(const ShapeDraft& d, QPoint& start) {
    int maxX = d.end.x();
    int maxY = d.end.y();
    QString payload;
    if (collectsPoints(d.tool) && d.points && d.points->count() > 0) {
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
    if (d.tool == ToolPicture && d.picture) payload = encodePixels(*d.picture);
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

    QString body;
    switch (d.tool) {
    case ToolLine:
        body = directedKeyword(d, {}) + u' ' + block;
        break;
    case ToolRectangle:
        body = QStringLiteral("RECT ") + block;
        break;
    case ToolEllipse:
        body = QStringLiteral("ELLIPSE ") + block;
        break;
    case ToolRoundRect:
        body = QStringLiteral("ROUNDRECT ") + block;
        break;
    case ToolFreehand:
        body = QStringLiteral("DRAW ") + block;
        break;
    case ToolText:
        body = QStringLiteral("TEXT ") + block + d.text;
        break;
    case ToolPicture:
        if (d.pictureKind == 1)
            body = QStringLiteral("BITMAP ") + block;
        else if (d.pictureKind == 2)
            body = QStringLiteral("META ") + block;
        break;
    case ToolPolygon:
        body = QStringLiteral("POLYG ") + block;
        break;
    case ToolPolyline:
        body = QStringLiteral("POLYL ") + block;
        break;
    case ToolArc:
        body = directedKeyword(d, QStringLiteral("ARC")) + u' ' + block;
        break;
    case ToolChord:
        body = directedKeyword(d, QStringLiteral("CHORD")) + u' ' + block;
        break;
    case ToolChart:
        body = QStringLiteral("CHART ") + block + d.text;
        break;
    default:
        break;
    }
    // A TAB in typed text would end the body early; such characters never reach a record.
    body.replace(kTab, u' ');
    body.remove(u'\r');
    body.remove(u'\n');
    if (body.size() > 14) out.record = QStringLiteral(" 0") + body + kTab + d.style;
    return out;
}

} // namespace qel
