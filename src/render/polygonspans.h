#pragma once

#include "render/outlinechain.h"

#include <QPoint>
#include <vector>

namespace qel {

// Interior of a closed polygon under the odd-even rule, sampled at pixel centres as Qt's aliased
// fill does, with the same fixed-point steps so that every pixel matches it. Rows are clipped to
// [top, bottom].
void polygonSpans(const QPoint* points, int count, int top, int bottom, std::vector<Span>& out);

} // namespace qel
