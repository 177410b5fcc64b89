#include "document/recordkind.h"

#include <array>

namespace qel {

namespace {

// Ordered roughly by how often drawings use them: the painter looks every record up.
const std::array<RecordKind, 25> kKinds{{
    {u"LINE", Shape::Line, Payload::None, false, false, u"Ligne descendante", u"Ligne", 0},
    {u"RECT", Shape::Rect, Payload::None, false, false, u"Rectangle", u"Rectangle", 1},
    {u"TEXT", Shape::Text, Payload::Text, false, false, u"Texte", u"Texte", 2},
    {u"DRAW", Shape::Freehand, Payload::Points, false, false, u"Dessin libre", u"Dessin libre", 0},
    {u"POLYG", Shape::Polygon, Payload::Points, false, false, u"Polygone", u"Polygône", 1},
    {u"POLYL", Shape::Polyline, Payload::Points, false, false, u"Ligne brisée", u"Ligne brisée", 0},
    {u"LINEU", Shape::Line, Payload::None, false, true, u"Ligne montante", u"Ligne", 0},
    {u"ELLIPSE", Shape::Ellipse, Payload::None, false, false, u"Ellipse", u"Ellipse", 1},
    {u"ROUNDRECT", Shape::RoundRect, Payload::None, false, false, u"Rectangle arrondi",
     u"Rectangle arrondi", 1},
    {u"ARCL", Shape::Arc, Payload::None, true, false, u"Arc concave descendant", u"Arc", 0},
    {u"ARCH", Shape::Arc, Payload::None, false, false, u"Arc convexe descendant", u"Arc", 0},
    {u"ARCLU", Shape::Arc, Payload::None, true, true, u"Arc concave montant", u"Arc", 0},
    {u"ARCHU", Shape::Arc, Payload::None, false, true, u"Arc convexe montant", u"Arc", 0},
    {u"CHORDL", Shape::Chord, Payload::None, true, false, u"Hémisphère concave descendant",
     u"Hémicycle", 1},
    {u"CHORDH", Shape::Chord, Payload::None, false, false, u"Hémisphère convexe descendant",
     u"Hémicycle", 1},
    {u"CHORDLU", Shape::Chord, Payload::None, true, true, u"Hémisphère concave montant",
     u"Hémicycle", 1},
    {u"CHORDHU", Shape::Chord, Payload::None, false, true, u"Hémisphère convexe montant",
     u"Hémicycle", 1},
    {u"BITMAP", Shape::Picture, Payload::Pixels, false, false, u"Image bitmap"},
    {u"META", Shape::Picture, Payload::Pixels, false, false, u"Image Metafile"},
    {u"CHART", Shape::Chart, Payload::ChartData},
    {u"FILLRECT", Shape::Background},
    {u"SHAPE", Shape::Background},
    {u"COLOR", Shape::Background},
    {u"COLORU", Shape::Background},
    {u"MOSAIC", Shape::Background},
}};

} // namespace

const RecordKind* recordKind(QStringView keyword) {
    for (const RecordKind& k : kKinds)
        if (k.keyword.size() == keyword.size() && k.keyword == keyword) return &k;
    return nullptr;
}

QString listNameOf(QStringView keyword) {
    const RecordKind* k = recordKind(keyword);
    if (!k || k->listName.isEmpty()) return QStringLiteral("????????????");
    return k->listName.toString();
}

QString lineKeyword(bool rising) {
    return rising ? QStringLiteral("LINEU") : QStringLiteral("LINE");
}

QString halfEllipseKeyword(Shape shape, bool lower, bool rising) {
    QString k = shape == Shape::Chord ? QStringLiteral("CHORD") : QStringLiteral("ARC");
    k += lower ? u'L' : u'H';
    if (rising) k += u'U';
    return k;
}

} // namespace qel
