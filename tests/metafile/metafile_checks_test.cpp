// Checks and decoding of what a metafile holds: a well-formed record passes and counts the work
// it asks for, one field too short or one offset too far refuses it; pictures of every depth
// decode to their colours.

#include "metafile/dib.h"
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
    // A picture header: 40 bytes, then the palette.
    Bytes& dib(int at, int width = 2, int height = 2, int bits = 24,
               const std::vector<std::uint32_t>& palette = {}) {
        u32(at, 40).u32(at + 4, width).u32(at + 8, height).u16(at + 12, 1).u16(at + 14, bits);
        u32(at + 32, std::uint32_t(palette.size()));
        for (std::size_t i = 0; i < palette.size(); ++i)
            u32(at + 40 + 4 * int(i), palette[i]);
        return *this;
    }
    RecordView view() const {
        return RecordView(reinterpret_cast<const unsigned char*>(b.constData()),
                          std::uint32_t(b.size()));
    }
};

// A header of `width` x `height` at `bits`, with its palette.
Bytes header(int width, int height, int bits, const std::vector<std::uint32_t>& palette = {}) {
    return Bytes(40 + 4 * int(palette.size())).dib(0, width, height, bits, palette);
}

RecordView view(const QByteArray& b) {
    return RecordView(reinterpret_cast<const unsigned char*>(b.constData()),
                      std::uint32_t(b.size()));
}

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
        std::uint64_t points = 0, pixels = 0;
        const bool accepted = c.wmf ? checkWmfRecord(c.type, view(c.record), points, pixels)
                                    : checkEmfRecord(c.type, view(c.record), points, pixels);
        EXPECT_EQ(accepted, c.accepted) << c.what;
        EXPECT_EQ(points, c.points) << c.what;
        EXPECT_EQ(pixels, c.pixels) << c.what;
    }
}

// A 2 x 2 picture at every depth: red and green on the top row, blue and white on the bottom
// one (rows stored bottom first, each padded to 4 bytes); at 1 bit, red and green then the other
// way round.
TEST(Dib, EveryDepthDecodesToTheSameColours) {
    const std::vector<std::uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    const struct {
        int bits;
        const char* rows;
    } cases[] = {{1, "8000000040000000"},
                 {4, "2300000001000000"},
                 {8, "0203000000010000"},
                 {16, "1f00ff7f007ce003"},
                 {24, "ff0000ffffff00000000ff00ff000000"},
                 {32, "ff000000ffffff000000ff0000ff0000"}};
    for (const auto& c : cases) {
        const auto used = c.bits == 1   ? std::vector(palette.begin(), palette.begin() + 2)
                          : c.bits <= 8 ? palette
                                        : std::vector<std::uint32_t>{};
        const QImage image =
            decodeDib(header(2, 2, c.bits, used).view(), view(QByteArray::fromHex(c.rows)));
        ASSERT_FALSE(image.isNull()) << c.bits;
        const std::uint32_t bottom[2] = {palette[c.bits == 1 ? 1 : 2],
                                         palette[c.bits == 1 ? 0 : 3]};
        for (int x = 0; x < 2; ++x) {
            EXPECT_EQ(image.pixel(x, 0) & 0xFFFFFF, palette[x]) << c.bits;
            EXPECT_EQ(image.pixel(x, 1) & 0xFFFFFF, bottom[x]) << c.bits;
        }
    }
}

TEST(Dib, PicturesThatDoNotHoldTogetherGiveNoImage) {
    const struct {
        const char* what;
        QByteArray info;
        int bits;
    } cases[] = {
        {"rows missing", header(2, 2, 24).b, 8}, {"huge", header(100000, 100000, 24).b, 64},
        {"odd depth", header(2, 2, 7).b, 64},    {"palette cut", header(2, 2, 8).b.left(44), 64},
        {"zero width", header(0, 2, 24).b, 64},  {"short header", header(2, 2, 24).b.left(20), 64}};
    for (const auto& c : cases) {
        const QByteArray bits(c.bits, '\0');
        EXPECT_FALSE(checkDib(view(c.info), view(bits))) << c.what;
        EXPECT_TRUE(decodeDib(view(c.info), view(bits)).isNull()) << c.what;
    }
}

} // namespace
} // namespace qel
