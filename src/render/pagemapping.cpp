#include "render/pagemapping.h"

#include "document/record.h"

#include <QPageLayout>
#include <algorithm>
#include <cmath>

namespace qel {

namespace {

// Far beyond any sheet, yet small enough that nothing derived from it overflows.
constexpr double kFar = 1e6;

int rounded(double v) {
    return int(std::nearbyint(std::clamp(v, -kFar, kFar))); // halves go to the even neighbour
}

// Horizontal and vertical margin offsets in target pixels.
int Mh(const Paper& paper, int millimetres, double scale) {
    return rounded(paper.pixels.width() / paper.millimetres.width() * (millimetres + 10) * scale);
}
int Mv(const Paper& paper, int millimetres, double scale) {
    return rounded(paper.pixels.height() / paper.millimetres.height() * (millimetres + 5) * scale);
}

} // namespace

bool Paper::usable() const {
    // A sheet under a millimetre, or one so dense it cannot be real, would make the margin
    // conversion divide by next to nothing.
    return pixels.width() > 0 && pixels.height() > 0 && millimetres.width() >= 1 &&
           millimetres.height() >= 1 && pixels.width() / millimetres.width() < 100 &&
           pixels.height() / millimetres.height() < 100;
}

Paper paperOf(const QPageLayout& layout) {
    if (!layout.isValid()) return Paper::a4();
    const Paper paper{layout.fullRectPixels(96).size(),
                      layout.fullRect(QPageLayout::Millimeter).size()};
    return paper.usable() ? paper : Paper::a4();
}

int PageMapping::x(int v) const {
    return offsetX + rounded(scale * v);
}

int PageMapping::y(int v) const {
    return offsetY + rounded(scale * v);
}

Box PageMapping::map(const Box& box) const {
    return {x(box.left), y(box.top), x(box.right), y(box.bottom)};
}

void PageMapping::map(PointBuffer& points) const {
    for (int i = 0; i < points.count(); ++i)
        points.points[i] = QPoint(x(points.points[i].x()), y(points.points[i].y()));
}

PageMapping pageMapping(const Paper& given, const PageSettings& settings) {
    const Paper paper = given.usable() ? given : Paper::a4();
    PageMapping m;
    m.scale = std::clamp(settings.enlargement, kMinEnlargement, kMaxEnlargement) * 0.01;
    m.offsetX = Mh(paper, std::clamp(settings.margins[0], 0, kMaxMargin), m.scale);
    m.offsetY = Mv(paper, std::clamp(settings.margins[1], 0, kMaxMargin), m.scale);
    return m;
}

} // namespace qel
