#pragma once

#include <QBrush>
#include <QColor>
#include <Qt>
#include <cstdint>
#include <vector>

namespace qel {

// The 8 x 8 hatch of a brush style (2..7), anchored at the device origin: bit x of row y is set
// where the hatch draws pixel (x, y) modulo 8. Taken once from Qt's own pattern brushes, so
// spans filled by hand match those Qt fills exactly. Other styles give null.
const std::uint8_t* hatchRows(int brushStyle);

// The hatch of a brush style (2..7) at `scale` pixels per page pixel, as a tile of 8 * scale
// rows of 8 * scale bytes, 1 where it draws, anchored at the image's origin: the lines of the
// page's hatch, drawn at the image's own pixels as hatchBrush draws them. Empty for other styles.
std::vector<std::uint8_t> hatchTile(int brushStyle, int scale);

// The hatch of a brush style (2..7) for an image of `ratio` pixels per page pixel: the same lines
// every 8 page pixels, one page pixel wide, drawn at the image's own pixels (a diagonal steps by
// one image pixel, not by a page pixel's block). Meant for a painter scaled by that ratio.
QBrush hatchBrush(int brushStyle, const QColor& colour, double ratio);

// Qt's brush for a brush style 0..7 (1, clear, has none).
Qt::BrushStyle qtBrushStyle(int brushStyle);

} // namespace qel
