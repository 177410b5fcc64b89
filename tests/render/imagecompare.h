#pragma once

// Comparing a picture read back from a file with the page painted by the program.

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>

namespace qel::testing {

// The share of pixels (0..1) whose colours differ by more than `threshold` in some channel;
// pictures of different sizes are compared over what they share, the rest counting as
// different.
inline double clearlyDifferent(const QImage& a, const QImage& b, int threshold = 96) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(x.width(), y.width()), h = std::min(x.height(), y.height());
    const long long total = std::max<long long>(1, 1LL * std::max(x.width(), y.width()) *
                                                       std::max(x.height(), y.height()));
    long long differ = total - 1LL * w * h;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            differ += std::abs(qRed(p) - qRed(q)) > threshold ||
                      std::abs(qGreen(p) - qGreen(q)) > threshold ||
                      std::abs(qBlue(p) - qBlue(q)) > threshold;
        }
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
