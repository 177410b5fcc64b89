#include "render/chart.h"

#include "document/chartdata.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace qel {

namespace {

constexpr std::array<Colour, kChartMaxSeries> kSeriesColours{
    rgbColour(0, 0, 255), rgbColour(255, 0, 0), rgbColour(0, 128, 0), rgbColour(255, 255, 0)};

// Halves go to the even neighbour, as every size and position of the program does.
int rounded(double v) {
    return int(std::nearbyint(v));
}

QString trimmed(const QString& legend) {
    qsizetype from = 0, to = legend.size();
    while (from < to && legend[from].unicode() <= 0x20)
        ++from;
    while (to > from && legend[to - 1].unicode() <= 0x20)
        --to;
    return legend.mid(from, to - from);
}

void legend(Canvas& canvas, const ChartData& d, int left, int top, int right, int h8, int w10) {
    std::array<QString, kChartMaxSeries> texts;
    for (int k = 0; k < kChartMaxSeries; ++k)
        texts[k] = trimmed(d.legends[k]);
    if (texts[0].isEmpty()) return;
    const int total = canvas.textExtent(texts[0] + texts[1] + texts[2] + texts[3]).width();
    if (total > std::abs(right - left - d.series * w10)) return; // too wide: no legend at all
    int x = right - total - d.series * w10;
    for (int k = 0; k < d.series; ++k) {
        canvas.setBrush({kSeriesColours[k], 0});
        canvas.fillRect(x, top + 2, x + h8 - 2, top + h8 - 2);
        canvas.setBrush({kWhite, 0});
        canvas.textOut(x + h8, top + 2, texts[k]);
        x += canvas.textExtent(texts[k]).width() + w10;
    }
}

// Arial at a size that follows the chart's height; the style and colour stay the record's.
FontState chartFont(FontState font, int h8) {
    font.name = QStringLiteral("Arial");
    font.size = rounded(h8 * 0.4);
    return font;
}

} // namespace

QRect chartReach(int top, int bottom, int penWidth) {
    const int reach = bottom - top + 1 + penWidth + 16;
    return QRect(QPoint(kEverywhere.left(), top - reach),
                 QPoint(kEverywhere.right(), bottom + reach));
}

void chartLeavesCanvas(Canvas& canvas, int, int top, int, int bottom) {
    canvas.setPenColour(kBlack);
    canvas.setBrush({kWhite, 0});
    canvas.setFont(chartFont(canvas.font(), (std::max(top, bottom) - std::min(top, bottom)) / 8));
}

void DrawChart(Canvas& canvas, int left, int top, int right, int bottom, QStringView payload) {
    const ChartData d = readChart(payload);
    // A box resized past its corner paints the same chart, upright.
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    const int h8 = (b - t) / 8, h5 = (b - t) / 5, w10 = (r - l) / 10;
    const int axisX = l + w10, axisY = b - h8;
    const int n = d.series, c = d.categories;
    const int largest = d.largest();

    canvas.setPenColour(kBlack);
    canvas.setBrush({kWhite, 0});
    canvas.rectangle(l, t, r, b);
    canvas.line({axisX, axisY}, {r, axisY});
    canvas.line({axisX, axisY}, {axisX, t + h5});

    const FontState font = chartFont(canvas.font(), h8);
    canvas.setFont(font);
    // A chart too small for a one-point font shows no text rather than a default-sized one.
    const bool texts = font.size > 0;
    if (texts && largest > 0) {
        canvas.textOut(l + 1, t + h5, QString::number(largest));
        canvas.textOut(l + 1, b + (t - b + h5 - h8) / 2, QString::number(largest / 2));
    }

    // c groups of n bars, one bar width apart.
    const int w = n > 0 && c > 0 ? (r - l - w10) / ((c - 1) * (n + 1) + n) : 0;
    if (largest > 0 && w > 0) {
        const double scale = double(axisY - t - h5) / largest;
        for (int k = 0; k < n; ++k) {
            canvas.setBrush({kSeriesColours[k], 0});
            for (int j = 0; j < c; ++j) {
                const int s = rounded(d.values[k][j] * scale);
                if (s <= 0) continue;
                const int x = axisX + j * (n + 1) * w + k * w;
                canvas.rectangle(x, axisY - s, x + w, axisY);
            }
        }
        canvas.setBrush({kWhite, 0});
    }

    if (!texts) return;
    for (int j = 0; j < c; ++j)
        canvas.textOut(axisX + j * (n + 1) * w, axisY + 1, d.labels[j]);
    legend(canvas, d, l, t, r, h8, w10);
}

} // namespace qel
