// Loading drawings from their saved text: lines split, decoded and validated in one pass.

#include "referencedrawings.h"

#include "document/drawingfile.h"
#include "platform/drawingio.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

void load(benchmark::State& state, const QByteArray& bytes) {
    for (auto _ : state) {
        const DecodedDrawing d = decodeDrawing(bytes);
        benchmark::DoNotOptimize(d.lines.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Large drawings are made once per run, not once per benchmark repetition.
const QByteArray& mixed(int shapes) {
    static QHash<int, QByteArray> made;
    if (!made.contains(shapes)) made[shapes] = bench::drawingFileBytes(bench::mixedDrawing(shapes));
    return made[shapes];
}

// The same records saved with CR CR LF line ends: an empty line after each record.
const QByteArray& mixedCrCrLf(int shapes) {
    static QHash<int, QByteArray> made;
    if (!made.contains(shapes)) made[shapes] = QByteArray(mixed(shapes)).replace("\r\n", "\r\r\n");
    return made[shapes];
}

// A header, a background, then only lines that are not shape records.
QByteArray invalidLines(int count, bool empty) {
    QByteArray bytes = "2801E0\r\n 0BLANK\r\n";
    const QByteArray kinds[] = {" 0RECT", " 0RECT 010\tx", "nonsense without a tab"};
    for (int i = 0; i < count; ++i)
        bytes += (empty ? QByteArray() : kinds[i % 3]) + "\r\n";
    return bytes;
}

void BM_Load_Mixed1000(benchmark::State& s) {
    load(s, mixed(1000));
}
void BM_Load_Mixed10000(benchmark::State& s) {
    load(s, mixed(10000));
}
void BM_Load_Mixed100k(benchmark::State& s) {
    load(s, mixed(100000));
}
void BM_Load_Mixed100k_CrCrLf(benchmark::State& s) {
    load(s, mixedCrCrLf(100000));
}
void BM_Load_Mixed1M(benchmark::State& s) {
    load(s, mixed(1000000));
}
void BM_Load_EmptyLines1M(benchmark::State& s) {
    static const QByteArray bytes = invalidLines(1000000, true);
    load(s, bytes);
}
void BM_Load_InvalidLines1M(benchmark::State& s) {
    static const QByteArray bytes = invalidLines(1000000, false);
    load(s, bytes);
}
void BM_Load_Pictures20(benchmark::State& s) {
    static const QByteArray bytes = bench::drawingFileBytes(bench::pictureDrawing());
    load(s, bytes);
}
void BM_Load_Text2000(benchmark::State& s) {
    static const QByteArray bytes = bench::drawingFileBytes(bench::textDrawing());
    load(s, bytes);
}

// From the disk, as opening a file does: read in pieces, counted, then decoded.
void BM_LoadFile_Mixed1M(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.drf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(mixed(1000000)) < 0) {
        state.SkipWithError("cannot write the drawing");
        return;
    }
    file.close();
    for (auto _ : state) {
        const LoadedDrawing d = loadDrawingFile(path);
        benchmark::DoNotOptimize(d.lines.size());
    }
    state.SetBytesProcessed(state.iterations() * mixed(1000000).size());
}

// Saving 10,000 and 100,000 shapes as the Save command does: encoded, written beside the file
// and synced to the disk, then put in its place.
void BM_SaveFile_Mixed(benchmark::State& state) {
    const QStringList lines = bench::mixedDrawing(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.drf"));
    for (auto _ : state)
        if (!saveDrawingFile(path, lines).ok()) state.SkipWithError("cannot save the drawing");
}
BENCHMARK(BM_SaveFile_Mixed)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Load_Mixed1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Mixed10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Mixed100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Mixed100k_CrCrLf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Mixed1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_EmptyLines1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_InvalidLines1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Pictures20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load_Text2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFile_Mixed1M)->Unit(benchmark::kMillisecond);

} // namespace

QEL_BENCHMARK_MAIN()
