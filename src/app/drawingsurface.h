#pragma once

#include <QImage>
#include <QWidget>
#include <memory>

namespace qel {

class Canvas;
class TMDIChild;

// PaintBox1: the drawing surface. It owns a persistent image that repaints and rubber bands draw
// on, and the canvas over it. The image holds the screen's device pixel ratio of pixels per page
// pixel, so the page is painted at the screen's own pixels; everything else (mouse, canvas,
// sizes) is in page pixels. Its paint event only copies the image to the screen, and on a
// screen of another ratio has the page painted again at that ratio. Pointer events go to the
// drawing window's handlers in the order they expect: down, click (left button released over the
// surface), up; a double click gives double-click, down, up and no click.
class DrawingSurface : public QWidget {
    Q_OBJECT

public:
    explicit DrawingSurface(TMDIChild* owner, int width, int height);
    ~DrawingSurface() override;

    // Resizes the image, in page pixels; the new area is white.
    void resizeImage(int width, int height);
    // Image pixels per page pixel: the screen's ratio, less for a page too large for it.
    double pixelRatio() const { return image_.devicePixelRatio(); }
    QImage& image() { return image_; }
    Canvas& canvas() { return *canvas_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    double wantedRatio(int width, int height) const;
    void followScreenRatio();

    TMDIChild* owner_;
    QImage image_;
    std::unique_ptr<Canvas> canvas_;
    bool pressFromDoubleClick_ = false;
};

} // namespace qel
