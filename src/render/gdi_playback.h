#pragma once

// Plays the graphics-device model that both metafile formats describe onto a Canvas: a device
// context (mapping, selected objects, text settings, current position), an object table and a
// path under construction. The format players decode records and call into this.

#include "render/canvas.h"

#include <QPointF>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace qel {

struct GdiPen {
    int style = 0;    // canvas pen style 0..6
    double width = 0; // logical units; 0 is one device pixel
    bool cosmetic = false;
    Colour colour = kBlack;
};

struct GdiBrush {
    int style = 0; // canvas brush style 0..7
    Colour colour = kWhite;
};

struct GdiFont {
    double height = 0; // logical units; negative is the character height, positive the cell height
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face = QStringLiteral("Arial");
};

struct GdiObject {
    enum Kind { None, Pen, Brush, Font, Other } kind = None;
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
};

enum class MapMode {
    Text = 1,
    LoMetric,
    HiMetric,
    LoEnglish,
    HiEnglish,
    Twips,
    Isotropic,
    Anisotropic
};

struct DcState {
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    Colour textColour = kBlack;
    Colour bkColour = kWhite;
    bool opaqueBackground = true;
    std::uint32_t textAlign = 0;
    bool clockwise = false;
    bool notXor = false;
    MapMode mapMode = MapMode::Text;
    QPointF windowOrg{0, 0}, windowExt{1, 1}, viewportOrg{0, 0}, viewportExt{1, 1};
    QTransform world;
    QPointF position{0, 0}; // current position, logical
};

enum class ArcShape { Arc, Chord, Pie, ArcTo };

class GdiPlayback {
public:
    // `deviceToTarget` maps device units of the metafile onto the canvas; `devicePerMm` is the
    // reference device's resolution, used by the metric mapping modes.
    GdiPlayback(Canvas& canvas, const QTransform& deviceToTarget, QPointF devicePerMm);

    DcState& dc() { return dc_; }

    // --- objects ---
    void createObject(std::uint32_t index, const GdiObject& object); // EMF: the index is given
    void createObjectInFreeSlot(const GdiObject& object);            // WMF: lowest free slot
    void selectObject(std::uint32_t index);
    void selectStockObject(std::uint32_t stock);
    void deleteObject(std::uint32_t index);
    void saveDc();
    void restoreDc(int relative);

    // --- geometry ---
    void moveTo(QPointF p);
    void lineTo(QPointF p);
    void polyline(const std::vector<QPointF>& points);
    void polylineTo(const std::vector<QPointF>& points);
    void polygon(const std::vector<QPointF>& points);
    void polyPolygon(const std::vector<std::vector<QPointF>>& polygons);
    // Cubic Bézier curves: start point then three points per curve. `to` continues from (and
    // moves) the current position.
    void polyBezier(const std::vector<QPointF>& points, bool to);
    void rectangle(const QRectF& box);
    void ellipse(const QRectF& box);
    void roundRect(const QRectF& box, QSizeF corner);
    void arc(ArcShape shape, const QRectF& box, QPointF start, QPointF end);
    void text(QPointF reference, const QString& text, std::uint32_t options, const QRectF* box);
    void setPixel(QPointF p, Colour c);
    void picture(const QRectF& box, const QImage& image);
    void patternBlit(const QRectF& box, std::uint32_t rop);

    // --- paths ---
    void beginPath();
    void endPath();
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();

    // Work done so far in flattened points; the players stop when it exceeds their budget.
    std::uint64_t work() const { return work_; }

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
    QPointF devicePerMm_;
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
