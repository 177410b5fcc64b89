#pragma once

#include "document/record.h"
#include "edit/tool.h"

namespace qel {

// Polygon and polyline: the first click opens the shape, each further click adds a vertex
// (299 at most), a double-click or a change of tool writes it.
class PolygonTool final : public MouseTool {
public:
    explicit PolygonTool(Tool tool) : MouseTool(tool) {}

    void press(ToolHost& host, const PointerInput& in) override;
    void move(ToolHost& host, QPoint to) override;
    void release(ToolHost& host, const PointerInput& in) override;
    void abandon() override { dragging_ = false; }
    void click(ToolHost& host) override;
    void doubleClick(ToolHost& host) override;
    void finish(ToolHost& host) override { doubleClick(host); }

    bool isOpen() const { return open_; }

private:
    void band(ToolHost& host, PenMode mode);
    void write(ToolHost& host);

    bool dragging_ = false;
    bool open_ = false;
    QPoint start_, end_;
    PointBuffer points_;
};

} // namespace qel
