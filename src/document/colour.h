#pragma once

#include <cstdint>

namespace qel {

// A colour as records store it: 0x00BBGGRR, red in the low byte. The high byte may carry a
// system-colour tag; painting uses the low 24 bits.
using Colour = std::uint32_t;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kBlack = 0x00000000;

constexpr Colour rgbColour(int red, int green, int blue) {
    return Colour(red & 0xFF) | (Colour(green & 0xFF) << 8) | (Colour(blue & 0xFF) << 16);
}
constexpr int redOf(Colour c) {
    return int(c & 0xFF);
}
constexpr int greenOf(Colour c) {
    return int((c >> 8) & 0xFF);
}
constexpr int blueOf(Colour c) {
    return int((c >> 16) & 0xFF);
}

} // namespace qel
