#pragma once

// Reference drawings for the benchmarks: every figure is reproducible from its seed.

#include <QSize>
#include <QString>
#include <QStringList>

namespace qel::bench {

constexpr QSize kReferencePage{1600, 1200};

constexpr QSize kLargestPage{4095, 4095};

// Shapes of every kind (all keywords, arrowheads, hatched brushes, dashed and wide pens, text,
// small pictures, charts) spread over the page, on a blank background.
QStringList mixedDrawing(int shapes, unsigned seed = 1, QSize page = kReferencePage);
// The same shapes, all of one keyword (index into keywordNames()).
QStringList singleKindDrawing(int kind, int shapes, unsigned seed = 1);
QStringList keywordNames();
// Pictures at the picture tool's limit (148 x 147 = 21,756 pixels), each one different.
QStringList pictureDrawing(int pictures = 20, unsigned seed = 2);
// Lines of text in a few faces, sizes and styles.
QStringList textDrawing(int texts = 2000, unsigned seed = 3);

// The drawing as its file holds it (CR LF lines), for loading benchmarks.
QByteArray drawingFileBytes(const QStringList& shapeList);

} // namespace qel::bench

// Benchmarks paint text, so they run inside a (headless) application.
#define QEL_BENCHMARK_MAIN()                                                                       \
    int main(int argc, char** argv) {                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        ::benchmark::Initialize(&argc, argv);                                                      \
        ::benchmark::RunSpecifiedBenchmarks();                                                     \
        ::benchmark::Shutdown();                                                                   \
        return 0;                                                                                  \
    }
