// The editing commands over the lines of a drawing.

#include "edit/editcommands.h"

#include "document/record.h"

#include "support/records.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using testing::drawingOf;

const QString& S = testing::kPlainStyle;
const QString A = QStringLiteral("RECT 010010064064") + S;
const QString B = QStringLiteral("ELLIPSE 032032096096") + S;
const QString C = QStringLiteral("LINE 0C801412C078") + S;
const QString D = QStringLiteral("RECT 0C80C812C12C") + S;

struct OrderCase {
    const char* what;
    void (*command)(QStringList&);
    QStringList before, after;
};

TEST(EditCommands, StackingMovesTheSelectedRecords) {
    const OrderCase cases[] = {
        {"to the front", AvPlan, drawingOf({"*0" + A, "*0" + B, " 0" + C}),
         drawingOf({" 0" + C, "*0" + A, "*0" + B})},
        {"to the back", ArPlan, drawingOf({"*0" + A, "*0" + B, " 0" + C}),
         drawingOf({"*0" + B, "*0" + A, " 0" + C})},
        {"one forward", UnDessus, drawingOf({"*0" + A, "*0" + B, " 0" + C}),
         drawingOf({"*0" + B, "*0" + A, " 0" + C})},
        {"one back", UnDessous, drawingOf({" 0" + A, "*0" + B, "*0" + C}),
         drawingOf({"*0" + B, "*0" + C, " 0" + A})},
        {"delete", Supprimer, drawingOf({"*0" + A, " 0" + B, "*0" + C}), drawingOf({" 0" + B})},
        {"ungroup", Separer, drawingOf({"*4" + C, " 4" + D}), drawingOf({"*0" + C, " 4" + D})},
        {"lock", Verrouiller, drawingOf({"*0" + A, " 0" + B}), drawingOf({"#0" + A, " 0" + B})},
        {"unlock all", Deverrouiller, drawingOf({"#0" + A, "*0" + B}),
         drawingOf({" 0" + A, " 0" + B})},
    };
    for (const OrderCase& c : cases) {
        QStringList lines = c.before;
        c.command(lines);
        EXPECT_EQ(lines, c.after) << c.what;
    }
}

TEST(EditCommands, TheBackgroundIsNeverTouchedWhateverItsMark) {
    QStringList lines = {QStringLiteral("2801E0"), QStringLiteral("*0BLANK"), "*0" + A};
    Supprimer(lines);
    Verrouiller(lines);
    EXPECT_EQ(lines, QStringList({"2801E0", "*0BLANK"}));
    EXPECT_TRUE(Copier({"2801E0", "*0BLANK"}).isEmpty());
}

TEST(EditCommands, GroupsTakeTheNextFreeNumber) {
    QStringList lines = drawingOf({" 1" + A, " 3" + B, "*0" + C, "*0" + D});
    ASSERT_EQ(nextGroup(lines), 4);
    Grouper(lines, 4);
    EXPECT_EQ(lines.mid(4), QStringList({"*4" + C, "*4" + D}));
    EXPECT_FALSE(nextGroup(drawingOf({" 9" + A}))) << "a tenth group";
    EXPECT_EQ(nextGroup(drawingOf({" X" + A})), 1) << "a group that is no digit counts as none";
}

TEST(EditCommands, CopyClearsMarksAndPasteGoesOnTop) {
    const QStringList clip = Copier(drawingOf({"*2" + A, " 0" + B}));
    EXPECT_EQ(clip, QStringList{" 2" + A});
    QStringList lines = drawingOf({" 0" + B});
    Coller(lines, clip);
    EXPECT_EQ(lines.last(), " 2" + A);
}

TEST(EditCommands, CropBringsTheDrawingToTheGridStep) {
    QStringList lines = drawingOf({" 0RECT 06403C0C8064" + S, " 0POLYL 0A00500B00600A0050" + S});
    const std::optional<QSize> page = Recadrer(lines, 8);
    ASSERT_TRUE(page);
    EXPECT_EQ(lines[2], " 0RECT 00800806C030" + S) << "moved by (-92, -52)";
    EXPECT_EQ(*page, QSize(100 + 16, 40 + 16));
    EXPECT_EQ(lines[0], headerLine(116, 56));

    QStringList pointsOutside = drawingOf({" 0POLYL 0A00500B0060060040" + S});
    ASSERT_TRUE(Recadrer(pointsOutside, 8));
    EXPECT_EQ(pointsOutside[2], " 0POLYL 048018058028008008" + S)
        << "a point outside its record's box counts too";

    QStringList empty = drawingOf({" 0RECT" + S});
    EXPECT_FALSE(Recadrer(empty, 8)) << "nothing readable: nothing moves";
}

TEST(EditCommands, EraseLeavesTheHeaderAndABlankBackground) {
    QStringList lines = drawingOf({" 0" + A});
    Effacer(lines, QSize(640, 480));
    EXPECT_EQ(lines, QStringList({"2801E0", " 0BLANK"}));
}

} // namespace
} // namespace qel
