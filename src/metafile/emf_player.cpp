// Enhanced metafile records onto the device model.
#include "metafile/dib.h"
#include "metafile/metafile_formats.h"
#include "metafile/records.h"

#include <cmath>

namespace qel {

namespace {

QRectF boxAt(const RecordView& r, std::uint32_t off) {
    return QRectF(QPointF(r.i32(off), r.i32(off + 4)), QPointF(r.i32(off + 8), r.i32(off + 12)));
}

QPointF pointAt(const RecordView& r, std::uint32_t off) {
    return QPointF(r.i32(off), r.i32(off + 4));
}

std::vector<QPointF> points(const RecordView& r, std::uint32_t off, std::uint32_t count,
                            bool small) {
    std::vector<QPointF> out;
    if (!r.has(off, std::uint64_t(count) * (small ? 4 : 8))) return out;
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (small)
            out.emplace_back(r.i16(off + 4 * i), r.i16(off + 4 * i + 2));
        else
            out.emplace_back(r.i32(off + 8 * i), r.i32(off + 8 * i + 4));
    }
    return out;
}

std::vector<std::vector<QPointF>> polyPoints(const RecordView& r, bool small) {
    std::vector<std::vector<QPointF>> out;
    const std::uint32_t polys = r.u32(24);
    const std::uint32_t total = r.u32(28);
    if (!r.has(32, std::uint64_t(polys) * 4)) return out;
    std::uint64_t at = 32 + std::uint64_t(polys) * 4, used = 0;
    for (std::uint32_t i = 0; i < polys; ++i) {
        const std::uint32_t n = r.u32(32 + 4 * i);
        if (used + n > total) break;
        out.push_back(points(r, std::uint32_t(at), n, small));
        at += std::uint64_t(n) * (small ? 4 : 8);
        used += n;
    }
    return out;
}

QTransform xformAt(const RecordView& r, std::uint32_t off) {
    return QTransform(r.f32(off), r.f32(off + 4), r.f32(off + 8), r.f32(off + 12), r.f32(off + 16),
                      r.f32(off + 20));
}

bool usable(const QTransform& t) {
    const double det = t.m11() * t.m22() - t.m12() * t.m21();
    return std::isfinite(det) && det != 0 && std::isfinite(t.dx()) && std::isfinite(t.dy()) &&
           std::abs(t.dx()) < 1e9 && std::abs(t.dy()) < 1e9;
}

QImage recordDib(const RecordView& r, std::uint32_t offBmi, std::uint32_t cbBmi,
                 std::uint32_t offBits, std::uint32_t cbBits) {
    if (cbBmi == 0 || !r.has(offBmi, cbBmi) || !r.has(offBits, cbBits)) return {};
    return decodeDib(r.sub(offBmi, cbBmi), r.sub(offBits, cbBits));
}

QString utf16At(const RecordView& r, std::uint32_t off, std::uint32_t count) {
    QString s;
    if (!r.has(off, std::uint64_t(count) * 2)) return s;
    s.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        s.append(QChar(char16_t(r.u16(off + 2 * i))));
    return s;
}

void polyDraw(GdiDevice& gdi, const std::vector<QPointF>& pts, const RecordView& r,
              std::uint32_t typesAt) {
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const std::uint8_t type = r.u8(typesAt + i);
        switch (type & ~1u) {
        case 6: // move to
            gdi.moveTo(pts[i]);
            break;
        case 4: // Bézier: three points
            if (i + 2 < pts.size()) {
                gdi.polyBezier({pts[i], pts[i + 1], pts[i + 2]}, true);
                i += 2;
            }
            break;
        default: // line to
            gdi.lineTo(pts[i]);
            break;
        }
        if (type & 1) gdi.closeFigure();
    }
}

