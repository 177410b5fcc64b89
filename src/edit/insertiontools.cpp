#include "edit/insertiontools.h"

#include "render/canvas.h"

namespace qel {

void TextTool::press(ToolHost& host, const PointerInput& in) {
    start_ = in.pos;
    host.surfaceCanvas().setStyle(host.currentStyle());
}

void TextTool::click(ToolHost& host) {
    const QString text = host.askText().value_or(QString());
    if (text.isEmpty()) return;
    // The record's box is the text's extent in the current font.
    Canvas& canvas = host.surfaceCanvas();
    canvas.setStyle(host.currentStyle());
    const QSize extent = canvas.textExtent(text);

    ShapeDraft draft;
    draft.tool = Tool::Text;
    draft.start = start_;
    draft.end = start_ + QPoint(extent.width(), extent.height());
    draft.text = text;
    EcritForme(host, draft);
}

void PictureTool::press(ToolHost&, const PointerInput& in) {
    start_ = in.pos;
}

void PictureTool::click(ToolHost& host) {
    if (const std::optional<InsertedPicture> picture = host.askPicture())
        insertPicture(host, start_, *picture);
}

bool insertPicture(ToolHost& host, QPoint at, const InsertedPicture& picture) {
    if (!fitsInRecord(picture.image)) {
        host.showWarning(QStringLiteral("Image trop grande"));
        return false;
    }
    ShapeDraft draft;
    draft.tool = Tool::Picture;
    draft.start = at;
    draft.end = at + QPoint(picture.image.width(), picture.image.height());
    draft.picture = &picture.image;
    draft.pictureKind = picture.kind;
    return EcritForme(host, draft).has_value();
}

} // namespace qel
