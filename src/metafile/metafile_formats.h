#pragma once

// The two record decoders. Each walks a checked file and drives a GdiDevice; reads go through
// bounds-checked views, so a record the reader let through can still never be read past its end.

#include "metafile/gdi_device.h"
#include "metafile/metafile_reader.h"

#include <QRect>

namespace qel {

// Work budget for one playback, in flattened points: beyond it the rest of the file is skipped.
constexpr std::uint64_t kMaxPlaybackWork = 20000000;

void playEmf(const Metafile& file, GdiDevice& gdi, const QRect& target);
void playWmf(const Metafile& file, GdiDevice& gdi, const QRect& target);

// Shared helpers of the two decoders.
GdiPen gdiPen(std::uint32_t style, double width, Colour colour);
GdiBrush gdiBrush(std::uint32_t style, Colour colour, std::uint32_t hatch);
// The part (x, y, w, h) of a decoded bitmap a blit takes; y counts from the bottom row when
// `fromBottom`. A null image when nothing of it lies inside.
QImage sourcePart(const QImage& image, int x, int y, int w, int h, bool fromBottom);

} // namespace qel
