// Exporting the reference drawings: painting the page, then each picture format.

#include "referencedrawings.h"

#include "render/ecran.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

const QStringList& mixed10000() {
    static const QStringList list = bench::mixedDrawing(10000);
    return list;
}

void BM_RenderPage(benchmark::State& state) {
    TEcran ecran;
    ecran.Init3(bench::kReferencePage.width(), bench::kReferencePage.height(), 100, mixed10000());
    for (auto _ : state) {
        const QImage page = ecran.renderPage();
        benchmark::DoNotOptimize(page.constBits());
    }
}

void exportTo(benchmark::State& state, const char* name, const QStringList& list) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(name));
    for (auto _ : state) {
        const Outcome r = exportPicture(list, bench::kReferencePage.width(),
                                        bench::kReferencePage.height(), 100, path);
        if (!r.ok()) state.SkipWithError(r.message().toStdString().c_str());
    }
}

void BM_Export_Bmp(benchmark::State& s) {
    exportTo(s, "page.bmp", mixed10000());
}
void BM_Export_Jpeg(benchmark::State& s) {
    exportTo(s, "page.jpg", mixed10000());
}
void BM_Export_Gif(benchmark::State& s) {
    exportTo(s, "page.gif", mixed10000());
}
void BM_Export_Bmp_Pictures20(benchmark::State& s) {
    static const QStringList list = bench::pictureDrawing();
    exportTo(s, "pictures.bmp", list);
}

BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Bmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Gif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Bmp_Pictures20)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN()
