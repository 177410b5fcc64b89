// Structure checks of the records the player reads. A record of a known type must hold every
// field, count and offset it declares; records of other types are only framed.
#include "metafile/dib.h"
#include "metafile/metafile_reader.h"
#include "metafile/records.h"

namespace qel {

namespace {

// Minimal sizes (header included) of the fixed-layout EMF records we read.
std::uint32_t emfFixedSize(std::uint32_t type) {
    switch (type) {
    case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTEXTEX:
    case EMR_SETVIEWPORTORGEX:
    case EMR_SETBRUSHORGEX:
    case EMR_MOVETOEX:
    case EMR_LINETO: // extents, origins, moveto, lineto
        return 16;
    case EMR_SETPIXELV:
        return 20; // SETPIXELV
    case EMR_SETMAPPERFLAGS:
    case EMR_SETMAPMODE:
    case EMR_SETBKMODE:
    case EMR_SETPOLYFILLMODE:
    case EMR_SETROP2:
    case EMR_SETSTRETCHBLTMODE:
    case EMR_SETTEXTALIGN:
    case EMR_SETTEXTCOLOR:
    case EMR_SETBKCOLOR:
    case EMR_RESTOREDC:
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
    case EMR_SETARCDIRECTION:
    case EMR_SETMITERLIMIT:
        return 12;
    case EMR_SCALEVIEWPORTEXTEX:
    case EMR_SCALEWINDOWEXTEX:
        return 24; // scale viewport / window
    case EMR_SETWORLDTRANSFORM:
        return 32; // SETWORLDTRANSFORM
    case EMR_MODIFYWORLDTRANSFORM:
        return 36; // MODIFYWORLDTRANSFORM
    case EMR_CREATEPEN:
        return 28; // CREATEPEN
    case EMR_CREATEBRUSHINDIRECT:
        return 24; // CREATEBRUSHINDIRECT
    case EMR_ANGLEARC:
        return 28; // ANGLEARC
    case EMR_ELLIPSE:
    case EMR_RECTANGLE:
        return 24; // ELLIPSE, RECTANGLE
    case EMR_ROUNDRECT:
        return 32; // ROUNDRECT
    case EMR_ARC:
    case EMR_CHORD:
    case EMR_PIE:
    case EMR_ARCTO:
        return 40; // ARC, CHORD, PIE, ARCTO
    case EMR_EOF:
        return 20; // EOF
    case EMR_HEADER:
        return 88; // HEADER
    case EMR_CREATEMONOBRUSH:
    case EMR_CREATEDIBPATTERNBRUSHPT:
        return 32; // mono / DIB pattern brush
    default:
        return 8;
    }
}

bool checkEmfDib(const RecordView& r, std::uint32_t offBmi, std::uint32_t cbBmi,
                 std::uint32_t offBits, std::uint32_t cbBits, std::uint64_t& pixels) {
    if (cbBmi == 0) return true; // no bitmap: a pattern blit
    if (!r.has(offBmi, cbBmi) || !r.has(offBits, cbBits)) return false;
    const std::optional<DibInfo> d = checkDib(r.sub(offBmi, cbBmi), r.sub(offBits, cbBits));
    if (d) pixels += std::uint64_t(d->width) * std::uint64_t(d->height);
    // An unsupported bitmap (compressed, odd depth) is skipped when played, not refused.
    return true;
}

bool checkPoints(const RecordView& r, std::uint32_t countOffset, std::uint32_t pointSize,
                 std::uint64_t& points) {
    const std::uint64_t count = r.u32(countOffset);
    points += count;
    return r.has(countOffset + 4, count * pointSize);
}

bool checkPolyPoly(const RecordView& r, std::uint32_t pointSize, std::uint64_t& points) {
    if (!r.has(0, 32)) return false;
    const std::uint64_t polys = r.u32(24);
    const std::uint64_t total = r.u32(28);
    points += total + polys;
    if (!r.has(32, polys * 4 + total * pointSize)) return false;
    std::uint64_t sum = 0;
    for (std::uint64_t i = 0; i < polys; ++i)
        sum += r.u32(32 + 4 * i);
    return sum <= total;
}

} // namespace

bool checkEmfRecord(std::uint32_t type, const RecordView& r, std::uint64_t& points,
                    std::uint64_t& pixels) {
    if (r.size() < emfFixedSize(type)) return false;
    switch (type) {
    case EMR_POLYBEZIER:
    case EMR_POLYGON:
    case EMR_POLYLINE:
    case EMR_POLYBEZIERTO:
    case EMR_POLYLINETO: // POLYBEZIER .. POLYLINETO
        return r.has(0, 28) && checkPoints(r, 24, 8, points);
    case EMR_POLYBEZIER16:
    case EMR_POLYGON16:
    case EMR_POLYLINE16:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYLINETO16: // the same with 16-bit points
        return r.has(0, 28) && checkPoints(r, 24, 4, points);
    case EMR_POLYPOLYLINE:
    case EMR_POLYPOLYGON:
        return checkPolyPoly(r, 8, points);
    case EMR_POLYPOLYLINE16:
    case EMR_POLYPOLYGON16:
        return checkPolyPoly(r, 4, points);
    case EMR_POLYDRAW:
    case EMR_POLYDRAW16: { // POLYDRAW, POLYDRAW16: points then one type byte per point
        if (!r.has(0, 28)) return false;
        const std::uint64_t n = r.u32(24);
        points += n;
        return r.has(28, n * (type == EMR_POLYDRAW ? 9 : 5));
    }
    case EMR_EXTCREATEFONTINDIRECTW: // EXTCREATEFONTINDIRECTW: a LOGFONTW at least
        return r.has(0, 12 + 92);
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: { // EXTTEXTOUTA / W
        if (!r.has(0, 60)) return false;
        const std::uint64_t chars = r.u32(44);
        const std::uint32_t off = r.u32(48);
        points += chars;
        return r.has(off, chars * (type == EMR_EXTTEXTOUTW ? 2 : 1));
    }
    case EMR_EXTCREATEPEN: {
        if (!r.has(0, 52)) return false;
        const std::uint64_t entries = r.u32(48);
        return r.has(52, entries * 4) &&
               checkEmfDib(r, r.u32(12), r.u32(16), r.u32(20), r.u32(24), pixels);
    }
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
        if (!r.has(0, type == EMR_BITBLT ? 100 : 108)) return false;
        return checkEmfDib(r, r.u32(84), r.u32(88), r.u32(92), r.u32(96), pixels);
    case EMR_STRETCHDIBITS:
        if (!r.has(0, 80)) return false;
        return checkEmfDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), pixels);
    case EMR_SETDIBITSTODEVICE:
        if (!r.has(0, 76)) return false;
        return checkEmfDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), pixels);
    case EMR_COMMENT:
        return r.has(12, r.u32(8));
    default:
        return true;
    }
}

