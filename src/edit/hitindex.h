#pragma once

// The boxes of a drawing's records filed by where they lie, kept between clicks: a click on a
// large drawing looks at the few records filed where it falls instead of testing every one.
// The index follows the lines it is asked about: a list it has seen costs nothing, a changed one
// costs a comparison of where each line's text lies and the new boxes of the lines that changed.

#include "render/boxgrid.h"

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <vector>

namespace qel {

class HitIndex {
public:
    // What frontmostAt(lines, p) answers.
    qsizetype frontmostAt(const QStringList& lines, QPoint p);

private:
    void follow(const QStringList& lines);
    void rebuild(const QStringList& lines);

    QStringList known_; // the lines indexed: while shared with the asked list, nothing changed
    std::vector<QRect> boxes_; // per line; empty where the line has no box
    BoxGrid grid_;
};

} // namespace qel
