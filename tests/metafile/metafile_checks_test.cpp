// Record checks of the metafile reader: a well-formed record passes and counts the work it asks
// for; one field too short or one offset too far refuses it.

#include "metafile/metafile_reader.h"
#include "metafile/records.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace qel {
namespace {

// Little-endian bytes written at given offsets, zeros elsewhere.
struct Bytes {
    QByteArray b;
    explicit Bytes(int size) : b(size, '\0') {}
    Bytes& u16(int at, std::uint32_t v) {
        b[at] = char(v & 0xFF);
        b[at + 1] = char((v >> 8) & 0xFF);
        return *this;
    }
    Bytes& u32(int at, std::uint32_t v) { return u16(at, v & 0xFFFF).u16(at + 2, v >> 16); }
    // A 2 x 2 picture of 24 bits: 40 bytes of header, then 2 rows of 8 bytes.
    Bytes& dib(int at) {
        return u32(at, 40).u32(at + 4, 2).u32(at + 8, 2).u16(at + 12, 1).u16(at + 14, 24);
    }
};

struct CheckCase {
    const char* what;
    bool wmf;
    std::uint32_t type;
    QByteArray record;
    bool accepted;
    std::uint64_t points, pixels;
};

TEST(MetafileChecks, WellFormedRecordsPassAndBrokenOnesAreRefused) {
    // EMF picture records: offsets and sizes of the header and of the pixels at 48..60.
    auto dibits = [](int fixed, std::uint32_t bitsSize) {
        return Bytes(fixed + 40 + 16)
            .u32(48, fixed)
            .u32(52, 40)
            .u32(56, fixed + 40)
            .u32(60, bitsSize)
            .dib(fixed)
            .b;
    };
    // Two polygons of six points in all, the first at x = 5.
    auto polyPolygon = [](std::uint32_t first, std::uint32_t second) {
        return Bytes(32 + 8 + 6 * 4)
            .u32(24, 2)
            .u32(28, 6)
            .u32(32, first)
            .u32(36, second)
            .u16(40, 5)
            .b;
    };
    const CheckCase cases[] = {
        {"stretched picture", false, EMR_STRETCHDIBITS, dibits(80, 16), true, 0, 4},
        {"stretched picture whose pixels overrun", false, EMR_STRETCHDIBITS, dibits(80, 17), false,
         0, 0},
        {"picture to the device", false, EMR_SETDIBITSTODEVICE, dibits(76, 16), true, 0, 4},
        {"picture to the device cut before its fields", false, EMR_SETDIBITSTODEVICE, Bytes(60).b,
         false, 0, 0},
        {"two triangles", false, EMR_POLYPOLYGON16, polyPolygon(3, 3), true, 8, 0},
        {"polygons counting more points than they hold", false, EMR_POLYPOLYGON16,
         polyPolygon(3, 4), false, 8, 0},
        {"rectangle", true, WMR_RECTANGLE, Bytes(14).b, true, 0, 0},
        {"rectangle one byte short", true, WMR_RECTANGLE, Bytes(13).b, false, 0, 0},
        {"two empty polygons", true, WMR_POLYPOLYGON, Bytes(12).u16(6, 2).b, true, 2, 0},
        {"two triangles, the first point at x = 5", true, WMR_POLYPOLYGON,
         Bytes(12 + 6 * 4).u16(6, 2).u16(8, 3).u16(10, 3).u16(12, 5).b, true, 8, 0},
        {"two triangles missing their last point", true, WMR_POLYPOLYGON,
         Bytes(12 + 5 * 4).u16(6, 2).u16(8, 3).u16(10, 3).b, false, 8, 0},
        {"stretched blit with a picture", true, WMR_DIBSTRETCHBLT, Bytes(26 + 40 + 16).dib(26).b,
         true, 0, 4},
        {"stretched blit whose picture header is cut", true, WMR_DIBSTRETCHBLT, Bytes(26 + 30).b,
         false, 0, 0},
    };
    for (const CheckCase& c : cases) {
        const RecordView view(reinterpret_cast<const unsigned char*>(c.record.constData()),
                              std::uint32_t(c.record.size()));
        std::uint64_t points = 0, pixels = 0;
        const bool accepted = c.wmf ? checkWmfRecord(c.type, view, points, pixels)
                                    : checkEmfRecord(c.type, view, points, pixels);
        EXPECT_EQ(accepted, c.accepted) << c.what;
        EXPECT_EQ(points, c.points) << c.what;
        EXPECT_EQ(pixels, c.pixels) << c.what;
    }
}

} // namespace
} // namespace qel
