#include "render/recordpainter.h"

#include "document/recordkind.h"
#include "render/background.h"
#include "render/chart.h"
#include "render/pageindex.h"
#include "render/picturecache.h"
#include "render/recordreach.h"
#include "render/statecanvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {

// The box as the platform canvas sees it: whichever way a resize left the corners.
Box sortedBox(const Box& b) {
    return {std::min(b.left, b.right), std::min(b.top, b.bottom), std::max(b.left, b.right),
            std::max(b.top, b.bottom)};
}

bool sameAttributes(const Canvas& c, const Style& s) {
    const BrushState& b = c.brush();
    const PenState& p = c.pen();
    const FontState& f = c.font();
    return b.style == s.brushStyle && (s.brushStyle == 1 || b.colour == s.brushColour) &&
           p.style == s.penStyle && p.width == s.penWidth && p.colour == s.penColour &&
           f.colour == s.fontColour && f.size == s.fontSize &&
           fontStyleCode(f.bold, f.italic, f.underline, f.strikeOut) == s.fontStyle &&
           f.bold + f.italic + f.underline + f.strikeOut <= 1 && f.name == s.fontName;
}

void arrowhead(Canvas& canvas, QPointF tip, QPointF direction, double size) {
    const double length = std::hypot(direction.x(), direction.y());
    if (!(length > 1e-9)) return;
    const QPointF d = direction / length;
    const QPointF n(-d.y(), d.x());
    const QPointF base = tip - size * d;
    const double half = 0.4 * size;
    auto px = [](QPointF p) { return QPoint(int(std::lrint(p.x())), int(std::lrint(p.y()))); };
    const QPoint triangle[3] = {px(tip), px(base + half * n), px(base - half * n)};
    canvas.polygon(triangle, 3);
}

} // namespace

Style styleOfCanvas(const Canvas& canvas) {
    Style s;
    s.brushStyle = canvas.brush().style;
    s.brushColour = canvas.brush().colour;
    s.penStyle = canvas.pen().style;
    s.penWidth = canvas.pen().width;
    s.penColour = canvas.pen().colour;
    const FontState& f = canvas.font();
    s.fontColour = f.colour;
    s.fontSize = f.size;
    s.fontStyle = fontStyleCode(f.bold, f.italic, f.underline, f.strikeOut);
    s.fontName = f.name;
    return s;
}

void applyStyle(Canvas& canvas, const Style& s) {
    canvas.setBrush({s.brushStyle == 1 ? kWhite : s.brushColour, s.brushStyle});
    canvas.setPenStyle(s.penStyle);
    canvas.setPenWidth(s.penWidth);
    canvas.setPenColour(s.penColour);
    setFontOf(s, canvas.fontToChange());
}

RecordPainter::RecordPainter(Canvas& canvas, const PaintOptions& options, PaintState& state)
    : canvas_(canvas), options_(options), state_(state), decoding_(styleOfCanvas(canvas)) {}

void RecordPainter::SetStyles(QStringView field) {
    // A run of records with one style is decoded once, as long as nothing in between (a
    // transparent text, a background, an arrowhead) left the canvas elsewhere.
    if (haveField_ && field == lastField_ && sameAttributes(canvas_, *current_)) return;
    // A code out of range keeps what the canvas holds now; with every code in range the
    // field alone decides the style, so it can be kept decoded.
    auto code = [&](qsizetype at) {
        const char16_t c = at < field.size() ? field[at].unicode() : u'0';
        return c >= u'0' && c <= u'9' ? c - u'0' : 0;
    };
    const bool selfContained = code(0) <= 7 && code(9) <= 6 && code(30) <= 4;
    const DecodedStyle* known = nullptr;
    const size_t hash = selfContained ? qHash(field) : 0;
    if (selfContained)
        for (std::size_t i = 0; i < decodedCount_ && !known; ++i)
            if (decoded_[i].hash == hash && decoded_[i].field == field) known = &decoded_[i];
    if (known) {
        current_ = &known->style;
    } else {
        decoding_.brushStyle = canvas_.brush().style;
        decoding_.penStyle = canvas_.pen().style;
        const FontState& f = canvas_.font();
        decoding_.fontStyle = fontStyleCode(f.bold, f.italic, f.underline, f.strikeOut);
        applyStyleField(field, decoding_);
        if (selfContained) {
            decoded_[decodedNext_] = {field.toString(), hash, decoding_};
            decodedCount_ = std::max(decodedCount_, decodedNext_ + 1);
            decodedNext_ = (decodedNext_ + 1) % decoded_.size();
        }
        current_ = &decoding_;
    }
    state_.style = current_;
    applyStyle(canvas_, *current_);

    lastField_.resize(field.size()); // reuses its buffer: no allocation once it is big enough
    std::copy(field.begin(), field.end(), lastField_.begin());
    haveField_ = true;
}

