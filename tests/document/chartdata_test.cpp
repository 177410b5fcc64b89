// Chart payloads: what a file's CHART record gives the painter and the dialog, and what the
// dialog's grid writes back.

#include "document/chartdata.h"

#include <gtest/gtest.h>

using namespace qel;

namespace {

const QString kLabels = QString(320, u' ');

QString series(const char* legend, std::initializer_list<const char*> values) {
    QString s = QString::fromLatin1(legend).leftJustified(10, u' ', true);
    for (const char* v : values)
        s += QString::fromLatin1(v);
    return s + QChar(0x01);
}

TEST(ChartRead, LenientAndBounded) {
    QString ninety; // 9 series of 40 values each
    for (int k = 0; k < 9; ++k) {
        ninety += QStringLiteral("Serie").leftJustified(10);
        for (int j = 0; j < 40; ++j)
            ninety += QStringLiteral("00000A");
        ninety += QChar(0x01);
    }
    struct Case {
        const char* name;
        QString payload;
        int series, categories, largest;
        bool complete;
    } cases[] = {
        {"empty", QString(), 0, 0, 0, true},
        {"two series",
         QStringLiteral("2") + series("A", {"00000A", "000014"}) + series("B", {"0000FF"}) +
             QChar(0x02) + kLabels,
         2, 2, 255, true},
        {"legend only", QStringLiteral("1") + series("Vide", {}) + QChar(0x02), 1, 0, 0, true},
        {"count not a digit", QStringLiteral("X") + series("A", {"00000A"}), 0, 0, 0, true},
        {"hostile", QStringLiteral("9") + ninety + QChar(0x02) + kLabels, 4, 32, 10, true},
        {"bad value",
         QStringLiteral("2") + series("A", {"00000A", "0000ZZ", "000030"}) +
             series("B", {"000040"}),
         2, 1, 10, false},
        {"cut short", QStringLiteral("3") + QStringLiteral("Abc"), 3, 0, 0, true},
    };
    for (const Case& c : cases) {
        const ChartData d = readChart(c.payload);
        EXPECT_EQ(d.series, c.series) << c.name;
        EXPECT_EQ(d.categories, c.categories) << c.name;
        EXPECT_EQ(d.largest(), c.largest) << c.name;
        EXPECT_EQ(d.complete, c.complete) << c.name;
    }
}

TEST(ChartBuild, RowsWithAFirstValueAreWrittenInOrder) {
    ChartTable t;
    t.legends = {QStringLiteral("Ventes"), QStringLiteral("Oubli"),
                 QStringLiteral("Trop long legende"), QStringLiteral("Tab\there")};
    t.values[0][0] = QStringLiteral("10");
    t.values[0][1] = QStringLiteral("20");
    t.values[1][3] = QStringLiteral("7"); // no first value: not a series
    t.values[2][0] = QStringLiteral("255");
    t.values[2][2] = QStringLiteral("3"); // the gap before it counts 0
    t.values[3][0] = QStringLiteral("0016777215");
    t.labels[0] = QStringLiteral("Jan");
    t.labels[1] = QStringLiteral("F\x01"
                                 "ev\r\n");
    const ChartBuild b = buildChart(t);
    ASSERT_EQ(b.status, ChartBuild::Status::Written);
    const QString expected = QStringLiteral("3") + series("Ventes", {"00000A", "000014"}) +
                             series("Trop long ", {"0000FF", "000000", "000003"}) +
                             series("Tabhere", {"FFFFFF"}) + QChar(0x02) +
                             QStringLiteral("Jan       Fev       ") + QString(300, u' ');
    EXPECT_EQ(b.payload, expected);

    // What is written reads back into the same grid.
    const ChartTable back = chartTable(readChart(b.payload));
    EXPECT_EQ(back.legends[1], QStringLiteral("Trop long"));
    EXPECT_EQ(back.values[1][1], QStringLiteral("0"));
    EXPECT_EQ(back.values[1][2], QStringLiteral("3"));
    EXPECT_EQ(back.values[2][0], QStringLiteral("16777215"));
}

TEST(ChartBuild, RefusedValuesAndEmptyGrids) {
    struct Case {
        const char* cell;
        ChartBuild::Status status;
    } cases[] = {{"16777216", ChartBuild::Status::TooLarge},
                 {"99999999999999999999", ChartBuild::Status::TooLarge},
                 {"12a", ChartBuild::Status::NotANumber},
                 {"-1", ChartBuild::Status::NotANumber},
                 {"1 000", ChartBuild::Status::NotANumber}};
    for (const Case& c : cases) {
        ChartTable t;
        t.values[0][0] = QStringLiteral("1");
        t.values[0][4] = QString::fromLatin1(c.cell);
        const ChartBuild b = buildChart(t);
        EXPECT_EQ(b.status, c.status) << c.cell;
        EXPECT_EQ(b.series, 0);
        EXPECT_EQ(b.category, 4);
        EXPECT_TRUE(b.payload.isEmpty());
    }
    ChartTable empty;
    empty.legends[0] = QStringLiteral("Seule");
    empty.values[0][1] = QStringLiteral("5");
    EXPECT_EQ(buildChart(empty).status, ChartBuild::Status::Empty);
}

} // namespace
