#include "app/drawingsurface.h"

#include "app/mdichild.h"
#include "render/painter_canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace qel {

DrawingSurface::DrawingSurface(TMDIChild* owner, int width, int height)
    : QWidget(owner), owner_(owner) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeImage(width, height);
}

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::resizeImage(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    canvas_.reset(); // the painter must end before the image is replaced
    QImage next(width, height, QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    canvas_ = std::make_unique<PainterCanvas>(image_);
    setFixedSize(width, height);
    update();
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    owner_->FormMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    owner_->FormMouseMove(event->buttons(), event->modifiers(), pos.x(), pos.y());
}

void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool click =
        event->button() == Qt::LeftButton && !pressFromDoubleClick_ && rect().contains(pos);
    pressFromDoubleClick_ = false;
    if (click) owner_->PaintBox1Click();
    owner_->FormMouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        pressFromDoubleClick_ = true;
        owner_->PaintBox1DblClick();
    }
    owner_->FormMouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

} // namespace qel
