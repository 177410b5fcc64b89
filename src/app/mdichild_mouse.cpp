// The drawing window's mouse tools: pressing, dragging and releasing draw shapes; clicks build
// polygons and insert text and pictures.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

#include "document/record.h"
#include "edit/pictureinsert.h"
#include "edit/textinput.h"
#include "platform/messages.h"
#include "render/canvas.h"

#include <QFileInfo>

namespace qel {

namespace {

// Drags that leave the surface are written as if they had stopped at its edge.
int clampTo(int v, int limit) {
    return std::clamp(v, 0, std::max(0, limit - 1));
}

QString positionText(int x, int y) {
    return QStringLiteral("Position : (%1,%2)").arg(x).arg(y);
}

} // namespace

void TMDIChild::FormMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    StartX = x;
    StartY = y;
    StartFontSize = 0;
    ConcaveArc = button == Qt::LeftButton && shift == Qt::ControlModifier;
    if (ToolCode != ToolPointer) {
        Drawing = true;
        RestoreStyles();
    }
    if (ToolCode == ToolFreehand) {
        Points.last = 0;
        Points.points[0] = QPoint(x, y);
    }
    EndX = StartX;
    EndY = StartY;
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
    // Every move puts the arrow back, so the text tool's I-beam only shows until the pointer
    // moves after the tool was chosen.
    PaintBox1->setCursor(Qt::ArrowCursor);
    if (Drawing) {
        DrawShape(QPoint(StartX, StartY), QPoint(EndX, EndY), 15);
        EndX = x;
        EndY = y;
        DrawShape(QPoint(StartX, StartY), QPoint(EndX, EndY), 15);
    }
    if (frame_) frame_->setStatusText(0, positionText(x, y));
}

void TMDIChild::FormMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    if (!Drawing) return;
    // The last rubber band goes before the finished shape is drawn in copy mode. Free hand and
    // polyline bands grow with each call, and their final drawing covers the band anyway.
    if (ToolCode != ToolFreehand && ToolCode != ToolPolyline)
        DrawShape(QPoint(StartX, StartY), QPoint(EndX, EndY), 15);
    EndX = x;
    EndY = y;
    DrawShape(QPoint(StartX, StartY), QPoint(EndX, EndY), 4);
    if (!MultiClick && ToolCode != ToolText && ToolCode != ToolPicture) EcritForme();
    Drawing = false;
}

void TMDIChild::PaintBox1Click() {
    switch (ToolCode) {
    case ToolPolygon:
    case ToolPolyline:
        if (!MultiClick) {
            Points.last = 0;
            Points.points[0] = QPoint(StartX, StartY);
            MultiClick = true;
        } else if (Points.last <= 297) {
            Points.points[++Points.last] = QPoint(EndX, EndY);
        }
        return;
    case ToolText: {
        const std::optional<QString> typed = askShapeText(this);
        ShapeText = typed.value_or(QString());
        if (ShapeText.isEmpty()) return;
        // The text goes on transparently, as it repaints; the brush stays the palette's.
        const BrushState brush = canvas().brush();
        canvas().setBrushStyle(1);
        canvas().textOut(StartX, StartY, ShapeText);
        canvas().setBrush(brush);
        const QSize extent = canvas().textExtent(ShapeText);
        EndX = StartX + extent.width();
        EndY = StartY + extent.height();
        EcritForme();
        Dessine();
        return;
    }
    case ToolPicture: {
        const std::optional<InsertedPicture> picture = choosePicture(this);
        if (!picture) return;
        // A refused picture is still kept as the window's picture, with its name and kind.
        PictureBitmap = picture->image;
        PictureKind = picture->kind;
        PictureFileName = picture->upperCaseName;
        if (!fitsInRecord(PictureBitmap)) {
            showWarning(this, QStringLiteral("Image trop grande"));
            return;
        }
        EndX = StartX + PictureBitmap.width();
        EndY = StartY + PictureBitmap.height();
        EcritForme();
        Dessine();
        return;
    }
    default:
        return;
    }
}

void TMDIChild::PaintBox1DblClick() {
    if (!MultiClick) return;
    EcritForme();
    MultiClick = false;
    for (int i = 0; i <= 100; ++i)
        Points.points[i] = QPoint(0, 0);
}

void TMDIChild::EcritForme() {
    ShapeDraft draft;
    draft.tool = ToolCode;
    draft.start = QPoint(clampTo(StartX, PaintBox1->width()), clampTo(StartY, PaintBox1->height()));
    draft.end = QPoint(clampTo(EndX, PaintBox1->width()), clampTo(EndY, PaintBox1->height()));
    draft.concave = ConcaveArc;
    draft.multiClick = MultiClick;
    draft.points = &Points;
    draft.text = ShapeText;
    draft.picture = &PictureBitmap;
    draft.pictureKind = PictureKind;
    draft.style = GetStyles();

    const WrittenShape written = writeShape(draft);
    if (written.refused) return;
    StartX = written.start.x();
    StartY = written.start.y();
    EndX = draft.end.x();
    EndY = draft.end.y();
    if (!written.record.isEmpty()) {
        takeUndoCopy();
        ShapeList.append(written.record);
    }
    Dimensions(StartX, StartY, EndX, EndY);
    Modified = true;
    PaintBox1->update();
}

void TMDIChild::Dimensions(int x1, int y1, int x2, int y2) {
    DrawingExtent.left = std::min({DrawingExtent.left, x1, x2});
    DrawingExtent.right = std::max({DrawingExtent.right, x1, x2});
    DrawingExtent.top = std::min({DrawingExtent.top, y1, y2});
    DrawingExtent.bottom = std::max({DrawingExtent.bottom, y1, y2});
    if (ZoomFactor == 1.0) {
        LargestExtent.setWidth(
            std::max(LargestExtent.width(), std::abs(DrawingExtent.left - DrawingExtent.right)));
        LargestExtent.setHeight(
            std::max(LargestExtent.height(), std::abs(DrawingExtent.top - DrawingExtent.bottom)));
    }
    if (repainting_) return; // a repaint writes the display and the header once, at its end
    if (frame_)
        frame_->setStatusText(
            1, QStringLiteral("%1 x %2").arg(LargestExtent.width()).arg(LargestExtent.height()));
    if (!ShapeList.isEmpty()) ShapeList[0] = headerLine(PaintBox1->width(), PaintBox1->height());
}

} // namespace qel
