#pragma once

#include "metafile/record_view.h"

#include <QImage>
#include <cstdint>
#include <optional>

namespace qel {

// Largest device-independent bitmap a metafile may carry: enough for any picture a drawing can
// hold, small enough that a hostile header cannot make us allocate gigabytes.
constexpr std::uint32_t kMaxDibSide = 16384;
constexpr std::uint64_t kMaxDibPixels = 16u * 1024 * 1024;

// What a checked BITMAPINFO says about its pixels.
struct DibInfo {
    int width = 0;
    int height = 0; // always positive; bottomUp tells the row order
    bool bottomUp = true;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 0;
    std::uint32_t colourCount = 0; // entries of the colour table
    std::uint32_t colourTableOffset = 0;
    std::uint32_t stride = 0;
    std::uint32_t masks[3] = {0, 0, 0};
};

// Checks the bitmap header found at `info` and the pixel bytes at `bits` (both views into one
// record). Only uncompressed 1, 4, 8, 16, 24 and 32-bit bitmaps (bit fields allowed) pass; the
// pixel area must hold every row.
std::optional<DibInfo> checkDib(const RecordView& info, const RecordView& bits);

// Splits a packed bitmap (header, colour table, then pixels up to the end of the view, as Windows
// metafiles store them) into its two parts. False when the header itself does not fit.
bool splitPackedDib(const RecordView& packed, RecordView& info, RecordView& bits);

// Decodes a bitmap that passed checkDib into a top-down 32-bit image; a null image on failure.
QImage decodeDib(const RecordView& info, const RecordView& bits);

} // namespace qel
