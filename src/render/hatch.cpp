#include "render/hatch.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace qel {

namespace {

using Table = std::array<std::array<std::uint8_t, 8>, 6>;

Table sample() {
    Table table{};
    for (int style = 2; style <= 7; ++style) {
        QImage tile(8, 8, QImage::Format_RGB32);
        tile.fill(Qt::white);
        {
            QPainter p(&tile);
            p.setBrushOrigin(0, 0);
            p.fillRect(tile.rect(), QBrush(Qt::black, qtBrushStyle(style)));
        }
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if (qGray(tile.pixel(x, y)) < 128) table[style - 2][y] |= std::uint8_t(1u << x);
    }
    return table;
}

} // namespace

namespace {

// The hatch at `tile` / 8 pixels per page pixel, one byte per pixel, 1 where it draws. Every
// hatch is made of whole lines (rows, columns, diagonals set end to end); each pixel takes the
// line nearest to its centre, in page pixels, so a line stays one page pixel wide and moves by
// one pixel at a time.
std::vector<std::uint8_t> scaledHatch(const std::uint8_t* rows, int tile) {
    auto bit = [rows](int x, int y) { return (rows[y & 7] >> (x & 7)) & 1; };
    bool row[8], column[8], down[8], up[8];
    for (int k = 0; k < 8; ++k) {
        row[k] = column[k] = down[k] = up[k] = true;
        for (int i = 0; i < 8; ++i) {
            row[k] = row[k] && bit(i, k);
            column[k] = column[k] && bit(k, i);
            down[k] = down[k] && bit(i + k, i); // x - y = k
            up[k] = up[k] && bit(k - i + 8, i); // x + y = k
        }
    }
    std::vector<std::uint8_t> ink(std::size_t(tile) * std::size_t(tile), 0);
    auto nearest = [](double t) { return int(std::floor(t + 0.5)) & 7; };
    for (int y = 0; y < tile; ++y) {
        const double v = (y + 0.5) * 8 / tile - 0.5;
        for (int x = 0; x < tile; ++x) {
            const double u = (x + 0.5) * 8 / tile - 0.5;
            ink[std::size_t(y * tile + x)] =
                row[nearest(v)] || column[nearest(u)] || down[nearest(u - v)] || up[nearest(u + v)];
        }
    }
    return ink;
}

} // namespace

std::vector<std::uint8_t> hatchTile(int brushStyle, int scale) {
    const std::uint8_t* rows = hatchRows(brushStyle);
    return rows ? scaledHatch(rows, 8 * std::max(scale, 1)) : std::vector<std::uint8_t>();
}

QBrush hatchBrush(int brushStyle, const QColor& colour, double ratio) {
    const std::uint8_t* rows = hatchRows(brushStyle);
    if (!rows) return QBrush(colour, qtBrushStyle(brushStyle));
    const int tile = std::max(8, int(std::lround(8 * ratio)));
    const std::vector<std::uint8_t> ink = scaledHatch(rows, tile);
    QImage image(tile, tile, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QRgb colourPixel = colour.rgba() | 0xFF000000u;
    for (int y = 0; y < tile; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < tile; ++x)
            if (ink[std::size_t(y * tile + x)]) line[x] = colourPixel;
    }
    QBrush brush(image);
    // The painter scales by the ratio; the tile's pixels are the image's own.
    brush.setTransform(QTransform::fromScale(8.0 / tile, 8.0 / tile));
    return brush;
}

const std::uint8_t* hatchRows(int brushStyle) {
    if (brushStyle < 2 || brushStyle > 7) return nullptr;
    static const Table table = sample();
    return table[brushStyle - 2].data();
}

Qt::BrushStyle qtBrushStyle(int brushStyle) {
    switch (brushStyle) {
    case 1:
        return Qt::NoBrush;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::FDiagPattern;
    case 5:
        return Qt::BDiagPattern;
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

} // namespace qel
