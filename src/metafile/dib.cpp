#include "metafile/dib.h"

#include <algorithm>

namespace qel {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

int maskShift(std::uint32_t mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

int maskBits(std::uint32_t mask) {
    mask >>= maskShift(mask);
    int bits = 0;
    while (mask & 1) {
        mask >>= 1;
        ++bits;
    }
    return bits;
}

// Scales a channel extracted with `mask` to 0..255.
int channel(std::uint32_t pixel, std::uint32_t mask) {
    if (!mask) return 0;
    const int bits = maskBits(mask);
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> maskShift(mask);
    const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1);
    return int((std::uint64_t(v) * 255 + max / 2) / max);
}

} // namespace

std::optional<DibInfo> checkDib(const RecordView& info, const RecordView& bits) {
    DibInfo d;
    if (!info.has(0, 40)) return std::nullopt;
    d.headerSize = info.u32(0);
    if (d.headerSize < 40 || !info.has(0, d.headerSize)) return std::nullopt;
    const std::int32_t w = info.i32(4);
    const std::int32_t h = info.i32(8);
    d.bitCount = info.u16(14);
    d.compression = info.u32(16);
    const std::uint32_t clrUsed = info.u32(32);
    if (w <= 0 || h == 0 || h == INT32_MIN) return std::nullopt;
    d.width = w;
    d.height = h < 0 ? -h : h;
    d.bottomUp = h > 0;
    if (std::uint32_t(d.width) > kMaxDibSide || std::uint32_t(d.height) > kMaxDibSide ||
        std::uint64_t(d.width) * std::uint64_t(d.height) > kMaxDibPixels)
        return std::nullopt;

    switch (d.bitCount) {
    case 1:
    case 4:
    case 8:
        if (d.compression != kBiRgb) return std::nullopt;
        d.colourCount = clrUsed ? clrUsed : (1u << d.bitCount);
        if (d.colourCount > (1u << d.bitCount)) return std::nullopt;
        break;
    case 16:
    case 24:
    case 32:
        if (d.compression != kBiRgb && !(d.compression == kBiBitfields && d.bitCount != 24))
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }

    d.colourTableOffset = d.headerSize;
    if (d.compression == kBiBitfields) {
        if (d.headerSize >= 52) {
            for (int i = 0; i < 3; ++i)
                d.masks[i] = info.u32(40 + 4 * i);
        } else {
            if (!info.has(d.headerSize, 12)) return std::nullopt;
            for (int i = 0; i < 3; ++i)
                d.masks[i] = info.u32(d.headerSize + 4 * i);
            d.colourTableOffset += 12;
        }
    } else if (d.bitCount == 16) {
        d.masks[0] = 0x7C00;
        d.masks[1] = 0x03E0;
        d.masks[2] = 0x001F;
    } else if (d.bitCount == 32) {
        d.masks[0] = 0x00FF0000;
        d.masks[1] = 0x0000FF00;
        d.masks[2] = 0x000000FF;
    }
    if (!info.has(d.colourTableOffset, std::uint64_t(d.colourCount) * 4)) return std::nullopt;

    d.stride = std::uint32_t(((std::uint64_t(d.width) * std::uint64_t(d.bitCount) + 31) / 32) * 4);
    if (!bits.has(0, std::uint64_t(d.stride) * std::uint64_t(d.height))) return std::nullopt;
    return d;
}

bool splitPackedDib(const RecordView& packed, RecordView& info, RecordView& bits) {
    if (!packed.has(0, 40)) return false;
    const std::uint32_t headerSize = packed.u32(0);
    const int bitCount = packed.u16(14);
    const std::uint32_t compression = packed.u32(16);
    std::uint64_t tableBytes = 0;
    if (bitCount > 0 && bitCount <= 8) {
        const std::uint32_t used = packed.u32(32);
        tableBytes =
            4 * std::uint64_t(used ? std::min<std::uint32_t>(used, 256) : (1u << bitCount));
    } else if (compression == kBiBitfields && headerSize < 52) {
        tableBytes = 12;
    }
    const std::uint64_t bitsOffset = std::uint64_t(headerSize) + tableBytes;
    if (headerSize < 40 || !packed.has(0, bitsOffset)) return false;
    info = packed.sub(0, bitsOffset);
    bits = packed.sub(bitsOffset, packed.size() - bitsOffset);
    return true;
}

QImage decodeDib(const RecordView& info, const RecordView& bits) {
    const std::optional<DibInfo> d = checkDib(info, bits);
    if (!d) return {};
    QImage image(d->width, d->height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    QRgb palette[256];
    for (std::uint32_t i = 0; i < 256; ++i) {
        if (i < d->colourCount) {
            const std::uint32_t q = info.u32(d->colourTableOffset + 4 * i);
            palette[i] = qRgb((q >> 16) & 0xFF, (q >> 8) & 0xFF, q & 0xFF);
        } else {
            palette[i] = qRgb(0, 0, 0);
        }
    }
    for (int y = 0; y < d->height; ++y) {
        const int row = d->bottomUp ? d->height - 1 - y : y;
        const unsigned char* src = bits.bytes(std::uint64_t(row) * d->stride, d->stride);
        if (!src) return {};
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < d->width; ++x) {
            switch (d->bitCount) {
            case 1:
                out[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                out[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
                break;
            case 8:
                out[x] = palette[src[x]];
                break;
            case 16: {
                const std::uint32_t p =
                    std::uint32_t(src[2 * x]) | (std::uint32_t(src[2 * x + 1]) << 8);
                out[x] =
                    qRgb(channel(p, d->masks[0]), channel(p, d->masks[1]), channel(p, d->masks[2]));
                break;
            }
            case 24:
                out[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 32: {
                const unsigned char* s = src + 4 * x;
                const std::uint32_t p = std::uint32_t(s[0]) | (std::uint32_t(s[1]) << 8) |
                                        (std::uint32_t(s[2]) << 16) | (std::uint32_t(s[3]) << 24);
                out[x] =
                    qRgb(channel(p, d->masks[0]), channel(p, d->masks[1]), channel(p, d->masks[2]));
                break;
            }
            }
        }
    }
    return image;
}

} // namespace qel
