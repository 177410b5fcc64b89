#include "document/drawing.h"

#include "document/drawingfile.h"
#include "document/shapelist.h"

#include <algorithm>
#include <cmath>

namespace qel {

namespace {

// Unchanged lines share their text with the copy they came from, so most comparisons are a
// pointer test.
bool sameLine(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

// What holding `kept` costs beside `current`: its list, and the text of the lines it does not
// share with the same place in `current`.
qint64 unsharedBytes(const QStringList& kept, const QStringList& current) {
    qint64 bytes = qint64(sizeof(QString)) * kept.size();
    for (qsizetype i = 0; i < kept.size(); ++i)
        if (i >= current.size() || kept[i].constData() != current[i].constData())
            bytes += 2 * kept[i].size();
    return bytes;
}

} // namespace

Drawing::Drawing(QSize page, QObject* parent)
    : QObject(parent), lines_(newShapeList(page.width(), page.height())), page_(page) {}

QSize Drawing::surface() const {
    if (zoom_ == 1.0) return page_;
    return {int(std::nearbyint(page_.width() * zoom_)),
            int(std::nearbyint(page_.height() * zoom_))};
}

void Drawing::tellModified(bool wasModified) {
    if (wasModified != isModified()) emit modifiedChanged(isModified());
}

void Drawing::markSaved() {
    const bool was = isModified();
    saved_ = current_;
    tellModified(was);
}

void Drawing::markUnsaved() {
    const bool was = isModified();
    saved_ = kNeverSaved;
    tellModified(was);
}

bool Drawing::apply(const Edit& edit, Effect effect) {
    const bool was = isModified();
    QStringList next = lines_;
    edit(next);

    const qsizetype n = lines_.size(), m = next.size();
    qsizetype prefix = 0;
    while (prefix < std::min(n, m) && sameLine(lines_[prefix], next[prefix]))
        ++prefix;
    if (prefix == n && n == m) return false;
    qsizetype suffix = 0;
    while (suffix < std::min(n, m) - prefix &&
           sameLine(lines_[n - 1 - suffix], next[m - 1 - suffix]))
        ++suffix;

    DrawingChange change;
    change.kind = effect == Effect::Selection ? DrawingChange::Kind::Selection
                  : prefix < 2                ? DrawingChange::Kind::Whole
                                              : DrawingChange::Kind::Lines;
    change.before = lines_.mid(prefix, n - prefix - suffix);
    change.after = next.mid(prefix, m - prefix - suffix);

    if (effect == Effect::Change && !(inGesture_ && gestureStepTaken_)) {
        redo_.clear();
        pushStep(undo_, lines_, current_, next);
        trimHistory();
        current_ = nextState_++;
        gestureStepTaken_ = inGesture_;
    }
    lines_ = std::move(next);
    ensureHeaderAndBackground(lines_, page_.width(), page_.height());
    if (prefix == 0) readPage();
    emit changed(change);
    tellModified(was);
    return true;
}

void Drawing::beginGesture() {
    inGesture_ = true;
    gestureStepTaken_ = false;
}

void Drawing::endGesture() {
    inGesture_ = false;
    gestureStepTaken_ = false;
}

void Drawing::pushStep(std::vector<Step>& stack, QStringList lines, quint64 state,
                       const QStringList& next) {
    const qint64 bytes = unsharedBytes(lines, next);
    stack.push_back({std::move(lines), state, bytes});
}

qint64 Drawing::historyBytes() const {
    qint64 total = 0;
    for (const Step& s : undo_)
        total += s.bytes;
    return total;
}

void Drawing::trimHistory() {
    qint64 total = 0;
    for (const Step& s : undo_)
        total += s.bytes;
    std::size_t drop = 0;
    while (drop < undo_.size() &&
           (undo_.size() - drop > std::size_t(kMaxHistorySteps) || total > kMaxHistoryBytes)) {
        total -= undo_[drop].bytes;
        ++drop;
    }
    undo_.erase(undo_.begin(), undo_.begin() + std::ptrdiff_t(drop));
}

void Drawing::restore(std::vector<Step>& from, std::vector<Step>& to) {
    const bool was = isModified();
    endGesture();
    Step step = std::move(from.back());
    from.pop_back();
    pushStep(to, lines_, current_, step.lines);
    lines_ = std::move(step.lines);
    current_ = step.state;
    readPage();
    emit changed(DrawingChange{});
    tellModified(was);
}

bool Drawing::undo() {
    if (undo_.empty()) return false;
    restore(undo_, redo_);
    return true;
}

bool Drawing::redo() {
    if (redo_.empty()) return false;
    restore(redo_, undo_);
    return true;
}

void Drawing::readPage() {
    if (lines_.isEmpty()) return;
    if (const std::optional<QSize> page = parseHeaderLine(lines_.first())) page_ = *page;
}

void Drawing::load(QStringList lines, std::optional<QSize> page) {
    const bool was = isModified();
    endGesture();
    if (page && !page->isEmpty()) page_ = *page;
    ensureHeaderAndBackground(lines, page_.width(), page_.height());
    // The header always states the page: one that did not read is rewritten.
    lines[0] = headerLine(page_.width(), page_.height());
    lines_ = std::move(lines);
    zoom_ = 1.0;
    undo_.clear();
    redo_.clear();
    current_ = saved_ = nextState_++;
    emit changed(DrawingChange{});
    tellModified(was);
}

void Drawing::rescale(const LineMap& map, double zoom) {
    auto remap = [&map](QStringList& lines) {
        for (qsizetype i = 2; i < lines.size(); ++i) {
            std::optional<QString> next = map(lines[i]);
            if (!next) return false;
            if (next->constData() != lines[i].constData()) lines[i] = std::move(*next);
        }
        return true;
    };
    remap(lines_); // the caller has made sure the drawing itself fits
    // Nearest steps first: a step that cannot follow takes every step beyond it along.
    for (std::vector<Step>* stack : {&undo_, &redo_})
        for (std::size_t i = stack->size(); i-- > 0;)
            if (!remap((*stack)[i].lines)) {
                stack->erase(stack->begin(), stack->begin() + std::ptrdiff_t(i) + 1);
                break;
            }
    zoom_ = zoom;
    emit changed(DrawingChange{});
}

void Drawing::noteExtent(int x1, int y1, int x2, int y2) {
    extent_.left = std::min({extent_.left, x1, x2});
    extent_.right = std::max({extent_.right, x1, x2});
    extent_.top = std::min({extent_.top, y1, y2});
    extent_.bottom = std::max({extent_.bottom, y1, y2});
    if (zoom_ != 1.0) return;
    largest_.setWidth(std::max(largest_.width(), std::abs(extent_.left - extent_.right)));
    largest_.setHeight(std::max(largest_.height(), std::abs(extent_.top - extent_.bottom)));
}

void Drawing::resetExtent() {
    extent_ = Box{};
    largest_ = QSize(0, 0);
}

} // namespace qel