// A field decoded when it was read: nothing to decode, only to apply.
void RecordPainter::applyDecoded(const Style& style) {
    applyStyle(canvas_, style);
    current_ = &style;
    state_.style = current_;
    haveField_ = false;
}

bool RecordPainter::DessinForme(QStringView record) {
    return paint(parseRecord(record, false));
}

bool RecordPainter::paint(const ParsedRecord& record) {
    if (record.blank) return true;
    const RecordView& v = record.view;
    const int arrow = record.arrow;
    if (record.style)
        applyDecoded(*record.style);
    else if (v.hasTab)
        SetStyles(v.style);
    if (v.keyword.isEmpty()) return true;
    if (options_.forceCopyMode) canvas_.setPenMode(PenMode::Copy);

    const RecordKind* kind = record.kind;
    if (!kind) return true;
    if (kind->shape == Shape::Background) {
        if (reach_) *reach_ = kEverywhere;
        const BandHeight bands =
            options_.bandsFromLastRow ? BandHeight::FromLastRow : BandHeight::FromHeight;
        if (!passing_) {
            paintBackground(canvas_, v.keyword, options_.surface, bands);
            return true;
        }
        // What painting it leaves on the canvas, without the painting.
        StateCanvas style;
        style.setStyle(canvas_.style());
        paintBackground(style, v.keyword, options_.surface, bands);
        canvas_.setStyle(style.style());
        return true;
    }
    std::optional<Box> box = record.box;
    if (!box) return false;
    if (options_.mapping) *box = options_.mapping->map(*box);
    state_.DecodedRect = *box;
    if (options_.reportSize && reporting_) options_.reportSize(*box);
    if (passing_) {
        passOver(record);
        return true;
    }

    const Box s = sortedBox(*box);
    const Drawn d{record, *kind, *box, s, rectBetween(s), v.payload(), arrow};
    // One painter per shape; every shape has its case.
    switch (kind->shape) {
    case Shape::Polygon:
    case Shape::Polyline:
    case Shape::Freehand:
        paintPoints(d);
        break;
    case Shape::Line:
        paintLine(d);
        break;
    case Shape::Rect:
        if (!outside(penReach(d.sorted, 0))) canvas_.rectangle(s.left, s.top, s.right, s.bottom);
        break;
    case Shape::Ellipse:
        if (!outside(penReach(d.sorted, 0))) canvas_.ellipse(s.left, s.top, s.right, s.bottom);
        break;
    case Shape::RoundRect:
        paintRoundRect(d);
        break;
    case Shape::Arc:
    case Shape::Chord:
        paintHalfEllipse(d);
        break;
    case Shape::Text:
        paintText(d);
        break;
    case Shape::Picture:
        if (!outside(d.sorted.adjusted(-1, -1, 1, 1))) paintPicture(d);
        break;
    case Shape::Chart:
        paintChart(d);
        break;
    case Shape::Background: // painted above, before any box is read
        break;
    }
    return true;
}

void RecordPainter::paintPoints(const Drawn& d) {
    if (cull_ || reach_) {
        // The points, not the coordinate block, say where the figure lies.
        std::optional<QRect> points = d.record.points;
        if (options_.mapping || !d.record.pointsRead) {
            SetArray(d.payload, state_.Points);
            if (options_.mapping) options_.mapping->map(state_.Points);
            points = pointBounds(state_.Points);
        }
        if (!points || outside(penReach(*points, 0))) return;
    }
    SetArray(d.payload, state_.Points);
    if (options_.mapping) options_.mapping->map(state_.Points);
    if (state_.Points.count() == 0) return;
    if (d.kind.shape == Shape::Polygon)
        canvas_.polygon(state_.Points.data(), state_.Points.count());
    else
        canvas_.polyline(state_.Points.data(), state_.Points.count());
}

void RecordPainter::paintLine(const Drawn& d) {
    const Box& r = d.r;
    const QPoint from(r.left, d.kind.rising ? r.bottom : r.top);
    const QPoint to(r.right, d.kind.rising ? r.top : r.bottom);
    if (outside(penReach(rectBetween(from, to), d.arrow))) return;
    canvas_.line(from, to);
    if (d.arrow) arrowheads(d.arrow, from, QPointF(from - to), to, QPointF(to - from));
}

