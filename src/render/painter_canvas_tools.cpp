// The canvas's pen, brush and font as Qt objects: the state is compared on every figure, the
// Qt objects built only when something is drawn through the painter.

#include "render/painter_canvas.h"

#include "render/hatch.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

// The platform's one-pixel dash patterns, as on and off runs in pixels.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

bool samePen(const PenState& a, const PenState& b) {
    return a.colour == b.colour && a.width == b.width && a.style == b.style;
}

} // namespace

// Only the state is kept here; the Qt pen and brush are built when a drawing goes through
// the painter, which most drawings on an image never do.
void PainterCanvas::refreshPen() {
    if (penBuilt_ && samePen(*penBuilt_, pen_)) return;
    penBuilt_ = pen_;
    qpenStale_ = true;
    dash_ = nullptr;
    dashLength_ = 0;
    if (noOutline()) return;
    pointColour_ = pen_.colour;
    pointPenStale_ = true;
    const bool scaledThin = pixelScale_ > 1 && pen_.width == pixelScale_;
    if (!thinPen() && !scaledThin) return;
    switch (pen_.style) {
    case 1:
        dash_ = kDash, dashLength_ = 2;
        break;
    case 2:
        dash_ = kDot, dashLength_ = 2;
        break;
    case 3:
        dash_ = kDashDot, dashLength_ = 4;
        break;
    case 4:
        dash_ = kDashDotDot, dashLength_ = 6;
        break;
    default:
        break;
    }
    if (scaledThin && dash_) {
        for (int i = 0; i < dashLength_; ++i)
            scaledDash_[i] = dash_[i] * pixelScale_;
        dash_ = scaledDash_;
    }
}

const QPen& PainterCanvas::qtPen() {
    if (!qpenStale_) return qpen_;
    qpenStale_ = false;
    const PenState& pen = *penBuilt_;
    if (pen.style == 5) {
        qpen_ = QPen(Qt::NoPen);
    } else if (pen.width > 1) {
        qpen_ = QPen(toQColor(pen.colour), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    } else if (scaled()) {
        // One page pixel wide, whatever the image's pixels per page pixel; the dashes count in
        // page pixels too.
        qpen_ = QPen(toQColor(pen.colour), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (dash_) {
            QList<qreal> pattern;
            for (int i = 0; i < dashLength_; ++i)
                pattern << dash_[i];
            qpen_.setDashPattern(pattern);
        }
    } else {
        // A cosmetic pen with flat caps leaves out the last pixel of a line, like the
        // platform's.
        qpen_ = QPen(toQColor(pen.colour), 0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (dash_) {
            QList<qreal> pattern;
            for (int i = 0; i < dashLength_; ++i)
                pattern << dash_[i];
            qpen_.setDashPattern(pattern);
        }
    }
    return qpen_;
}

const QPen& PainterCanvas::pointPen() {
    if (pointPenStale_) pointPen_ = QPen(toQColor(pointColour_), 0);
    pointPenStale_ = false;
    return pointPen_;
}

void PainterCanvas::refreshBrush() {
    if (brushBuilt_ && brushBuilt_->colour == brush_.colour && brushBuilt_->style == brush_.style)
        return;
    brushBuilt_ = brush_;
    qbrushStale_ = true;
}

const QBrush& PainterCanvas::qtBrush() {
    if (qbrushStale_)
        qbrush_ = scaled() && hatchRows(brushBuilt_->style)
                      ? hatchBrush(brushBuilt_->style, toQColor(brushBuilt_->colour), ratio_)
                      : QBrush(toQColor(brushBuilt_->colour), qtBrushStyle(brushBuilt_->style));
    qbrushStale_ = false;
    return qbrush_;
}

} // namespace qel
