// Windows metafile records onto the device model. The picture's window is mapped onto the
// target box; the file's own viewport settings are left out, as players of this format do.
#include "metafile/dib.h"
#include "metafile/metafile_formats.h"
#include "metafile/records.h"

namespace qel {

namespace {

// WMF stores coordinates y before x, and boxes bottom, right, top, left.
QPointF pointYX(const RecordView& r, std::uint32_t off) {
    return QPointF(r.i16(off + 2), r.i16(off));
}

QRectF boxBRTL(const RecordView& r, std::uint32_t off) {
    return QRectF(QPointF(r.i16(off + 6), r.i16(off + 4)), QPointF(r.i16(off + 2), r.i16(off)));
}

std::vector<QPointF> pointsXY(const RecordView& r, std::uint32_t off, std::uint32_t count) {
    std::vector<QPointF> out;
    if (!r.has(off, std::uint64_t(count) * 4)) return out;
    out.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i)
        out.emplace_back(r.i16(off + 4 * i), r.i16(off + 4 * i + 2));
    return out;
}

QString cp1252At(const RecordView& r, std::uint32_t off, std::uint32_t count) {
    static const char16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString s;
    const unsigned char* p = r.bytes(off, count);
    if (!p) return s;
    s.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (p[i] == 0) break;
        s.append(QChar(p[i] >= 0x80 && p[i] < 0xA0 ? high[p[i] - 0x80] : char16_t(p[i])));
    }
    return s;
}

QImage packedDib(const RecordView& r, std::uint32_t off) {
    RecordView info, bits;
    if (!r.has(off, 40) || !splitPackedDib(r.sub(off, r.size() - off), info, bits)) return {};
    return decodeDib(info, bits);
}

void createObject(GdiDevice& gdi, GdiObject::Kind kind, const GdiPen& pen = {},
                  const GdiBrush& brush = {}, const GdiFont& font = {}) {
    GdiObject o;
    o.kind = kind;
    o.pen = pen;
    o.brush = brush;
    o.font = font;
    gdi.createObjectInFreeSlot(o);
}

