#include "render/hatch.h"

#include <QImage>
#include <QPainter>
#include <array>

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
