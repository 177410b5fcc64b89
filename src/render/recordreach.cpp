#include "render/recordreach.h"

#include "document/record.h"
#include "document/recordkind.h"
#include "render/chart.h"
#include "render/painter_canvas.h"
#include "render/recordpainter.h"
#include "render/textcache.h"

#include <algorithm>

namespace qel {

QRect grownByPen(const QRect& path, const PenState& pen, int arrow) {
    // A selection frame's handles stand out 3 pixels from the box.
    int reach = pen.style == 5 ? 4 : std::max(pen.width, 1) + 3;
    if (arrow && pen.style != 5) reach = std::max(reach, int(std::max(8.0, 3.0 * pen.width)) + 3);
    return path.adjusted(-reach, -reach, reach, reach);
}

namespace {

QRect textReach(const Box& box, const QString& text, const Style& style,
                const PaintOptions& options) {
    QImage probe(1, 1, QImage::Format_RGB32);
    PainterCanvas canvas(probe);
    TextCache own;
    canvas.setTextCache(options.texts ? options.texts : &own);
    applyStyle(canvas, style);
    if (options.transparentText) canvas.setBrushStyle(1);
    return canvas.textInk(box.left, box.top, text);
}

} // namespace

bool styleStandsAlone(QStringView field) {
    auto code = [&](qsizetype at) {
        const char16_t c = at < field.size() ? field[at].unicode() : u'0';
        return c >= u'0' && c <= u'9' ? c - u'0' : 0;
    };
    return code(0) <= 7 && code(9) <= 6 && code(30) <= 4;
}

bool inheritsStyle(QStringView stored) {
    const RecordView v = splitRecord(stored);
    return !v.hasTab || !styleStandsAlone(v.style);
}

QRect recordReach(QStringView stored, const PaintOptions& options) {
    const RecordView v = splitRecord(stored);
    if (!v.hasTab || !styleStandsAlone(v.style)) return kEverywhere;
    const RecordKind* kind = recordKind(v.keyword);
    if (!kind) return QRect();
    if (kind->shape == Shape::Background) return kEverywhere;
    std::optional<Box> decoded = decodeBox(v.data);
    if (!decoded) return QRect();
    if (options.mapping) *decoded = options.mapping->map(*decoded);
    const Box& r = *decoded;
    const QRect sorted = rectBetween(r);

    Style style;
    applyStyleField(v.style, style);
    PenState pen;
    pen.width = style.penWidth;
    pen.style = style.penStyle;
    const int arrow = arrowCode(v.arrow);
    switch (kind->shape) {
    case Shape::Polygon:
    case Shape::Polyline:
    case Shape::Freehand: {
        PointBuffer points;
        SetArray(v.payload(), points);
        if (options.mapping) options.mapping->map(points);
        if (points.count() == 0) return QRect();
        QRect path(points.points[0], points.points[0]);
        for (int i = 1; i < points.count(); ++i)
            path |= QRect(points.points[i], points.points[i]);
        return grownByPen(path, pen, 0);
    }
    case Shape::Line:
    case Shape::Arc:
        return grownByPen(sorted, pen, arrow);
    case Shape::Text:
        return textReach(r, v.payload().toString(), style, options);
    case Shape::Picture:
        return sorted.adjusted(-1, -1, 1, 1);
    case Shape::Chart:
        return chartReach(sorted.top(), sorted.bottom(), pen.width);
    default:
        return grownByPen(sorted, pen, 0);
    }
}

QRect changedArea(const QStringList& before, const QStringList& after,
                  const PaintOptions& options) {
    const qsizetype n1 = before.size(), n2 = after.size();
    qsizetype head = 0;
    while (head < n1 && head < n2 && before[head] == after[head])
        ++head;
    if (head == n1 && head == n2) return QRect();
    if (head < 2) return kEverywhere; // the page size or the background
    qsizetype tail = 0;
    while (tail < n1 - head && tail < n2 - head && before[n1 - 1 - tail] == after[n2 - 1 - tail])
        ++tail;
    // The first unchanged record after the change takes what the change left on the canvas if
    // it does not set everything itself.
    if (tail > 0 && inheritsStyle(after[n2 - tail])) return kEverywhere;
    QRect area;
    for (qsizetype i = head; i < n1 - tail; ++i)
        area |= recordReach(before[i], options);
    for (qsizetype i = head; i < n2 - tail; ++i)
        area |= recordReach(after[i], options);
    return area;
}

} // namespace qel
