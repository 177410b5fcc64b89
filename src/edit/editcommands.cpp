#include "edit/editcommands.h"

#include "document/record.h"
#include "document/recordparts.h"
#include "edit/selection.h"
#include "transform/moveresize.h"

#include <algorithm>

namespace qel {

QStringList Copier(const QStringList& lines) {
    QStringList out;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) {
            QString copy = lines[i];
            setMark(copy, kPlainMark);
            out << copy;
        }
    return out;
}

void Supprimer(QStringList& lines) {
    const auto from = std::min<qsizetype>(kFirstShape, lines.size());
    lines.erase(std::remove_if(lines.begin() + from, lines.end(), isSelected), lines.end());
}

void Coller(QStringList& lines, const QStringList& clipboard) {
    lines << clipboard;
}

void AvPlan(QStringList& lines) {
    qsizetype moved = 1;
    qsizetype i = kFirstShape;
    while (i <= lines.size() - moved) {
        if (i < lines.size() && isSelected(lines[i])) {
            lines.append(lines.takeAt(i));
            ++moved;
        } else {
            ++i;
        }
    }
}

void ArPlan(QStringList& lines) {
    for (qsizetype i = kFirstShape; i <= lines.size() - 1; ++i)
        if (isSelected(lines[i])) lines.move(i, kFirstShape);
}

void UnDessus(QStringList& lines) {
    qsizetype i = kFirstShape;
    while (i <= lines.size() - 2) {
        if (isSelected(lines[i])) {
            lines.swapItemsAt(i, i + 1);
            i += 2;
        } else {
            ++i;
        }
    }
}

void UnDessous(QStringList& lines) {
    for (qsizetype i = kFirstShape + 1; i <= lines.size() - 1; ++i)
        if (isSelected(lines[i])) lines.swapItemsAt(i, i - 1);
}

std::optional<int> nextGroup(const QStringList& lines) {
    int largest = 0;
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        largest = std::max(largest, groupOf(lines[i]));
    if (largest >= 9) return std::nullopt;
    return largest + 1;
}

void Grouper(QStringList& lines, int group) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) setGroup(lines[i], group);
}

void Separer(QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) setGroup(lines[i], 0);
}

void Verrouiller(QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (isSelected(lines[i])) setMark(lines[i], kLockedMark);
}

void Deverrouiller(QStringList& lines) {
    for (qsizetype i = kFirstShape; i < lines.size(); ++i)
        if (lines[i].size() >= 2 && markOf(lines[i]) != kPlainMark) setMark(lines[i], kPlainMark);
}

void Effacer(QStringList& lines, QSize page) {
    lines = {headerLine(page.width(), page.height()), kBlankBackground};
}

std::optional<QSize> Recadrer(QStringList& lines, int gridStep) {
    std::optional<Box> bounds;
    auto take = [&bounds](int x1, int y1, int x2, int y2) {
        if (!bounds) {
            bounds = Box{x1, y1, x2, y2};
            return;
        }
        bounds->left = std::min(bounds->left, x1);
        bounds->top = std::min(bounds->top, y1);
        bounds->right = std::max(bounds->right, x2);
        bounds->bottom = std::max(bounds->bottom, y2);
    };
    for (qsizetype i = kFirstShape; i < lines.size(); ++i) {
        const std::optional<Box> b = hitBox(lines[i]);
        if (!b) continue;
        take(b->left, b->top, b->right, b->bottom);
        const std::optional<RecordParts> parts = readParts(lines[i]);
        if (parts && parts->payloadKind() == Payload::Points)
            if (const auto points = readPoints(parts->payload))
                for (const QPoint& p : *points)
                    take(p.x(), p.y(), p.x(), p.y());
    }
    if (!bounds) return std::nullopt;
    const int dx = gridStep - bounds->left, dy = gridStep - bounds->top;
    // The drawing moves as a whole or not at all.
    QStringList moved = lines;
    for (qsizetype i = kFirstShape; i < moved.size(); ++i) {
        if (!hitBox(moved[i])) continue;
        const std::optional<QString> m = MoveXY(moved[i], dx, dy);
        if (!m) return std::nullopt;
        moved[i] = *m;
    }
    const QSize page(std::clamp(bounds->right - bounds->left + 2 * gridStep, 1, kMaxCoordinate),
                     std::clamp(bounds->bottom - bounds->top + 2 * gridStep, 1, kMaxCoordinate));
    moved[0] = headerLine(page.width(), page.height());
    lines = std::move(moved);
    return page;
}

} // namespace qel
