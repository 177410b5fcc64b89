#include "edit/tool.h"

#include "document/drawing.h"
#include "edit/dragtool.h"
#include "edit/insertiontools.h"
#include "edit/pointertool.h"
#include "edit/polygontool.h"

#include <algorithm>

namespace qel {

namespace {

// Drags that leave the surface are written as if they had stopped at its edge.
QPoint clampedTo(QPoint p, QSize surface) {
    return {std::clamp(p.x(), 0, std::max(0, surface.width() - 1)),
            std::clamp(p.y(), 0, std::max(0, surface.height() - 1))};
}

} // namespace

std::unique_ptr<MouseTool> makeTool(Tool tool) {
    switch (toolKind(tool).gesture) {
    case Gesture::Drag:
        return std::make_unique<DragTool>(tool);
    case Gesture::Clicks:
        return std::make_unique<PolygonTool>(tool);
    case Gesture::TypedText:
        return std::make_unique<TextTool>();
    case Gesture::Picture:
        return std::make_unique<PictureTool>();
    case Gesture::Select:
    case Gesture::Dialog:
        break;
    }
    return std::make_unique<PointerTool>();
}

std::optional<QPoint> EcritForme(ToolHost& host, ShapeDraft draft) {
    const QSize surface = host.surfaceSize();
    draft.start = clampedTo(draft.start, surface);
    draft.end = clampedTo(draft.end, surface);
    draft.style = styleFieldOf(host.currentStyle());
    const WrittenShape written = writeShape(draft);
    if (written.refused) return std::nullopt;
    if (!written.record.isEmpty())
        host.drawing().apply([&](QStringList& lines) { lines.append(written.record); });
    host.shapeMeasured(written.start, draft.end);
    return written.start;
}

} // namespace qel
