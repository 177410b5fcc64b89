#pragma once

// Pen, brush and font as the records and the platform canvas know them: plain values that the
// current style, the canvases and the metafile writers share.

#include "document/colour.h"

#include <QString>

namespace qel {

enum class PenMode { Copy, NotXor };

// Pen styles 0..6: solid, dash, dot, dash-dot, dash-dot-dot, clear, inside-frame.
struct PenState {
    Colour colour = kBlack;
    int width = 1;
    int style = 0;
    PenMode mode = PenMode::Copy;
    bool operator==(const PenState&) const = default;
};

// Brush styles 0..7: solid, clear, horizontal, vertical, forward diagonal, backward diagonal,
// cross, diagonal cross.
struct BrushState {
    Colour colour = kWhite;
    int style = 0;
    bool operator==(const BrushState&) const = default;
};

struct FontState {
    QString name = QStringLiteral("Arial");
    int size = 12; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    Colour colour = kBlack;
    bool operator==(const FontState&) const = default;
};

// The current drawing style: what the palette holds and what the next shape is drawn and
// written with.
struct DrawingStyle {
    PenState pen;
    BrushState brush{kWhite, 1}; // clear, carrying the fill colour into the record
    FontState font;
    bool operator==(const DrawingStyle&) const = default;
};

} // namespace qel
