#include "document/cp1252.h"
#include "document/drawingdecoder.h"
#include "document/drawingfile.h"
#include "document/record.h"
#include "document/shapelist.h"

#include <gtest/gtest.h>

using namespace qel;

namespace {

const QByteArray kRect = " 0RECT 0100200C8064\t100FFFFFF00100000000000000000C0Arial";

TEST(Cp1252, EveryByteSurvivesAReadAndAWrite) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
    EXPECT_EQ(fromCp1252("\x80\xE9"), QStringLiteral("€é"));
    EXPECT_EQ(toCp1252(QStringLiteral("Été € 中")), QByteArray("\xC9t\xE9 \x80 ?"));
}

TEST(DrawingFile, LineEndingsOfAnyKindAreRead) {
    struct Case {
        const char* bytes;
        QStringList lines;
    } cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\nb\n\nc", {"a", "b", "", "c"}},
        {"a\r\n\rb", {"a", "", "b"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitLines(QString::fromLatin1(c.bytes)), c.lines) << c.bytes;
}

TEST(DrawingFile, DecodingDropsInvalidLinesAndReadsTheHeader) {
    const DecodedDrawing d = decodeDrawing("2801E0\n 0BLANK\n 0RECT\n" + kRect + "\nnonsense\r\n");
    EXPECT_EQ(d.droppedLines, 2);
    EXPECT_EQ(d.lines.size(), 3);
    EXPECT_EQ(d.pageSize, QSize(640, 480));
}

TEST(DrawingFile, HeaderThatDoesNotReadGivesNoSize) {
    for (const char* header : {"XYZ", "280", "2801EZ", "000000", ""})
        EXPECT_FALSE(parseHeaderLine(QString::fromLatin1(header))) << header;
    EXPECT_EQ(parseHeaderLine(QStringLiteral("0640C8")), QSize(100, 200));
}

TEST(DrawingFile, EncodingIsCp1252WithCrLf) {
    QStringList lines = newShapeList(640, 480);
    lines << QStringLiteral("#3TEXT 010010050050Prix : 5 €\t1");
    EXPECT_EQ(encodeDrawing(lines),
              QByteArray("2801E0\r\n 0BLANK\r\n#3TEXT 010010050050Prix : 5 \x80\t1\r\n"));
}

TEST(ShapeList, NewListMarksAndExtent) {
    EXPECT_EQ(newShapeList(640, 480), QStringList({"2801E0", " 0BLANK"}));
    QStringList list = {"2801E0", " 0BLANK", "*0RECT 010010050050\t1", "#2RECT 010010050050\t1",
                        "*5LINE 000000064064\t1"};
    clearSelectionMarks(list);
    EXPECT_EQ(list[2][0], u' ');
    EXPECT_EQ(list[3].left(2), QStringLiteral("#2"));
    EXPECT_EQ(list[4].left(2), QStringLiteral(" 5"));
    EXPECT_EQ(largestExtentOf(list), QSize(100, 100));

    QStringList empty;
    ensureHeaderAndBackground(empty, 16, 16);
    EXPECT_EQ(empty, QStringList({"010010", " 0BLANK"}));
}

} // namespace

namespace {

// A file of many records with invalid lines of every kind between them: empty lines (as CR CR LF
// endings give), a bare keyword, a TAB too early, no TAB at all.
struct Interleaved {
    QByteArray bytes;
    QStringList kept;
    int dropped = 0;
};

Interleaved interleaved(int records) {
    const QByteArray invalid[] = {"", " 0RECT", " 0RECT 010\tx", " 0RECT 0100200C8064 no tab"};
    Interleaved f;
    f.bytes = "2801E0\r\n 0BLANK\r\n";
    f.kept = QStringList{"2801E0", " 0BLANK"};
    for (int i = 0; i < records; ++i) {
        const QByteArray record = " 0TEXT 0100200C8064n" + QByteArray::number(i) + "\t1";
        f.bytes += record + "\r\n";
        f.kept << QString::fromLatin1(record);
        for (int k = 0; k <= i % 4; ++k) {
            // CR CR LF ends this line and then an empty one.
            f.bytes += invalid[(i + k) % 4] + (k % 2 ? "\r" : "\r\r\n");
            f.dropped += k % 2 ? 1 : 2;
        }
    }
    return f;
}

TEST(DrawingFile, ManyInvalidLinesKeepEveryRecordInOrder) {
    const Interleaved f = interleaved(20000);
    const DecodedDrawing d = decodeDrawing(f.bytes);
    EXPECT_EQ(d.droppedLines, f.dropped);
    EXPECT_TRUE(d.lines == f.kept);
    EXPECT_EQ(d.lines.capacity(), d.lines.size()); // counted first, allocated once

    // Lines validated after the fact give the same list.
    QStringList split = splitLines(fromCp1252(f.bytes));
    EXPECT_EQ(Verifie(split), f.dropped);
    EXPECT_TRUE(split == f.kept);
}

TEST(DrawingFile, PiecesCutAnywhereGiveTheSameLines) {
    const Interleaved f = interleaved(50);
    const QByteArray bytes = f.bytes + " 0TEXT 0100200C8064\xC9t\xE9\t1"; // no line end
    const DecodedDrawing whole = decodeDrawing(bytes);
    for (qsizetype piece : {1, 2, 3, 7, 64, 1000}) {
        DrawingDecoder decoder;
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            decoder.feed(QByteArrayView(bytes).sliced(at, std::min(piece, bytes.size() - at)));
        decoder.finish();
        EXPECT_EQ(decoder.droppedLines(), whole.droppedLines) << piece;
        EXPECT_EQ(decoder.takeLines(), whole.lines) << piece;
    }
    EXPECT_EQ(whole.lines.last(), QStringLiteral(" 0TEXT 0100200C8064Été\t1"));
}

} // namespace
