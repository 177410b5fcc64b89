// Structure checks of the records the player reads. A record of a known type must hold every
// field, count and offset it declares; records of other types are only framed.
#include "platform/dib.h"
#include "platform/metafile_reader.h"

namespace qel {

namespace {

// Minimal sizes (header included) of the fixed-layout EMF records we read.
std::uint32_t emfFixedSize(std::uint32_t type) {
    switch (type) {
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 27:
    case 54: // extents, origins, moveto, lineto
        return 16;
    case 15:
        return 20; // SETPIXELV
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 24:
    case 25:
    case 34:
    case 37:
    case 40:
    case 57:
    case 58:
        return 12;
    case 31:
    case 32:
        return 24; // scale viewport / window
    case 35:
        return 32; // SETWORLDTRANSFORM
    case 36:
        return 36; // MODIFYWORLDTRANSFORM
    case 38:
        return 28; // CREATEPEN
    case 39:
        return 24; // CREATEBRUSHINDIRECT
    case 41:
        return 28; // ANGLEARC
    case 42:
    case 43:
        return 24; // ELLIPSE, RECTANGLE
    case 44:
        return 32; // ROUNDRECT
    case 45:
    case 46:
    case 47:
    case 55:
        return 40; // ARC, CHORD, PIE, ARCTO
    case 14:
        return 20; // EOF
    case 1:
        return 88; // HEADER
    case 93:
    case 94:
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
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: // POLYBEZIER .. POLYLINETO
        return r.has(0, 28) && checkPoints(r, 24, 8, points);
    case 85:
    case 86:
    case 87:
    case 88:
    case 89: // the same with 16-bit points
        return r.has(0, 28) && checkPoints(r, 24, 4, points);
    case 7:
    case 8:
        return checkPolyPoly(r, 8, points);
    case 90:
    case 91:
        return checkPolyPoly(r, 4, points);
    case 56:
    case 92: { // POLYDRAW, POLYDRAW16: points then one type byte per point
        if (!r.has(0, 28)) return false;
        const std::uint64_t n = r.u32(24);
        points += n;
        return r.has(28, n * (type == 56 ? 9 : 5));
    }
    case 82: // EXTCREATEFONTINDIRECTW: a LOGFONTW at least
        return r.has(0, 12 + 92);
    case 83:
    case 84: { // EXTTEXTOUTA / W
        if (!r.has(0, 60)) return false;
        const std::uint64_t chars = r.u32(44);
        const std::uint32_t off = r.u32(48);
        points += chars;
        return r.has(off, chars * (type == 84 ? 2 : 1));
    }
    case 95: { // EXTCREATEPEN
        if (!r.has(0, 52)) return false;
        const std::uint64_t entries = r.u32(48);
        return r.has(52, entries * 4) &&
               checkEmfDib(r, r.u32(12), r.u32(16), r.u32(20), r.u32(24), pixels);
    }
    case 76:
    case 77: // BITBLT, STRETCHBLT
        if (!r.has(0, type == 76 ? 100 : 108)) return false;
        return checkEmfDib(r, r.u32(84), r.u32(88), r.u32(92), r.u32(96), pixels);
    case 81: // STRETCHDIBITS
        if (!r.has(0, 80)) return false;
        return checkEmfDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), pixels);
    case 80: // SETDIBITSTODEVICE
        if (!r.has(0, 76)) return false;
        return checkEmfDib(r, r.u32(48), r.u32(52), r.u32(56), r.u32(60), pixels);
    case 70: // COMMENT
        return r.has(12, r.u32(8));
    default:
        return true;
    }
}

namespace {

// Minimal sizes in bytes (header of 6 included) of the fixed-layout WMF records we read.
std::uint32_t wmfFixedSize(std::uint32_t function) {
    switch (function) {
    case 0x012D:
    case 0x01F0:
    case 0x0103:
    case 0x0102:
    case 0x0106:
    case 0x0104:
    case 0x012E:
    case 0x0127:
        return 8;
    case 0x0209:
    case 0x0201:
    case 0x020B:
    case 0x020C:
    case 0x020D:
    case 0x020E:
    case 0x020F:
    case 0x0211:
    case 0x0213:
    case 0x0214:
        return 10;
    case 0x0410:
    case 0x0412:
    case 0x041F:
    case 0x041B:
    case 0x0418: // scales, pixel, rect, ellipse
        return 14;
    case 0x02FC:
        return 14; // CREATEBRUSHINDIRECT
    case 0x02FA:
        return 16; // CREATEPENINDIRECT
    case 0x02FB:
        return 24; // CREATEFONTINDIRECT
    case 0x061C:
    case 0x061D:
        return 18; // ROUNDRECT, PATBLT
    case 0x0817:
    case 0x0830:
    case 0x081A:
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
    case 0x0324:
    case 0x0325: { // POLYGON, POLYLINE
        const std::int16_t n = r.i16(6);
        points += std::uint16_t(n);
        return n >= 0 && r.has(8, std::uint64_t(n) * 4);
    }
    case 0x0538: { // POLYPOLYGON
        const std::uint64_t polys = r.u16(6);
        if (!r.has(8, polys * 2)) return false;
        std::uint64_t total = 0;
        for (std::uint64_t i = 0; i < polys; ++i)
            total += r.u16(8 + 2 * i);
        points += total + polys;
        return r.has(8 + polys * 2, total * 4);
    }
    case 0x0521: { // TEXTOUT: length, string padded to even, y, x
        const std::int16_t n = r.i16(6);
        return n >= 0 && r.has(8, ((std::uint64_t(n) + 1) & ~std::uint64_t(1)) + 4);
    }
    case 0x0A32: { // EXTTEXTOUT: y, x, count, options, [rect], string
        if (!r.has(0, 14)) return false;
        const std::int16_t n = r.i16(10);
        const std::uint16_t options = r.u16(12);
        const std::uint64_t rect = (options & 0x0006) ? 8 : 0;
        return n >= 0 && r.has(14 + rect, std::uint64_t(n));
    }
    case 0x0940: // DIBBITBLT: with a bitmap when longer than the bare form
        return r.size() <= 24 || checkWmfDib(r, 22, pixels);
    case 0x0B41: // DIBSTRETCHBLT
        return r.size() <= 28 || checkWmfDib(r, 26, pixels);
    case 0x0F43: // STRETCHDIB
        return r.has(0, 28) && checkWmfDib(r, 28, pixels);
    default:
        return true;
    }
}

} // namespace qel
