#pragma once

#include "render/canvas.h"
#include "render/outlinechain.h"
#include "render/thinline.h"
#include "render/widestroke.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <memory>
#include <optional>
#include <vector>

namespace qel {

class TextCache;
struct TextLayout;

// The canvas over QPainter: a window's image, an exported image, a printer page.
//
// Beyond the shared rules it behaves as the platform canvas does:
//  - a pen of width 0 draws one pixel wide; dashed styles only apply to one-pixel pens (wider
//    ones draw solid); lines and polylines leave out their last pixel;
//  - the not-xor mode applies to the figures (lines, polylines, polygons, rectangles, ellipses,
//    rounded rectangles, arcs, chords); text, fills, pictures, pixels and whiteness always copy.
//    It needs an image target; other targets draw in copy mode;
//  - font sizes are points on a 96-dpi surface for images (the device's resolution otherwise),
//    the same rule for textOut and textExtent; size 0 means 12 points.
//
// Several canvases may paint one image at once from different threads, each over its own QImage
// sharing the pixels and each confined to its own area.
//
// An image with a device pixel ratio above one (a window on a high-density screen, a scaled
// export) holds that many pixels per page pixel: coordinates, sizes and areas stay in page
// pixels, and Qt draws every figure, fill and text at the image's own pixels. A one-pixel pen
// then covers its page pixels' screen pixels, hatches keep their spacing in page pixels.
class PainterCanvas : public Canvas {
public:
    // Wider pens go through Qt's stroker: a disc stamped per path pixel would cost more. On an
    // image, a polygon's outline in such a pen is one pixel wide.
    static constexpr int kMaxStampedWidth = 16;

    explicit PainterCanvas(QImage& target);
    // Paints through a painter owned by the caller (printer pages); its state is restored when
    // the canvas goes away.
    PainterCanvas(QPainter& painter, QSize size);
    ~PainterCanvas() override;

    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    QSize size() const override { return size_; }

    // Changes only the pixels inside area from now on; every pixel inside comes out as it would
    // without it. Figures are still placed in the whole surface's coordinates.
    void setArea(const QRect& area);
    const QRect& area() const { return area_; }
    // For an image of this many pixels per page pixel painted in image pixels (see
    // ScaledCanvas): fonts this many times their size, hatches this many times their spacing,
    // and a pen exactly this wide dashed as a one-pixel pen of the page, its dashes this many
    // times longer.
    void setPixelScale(int scale);
    // Texts on an image are laid out and rasterised once and written from the cache afterwards;
    // without a cache every text goes through the painter.
    void setTextCache(TextCache* texts);
    // Puts the text, in the current font, into the text cache; answers whether it was there.
    bool cacheText(const QString& text);
    // Whether the text, in the current font, is in the text cache.
    bool knowsText(const QString& text);

    void line(QPoint from, QPoint to) override;
    void polyline(const QPoint* points, int count) override;
    void polygon(const QPoint* points, int count) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override;
    void arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void chord(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void textOut(int x, int y, const QString& text) override;
    QSize textExtent(const QString& text) override;
    QRect textInk(int x, int y, const QString& text) override;
    void setPixel(int x, int y, Colour c) override;
    Colour pixel(int x, int y) const override;
    void stretchDraw(int left, int top, int right, int bottom, const QImage& picture) override;
    void whiteness(int left, int top, int right, int bottom) override;

private:
    enum class Shape { Rect, Ellipse, Round };

    void setUp();
    bool figureMode();
    void copyMode();
    void refreshPen();
    void refreshBrush();
    // The Qt objects for the state last refreshed, built on first use.
    const QPen& qtPen();
    const QPen& pointPen();
    const QBrush& qtBrush();
    void refreshFont();
    bool thinPen() const { return pen_.width <= 1; }
    bool noOutline() const { return pen_.style == 5; }
    bool noFill() const { return brush_.style == 1; }
    void closedFigure(const QRect& box, int cornerWidth, int cornerHeight, Shape shape);
    void drawChain(const PixelChain& chain);
    bool direct() const;
    void stretchDirect(const QRect& box, const QImage& picture, bool mirrorX, bool mirrorY);
    void plot(const QPoint* points, std::size_t count);
    void fillSpans(const std::vector<Span>& spans);
    void paintSpans(const std::vector<Span>& spans, QRgb colour, const std::uint8_t* hatch);
    void thickArc(const QRect& box, QPoint start, QPoint end, bool closed);
    void fillBox(const QRect& box, QRgb colour, const std::uint8_t* hatch);
    bool stamped() const;
    const TextLayout* layoutFor(const QString& text);
    void writeText(int x, int y, const TextLayout& layout, QRgb colour);
    bool thinOnImage() const;
    void beginThin();
    void thinSegment(QPoint a, QPoint b);
    void endThin();
    void thinPolygon(const QPoint* points, int count);
    void beginStroke();
    void endStroke();
    void wideClosedFigure(const QRect& box, int cornerWidth, int cornerHeight);
    const PixelChain& dashesOf(const PixelChain& chain);
    void dashedStroke(const QPoint* points, int count, bool closed);
    bool scaled() const { return ratio_ != 1; }
    void scaledOutline(const QPoint* points, int count, bool closed);
    void drawWithPen(const QPainterPath& path, const QBrush& fill);
    double outlineOffset(bool insideFrame) const;

    std::optional<QPainter> ownPainter_;
    QPainter* p_ = nullptr;
    QImage* image_ = nullptr;       // direct pixel access when painting on an image
    QImage* scaledImage_ = nullptr; // an image of ratio_ pixels per page pixel, drawn by Qt
    double ratio_ = 1;
    QSize size_;
    QRect area_;           // where pixels may change: the surface, or less
    bool ownClip_ = false; // the painter's clip is area_, set here
    bool rasterOps_ = false;
    double dpi_ = 96;
    int pixelScale_ = 1;
    int scaledDash_[6] = {};
    std::vector<std::uint8_t> hatchTiles_[6]; // per hatched brush style, at the pixel scale

    // What was last turned into Qt objects, so unchanged state costs nothing.
    std::optional<PenState> penBuilt_;
    std::optional<BrushState> brushBuilt_;
    QPen qpen_;
    QPen pointPen_; // one pixel per point, for outlines built pixel by pixel
    QBrush qbrush_;
    Colour pointColour_ = kBlack; // of the last pen with an outline
    bool qpenStale_ = false, pointPenStale_ = false, qbrushStale_ = false;
    // Fonts met so far: a drawing uses a handful, again and again.
    struct FontEntry {
        FontState state;
        QFont font;
        QFontMetrics metrics;
        int textFont = -1; // its number in the text cache
    };
    std::vector<FontEntry> fonts_;
    int fontIndex_ = -1;
    int fontSet_ = -1;          // the entry the painter holds
    const int* dash_ = nullptr; // on/off run lengths for one-pixel dashed pens
    int dashLength_ = 0;
    bool notXorActive_ = false;

    TextCache* texts_ = nullptr;
    // The text last looked up: a painter asks for its ink, then paints it.
    QString memoText_;
    int memoFont_ = -1;
    std::shared_ptr<const TextLayout> memo_;

    PixelChain chain_;
    PixelChain points_;
    std::vector<Span> spans_;
    std::vector<QRect> rects_;
    WideStroke stroke_;
    ThinLine thin_;
    ThinLine::Target thinTarget_{};
    bool thinDirect_ = false;
};

} // namespace qel