void playRecord(GdiDevice& gdi, std::uint32_t type, const RecordView& r) {
    DcState& dc = gdi.dc();
    switch (type) {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16: {
        const bool small = type >= EMR_POLYBEZIER16;
        const std::vector<QPointF> pts = points(r, 28, r.u32(24), small);
        switch (small ? type - (EMR_POLYBEZIER16 - EMR_POLYBEZIER) : type) {
        case EMR_POLYBEZIER:
            gdi.polyBezier(pts, false);
            break;
        case EMR_POLYGON:
            gdi.polygon(pts);
            break;
        case EMR_POLYLINE:
            gdi.polyline(pts);
            break;
        case EMR_POLYBEZIERTO:
            gdi.polyBezier(pts, true);
            break;
        case EMR_POLYLINETO:
            gdi.polylineTo(pts);
            break;
        }
        break;
    }
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYLINE16:
        for (const auto& poly : polyPoints(r, type == EMR_POLYPOLYLINE16))
            gdi.polyline(poly);
        break;
    case EMR_POLYPOLYGON:
    case EMR_POLYPOLYGON16:
        gdi.polyPolygon(polyPoints(r, type == EMR_POLYPOLYGON16));
        break;
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16: {
        const bool small = type == EMR_POLYDRAW16;
        const std::uint32_t n = r.u32(24);
        const std::vector<QPointF> pts = points(r, 28, n, small);
        polyDraw(gdi, pts, r, 28 + n * (small ? 4 : 8));
        break;
    }
    case EMR_SETWINDOWEXTEX:
        dc.windowExt = pointAt(r, 8);
        break;
    case EMR_SETWINDOWORGEX:
        dc.windowOrg = pointAt(r, 8);
        break;
    case EMR_SETVIEWPORTEXTEX:
        dc.viewportExt = pointAt(r, 8);
        break;
    case EMR_SETVIEWPORTORGEX:
        dc.viewportOrg = pointAt(r, 8);
        break;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX: { // scale viewport / window extent
        QPointF& ext = type == EMR_SCALEVIEWPORTEXTEX ? dc.viewportExt : dc.windowExt;
        const std::int32_t xd = r.i32(12), yd = r.i32(20);
        if (xd != 0 && yd != 0) ext = QPointF(ext.x() * r.i32(8) / xd, ext.y() * r.i32(16) / yd);
        break;
    }
    case EMR_SETPIXELV:
        gdi.setPixel(pointAt(r, 8), r.u32(16));
        break;
    case EMR_SETMAPMODE:
        if (r.u32(8) >= 1 && r.u32(8) <= 8) dc.mapMode = MapMode(r.u32(8));
        break;
    case EMR_SETBKMODE:
        dc.opaqueBackground = r.u32(8) == 2;
        break;
    case EMR_SETROP2:
        dc.notXor = r.u32(8) == 10;
        break;
    case EMR_SETTEXTALIGN:
        dc.textAlign = r.u32(8);
        break;
    case EMR_SETTEXTCOLOR:
        dc.textColour = r.u32(8);
        break;
    case EMR_SETBKCOLOR:
        dc.bkColour = r.u32(8);
        break;
    case EMR_MOVETOEX:
        gdi.moveTo(pointAt(r, 8));
        break;
    case EMR_LINETO:
        gdi.lineTo(pointAt(r, 8));
        break;
    case EMR_SAVEDC:
        gdi.saveDc();
        break;
    case EMR_RESTOREDC:
        gdi.restoreDc(r.i32(8));
        break;
    case EMR_SETWORLDTRANSFORM: {
        const QTransform t = xformAt(r, 8);
        if (usable(t)) dc.world = t;
        break;
    }
    case EMR_MODIFYWORLDTRANSFORM: {
        const QTransform t = xformAt(r, 8);
        const std::uint32_t mode = r.u32(32);
        if (mode == 1)
            dc.world = QTransform();
        else if (usable(t) && mode == 2)
            dc.world = t * dc.world;
        else if (usable(t) && mode == 3)
            dc.world = dc.world * t;
        else if (usable(t) && mode == 4)
            dc.world = t;
        break;
    }
    case EMR_SELECTOBJECT:
        gdi.selectObject(r.u32(8));
        break;
    case EMR_DELETEOBJECT:
        gdi.deleteObject(r.u32(8));
        break;
    case EMR_CREATEPEN: {
        GdiObject o;
        o.kind = GdiObject::Pen;
        o.pen = gdiPen(r.u32(12), r.i32(16), r.u32(24));
        gdi.createObject(r.u32(8), o);
        break;
    }
    case EMR_EXTCREATEPEN: {
        GdiObject o;
        o.kind = GdiObject::Pen;
        const std::uint32_t style = r.u32(28);
        o.pen = gdiPen(style, r.u32(32), r.u32(40));
        o.pen.cosmetic = !(style & 0x00010000) || r.u32(32) == 0;
        if (r.u32(36) == 1) // a pen painted with a null brush draws nothing
            o.pen.style = 5;
        gdi.createObject(r.u32(8), o);
        break;
    }
    case EMR_CREATEBRUSHINDIRECT: {
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush = gdiBrush(r.u32(12), r.u32(16), r.u32(20));
        gdi.createObject(r.u32(8), o);
        break;
    }
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT: { // pattern brushes: painted in the pattern's average colour
        GdiObject o;
        o.kind = GdiObject::Brush;
        o.brush = GdiBrush{0, 0x808080};
        const QImage pattern = recordDib(r, r.u32(16), r.u32(20), r.u32(24), r.u32(28));
        if (type == EMR_CREATEDIBPATTERNBRUSHPT && !pattern.isNull()) {
            const QRgb c =
                pattern.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0);
            o.brush.colour = rgbColour(qRed(c), qGreen(c), qBlue(c));
        }
        gdi.createObject(r.u32(8), o);
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
        GdiObject o;
        o.kind = GdiObject::Font;
        o.font.height = r.i32(12);
        o.font.weight = r.i32(28);
        o.font.italic = r.u8(32);
        o.font.underline = r.u8(33);
        o.font.strikeOut = r.u8(34);
        QString face = utf16At(r, 40, 32);
        face.truncate(face.indexOf(QChar(0)) < 0 ? face.size() : face.indexOf(QChar(0)));
        o.font.face = face;
        gdi.createObject(r.u32(8), o);
        break;
    }
    case EMR_ANGLEARC: { // ANGLEARC: a line to the arc's start, then the arc
        const QPointF c = pointAt(r, 8);
        const double radius = r.u32(16);
        const double a0 = r.f32(20), sweep = r.f32(24);
        if (!std::isfinite(a0) || !std::isfinite(sweep) || radius > 1e7) break;
        const int steps = int(std::clamp(std::abs(sweep) / 360.0 * 64 + 2, 2.0, 128.0));
        std::vector<QPointF> pts;
        for (int i = 0; i <= steps; ++i) {
            const double a = (a0 + sweep * i / steps) * 3.14159265358979323846 / 180.0;
            pts.emplace_back(c.x() + radius * std::cos(a), c.y() - radius * std::sin(a));
        }
        gdi.polylineTo(pts);
        break;
    }
    case EMR_ELLIPSE:
        gdi.ellipse(boxAt(r, 8));
        break;
    case EMR_RECTANGLE:
        gdi.rectangle(boxAt(r, 8));
        break;
    case EMR_ROUNDRECT:
        gdi.roundRect(boxAt(r, 8), QSizeF(r.i32(24), r.i32(28)));
        break;
    case EMR_ARC:
    case EMR_CHORD:
    case EMR_PIE:
    case EMR_ARCTO: {
        const ArcShape shape = type == EMR_ARC     ? ArcShape::Arc
                               : type == EMR_CHORD ? ArcShape::Chord
                               : type == EMR_PIE   ? ArcShape::Pie
                                                   : ArcShape::ArcTo;
        gdi.arc(shape, boxAt(r, 8), pointAt(r, 24), pointAt(r, 32));
        break;
    }
    case EMR_SETARCDIRECTION:
        dc.clockwise = r.u32(8) == 2;
        break;
    case EMR_BEGINPATH:
        gdi.beginPath();
        break;
    case EMR_ENDPATH:
        gdi.endPath();
        break;
    case EMR_CLOSEFIGURE:
        gdi.closeFigure();
        break;
    case EMR_FILLPATH:
        gdi.fillPath();
        break;
    case EMR_STROKEANDFILLPATH:
        gdi.strokeAndFillPath();
        break;
    case EMR_STROKEPATH:
        gdi.strokePath();
        break;
    case EMR_SELECTCLIPPATH:
    case EMR_ABORTPATH:
        gdi.abortPath();
        break; // a clip path is not drawn
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const std::uint32_t options = r.u32(52);
        const std::uint32_t n = r.u32(44), off = r.u32(48);
        QString text;
        if (type == EMR_EXTTEXTOUTW) {
            text = utf16At(r, off, n);
        } else if (const unsigned char* p = r.bytes(off, n)) {
            text = QString::fromLatin1(reinterpret_cast<const char*>(p), qsizetype(n));
        }
        const QRectF box = boxAt(r, 56);
        gdi.text(pointAt(r, 36), text, options, (options & 0x100) ? nullptr : &box);
        break;
    }
    case EMR_BITBLT:
    case EMR_STRETCHBLT: {
        const QRectF dest(QPointF(r.i32(24), r.i32(28)), QSizeF(r.i32(32), r.i32(36)));
        const std::uint32_t rop = r.u32(40);
        const QImage all = recordDib(r, r.u32(84), r.u32(88), r.u32(92), r.u32(96));
        if (r.u32(88) == 0) {
            gdi.patternBlit(dest, rop);
        } else if (!all.isNull()) {
            const int cw = type == EMR_STRETCHBLT ? r.i32(100) : int(dest.width());
            const int ch = type == EMR_STRETCHBLT ? r.i32(104) : int(dest.height());
            gdi.picture(dest, sourcePart(all, r.i32(44), r.i32(48), cw, ch, false));
        }
        break;
    }
    case EMR_SETDIBITSTODEVICE:
    case EMR_STRETCHDIBITS: {
        const int cw = r.i32(40), ch = r.i32(44);
        const QImage all = recordDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60));
        const QSizeF size =
            type == EMR_STRETCHDIBITS ? QSizeF(r.i32(72), r.i32(76)) : QSizeF(cw, ch);
        const QRectF dest(QPointF(r.i32(24), r.i32(28)), size);
        if (type == EMR_STRETCHDIBITS && r.u32(52) == 0)
            gdi.patternBlit(dest, r.u32(68));
        else if (!all.isNull())
            gdi.picture(dest, sourcePart(all, r.i32(32), r.i32(36), cw, ch, true));
        break;
    }
    default:
        break; // palettes, clipping, colour management, comments: nothing to draw
    }
}

} // namespace

