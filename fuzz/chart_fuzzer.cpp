// The chart payload reader: bytes as a CHART record's payload, read, shown as the dialog's grid,
// written back and painted. Besides the sanitizers, it checks what the dialog and the painter
// promise: what the grid writes reads back to the same grid, and a chart out of sight leaves
// the canvas as painting it would.
#include "document/chartdata.h"
#include "document/cp1252.h"
#include "null_canvas.h"
#include "render/chart.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "chart_fuzzer: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString payload =
        qel::fromCp1252(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const qel::ChartData chart = qel::readChart(payload);
    check(chart.series >= 0 && chart.series <= qel::kChartMaxSeries, "series out of range");
    check(chart.categories >= 0 && chart.categories <= qel::kChartMaxCategories,
          "categories out of range");

    // What the grid writes reads back to the same grid.
    const qel::ChartBuild built = qel::buildChart(qel::chartTable(chart));
    if (built.status == qel::ChartBuild::Status::Written) {
        const qel::ChartTable table = qel::chartTable(qel::readChart(built.payload));
        const qel::ChartBuild again = qel::buildChart(table);
        check(again.status == qel::ChartBuild::Status::Written && again.payload == built.payload,
              "a written chart does not read back the same");
    }

    // The box comes from the size, so that narrow and wide boxes both occur.
    const int right = 2 + int(size % 613), bottom = 2 + int(size / 7 % 457);
    qel::NullCanvas painted, skipped;
    painted.setPenWidth(int(size % 5));
    skipped.setPenWidth(int(size % 5));
    qel::DrawChart(painted, 0, 0, right, bottom, payload);
    qel::chartLeavesCanvas(skipped, 0, 0, right, bottom);
    check(painted.style() == skipped.style(), "a chart out of sight leaves another state");
    return 0;
}
