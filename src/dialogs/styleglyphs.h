#pragma once

#include <QIcon>

namespace qel {

// Small pictures for the style buttons of the object dialogs, drawn in code so that they need
// no image files and no symbol font.

// A sample stroke of pen style 0..5; the clear pen (5) is a faint outline crossed out.
QIcon penStyleGlyph(int style);
// A square filled solid (0) or left clear (1).
QIcon brushStyleGlyph(int style);
// A line with no head (0), a head at its start (1), at its end (2) or at both ends (3).
QIcon arrowGlyph(int code);

} // namespace qel
