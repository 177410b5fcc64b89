// Loading the reference drawings from their saved text: lines split, then validated.

#include "referencedrawings.h"

#include "document/record.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

// CR LF, CR and LF each end a line, as the drawing files are read.
QStringList readLines(const QByteArray& bytes) {
    const QString text = QString::fromLatin1(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

void load(benchmark::State& state, const QStringList& drawing) {
    const QByteArray bytes = bench::drawingFileBytes(drawing);
    for (auto _ : state) {
        QStringList lines = readLines(bytes);
        benchmark::DoNotOptimize(Verifie(lines));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_Load_Mixed1000(benchmark::State& s) {
    load(s, bench::mixedDrawing(1000));
}
void BM_Load_Mixed10000(benchmark::State& s) {
    load(s, bench::mixedDrawing(10000));
}
void BM_Load_Pictures20(benchmark::State& s) {
    load(s, bench::pictureDrawing());
}
void BM_Load_Text2000(benchmark::State& s) {
    load(s, bench::textDrawing());
}

BENCHMARK(BM_Load_Mixed1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Mixed10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Pictures20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Text2000)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN()
