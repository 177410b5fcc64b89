#include "edit/selection.h"

#include "edit/hitindex.h"

#include <algorithm>

namespace qel {

std::optional<Box> hitBox(const QString& line) {
    const std::optional<Box> b = storedBox(line);
    if (!b) return std::nullopt;
    return Box{std::min(b->left, b->right), std::min(b->top, b->bottom),
               std::max(b->left, b->right), std::max(b->top, b->bottom)};
}

bool Insel(const QString& line, QPoint p) {
    const std::optional<Box> b = hitBox(line);
    return b && p.x() >= b->left && p.x() <= b->right && p.y() >= b->top && p.y() <= b->bottom;
}

qsizetype frontmostAt(const QStringList& lines, QPoint p) {
    constexpr qsizetype kAhead = 8;
    for (qsizetype i = lines.size() - 1; i >= kFirstShape; --i) {
        // Each line's text lies apart from the others: asking for it a few lines ahead keeps a
        // drawing too large for the caches from waiting on memory at every line.
        if (i - kAhead >= kFirstShape) __builtin_prefetch(lines[i - kAhead].constData());
        if (lines[i].size() >= 2 && !isLocked(lines[i]) && Insel(lines[i], p)) return i;
    }
    return -1;
}

namespace {

// A member of a group brings the whole group, itself included.
void selectGroupOf(QStringList& lines, const QString& member) {
    const int g = groupOf(member);
    if (g == 0) return;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (lines[i].size() >= 2 && groupOf(lines[i]) == g && !isLocked(lines[i]))
            setMark(lines[i], kSelectedMark);
}

} // namespace

bool Selectionne(QStringList& lines, QPoint p, HitIndex* index) {
    const qsizetype pick = index ? index->frontmostAt(lines, p) : frontmostAt(lines, p);
    if (pick < 0) return false;
    QString& line = lines[pick];
    setMark(line, isSelected(line) ? kPlainMark : kSelectedMark);
    selectGroupOf(lines, lines[pick]);
    return true;
}

void selectLine(QStringList& lines, qsizetype index) {
    if (index < kFirstShape || index >= lines.size() || lines[index].size() < 2) return;
    if (!isLocked(lines[index])) setMark(lines[index], kSelectedMark);
    selectGroupOf(lines, lines[index]);
}

void clearSelection(QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) setMark(lines[i], kPlainMark);
}

void ToutSel(QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (lines[i].size() >= 2 && !isLocked(lines[i]) && !isSelected(lines[i]))
            setMark(lines[i], kSelectedMark);
}

bool hasSelection(const QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) return true;
    return false;
}

int selectedCount(const QStringList& lines) {
    int n = 0;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        n += isSelected(lines[i]);
    return n;
}

std::optional<Box> selectionBox(const QStringList& lines) {
    std::optional<Box> out;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i) {
        if (!isSelected(lines[i])) continue;
        const std::optional<Box> b = hitBox(lines[i]);
        if (!b) continue;
        if (!out) {
            out = b;
            continue;
        }
        out->left = std::min(out->left, b->left);
        out->top = std::min(out->top, b->top);
        out->right = std::max(out->right, b->right);
        out->bottom = std::max(out->bottom, b->bottom);
    }
    return out;
}

QPoint handleCentre(const Box& b, int handle) {
    const int w2 = std::abs(b.right - b.left) / 2;
    const int h2 = std::abs(b.bottom - b.top) / 2;
    switch (handle) {
    case 1:
        return {b.left, b.top};
    case 2:
        return {b.right, b.top};
    case 3:
        return {b.left, b.bottom};
    case 4:
        return {b.right, b.bottom};
    case 5:
        return {b.left, b.top + h2};
    case 6:
        return {b.right, b.top + h2};
    case 7:
        return {b.left + w2, b.top};
    default:
        return {b.left + w2, b.bottom};
    }
}

SelectionHover CurseurSel(const Box& b, QPoint p) {
    SelectionHover hover;
    hover.inside = b.left < p.x() && p.x() < b.right && b.top < p.y() && p.y() < b.bottom;
    for (int h = 1; h <= kHandles; ++h) {
        const QPoint c = handleCentre(b, h);
        if (std::abs(p.x() - c.x()) < 5 && std::abs(p.y() - c.y()) < 5) hover.handle = h;
    }
    return hover;
}

void Deplace(QStringList& lines, int dx, int dy) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i]))
            if (std::optional<QString> moved = MoveXY(lines[i], dx, dy)) lines[i] = *moved;
}

void RedimSel(QStringList& lines, int dx, int dy, int handle, std::vector<TextResize>& texts,
              const TextMeasure& measure) {
    if (texts.size() < std::size_t(lines.size())) texts.resize(std::size_t(lines.size()));
    for (qsizetype i = kFirstShape; i < lines.size(); ++i) {
        if (!isSelected(lines[i])) continue;
        TextResize& text = texts[std::size_t(i)];
        text.measure = measure;
        if (std::optional<QString> resized = RedimXY(lines[i], dx, dy, handle, &text))
            lines[i] = *resized;
    }
}

void refitSelectedTexts(QStringList& lines, const TextMeasure& measure) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i]))
            if (std::optional<QString> fitted = Recadre(lines[i], measure)) lines[i] = *fitted;
}

} // namespace qel
