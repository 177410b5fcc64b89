#pragma once

#include <QIcon>
#include <QString>

namespace qel {

// The tool palette's pictures, drawn in code: one per tool, by the glyph name of its row in the
// tool table, per pen style ("pen0".."pen5") and per brush style ("brush0".."brush7"). A name
// without a picture gives a null icon.
QIcon paletteGlyph(const QString& name);

} // namespace qel