void RecordPainter::paintRoundRect(const Drawn& d) {
    const Box& r = d.r;
    const Box& s = d.s;
    if (outside(penReach(d.sorted, 0))) return;
    canvas_.roundRect(s.left, s.top, s.right, s.bottom, std::abs((r.left - r.right) / 2),
                      std::abs((r.top - r.bottom) / 2));
}

void RecordPainter::paintHalfEllipse(const Drawn& d) {
    const Box& r = d.r;
    const Box& s = d.s;
    // L runs from the diagonal's first corner to its second, H the other way; U takes the
    // ascending diagonal.
    const QPoint a(r.left, d.kind.rising ? r.bottom : r.top);
    const QPoint b(r.right, d.kind.rising ? r.top : r.bottom);
    const QPoint from = d.kind.lower ? a : b;
    const QPoint to = d.kind.lower ? b : a;
    const bool arc = d.kind.shape == Shape::Arc;
    if (outside(penReach(d.sorted, arc ? d.arrow : 0))) return;
    if (arc) {
        canvas_.arc(s.left, s.top, s.right, s.bottom, from.x(), from.y(), to.x(), to.y());
        if (d.arrow) arcArrowheads(d.arrow, s, from, to);
    } else {
        canvas_.chord(s.left, s.top, s.right, s.bottom, from.x(), from.y(), to.x(), to.y());
    }
}

void RecordPainter::paintText(const Drawn& d) {
    const QString text = d.payload.toString();
    if (options_.transparentText) canvas_.setBrushStyle(1);
    if ((!cull_ && !reach_) || !outside(canvas_.textInk(d.r.left, d.r.top, text)))
        canvas_.textOut(d.r.left, d.r.top, text);
    if (options_.keepShapeText) state_.ShapeText = text;
}

void RecordPainter::paintChart(const Drawn& d) {
    const Box& r = d.r;
    // The chart's pen, brush and font first: painted or not, it leaves them, and its labels are
    // measured in its font.
    chartLeavesCanvas(canvas_, r.left, r.top, r.right, r.bottom);
    if ((cull_ || reach_) && outside(chartInk(d.sorted))) return;
    DrawChart(canvas_, r.left, r.top, r.right, r.bottom, d.payload);
}

QRect RecordPainter::penReach(const QRect& path, int arrow) const {
    return grownByPen(path, canvas_.pen(), arrow);
}

// A chart draws inside its box with its pen, but for its texts: ten-character labels start at
// most at its right edge, and the labels under the axis may hang below it by a line.
QRect RecordPainter::chartInk(const QRect& box) {
    QRect reach = penReach(box, 0);
    if (canvas_.font().size <= 0) return reach; // too small for any text
    // No character of the font is a fifth wider than its W.
    const QSize label = canvas_.textExtent(QStringLiteral("WWWWWWWWWW"));
    reach.setRight(reach.right() + label.width() + label.width() / 5 + 2);
    reach.setBottom(reach.bottom() + label.height() + 2);
    return reach;
}

void RecordPainter::paintPicture(const Drawn& d) {
    const Box& box = d.r;
    const QStringView payload = d.payload;
    PixelBlock block;
    if (!options_.pictures)
        block = decodePixelBlock(payload);
    else if (d.record.pictureKey)
        block = options_.pictures->picture(payload, *d.record.pictureKey);
    else
        block = options_.pictures->picture(payload);
    if (block.declared.isEmpty()) return;
    const int supplied = block.supplied.isNull() ? 0 : block.supplied.width();
    if (supplied == block.declared.width()) {
        canvas_.stretchDraw(box.left, box.top, box.right, box.bottom, block.supplied);
        return;
    }
    // Columns the block never reached are white: they are painted as such, not decoded.
    const int split =
        box.left + int((qint64(box.right) - box.left) * supplied / block.declared.width());
    if (supplied > 0) canvas_.stretchDraw(box.left, box.top, split, box.bottom, block.supplied);
    canvas_.whiteness(std::min(split, box.right), std::min(box.top, box.bottom),
                      std::max(split, box.right), std::max(box.top, box.bottom));
}

void RecordPainter::arrowheads(int code, QPointF start, QPointF startDir, QPointF end,
                               QPointF endDir) {
    if (canvas_.pen().style == 5) return; // no outline, no arrowhead
    const PenState pen = canvas_.pen();
    const BrushState brush = canvas_.brush();
    // Sized from the curve's pen; a one-pixel solid outline keeps the head's tip sharp.
    const double size = std::max(8.0, 3.0 * pen.width);
    canvas_.setPen({pen.colour, 1, 0, pen.mode});
    canvas_.setBrush({pen.colour, 0});
    if (code & 1) arrowhead(canvas_, start, startDir, size);
    if (code & 2) arrowhead(canvas_, end, endDir, size);
    canvas_.setPen(pen);
    canvas_.setBrush(brush);
}

