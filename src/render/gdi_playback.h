#pragma once

// Plays the graphics-device model that both metafile formats describe onto a Canvas: a device
// context (mapping, selected objects, text settings, current position), an object table and a
// path under construction. The format players decode records and call into this.

#include "metafile/gdi_device.h"
#include "render/canvas.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace qel {

class GdiPlayback final : public GdiDevice {
public:
    explicit GdiPlayback(Canvas& canvas);
    void setDeviceMapping(const QTransform& deviceToTarget, QPointF devicePerMm) override;

    DcState& dc() override { return dc_; }

    // --- objects ---
    void createObject(std::uint32_t index, const GdiObject& object) override;
    void createObjectInFreeSlot(const GdiObject& object) override;
    void selectObject(std::uint32_t index) override;
    void selectStockObject(std::uint32_t stock) override;
    void deleteObject(std::uint32_t index) override;
    void saveDc() override;
    void restoreDc(int relative) override;

    // --- geometry ---
    void moveTo(QPointF p) override;
    void lineTo(QPointF p) override;
    void polyline(const std::vector<QPointF>& points) override;
    void polylineTo(const std::vector<QPointF>& points) override;
    void polygon(const std::vector<QPointF>& points) override;
    void polyPolygon(const std::vector<std::vector<QPointF>>& polygons) override;
    // Cubic Bézier curves: start point then three points per curve. `to` continues from (and
    // moves) the current position.
    void polyBezier(const std::vector<QPointF>& points, bool to) override;
    void rectangle(const QRectF& box) override;
    void ellipse(const QRectF& box) override;
    void roundRect(const QRectF& box, QSizeF corner) override;
    void arc(ArcShape shape, const QRectF& box, QPointF start, QPointF end) override;
    void text(QPointF reference, const QString& text, std::uint32_t options,
              const QRectF* box) override;
    void setPixel(QPointF p, Colour c) override;
    void picture(const QRectF& box, const QImage& image) override;
    void patternBlit(const QRectF& box, std::uint32_t rop) override;

    // --- paths ---
    void beginPath() override;
    void endPath() override;
    void abortPath() override;
    void closeFigure() override;
    void fillPath() override;
    void strokePath() override;
    void strokeAndFillPath() override;

    // Work done so far in flattened points; the players stop when it exceeds their budget.
    std::uint64_t work() const override { return work_; }

private:
    QTransform logicalToTarget() const;
    QPointF map(QPointF p) const { return logicalToTarget().map(p); }
    QPoint mapRound(QPointF p) const;
    bool axisAligned() const;
    double lineScale() const;

    void applyPen();
    void applyBrush();
    void applyNoPen();
    void applyNoBrush();

    // Sends points (already in target space) to the canvas or to the path being recorded.
    void emitPolyline(const std::vector<QPointF>& target);
    void emitPolygon(const std::vector<QPointF>& target);
    void addToPath(const std::vector<QPointF>& target, bool closed);
    std::vector<QPointF> flattenArc(const QRectF& box, QPointF start, QPointF end, bool full) const;
    std::vector<QPoint> toCanvas(const std::vector<QPointF>& target);

    Canvas& canvas_;
    QTransform deviceToTarget_;
    QPointF devicePerMm_{96 / 25.4, 96 / 25.4};
    DcState dc_;
    std::vector<DcState> saved_;
    std::vector<GdiObject> objects_;

    struct Figure {
        std::vector<QPointF> points; // target space
        bool closed = false;
    };
    bool inPath_ = false;
    std::vector<Figure> path_;
    std::uint64_t work_ = 0;
};

} // namespace qel