void playEmf(const Metafile& file, GdiDevice& gdi, const QRect& target) {
    // Device units to hundredths of a millimetre, then the frame onto the target box.
    double mmPerDeviceX = 0.254 / 0.96, mmPerDeviceY = mmPerDeviceX; // 96 per inch by default
    if (file.device[0] > 0 && file.device[1] > 0 && file.millimetres[0] > 0 &&
        file.millimetres[1] > 0) {
        mmPerDeviceX = double(file.millimetres[0]) / file.device[0];
        mmPerDeviceY = double(file.millimetres[1]) / file.device[1];
    }
    const double frameW = double(file.frame[2]) - file.frame[0] + 1;
    const double frameH = double(file.frame[3]) - file.frame[1] + 1;
    const double sx = mmPerDeviceX * 100.0 * target.width() / frameW;
    const double sy = mmPerDeviceY * 100.0 * target.height() / frameH;
    const QTransform deviceToTarget(
        sx, 0, 0, sy, target.left() - double(file.frame[0]) * target.width() / frameW,
        target.top() - double(file.frame[1]) * target.height() / frameH);
    gdi.setDeviceMapping(deviceToTarget, QPointF(1 / mmPerDeviceX, 1 / mmPerDeviceY));
    for (const MetaRecord& rec : file.records) {
        if (gdi.work() > kMaxPlaybackWork) break;
        playRecord(gdi, rec.type, file.view(rec));
    }
}

} // namespace qel
