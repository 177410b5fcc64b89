#include "transform/zoom.h"

#include "document/drawing.h"
#include "document/recordparts.h"

#include <cmath>

namespace qel {

namespace {

using Status = ScaleResult::Status;

constexpr int kMaxSurfaceSide = 4096;

} // namespace

ScaleResult Echelle(const QString& line, double step) {
    Rewritten r = rewriteCoordinates(line, {step, 0, 0});
    switch (r.status) {
    case Rewritten::Status::Done:
        return {Status::Done, std::move(r.line)};
    case Rewritten::Status::Unreadable:
        return {Status::Unreadable, {}};
    case Rewritten::Status::OutOfRange:
        break;
    }
    return {Status::OutOfRange, {}};
}

int Zoom::findKnown(const QString& line) const {
    if (const auto it = byText_.constFind(line.constData()); it != byText_.constEnd())
        if (known_[*it].zoomed.size() == line.size()) return *it;
    if (byBody_.isEmpty())
        for (int i = 0; i < int(known_.size()); ++i)
            byBody_.insert(recordBody(known_[i].zoomed).toString(), i);
    return byBody_.value(recordBody(line).toString(), -1);
}

QString Zoom::initialOf(const QString& line) const {
    if (factor_ == 1.0 || line.size() < 2) return line;
    if (const int k = findKnown(line); k >= 0)
        return withMarksOf(known_[std::size_t(k)].initial, line);
    // Edited or added while zoomed: scaled back, rounding.
    const ScaleResult r = Echelle(line, 1.0 / factor_);
    return r.status == Status::Done ? r.line : line;
}

int Zoom::toInitial(int v) const {
    return int(std::nearbyint(v / factor_));
}

bool Zoom::scaleTo(Drawing& drawing, double factor) {
    const double step = factor / factor_;
    // The whole step or nothing: no record may leave its fields, nor the surface 4096 pixels.
    const QSize page = drawing.page();
    if (std::nearbyint(page.width() * factor) > kMaxSurfaceSide ||
        std::nearbyint(page.height() * factor) > kMaxSurfaceSide)
        return false;
    auto scale = [&](const QString& line) -> ScaleResult {
        if (factor == 1.0) return {Status::Done, initialOf(line)};
        return Echelle(line, step);
    };
    const QStringList& lines = drawing.lines();
    std::vector<Known> next;
    next.reserve(std::size_t(lines.size()));
    QHash<const void*, int> nextByText;
    nextByText.reserve(lines.size());
    for (qsizetype i = 2; i < lines.size(); ++i) {
        ScaleResult r = scale(lines[i]);
        if (r.status == Status::OutOfRange) return false;
        if (r.status == Status::Unreadable) r.line = lines[i];
        nextByText.insert(lines[i].constData(), int(next.size()));
        next.push_back({r.line, initialOf(lines[i])});
    }
    // The history's lines mostly share their text with the drawing's: each is scaled once.
    auto map = [&](const QString& line) -> std::optional<QString> {
        if (const auto it = nextByText.constFind(line.constData());
            it != nextByText.constEnd() && lines[2 + *it].size() == line.size())
            return next[std::size_t(*it)].zoomed;
        const ScaleResult r = scale(line);
        if (r.status == Status::OutOfRange) return std::nullopt;
        return r.status == Status::Done ? r.line : line;
    };
    drawing.rescale(map, factor);
    factor_ = factor;
    known_.clear();
    byText_.clear();
    byBody_.clear();
    if (factor != 1.0) {
        known_ = std::move(next);
        byText_.reserve(qsizetype(known_.size()));
        for (int i = 0; i < int(known_.size()); ++i)
            byText_.insert(known_[std::size_t(i)].zoomed.constData(), i);
    }
    return true;
}

bool Zoom::ZoomAv(Drawing& drawing) {
    if (factor_ > 8.0 || drawing.surface().width() > 1600) return false;
    return scaleTo(drawing, factor_ * 2);
}

bool Zoom::ZoomAr(Drawing& drawing) {
    if (factor_ < 0.125 || drawing.surface().width() < 64) return false;
    return scaleTo(drawing, factor_ * 0.5);
}

bool Zoom::ZInit(Drawing& drawing) {
    if (factor_ == 1.0) return false;
    return scaleTo(drawing, 1.0);
}

QStringList Zoom::atInitialSize(const QStringList& lines) const {
    QStringList out;
    out.reserve(lines.size());
    for (const QString& l : lines)
        out << initialOf(l);
    return out;
}

QStringList Zoom::atCurrentSize(const QStringList& lines, int* refused) const {
    if (factor_ == 1.0) return lines;
    QStringList out;
    for (const QString& l : lines) {
        const ScaleResult r = Echelle(l, factor_);
        if (r.status == Status::Done)
            out << r.line;
        else if (r.status == Status::Unreadable)
            out << l;
        else if (refused)
            ++*refused;
    }
    return out;
}

} // namespace qel
