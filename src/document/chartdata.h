#pragma once

// The data of a bar chart, as the payload of a CHART record holds it: a series count digit,
// then per series a 10-character legend, six-digit hexadecimal values and 0x01; then 0x02 and
// 32 category labels of 10 characters.

#include <QString>
#include <QStringView>
#include <array>

namespace qel {

constexpr int kChartMaxSeries = 4;
constexpr int kChartMaxCategories = 32;
constexpr int kChartTextWidth = 10; // legends and labels
constexpr int kChartMaxValue = 0xFFFFFF;
constexpr QChar kChartSeriesEnd = QChar(0x01);
constexpr QChar kChartLabelsStart = QChar(0x02);

struct ChartData {
    int series = 0;                               // 0..4, as stored but never more than four
    int categories = 0;                           // the most values one series has, 0..32
    std::array<QString, kChartMaxSeries> legends; // as stored, at most 10 characters
    std::array<int, kChartMaxSeries> counts{};    // values read per series
    // Zero where a series has no value.
    std::array<std::array<int, kChartMaxCategories>, kChartMaxSeries> values{};
    std::array<QString, kChartMaxCategories> labels; // as stored, at most 10 characters
    // False when a value did not convert: reading stopped there, keeping what came before.
    bool complete = true;

    int largest() const;
};

// Reads a payload without ever failing: at most four series of 32 values are kept, whatever
// the payload claims, and nothing is read beyond the text.
ChartData readChart(QStringView payload);

// The chart as the dialog's grid shows it: values in decimal, texts without trailing blanks.
struct ChartTable {
    std::array<QString, kChartMaxSeries> legends;
    std::array<std::array<QString, kChartMaxCategories>, kChartMaxSeries> values;
    std::array<QString, kChartMaxCategories> labels;
};
ChartTable chartTable(const ChartData& data);

struct ChartBuild {
    enum class Status { Written, Empty, TooLarge, NotANumber };
    Status status = Status::Empty;
    QString payload; // only when written
    int series = -1; // the offending cell, when a value was refused
    int category = -1;
};

// Builds a payload from the grid. Every row whose first value is filled becomes a series, in
// order; its values run to its last filled cell, an empty cell before it counting 0. Values must
// be whole numbers from 0 to 16777215. Legends and labels lose their control characters and are
// padded or cut to 10 characters. No row with a first value gives Empty.
ChartBuild buildChart(const ChartTable& table);

} // namespace qel
