#pragma once

#include <QIcon>
#include <QString>

namespace qel {

// The tool palette's pictures, drawn in code: one per tool ("pointer", "text", "picture",
// "line", "arc", "polyline", "polygon", "rectangle", "ellipse", "roundrect", "freehand",
// "chord"), per pen style ("pen0".."pen5") and per brush style ("brush0".."brush7").
QIcon paletteGlyph(const QString& name);

} // namespace qel
