#pragma once

#include <QPixmap>

namespace qel {

// The program's emblem, drawn in code so that no picture file has to ship: a few
// overlapping shapes of the kind the program draws, with the name beneath them when
// withName is set.
QPixmap drawLogo(const QSize& size, bool withName);

} // namespace qel
