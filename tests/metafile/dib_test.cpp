#include "metafile/dib.h"

#include <QByteArray>
#include <gtest/gtest.h>

using namespace qel;

namespace {

void add32(QByteArray& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

void add16(QByteArray& b, std::uint16_t v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

// A BITMAPINFOHEADER with an optional palette.
QByteArray header(int width, int height, int bits, const std::vector<std::uint32_t>& palette = {}) {
    QByteArray b;
    add32(b, 40);
    add32(b, std::uint32_t(width));
    add32(b, std::uint32_t(height));
    add16(b, 1);
    add16(b, std::uint16_t(bits));
    add32(b, 0); // uncompressed
    add32(b, 0);
    add32(b, 3780);
    add32(b, 3780);
    add32(b, std::uint32_t(palette.size()));
    add32(b, 0);
    for (std::uint32_t c : palette)
        add32(b, c);
    return b;
}

RecordView view(const QByteArray& b) {
    return RecordView(reinterpret_cast<const unsigned char*>(b.constData()),
                      std::uint32_t(b.size()));
}

} // namespace

struct DepthCase {
    const char* what;
    int bits;
    std::vector<std::uint32_t> palette;
    QByteArray rows; // bottom row first, each padded to 4 bytes
};

class DibDepths : public ::testing::TestWithParam<DepthCase> {};

// A 2 x 2 bitmap: red and green on the top row, blue and white on the bottom row.
TEST_P(DibDepths, DecodeToTheSameColours) {
    const DepthCase c = GetParam();
    const QByteArray info = header(2, 2, c.bits, c.palette);
    const QImage image = decodeDib(view(info), view(c.rows));
    ASSERT_FALSE(image.isNull()) << c.what;
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0xFF0000u) << c.what;
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0x00FF00u) << c.what;
    EXPECT_EQ(image.pixel(0, 1) & 0xFFFFFF, 0x0000FFu) << c.what;
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu) << c.what;
}

const std::vector<std::uint32_t> kPalette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

INSTANTIATE_TEST_SUITE_P(Depths, DibDepths,
                         ::testing::Values(DepthCase{"4 bits", 4, kPalette,
                                                     QByteArray::fromHex("23000000"
                                                                         "01000000")},
                                           DepthCase{"8 bits", 8, kPalette,
                                                     QByteArray::fromHex("02030000"
                                                                         "00010000")},
                                           DepthCase{"16 bits",
                                                     16,
                                                     {},
                                                     QByteArray::fromHex("1f00ff7f"
                                                                         "007ce003")},
                                           DepthCase{"24 bits",
                                                     24,
                                                     {},
                                                     QByteArray::fromHex("ff0000ffffff0000"
                                                                         "0000ff00ff000000")},
                                           DepthCase{"32 bits",
                                                     32,
                                                     {},
                                                     QByteArray::fromHex("ff000000ffffff00"
                                                                         "0000ff0000ff0000")}));

TEST(Dib, OneBitUsesItsTwoColours) {
    const QByteArray info = header(2, 1, 1, {0x000000, 0xFFFFFF});
    const QImage image = decodeDib(view(info), view(QByteArray::fromHex("40000000")));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(image.pixel(1, 0) & 0xFFFFFF, 0xFFFFFFu);
}

struct BadCase {
    const char* what;
    QByteArray info;
    QByteArray bits;
};

class DibRefused : public ::testing::TestWithParam<BadCase> {};

TEST_P(DibRefused, GiveNoImage) {
    const BadCase c = GetParam();
    EXPECT_FALSE(checkDib(view(c.info), view(c.bits))) << c.what;
    EXPECT_TRUE(decodeDib(view(c.info), view(c.bits)).isNull()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DibRefused,
    ::testing::Values(BadCase{"rows missing", header(2, 2, 24), QByteArray(8, '\0')},
                      BadCase{"huge", header(100000, 100000, 24), QByteArray(64, '\0')},
                      BadCase{"odd depth", header(2, 2, 7), QByteArray(64, '\0')},
                      BadCase{"palette cut", header(2, 2, 8).left(44), QByteArray(64, '\0')},
                      BadCase{"zero width", header(0, 2, 24), QByteArray(64, '\0')},
                      BadCase{"short header", header(2, 2, 24).left(20), QByteArray(64, '\0')}));
