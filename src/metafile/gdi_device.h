#pragma once

// The graphics-device model that both metafile formats describe: a device context (mapping,
// selected objects, text settings, current position), an object table and a path under
// construction. The format decoders read records and call into a GdiDevice; the renderer's
// implementation plays them onto a canvas.

#include "document/colour.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
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

class GdiDevice {
public:
    virtual ~GdiDevice() = default;

    // `deviceToTarget` maps device units of the metafile onto the target; `devicePerMm` is the
    // reference device's resolution, used by the metric mapping modes.
    virtual void setDeviceMapping(const QTransform& deviceToTarget, QPointF devicePerMm) = 0;

    virtual DcState& dc() = 0;

    // --- objects ---
    virtual void createObject(std::uint32_t index, const GdiObject& object) = 0; // EMF: given index
    virtual void createObjectInFreeSlot(const GdiObject& object) = 0; // WMF: lowest free slot
    virtual void selectObject(std::uint32_t index) = 0;
    virtual void selectStockObject(std::uint32_t stock) = 0;
    virtual void deleteObject(std::uint32_t index) = 0;
    virtual void saveDc() = 0;
    virtual void restoreDc(int relative) = 0;

    // --- geometry ---
    virtual void moveTo(QPointF p) = 0;
    virtual void lineTo(QPointF p) = 0;
    virtual void polyline(const std::vector<QPointF>& points) = 0;
    virtual void polylineTo(const std::vector<QPointF>& points) = 0;
    virtual void polygon(const std::vector<QPointF>& points) = 0;
    virtual void polyPolygon(const std::vector<std::vector<QPointF>>& polygons) = 0;
    // Cubic Bézier curves: start point then three points per curve. `to` continues from (and
    // moves) the current position.
    virtual void polyBezier(const std::vector<QPointF>& points, bool to) = 0;
    virtual void rectangle(const QRectF& box) = 0;
    virtual void ellipse(const QRectF& box) = 0;
    virtual void roundRect(const QRectF& box, QSizeF corner) = 0;
    virtual void arc(ArcShape shape, const QRectF& box, QPointF start, QPointF end) = 0;
    virtual void text(QPointF reference, const QString& text, std::uint32_t options,
                      const QRectF* box) = 0;
    virtual void setPixel(QPointF p, Colour c) = 0;
    virtual void picture(const QRectF& box, const QImage& image) = 0;
    virtual void patternBlit(const QRectF& box, std::uint32_t rop) = 0;

    // --- paths ---
    virtual void beginPath() = 0;
    virtual void endPath() = 0;
    virtual void abortPath() = 0;
    virtual void closeFigure() = 0;
    virtual void fillPath() = 0;
    virtual void strokePath() = 0;
    virtual void strokeAndFillPath() = 0;

    // Work done so far in flattened points; the players stop when it exceeds their budget.
    virtual std::uint64_t work() const = 0;
};

} // namespace qel
