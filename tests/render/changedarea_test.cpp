// What a change to the list repaints: the reach of the records that changed, or the whole page
// when the page, the background or the style a later record takes from them changed.

#include "render/recordpainter.h"
#include "render/recordreach.h"
#include "support/records.h"
#include <gtest/gtest.h>

namespace qel {
namespace {

using testing::drawingOf;

const QString kField = testing::kPlainStyle.mid(1);

QString withCode(qsizetype at, char code) {
    QString field = kField;
    field[at] = QLatin1Char(code);
    return field;
}

TEST(ChangedArea, TheReachOfWhatChangedOrTheWholePage) {
    const PaintOptions options;
    const QString a = " 0RECT 0100200C8064\t" + kField, b = " 0RECT 1000A0120100\t" + kField;
    const QString c = " 0ELLIPSE 0300300400A0\t" + kField, inherits = " 0RECT 1000A0120100";
    const QStringList base = drawingOf({a, b});
    auto reach = [&](const QString& line) { return recordReach(line, options); };
    const struct {
        const char* what;
        QStringList after;
        QRect expected;
    } cases[] = {
        {"nothing", base, QRect()},
        {"the page size", {"3201E0", " 0BLANK", a, b}, kEverywhere},
        {"the first record", drawingOf({c, b}), reach(a) | reach(c)},
        {"a record added on top", base + QStringList{c}, reach(c)},
        {"the top record deleted", base.mid(0, 3), reach(b)},
    };
    for (const auto& t : cases)
        EXPECT_EQ(changedArea(base, t.after, options), t.expected) << t.what;
    // One of two equal records deleted: the one that went is repainted.
    EXPECT_EQ(changedArea(base + QStringList{b}, base, options), reach(b));
    // A change under a record that takes its style from it reaches wherever that record is.
    EXPECT_EQ(changedArea(drawingOf({a, inherits}), drawingOf({c, inherits}), options),
              kEverywhere);
}

TEST(ChangedArea, ABoxReachesBothItsCornersWhicheverWayTheyAreStored) {
    // A picture reaches one pixel past its box, pen or not; a box resized past its corner keeps
    // its corners reversed.
    const QRect expected(QPoint(19, 39), QPoint(61, 81));
    for (const char* box : {"01402803C050", "03C050014028", "01405003C028"}) {
        const QString line = QStringLiteral(" 0BITMAP %1\t").arg(QLatin1String(box)) + kField;
        EXPECT_EQ(recordReach(line, PaintOptions()), expected) << box;
    }
}

TEST(ChangedArea, AStyleStandsAloneWhenEveryCodeIsInRange) {
    const struct {
        qsizetype at;
        char code;
        bool alone;
    } cases[] = {{0, '1', true}, {0, '7', true},  {0, '8', false}, {0, '9', false},
                 {9, '6', true}, {9, '7', false}, {30, '4', true}, {30, '5', false}};
    for (const auto& c : cases)
        EXPECT_EQ(styleStandsAlone(withCode(c.at, c.code)), c.alone) << c.at << c.code;
    EXPECT_TRUE(styleStandsAlone(kField.left(9))); // what is missing counts as 0
}

} // namespace
} // namespace qel
