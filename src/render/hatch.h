#pragma once

#include <Qt>
#include <cstdint>

namespace qel {

// The 8 x 8 hatch of a brush style (2..7), anchored at the device origin: bit x of row y is set
// where the hatch draws pixel (x, y) modulo 8. Taken once from Qt's own pattern brushes, so
// spans filled by hand match those Qt fills exactly. Other styles give null.
const std::uint8_t* hatchRows(int brushStyle);

// Qt's brush for a brush style 0..7 (1, clear, has none).
Qt::BrushStyle qtBrushStyle(int brushStyle);

} // namespace qel