namespace {

// Minimal sizes in bytes (header of 6 included) of the fixed-layout WMF records we read.
std::uint32_t wmfFixedSize(std::uint32_t function) {
    switch (function) {
    case WMR_SELECTOBJECT:
    case WMR_DELETEOBJECT:
    case WMR_SETMAPMODE:
    case WMR_SETBKMODE:
    case WMR_SETPOLYFILLMODE:
    case WMR_SETROP2:
    case WMR_SETTEXTALIGN:
    case WMR_RESTOREDC:
        return 8;
    case WMR_SETTEXTCOLOR:
    case WMR_SETBKCOLOR:
    case WMR_SETWINDOWORG:
    case WMR_SETWINDOWEXT:
    case WMR_SETVIEWPORTORG:
    case WMR_SETVIEWPORTEXT:
    case WMR_OFFSETWINDOWORG:
    case WMR_OFFSETVIEWPORTORG:
    case WMR_LINETO:
    case WMR_MOVETO:
        return 10;
    case WMR_SCALEWINDOWEXT:
    case WMR_SCALEVIEWPORTEXT:
    case WMR_SETPIXEL:
    case WMR_RECTANGLE:
    case WMR_ELLIPSE: // scales, pixel, rect, ellipse
        return 14;
    case WMR_CREATEBRUSHINDIRECT:
        return 14; // CREATEBRUSHINDIRECT
    case WMR_CREATEPENINDIRECT:
        return 16; // CREATEPENINDIRECT
    case WMR_CREATEFONTINDIRECT:
        return 24; // CREATEFONTINDIRECT
    case WMR_ROUNDRECT:
    case WMR_PATBLT:
        return 18; // ROUNDRECT, PATBLT
    case WMR_ARC:
    case WMR_CHORD:
    case WMR_PIE:
        return 22; // ARC, CHORD, PIE
    default:
        return 6;
    }
}

// A DIB stored at `offset` up to the end of the record: header, colour table, then pixels.
bool checkWmfDib(const RecordView& r, std::uint32_t offset, std::uint64_t& pixels) {
    RecordView info, bits;
    if (!r.has(offset, 40) || !splitPackedDib(r.sub(offset, r.size() - offset), info, bits))
        return false;
    if (const std::optional<DibInfo> d = checkDib(info, bits))
        pixels += std::uint64_t(d->width) * std::uint64_t(d->height);
    return true;
}

} // namespace

bool checkWmfRecord(std::uint32_t function, const RecordView& r, std::uint64_t& points,
                    std::uint64_t& pixels) {
    if (r.size() < wmfFixedSize(function)) return false;
    switch (function) {
    case WMR_POLYGON:
    case WMR_POLYLINE: {
        const std::int16_t n = r.i16(6);
        points += std::uint16_t(n);
        return n >= 0 && r.has(8, std::uint64_t(n) * 4);
    }
    case WMR_POLYPOLYGON: {
        const std::uint64_t polys = r.u16(6);
        if (!r.has(8, polys * 2)) return false;
        std::uint64_t total = 0;
        for (std::uint64_t i = 0; i < polys; ++i)
            total += r.u16(8 + 2 * i);
        points += total + polys;
        return r.has(8 + polys * 2, total * 4);
    }
    case WMR_TEXTOUT: { // TEXTOUT: length, string padded to even, y, x
        const std::int16_t n = r.i16(6);
        return n >= 0 && r.has(8, ((std::uint64_t(n) + 1) & ~std::uint64_t(1)) + 4);
    }
    case WMR_EXTTEXTOUT: { // EXTTEXTOUT: y, x, count, options, [rect], string
        if (!r.has(0, 14)) return false;
        const std::int16_t n = r.i16(10);
        const std::uint16_t options = r.u16(12);
        const std::uint64_t rect = (options & 0x0006) ? 8 : 0;
        return n >= 0 && r.has(14 + rect, std::uint64_t(n));
    }
    case WMR_DIBBITBLT: // DIBBITBLT: with a bitmap when longer than the bare form
        return r.size() <= 24 || checkWmfDib(r, 22, pixels);
    case WMR_DIBSTRETCHBLT:
        return r.size() <= 28 || checkWmfDib(r, 26, pixels);
    case WMR_STRETCHDIB:
        return r.has(0, 28) && checkWmfDib(r, 28, pixels);
    default:
        return true;
    }
}

} // namespace qel
