#pragma once

// Records as the tests write them: one plain style field, and the lines of a new drawing.

#include "document/record.h"

#include <QStringList>

namespace qel::testing {

// A TAB and the style a new drawing starts with: clear brush, thin black pen, Arial 12.
inline const QString kPlainStyle = QStringLiteral("\t100FFFFFF00100000000000000000C0Arial");

// The header of a 640 x 480 page, the blank background, then `shapes`.
inline QStringList drawingOf(const QStringList& shapes = {}) {
    return QStringList{headerLine(640, 480), kBlankBackground} + shapes;
}

} // namespace qel::testing