void playRecord(GdiDevice& gdi, std::uint32_t function, const RecordView& r) {
    DcState& dc = gdi.dc();
    switch (function) {
    case WMR_POLYGON:
        gdi.polygon(pointsXY(r, 8, std::uint16_t(r.i16(6))));
        break;
    case WMR_POLYLINE:
        gdi.polyline(pointsXY(r, 8, std::uint16_t(r.i16(6))));
        break;
    case WMR_POLYPOLYGON: {
        const std::uint32_t polys = r.u16(6);
        std::vector<std::vector<QPointF>> all;
        std::uint64_t at = 8 + std::uint64_t(polys) * 2;
        for (std::uint32_t i = 0; i < polys && at <= r.size(); ++i) {
            const std::uint32_t n = r.u16(8 + 2 * i);
            all.push_back(pointsXY(r, std::uint32_t(at), n));
            at += std::uint64_t(n) * 4;
        }
        gdi.polyPolygon(all);
        break;
    }
    case WMR_MOVETO:
        gdi.moveTo(pointYX(r, 6));
        break;
    case WMR_LINETO:
        gdi.lineTo(pointYX(r, 6));
        break;
    case WMR_RECTANGLE:
        gdi.rectangle(boxBRTL(r, 6));
        break;
    case WMR_ELLIPSE:
        gdi.ellipse(boxBRTL(r, 6));
        break;
    case WMR_ROUNDRECT:
        gdi.roundRect(boxBRTL(r, 10), QSizeF(r.i16(8), r.i16(6)));
        break;
    case WMR_ARC:
    case WMR_CHORD:
    case WMR_PIE: {
        const ArcShape shape = function == WMR_ARC     ? ArcShape::Arc
                               : function == WMR_CHORD ? ArcShape::Chord
                                                       : ArcShape::Pie;
        gdi.arc(shape, boxBRTL(r, 14), pointYX(r, 10), pointYX(r, 6));
        break;
    }
    case WMR_SETWINDOWORG:
        dc.windowOrg = pointYX(r, 6);
        break;
    case WMR_SETWINDOWEXT:
        dc.windowExt = pointYX(r, 6);
        break;
    case WMR_OFFSETWINDOWORG:
        dc.windowOrg += pointYX(r, 6);
        break;
    case WMR_SCALEWINDOWEXT: { // SCALEWINDOWEXT: yDenom, yNum, xDenom, xNum
        const int yd = r.i16(6), yn = r.i16(8), xd = r.i16(10), xn = r.i16(12);
        if (xd != 0 && yd != 0)
            dc.windowExt = QPointF(dc.windowExt.x() * xn / xd, dc.windowExt.y() * yn / yd);
        break;
    }
    case WMR_SETMAPMODE:
        dc.mapMode = r.u16(6) == 7 ? MapMode::Isotropic : MapMode::Anisotropic;
        break;
    case WMR_SETBKMODE:
        dc.opaqueBackground = r.u16(6) == 2;
        break;
    case WMR_SETROP2:
        dc.notXor = r.u16(6) == 10;
        break;
    case WMR_SETTEXTALIGN:
        dc.textAlign = r.u16(6);
        break;
    case WMR_SETTEXTCOLOR:
        dc.textColour = r.u32(6);
        break;
    case WMR_SETBKCOLOR:
        dc.bkColour = r.u32(6);
        break;
    case WMR_SAVEDC:
        gdi.saveDc();
        break;
    case WMR_RESTOREDC:
        gdi.restoreDc(r.i16(6));
        break;
    case WMR_SELECTOBJECT:
        gdi.selectObject(r.u16(6));
        break;
    case WMR_DELETEOBJECT:
        gdi.deleteObject(r.u16(6));
        break;
    case WMR_CREATEPENINDIRECT:
        createObject(gdi, GdiObject::Pen, gdiPen(r.u16(6), r.i16(8), r.u32(12)));
        break;
    case WMR_CREATEBRUSHINDIRECT:
        createObject(gdi, GdiObject::Brush, {}, gdiBrush(r.u16(6), r.u32(8), r.u16(12)));
        break;
    case WMR_DIBCREATEPATTERNBRUSH:
    case WMR_CREATEPATTERNBRUSH: // pattern brushes
        createObject(gdi, GdiObject::Brush, {}, GdiBrush{0, 0x808080});
        break;
    case WMR_CREATEFONTINDIRECT: {
        GdiFont f;
        f.height = r.i16(6);
        f.weight = r.i16(14);
        f.italic = r.u8(16);
        f.underline = r.u8(17);
        f.strikeOut = r.u8(18);
        f.face = cp1252At(r, 24, std::min<std::uint32_t>(32, r.size() - 24));
        createObject(gdi, GdiObject::Font, {}, {}, f);
        break;
    }
    case WMR_CREATEPALETTE:
    case WMR_CREATEREGION: // palettes and regions take a slot too
        createObject(gdi, GdiObject::Other);
        break;
    case WMR_TEXTOUT: {
        const std::uint32_t n = std::uint16_t(r.i16(6));
        const std::uint32_t padded = (n + 1) & ~1u;
        gdi.text(pointYX(r, 8 + padded), cp1252At(r, 8, n), 0, nullptr);
        break;
    }
    case WMR_EXTTEXTOUT: {
        const std::uint16_t options = r.u16(12);
        const std::uint32_t n = std::uint16_t(r.i16(10));
        const bool hasBox = options & 0x0006;
        const QRectF box(QPointF(r.i16(14), r.i16(16)), QPointF(r.i16(18), r.i16(20)));
        gdi.text(pointYX(r, 6), cp1252At(r, hasBox ? 22 : 14, n), options, hasBox ? &box : nullptr);
        break;
    }
    case WMR_SETPIXEL:
        gdi.setPixel(pointYX(r, 10), r.u32(6));
        break;
    case WMR_PATBLT: { // PATBLT: rop, height, width, y, x
        const QRectF box(pointYX(r, 14), QSizeF(r.i16(12), r.i16(10)));
        gdi.patternBlit(box, r.u32(6));
        break;
    }
    case WMR_DIBBITBLT: {
        if (r.size() <= 24) {
            gdi.patternBlit(QRectF(pointYX(r, 20), QSizeF(r.i16(18), r.i16(16))), r.u32(6));
            break;
        }
        const QSizeF size(r.i16(16), r.i16(14));
        const QImage all = packedDib(r, 22);
        gdi.picture(
            QRectF(pointYX(r, 18), size),
            sourcePart(all, r.i16(12), r.i16(10), int(size.width()), int(size.height()), false));
        break;
    }
    case WMR_DIBSTRETCHBLT: {
        if (r.size() <= 28) {
            gdi.patternBlit(QRectF(pointYX(r, 24), QSizeF(r.i16(22), r.i16(20))), r.u32(6));
            break;
        }
        const QImage all = packedDib(r, 26);
        gdi.picture(QRectF(pointYX(r, 22), QSizeF(r.i16(20), r.i16(18))),
                    sourcePart(all, r.i16(16), r.i16(14), r.i16(12), r.i16(10), false));
        break;
    }
    case WMR_STRETCHDIB: {
        const QImage all = packedDib(r, 28);
        gdi.picture(QRectF(pointYX(r, 24), QSizeF(r.i16(22), r.i16(20))),
                    sourcePart(all, r.i16(18), r.i16(16), r.i16(14), r.i16(12), true));
        break;
    }
    default:
        break; // escapes, palettes, clipping: nothing to draw
    }
}

} // namespace

void playWmf(const Metafile& file, GdiDevice& gdi, const QRect& target) {
    gdi.setDeviceMapping(QTransform(), QPointF(96 / 25.4, 96 / 25.4));
    DcState& dc = gdi.dc();
    dc.mapMode = MapMode::Anisotropic;
    if (file.placeable) {
        dc.windowOrg = QPointF(file.box[0], file.box[1]);
        dc.windowExt =
            QPointF(double(file.box[2]) - file.box[0], double(file.box[3]) - file.box[1]);
    } else {
        dc.windowOrg = QPointF(file.windowOrg[0], file.windowOrg[1]);
        dc.windowExt = QPointF(file.windowExt[0], file.windowExt[1]);
    }
    dc.viewportOrg = target.topLeft();
    dc.viewportExt = QPointF(target.width(), target.height());
    for (const MetaRecord& rec : file.records) {
        if (gdi.work() > kMaxPlaybackWork) break;
        playRecord(gdi, rec.type, file.view(rec));
    }
}

} // namespace qel
