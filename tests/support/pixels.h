#pragma once

// Comparing pictures: pages painted twice, a file read back against the page, what a tool
// outside the program shows of an export.

#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRect>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <functional>

namespace qel::testing {

// A picture of random opaque pixels drawn from `random`: a ground on which any wrong write shows.
inline QImage noise(QSize size, QRandomGenerator& random) {
    QImage image(size, QImage::Format_RGB32);
    for (int j = 0; j < size.height(); ++j)
        for (int i = 0; i < size.width(); ++i)
            image.setPixel(i, j, 0xFF000000u | random.bounded(0x1000000u));
    return image;
}

// The largest difference of one channel between two colours.
inline int channelDistance(QRgb p, QRgb q) {
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                     std::abs(qBlue(p) - qBlue(q))});
}

// How many pixels of the shared area differ by more than `threshold` in some channel (alpha
// ignored); `where` receives the box around them.
inline int differingPixels(const QImage& a, const QImage& b, int threshold = 0,
                           QRect* where = nullptr) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(x.width(), y.width()), h = std::min(x.height(), y.height());
    int n = 0;
    QRect box;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (channelDistance(x.pixel(i, j), y.pixel(i, j)) > threshold) {
                ++n;
                box |= QRect(i, j, 1, 1);
            }
    if (where) *where = box;
    return n;
}

// The mean difference of a channel (0..255) over the shared area: how far apart two renderings
// of one picture look as a whole.
inline double meanDistance(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(x.width(), y.width()), h = std::min(x.height(), y.height());
    double sum = 0;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return w * h ? sum / (3.0 * w * h) : 0;
}

// How many pixels of `image` (inside `area` when given) satisfy `keep`.
inline int countPixels(const QImage& image, const std::function<bool(QRgb)>& keep,
                       QRect area = {}) {
    const QImage x = image.convertToFormat(QImage::Format_ARGB32);
    const QRect r = area.isNull() ? x.rect() : area & x.rect();
    int n = 0;
    for (int j = r.top(); j <= r.bottom(); ++j)
        for (int i = r.left(); i <= r.right(); ++i)
            n += keep(x.pixel(i, j));
    return n;
}
// The box around the pixels of `image` (inside `area` when given) that satisfy `keep`.
inline QRect boxOf(const QImage& image, const std::function<bool(QRgb)>& keep, QRect area = {}) {
    QRect box;
    const QImage x = image.convertToFormat(QImage::Format_ARGB32);
    const QRect r = area.isNull() ? x.rect() : area & x.rect();
    for (int j = r.top(); j <= r.bottom(); ++j)
        for (int i = r.left(); i <= r.right(); ++i)
            if (keep(x.pixel(i, j))) box |= QRect(i, j, 1, 1);
    return box;
}
inline int countColour(const QImage& image, QRgb colour, QRect area = {}) {
    return countPixels(
        image, [colour](QRgb p) { return (p | 0xFF000000u) == (colour | 0xFF000000u); }, area);
}

// The share of pixels (0..1) whose colours differ by more than `threshold` in some channel;
// pictures of different sizes are compared over what they share, the rest counting as
// different.
inline double clearlyDifferent(const QImage& a, const QImage& b, int threshold = 96) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(x.width(), y.width()), h = std::min(x.height(), y.height());
    const long long total = std::max<long long>(1, 1LL * std::max(x.width(), y.width()) *
                                                       std::max(x.height(), y.height()));
    const long long differ = total - 1LL * w * h + differingPixels(x, y, threshold);
    return double(differ) / double(total);
}

// The first page of a PDF rasterised at 96 dpi without smoothing, by poppler's pdftoppm; a
// null image when the tool is missing or fails.
inline QImage rasterisePdf(const QString& pdf, const QString& prefix) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty()) return {};
    QProcess run;
    run.start(tool, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-aa"),
                     QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) return {};
    return QImage(prefix + QStringLiteral(".png"));
}

// An SVG file as rsvg-convert shows it at 96 dpi (it smooths stretched pictures that are left to
// it); null when the tool is missing.
inline QImage rasteriseSvg(const QString& svg, const QString& png) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
    if (tool.isEmpty()) return {};
    QProcess run;
    run.start(tool,
              {QStringLiteral("-b"), QStringLiteral("white"), QStringLiteral("-o"), png, svg});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

} // namespace qel::testing
