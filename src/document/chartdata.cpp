#include "document/chartdata.h"

#include "document/record.h"

#include <algorithm>

namespace qel {

namespace {

constexpr int kValueDigits = 6;

// The two separators and every other control character would break the payload's layout.
QString printable(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c.unicode() >= 0x20) out += c;
    return out;
}

QString fixedWidth(const QString& text) {
    return printable(text).leftJustified(kChartTextWidth, u' ', true);
}

QString withoutTrailingBlanks(QStringView text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].unicode() <= 0x20)
        --end;
    return text.left(end).toString();
}

bool isBlank(const QString& cell) {
    return cell.trimmed().isEmpty();
}

// A cell's value, or why it cannot be one.
ChartBuild::Status parseValue(const QString& cell, int& value) {
    const QString digits = cell.trimmed();
    if (digits.isEmpty()) {
        value = 0;
        return ChartBuild::Status::Written;
    }
    for (QChar c : digits)
        if (c < u'0' || c > u'9') return ChartBuild::Status::NotANumber;
    qsizetype first = 0; // leading zeros say nothing about the size
    while (first < digits.size() - 1 && digits[first] == u'0')
        ++first;
    if (digits.size() - first > 8) return ChartBuild::Status::TooLarge;
    const long long v = digits.mid(first).toLongLong();
    if (v > kChartMaxValue) return ChartBuild::Status::TooLarge;
    value = int(v);
    return ChartBuild::Status::Written;
}

} // namespace

int ChartData::largest() const {
    int m = 0;
    for (int k = 0; k < series; ++k)
        for (int j = 0; j < counts[k]; ++j)
            m = std::max(m, values[k][j]);
    return m;
}

ChartData readChart(QStringView payload) {
    ChartData d;
    if (payload.isEmpty()) return d;
    const QChar count = payload[0];
    d.series =
        count >= u'0' && count <= u'9' ? std::min(count.unicode() - u'0', kChartMaxSeries) : 0;
    QStringView rest = payload.mid(1);
    QStringView labels;
    if (const qsizetype at = rest.indexOf(kChartLabelsStart); at >= 0) {
        labels = rest.mid(at + 1);
        rest = rest.left(at);
    }

    for (int k = 0; k < d.series && d.complete; ++k) {
        const qsizetype end = rest.indexOf(kChartSeriesEnd);
        const QStringView text = end >= 0 ? rest.left(end) : rest;
        rest = end >= 0 ? rest.mid(end + 1) : QStringView();
        d.legends[k] = text.left(kChartTextWidth).toString();
        // Values past the 32nd are left unread: no chart shows them.
        for (qsizetype at = kChartTextWidth; at < text.size() && d.counts[k] < kChartMaxCategories;
             at += kValueDigits) {
            const std::optional<int> v = parseHex(text.mid(at, kValueDigits));
            if (!v) {
                d.complete = false;
                break;
            }
            d.values[k][d.counts[k]++] = *v;
        }
        d.categories = std::max(d.categories, d.counts[k]);
    }

    for (int j = 0; j < kChartMaxCategories; ++j) {
        const qsizetype at = qsizetype(j) * kChartTextWidth;
        if (at >= labels.size()) break;
        d.labels[j] = labels.mid(at, kChartTextWidth).toString();
    }
    return d;
}

ChartTable chartTable(const ChartData& data) {
    ChartTable t;
    for (int k = 0; k < data.series; ++k) {
        t.legends[k] = withoutTrailingBlanks(data.legends[k]);
        for (int j = 0; j < data.counts[k]; ++j)
            t.values[k][j] = QString::number(data.values[k][j]);
    }
    for (int j = 0; j < kChartMaxCategories; ++j)
        t.labels[j] = withoutTrailingBlanks(data.labels[j]);
    return t;
}

ChartBuild buildChart(const ChartTable& table) {
    ChartBuild b;
    QString series;
    int written = 0;
    for (int k = 0; k < kChartMaxSeries; ++k) {
        const auto& row = table.values[k];
        if (isBlank(row[0])) continue;
        int last = 0;
        for (int j = 0; j < kChartMaxCategories; ++j)
            if (!isBlank(row[j])) last = j;
        series += fixedWidth(table.legends[k]);
        for (int j = 0; j <= last; ++j) {
            int value = 0;
            const ChartBuild::Status status = parseValue(row[j], value);
            if (status != ChartBuild::Status::Written) {
                b.status = status;
                b.series = k;
                b.category = j;
                return b;
            }
            series += hexField(value, kValueDigits);
        }
        series += kChartSeriesEnd;
        ++written;
    }
    if (written == 0) return b;

    b.status = ChartBuild::Status::Written;
    b.payload.reserve(1 + series.size() + 1 + kChartMaxCategories * kChartTextWidth);
    b.payload += QString::number(written);
    b.payload += series;
    b.payload += kChartLabelsStart;
    for (const QString& label : table.labels)
        b.payload += fixedWidth(label);
    return b;
}

} // namespace qel
