#include "document/recordkind.h"

#include <array>

namespace qel {

namespace {

using S = Shape;
using P = Payload;
using V = Variant;
using T = Tool;

// Ordered roughly by how often drawings use them: the painter looks every record up. A tool's
// first row is the keyword it writes when the drag chooses no variant.
constexpr RecordKind kKinds[] = {
    {u"LINE", S::Line, T::Line, V::Diagonal, P::None, false, false, u"Ligne descendante", u"Ligne",
     0},
    {u"RECT", S::Rect, T::Rect, V::Fixed, P::None, false, false, u"Rectangle", u"Rectangle", 1},
    {u"TEXT", S::Text, T::Text, V::Fixed, P::Text, false, false, u"Texte", u"Texte", 2},
    {u"DRAW", S::Freehand, T::Freehand, V::Fixed, P::Points, false, false, u"Dessin libre",
     u"Dessin libre", 0},
    {u"POLYG", S::Polygon, T::Polygon, V::Fixed, P::Points, false, false, u"Polygone", u"Polygône",
     1},
    {u"POLYL", S::Polyline, T::Polyline, V::Fixed, P::Points, false, false, u"Ligne brisée",
     u"Ligne brisée", 0},
    {u"LINEU", S::Line, T::Line, V::Diagonal, P::None, false, true, u"Ligne montante", u"Ligne", 0},
    {u"ELLIPSE", S::Ellipse, T::Ellipse, V::Fixed, P::None, false, false, u"Ellipse", u"Ellipse",
     1},
    {u"ROUNDRECT", S::RoundRect, T::RoundRect, V::Fixed, P::None, false, false,
     u"Rectangle arrondi", u"Rectangle arrondi", 1},
    {u"ARCL", S::Arc, T::Arc, V::HalfEllipse, P::None, true, false, u"Arc concave descendant",
     u"Arc", 0},
    {u"ARCH", S::Arc, T::Arc, V::HalfEllipse, P::None, false, false, u"Arc convexe descendant",
     u"Arc", 0},
    {u"ARCLU", S::Arc, T::Arc, V::HalfEllipse, P::None, true, true, u"Arc concave montant", u"Arc",
     0},
    {u"ARCHU", S::Arc, T::Arc, V::HalfEllipse, P::None, false, true, u"Arc convexe montant", u"Arc",
     0},
    {u"CHORDL", S::Chord, T::Chord, V::HalfEllipse, P::None, true, false,
     u"Hémisphère concave descendant", u"Hémicycle", 1},
    {u"CHORDH", S::Chord, T::Chord, V::HalfEllipse, P::None, false, false,
     u"Hémisphère convexe descendant", u"Hémicycle", 1},
    {u"CHORDLU", S::Chord, T::Chord, V::HalfEllipse, P::None, true, true,
     u"Hémisphère concave montant", u"Hémicycle", 1},
    {u"CHORDHU", S::Chord, T::Chord, V::HalfEllipse, P::None, false, true,
     u"Hémisphère convexe montant", u"Hémicycle", 1},
    {u"BITMAP", S::Picture, T::Picture, V::Fixed, P::Pixels, false, false, u"Image bitmap"},
    {u"META", S::Picture, T::Picture, V::Fixed, P::Pixels, false, false, u"Image Metafile"},
    {u"CHART", S::Chart, T::Chart, V::Fixed, P::ChartData},
    {u"FILLRECT", S::Background},
    {u"SHAPE", S::Background},
    {u"COLOR", S::Background},
    {u"COLORU", S::Background},
    {u"MOSAIC", S::Background},
};

using G = Gesture;

// Palette order.
constexpr ToolKind kTools[] = {
    {T::Pointer, G::Select, u"MoveButton", u"Pointeur", u"pointer"},
    {T::Text, G::TypedText, u"TextButton", u"Texte", u"text"},
    {T::Picture, G::Picture, u"PictButton", u"Image", u"picture"},
    {T::Line, G::Drag, u"LineButton", u"Trait", u"line"},
    {T::Arc, G::Drag, u"ArcButton", u"Arc", u"arc"},
    {T::Polyline, G::Clicks, u"PolylButton", u"Ligne brisée", u"polyline"},
    {T::Polygon, G::Clicks, u"PolyButton", u"Polygône", u"polygon"},
    {T::Rect, G::Drag, u"RectangleButton", u"Rectangle", u"rectangle"},
    {T::Ellipse, G::Drag, u"EllipseButton", u"Ellipse", u"ellipse"},
    {T::RoundRect, G::Drag, u"RoundRectButton", u"Rectangle arrondi", u"roundrect"},
    {T::Freehand, G::Drag, u"DrawButton", u"Dessin libre", u"freehand"},
    {T::Chord, G::Drag, u"ChordButton", u"Hémisphère", u"chord"},
    {T::Chart, G::Dialog},
};

constexpr bool everyToolOnce() {
    for (int t = 0; t < kToolCount; ++t) {
        int rows = 0;
        for (const ToolKind& k : kTools)
            rows += int(k.tool) == t;
        if (rows != 1) return false;
    }
    return std::size(kTools) == std::size_t(kToolCount);
}
static_assert(everyToolOnce(), "every tool has exactly one row");

} // namespace

const RecordKind* recordKind(QStringView keyword) {
    for (const RecordKind& k : kKinds)
        if (k.keyword.size() == keyword.size() && k.keyword == keyword) return &k;
    return nullptr;
}

std::span<const ToolKind> toolKinds() {
    return kTools;
}

const ToolKind& toolKind(Tool tool) {
    for (const ToolKind& t : kTools)
        if (t.tool == tool) return t;
    return kTools[0]; // not reached: every tool has a row
}

const RecordKind* kindOfTool(Tool tool) {
    for (const RecordKind& k : kKinds)
        if (k.tool == tool) return &k;
    return nullptr;
}

QString listNameOf(QStringView keyword) {
    const RecordKind* k = recordKind(keyword);
    if (!k || k->listName.isEmpty()) return QStringLiteral("????????????");
    return k->listName.toString();
}

const RecordKind& variantOf(const RecordKind& kind, bool lower, bool rising) {
    if (kind.variant == Variant::Fixed) return kind;
    for (const RecordKind& k : kKinds)
        if (k.shape == kind.shape && k.rising == rising &&
            (kind.variant != Variant::HalfEllipse || k.lower == lower))
            return k;
    return kind;
}

} // namespace qel
