#pragma once

#include "edit/tool.h"

#include <QImage>

namespace qel {

// The text tool: a click asks for one line of text and writes it where the press was.
class TextTool final : public MouseTool {
public:
    TextTool() : MouseTool(Tool::Text) {}
    void press(ToolHost& host, const PointerInput& in) override;
    void click(ToolHost& host) override;

private:
    QPoint start_;
};

// The picture tool: a click asks for a picture file and places it at its own size where the
// press was; pictures over the size limit are refused.
class PictureTool final : public MouseTool {
public:
    PictureTool() : MouseTool(Tool::Picture) {}
    void press(ToolHost& host, const PointerInput& in) override;
    void click(ToolHost& host) override;

private:
    QPoint start_;
};

// Places a picture at its own size with its top left corner at `at`, as the picture tool does
// (dropped and pasted pictures too). A picture over the size limit is refused with
// "Image trop grande" and changes nothing. Answers whether a record was written.
bool insertPicture(ToolHost& host, QPoint at, const InsertedPicture& picture);

} // namespace qel
