// Mirrors and turns of records.

#include "transform/turn.h"

#include "support/records.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

const QString& S = testing::kPlainStyle;

QString turned(const QString& line, Turn t) {
    const TurnResult r = turnRecord(line, t);
    return r.status == TurnResult::Status::Done ? r.line : QStringLiteral("<unchanged>");
}

TEST(Turn, RecordsTurnInsideTheirOwnBox) {
    const struct {
        const char* what;
        QString line;
        Turn turn;
        QString expected;
    } cases[] = {
        {"polyline left", "*0POLYL 0640320A005A0640320820460A005A" + S, Turn::Left,
         "*0POLYL 06401E08C05A06405A07803C08C01E" + S},
        {"polyline right", "*0POLYL 0640320A005A0640320820460A005A" + S, Turn::Right,
         "*0POLYL 06401E08C05A08C01E07803C06405A" + S},
        {"arc half turn", "*0ARCL 010050050070" + S, Turn::Half, "*0ARCH 010050050070" + S},
        {"arc mirrored top to bottom", "*0ARCL 010050050070" + S, Turn::MirrorH,
         "*0ARCHU 010050050070" + S},
        {"arc mirrored left to right", "*0ARCL 010050050070" + S, Turn::MirrorV,
         "*0ARCLU 010050050070" + S},
        {"line quarter turn", "*0LINE 010010020030" + S, Turn::Right, "*0LINEU 010020030030" + S},
        {"line half turn", "*0LINE 010010020030" + S, Turn::Half, "*0LINE 010010020030" + S},
        {"two points are fine", "*0DRAW 00A00A01401E00A00A01401E" + S, Turn::MirrorV,
         "*0DRAW 00A00A01401E01400A00A01E" + S},
        {"picture mirrored", "*0BITMAP 000000010010002003AAAAAABBBBBBCCCCCC111111222222333333" + S,
         Turn::MirrorV, "*0BITMAP 000000010010002003111111222222333333AAAAAABBBBBBCCCCCC" + S},
        {"picture turned left",
         "*0BITMAP 000000010010002003AAAAAABBBBBBCCCCCC111111222222333333" + S, Turn::Left,
         "*0BITMAP 000000010010003002111111AAAAAA222222BBBBBB333333CCCCCC" + S},
        {"a rectangle keeps its keyword", "*0RECT 00A00A06E01E" + S, Turn::MirrorV,
         "*0RECT 00A00A06E01E" + S},
        {"a kind of another program keeps its keyword", "*0STAR 00A00A06E01E" + S, Turn::MirrorV,
         "*0STAR 00A00A06E01E" + S},
        {"a quarter turn past the top", "*0RECT 00A00A06E01E" + S, Turn::Left, "<unchanged>"},
        {"an incomplete picture", "*0BITMAP 000000010010002003AAAAAA" + S, Turn::Half,
         "<unchanged>"},
        {"no TAB", "*0RECT 00A00A06E01E", Turn::Half, "<unchanged>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(turned(c.line, c.turn), c.expected) << c.what;
}

TEST(Turn, TurnsComposeAsOnPaper) {
    const QString lines[] = {"*0ARCL 010050050070" + S, "*0CHORDHU 010020030070" + S,
                             "*0POLYG 0640320A005A0640320820460A005A" + S,
                             "*0BITMAP 000010010030002003AAAAAABBBBBBCCCCCC111111222222333333" + S};
    for (const QString& line : lines) {
        EXPECT_EQ(turned(turned(line, Turn::MirrorH), Turn::MirrorH), line);
        EXPECT_EQ(turned(turned(line, Turn::MirrorV), Turn::MirrorV), line);
        EXPECT_EQ(turned(turned(line, Turn::Left), Turn::Left), turned(line, Turn::Half));
        EXPECT_EQ(turned(turned(line, Turn::Left), Turn::Right), line);
        QString four = line;
        for (int i = 0; i < 4; ++i)
            four = turned(four, Turn::Right);
        EXPECT_EQ(four, line);
    }
}

TEST(Turn, APassTurnsEverySelectedRecordAndCountsRefusals) {
    QStringList lines = {"2801E0",
                         " 0BLANK",
                         "*0LINE 010010020030" + S,
                         "*0DRAW 00A00A01401E00A00A01401E" + S,
                         " 0LINE 010010020030" + S,
                         "*0RECT 00A00A06E01E" + S,
                         "*0LINEU 010010020030" + S};
    EXPECT_EQ(turnSelection(lines, Turn::Left), 1);
    EXPECT_TRUE(lines[2].startsWith("*0LINEU"));
    EXPECT_TRUE(lines[4].startsWith(" 0LINE "));
    EXPECT_TRUE(lines[6].startsWith("*0LINE "));
}

} // namespace
} // namespace qel
