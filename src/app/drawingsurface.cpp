#include "app/drawingsurface.h"

#include "app/mdichild.h"
#include "render/painter_canvas.h"
#include "render/scaledcanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace qel {

DrawingSurface::DrawingSurface(TMDIChild* owner, int width, int height)
    : QWidget(owner), owner_(owner) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizeImage(width, height);
}

DrawingSurface::~DrawingSurface() = default;

namespace {

// A large page on a dense screen would take gigabytes; past this many image pixels the page gets
// fewer image pixels per page pixel (the screen then scales it up).
constexpr double kMaxImagePixels = 96.0 * 1024 * 1024;

} // namespace

double DrawingSurface::wantedRatio(int width, int height) const {
    const double screen = std::max(1.0, devicePixelRatioF());
    const double fits = std::sqrt(kMaxImagePixels / (double(width) * height));
    return std::max(1.0, std::min(screen, fits));
}

void DrawingSurface::resizeImage(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    canvas_.reset(); // the painter must end before the image is replaced
    const double ratio = wantedRatio(width, height);
    // Rounded, so that the image's size in page pixels comes back as the page's.
    QImage next(int(std::lround(width * ratio)), int(std::lround(height * ratio)),
                QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
    if (ScaledCanvas::paints(image_))
        canvas_ = std::make_unique<ScaledCanvas>(image_);
    else
        canvas_ = std::make_unique<PainterCanvas>(image_);
    setFixedSize(width, height);
    update();
}

bool DrawingSurface::event(QEvent* event) {
    // The window went to another screen: its ratio may differ.
    if (event->type() == QEvent::ScreenChangeInternal)
        QTimer::singleShot(0, this, &DrawingSurface::followScreenRatio);
    return QWidget::event(event);
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    // Shown on a screen of another ratio: painted again at that ratio, once this paint is done.
    if (wantedRatio(width(), height()) != image_.devicePixelRatio())
        QTimer::singleShot(0, this, &DrawingSurface::followScreenRatio);
    QPainter p(this);
    p.drawImage(QPoint(0, 0), image_); // the painter keeps to the part to repaint
}

void DrawingSurface::followScreenRatio() {
    const QSize page = image_.deviceIndependentSize().toSize();
    if (wantedRatio(page.width(), page.height()) == image_.devicePixelRatio()) return;
    resizeImage(page.width(), page.height());
    owner_->Dessine();
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
