// The cost of never losing work on the 10,000-shape drawing: one recovery copy written, and
// the memory 100 undo steps hold when each moves a few shapes.

#include "referencedrawings.h"

#include "document/drawing.h"
#include "edit/selection.h"
#include "platform/recoverystore.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace qel;

void BM_RecoveryWrite(benchmark::State& state) {
    const QStringList lines = bench::mixedDrawing(10000);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.qelrecovery"));
    const RecoveryData data{QStringLiteral("Dessin1"), {}, lines, QDateTime::currentDateTime()};
    for (auto _ : state)
        RecoveryStore::write(path, data);
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_RecoveryWrite)->Unit(benchmark::kMillisecond);

void BM_HundredUndoSteps(benchmark::State& state) {
    for (auto _ : state) {
        Drawing drawing(bench::kReferencePage);
        drawing.load(bench::mixedDrawing(10000), bench::kReferencePage);
        for (int step = 0; step < 100; ++step)
            drawing.apply([step](QStringList& l) {
                for (int k = 0; k < 5; ++k) // a few shapes dragged per step
                    l[2 + (step * 37 + k * 101) % 10000][0] = u'*';
                Deplace(l, (step % 2) ? 1 : -1, 0);
                clearSelection(l);
            });
        state.counters["steps"] = drawing.undoSteps();
        state.counters["history_MB"] = double(drawing.historyBytes()) / (1024 * 1024);
    }
}
BENCHMARK(BM_HundredUndoSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

QEL_BENCHMARK_MAIN();