void RecordPainter::arcArrowheads(int code, const Box& box, QPoint from, QPoint to) {
    const double cx = (box.left + box.right) / 2.0;
    const double cy = (box.top + box.bottom) / 2.0;
    const double a = (box.right - box.left) / 2.0;
    const double b = (box.bottom - box.top) / 2.0;
    if (a <= 0 || b <= 0) return;
    // Where the ray from the centre through p meets the ellipse, and the direction of travel
    // there (counter-clockwise on screen, y downward).
    auto onEllipse = [&](QPoint p, QPointF& point, QPointF& travel) {
        const double t = std::atan2(-(p.y() - cy) / b, (p.x() - cx) / a);
        point = QPointF(cx + a * std::cos(t), cy - b * std::sin(t));
        travel = QPointF(-a * std::sin(t), -b * std::cos(t));
    };
    QPointF start, startTravel, end, endTravel;
    onEllipse(from, start, startTravel);
    onEllipse(to, end, endTravel);
    arrowheads(code, start, -startTravel, end, endTravel);
}

// A record passed over changes the canvas only as much as the records after it can tell.
void RecordPainter::passOver(const ParsedRecord& record) {
    const Box s = sortedBox(*record.box);
    switch (record.kind->shape) {
    case Shape::Text:
        if (options_.transparentText) canvas_.setBrushStyle(1);
        break;
    case Shape::Chart:
        chartLeavesCanvas(canvas_, s.left, s.top, s.right, s.bottom);
        break;
    default: // arrowheads put the pen and brush back
        break;
    }
}

int RecordPainter::paintRecords(const std::vector<const ParsedRecord*>& records, PageIndex* trace) {
    int failed = 0;
    if (!trace) {
        for (const ParsedRecord* record : records)
            if (!paint(*record)) ++failed;
        return failed;
    }
    trace->reach.assign(records.size(), QRect());
    trace->checkpoints.clear();
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i % PageIndex::kEvery == 0) trace->checkpoints.push_back(canvas_.style());
        reach_ = &trace->reach[i];
        if (!paint(*records[i])) ++failed;
    }
    reach_ = nullptr;
    trace->end = canvas_.style();
    trace->undrawable = failed;
    return failed;
}

QRect RecordPainter::reachOf(const ParsedRecord& record) {
    QRect reach;
    const std::optional<QRect> cull = cull_;
    cull_ = QRect(); // nowhere: every figure is left out once its reach is noted
    reach_ = &reach;
    reporting_ = false;
    paint(record);
    reporting_ = true;
    reach_ = nullptr;
    cull_ = cull;
    return reach;
}

int RecordPainter::paintIndexed(const std::vector<const ParsedRecord*>& records,
                                const PageIndex& index) {
    if (options_.reportSize)
        for (const ParsedRecord* r : records)
            if (!r->blank && r->box && r->kind && r->kind->shape != Shape::Background)
                options_.reportSize(*r->box);
    reporting_ = false;
    std::vector<int> reaching;
    if (cull_) index.grid.query(*cull_, reaching);
    int next = -1; // the record whose style the canvas now holds, as one pass gives it
    for (const int j : reaching) {
        const int start = index.from[std::size_t(j)];
        if (next < start || next > j) {
            canvas_.setStyle(index.checkpoints[std::size_t(start / PageIndex::kEvery)]);
            haveField_ = false;
            next = start;
        }
        passing_ = true;
        for (; next < j; ++next)
            paint(*records[std::size_t(next)]);
        passing_ = false;
        paint(*records[std::size_t(j)]);
        next = j + 1;
    }
    canvas_.setStyle(index.end);
    reporting_ = true;
    return index.undrawable;
}

int RecordPainter::paintList(const QStringList& shapeList, qsizetype from) {
    int failed = 0;
    for (qsizetype i = std::max<qsizetype>(from, 0); i < shapeList.size(); ++i) {
        const QStringView body = recordBody(shapeList[i]);
        if (isBlankBody(body)) continue;
        if (!DessinForme(body)) ++failed;
    }
    return failed;
}

bool DessinForme(Canvas& canvas, QStringView record, const PaintOptions& options,
                 PaintState& state) {
    return RecordPainter(canvas, options, state).DessinForme(record);
}

} // namespace qel
