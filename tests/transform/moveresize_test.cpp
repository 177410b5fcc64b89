// Moving and resizing single records: what the text becomes after a step.

#include "transform/moveresize.h"

#include "support/records.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

const QString& S = testing::kPlainStyle;

// A font size of n points measures n pixels per character: enough to see the ratios.
QSize fakeMeasure(const FontState& f, const QString& text) {
    return {f.size * int(text.size()), f.size};
}

struct StepCase {
    const char* what;
    QString line;
    int dx, dy, handle; // handle 0: a move
    QString expected;   // empty: the line stays as it was
};

TEST(MoveResize, OneStepRewritesTheRecord) {
    const StepCase cases[] = {
        {"move", " 0RECT 0640320C8064" + S, 10, 5, 0, " 0RECT 06E0370D2069" + S},
        {"move keeps the arrowhead", "*0LINE 064032096050\t>2" + S.mid(1), 1, 1, 0,
         "*0LINE 065033097051\t>2" + S.mid(1)},
        {"move carries points", " 0POLYG 000000010010000000010010" + S, 2, 3, 0,
         " 0POLYG 002003012013002003012013" + S},
        {"move without a TAB adds none", " 0RECT 000000010010", 1, 0, 0, " 0RECT 001000011010"},
        {"move past the left edge", " 0RECT 000000010010" + S, -1, 0, 0, {}},
        {"move past 4095", " 0RECT FA000AFFA028" + S, 10, 0, 0, {}},
        {"unreadable block", " 0RECT 0Z0000010010" + S, 1, 1, 0, {}},
        {"no blank", " 0RECT" + S, 1, 1, 0, {}},
        {"handle 4", " 0RECT 0640320C8064" + S, 20, 30, 4, " 0RECT 0640320DC082" + S},
        {"handle 6 past the left edge", " 0RECT 0640320C8064" + S, -120, 0, 6,
         " 0RECT 064032050064" + S},
        {"handle 5 moves x only", " 0RECT 0640320C8064" + S, -4, 9, 5, " 0RECT 0600320C8064" + S},
        {"handle 7 moves y only", " 0RECT 0640320C8064" + S, 9, -2, 7, " 0RECT 0640300C8064" + S},
        {"handle 4 on a polygon leaves left and top vertices",
         " 0POLYG 00A00A01E01E00A00A01E00A01E01E014014" + S, 5, 5, 4,
         " 0POLYG 00A00A02302300A00A01E00A023023019019" + S},
        {"handle 1 on a polygon leaves right and bottom vertices",
         " 0POLYG 00A00A01E01E00A00A01E00A01E01E014014" + S, 5, 5, 1,
         " 0POLYG 00F00A01E01E00F00F01E00A01E01E019019" + S},
        {"handle 2 on a polygon leaves right and bottom vertices",
         " 0POLYG 00A00A01E01E00A00A01E00A01E01E014014" + S, 5, 5, 2,
         " 0POLYG 00A00A02301E00A00A02300F01E01E019019" + S},
        {"two points do not resize", " 0POLYL 00A00A01E01E00A00A01E01E" + S, 5, 5, 4, {}},
        {"a picture may shrink", " 0BITMAP 000000064064001001FFFFFF" + S, -10, -10, 4,
         " 0BITMAP 00000005A05A001001FFFFFF" + S},
        {"a picture may not grow past the limit",
         " 0BITMAP 000000064064001001FFFFFF" + S,
         50,
         50,
         4,
         {}},
    };
    for (const StepCase& c : cases) {
        const std::optional<QString> out =
            c.handle == 0 ? MoveXY(c.line, c.dx, c.dy) : RedimXY(c.line, c.dx, c.dy, c.handle);
        if (c.expected.isEmpty())
            EXPECT_FALSE(out) << c.what;
        else
            EXPECT_EQ(out.value_or(QStringLiteral("<unchanged>")), c.expected) << c.what;
    }
}

TEST(MoveResize, TextSizeFollowsTheWidthFromTheSizeAtThePress) {
    // "ab" at 12 points measures 24 pixels wide.
    const QString text = " 0TEXT 010000028010ab" + S;
    TextResize latch{fakeMeasure};
    const std::optional<QString> twice = RedimXY(text, 24, 0, 6, &latch);
    ASSERT_TRUE(twice);
    EXPECT_TRUE(twice->endsWith(QStringLiteral("180Arial"))) << twice->toStdString();
    // The next step of the same press still scales from 12 points.
    const std::optional<QString> thrice = RedimXY(*twice, 24, 0, 6, &latch);
    ASSERT_TRUE(thrice);
    EXPECT_TRUE(thrice->endsWith(QStringLiteral("240Arial"))) << thrice->toStdString();

    TextResize other{fakeMeasure};
    const std::optional<QString> huge = RedimXY(text, 4000, 0, 6, &other);
    ASSERT_TRUE(huge);
    EXPECT_TRUE(huge->endsWith(QStringLiteral("FF0Arial"))) << "sizes stop at 255";
    TextResize flat{fakeMeasure};
    const std::optional<QString> inverted = RedimXY(text, -24, 0, 6, &flat);
    ASSERT_TRUE(inverted);
    EXPECT_TRUE(inverted->endsWith(QStringLiteral("0C0Arial"))) << "no width keeps the size";
    TextResize blind{[](const FontState& f, const QString&) { return QSize(0, f.size); }};
    EXPECT_TRUE(RedimXY(text, 24, 0, 6, &blind)->endsWith(QStringLiteral("0C0Arial")))
        << "a text that measures nothing keeps its size";
    TextResize unused{fakeMeasure};
    EXPECT_EQ(RedimXY(" 0POLYG 00A00A01E01E00A00A01E00A01E01E014014" + S, 5, 5, 4, &unused),
              " 0POLYG 00A00A02302300A00A01E00A023023019019" + S)
        << "only texts change their font size";
}

TEST(MoveResize, TextBoxRefitsToItsText) {
    EXPECT_EQ(Recadre(" 0TEXT 000000030030ab" + S, fakeMeasure), " 0TEXT 00000001800Cab" + S);
    EXPECT_FALSE(Recadre(" 0TEXT 00000001800Cab" + S, fakeMeasure)) << "it fits already";
    EXPECT_FALSE(Recadre(" 0TEXTE 000000030030ab" + S, fakeMeasure)) << "only TEXT itself";
}

} // namespace
} // namespace qel
