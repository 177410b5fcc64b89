#pragma once

#include <QIcon>
#include <QString>

namespace qel {

// The toolbar's pictures, drawn in code so that they stay sharp and need no image files.
QIcon toolbarGlyph(const QString& name);

} // namespace qel
