#include "document/record.h"
#include "document/recordparts.h"

#include <gtest/gtest.h>

using namespace qel;

namespace {

const QString kStyle = QStringLiteral("1") + QStringLiteral("00FFFFFF") + QStringLiteral("0") +
                       QStringLiteral("01") + QStringLiteral("00000000") +
                       QStringLiteral("00000000") + QStringLiteral("0C") + QStringLiteral("0") +
                       QStringLiteral("Arial");

TEST(HexFields, FixedWidthUpperCaseAndClamped) {
    struct Case {
        long long value;
        int width;
        const char* text;
    } cases[] = {{0, 3, "000"},   {255, 3, "0FF"}, {4095, 3, "FFF"}, {4096, 3, "FFF"},
                 {-7, 3, "000"},  {300, 2, "FF"},  {12, 2, "0C"},    {640, 3, "280"},
                 {480, 3, "1E0"}, {-1, 2, "00"}};
    for (const Case& c : cases)
        EXPECT_EQ(hexField(c.value, c.width), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(hexColour(0x00FF00), QStringLiteral("0000FF00"));
    EXPECT_EQ(headerLine(640, 480), QStringLiteral("2801E0"));
}

TEST(HexFields, ParsingFailsOnEmptyOrForeignText) {
    EXPECT_EQ(parseHex(u"0C8"), 200);
    EXPECT_EQ(parseHex(u"0c8"), 200);
    EXPECT_FALSE(parseHex(u""));
    EXPECT_FALSE(parseHex(u"0G0"));
    EXPECT_FALSE(parseHex(u" 10"));
    EXPECT_EQ(parseHexColour(u"FF0000FF"), Colour(0xFF0000FF));
}

TEST(Splitting, KeywordDataArrowAndStyle) {
    const QString stored = QStringLiteral(" 0LINE 010010050050\t>2") + kStyle;
    const RecordView v = splitRecord(stored);
    EXPECT_EQ(v.keyword, u"LINE");
    EXPECT_EQ(v.data, u"010010050050");
    EXPECT_EQ(v.arrow, u">2");
    EXPECT_EQ(arrowCode(v.arrow), 2);
    EXPECT_EQ(v.style, kStyle);
    EXPECT_TRUE(v.hasTab);
    // The brush style is read from the third character of a field that starts with ">2".
    Style s;
    s.brushStyle = 5;
    applyStyleField(v.style, s);
    EXPECT_EQ(s.brushStyle, 1);
}

// Every kind and hostile lines: what reads writes back character for character, what does not
// read is refused, and the marks, box, payload, arrow and style land where the painter finds them.
TEST(RecordValue, ReadThenWriteGivesTheSameLine) {
    const QString S = QStringLiteral("\t") + kStyle;
    struct Case {
        QString line;
        bool reads;
        const char* keyword = "";
        const char* payload = "";
        const char* arrow = "";
        QString written = {}; // when not the line itself
    } cases[] = {
        {"*3LINE 010010050050\t>2" + kStyle, true, "LINE", "", ">2"},
        {" 0LINEU 050010010050" + S, true, "LINEU"},
        {"#0RECT 0100200C8064" + S, true, "RECT"},
        {" 0ELLIPSE 0100200C8064" + S, true, "ELLIPSE"},
        {" 0ROUNDRECT 0100200C8064" + S, true, "ROUNDRECT"},
        {" 0ARCLU 0100200C8064\t>3" + kStyle, true, "ARCLU", "", ">3"},
        {" 0CHORDH 0100200C8064" + S, true, "CHORDH"},
        {" 0TEXT 010010050050un  deux\t" + S, true, "TEXT", "un  deux"},
        {" 0TEXT 010010050050" + S, true, "TEXT"},
        {" 0DRAW 001001003003001001003003001" + S, true, "DRAW", "001001003003001"},
        {" 0POLYG 001001003003001005" + S, true, "POLYG", "001005"},
        {" 0POLYL 00a00b00c00d00e00f" + S, true, "POLYL", "00e00f", "",
         " 0POLYL 00A00B00C00D00e00f" + S}, // a box is written in upper case
        {" 0BITMAP 000000002002002002FFFFFF000000ABCDEF123456" + S, true, "BITMAP",
         "002002FFFFFF000000ABCDEF123456"},
        {" 0META 000000001001001001FF" + S, true, "META", "001001FF"},
        {" 0CHART 000000064064" + QStringLiteral("1Serie     000001\x01\x02Jan       ") + S, true,
         "CHART", "1Serie     000001\x01\x02Jan       "},
        {" 0FILLRECT 000000068090\tS", true, "FILLRECT"},
        {" 0UNKNOWN 000000001001" + S, true, "UNKNOWN"},
        {" 0 000000001001" + S, true},
        {" 0RECT 0100200C8064", true, "RECT"},
        {" 0RECT 0100200C8064\t", true, "RECT"},
        {" 0LINE 010010050050\t>", true, "LINE", "", ">"},
        {" 0LINE 010010050050\t>9x\ty", true, "LINE", "", ">9"},
        {" 0RECT 0100200C806", false},
        {" 0RECT 0100200C80G4" + S, false},
        {" 0RECT\t 0100200C8064", false},
        {kBlankBackground, false},
        {"*", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const std::optional<RecordParts> parts = readParts(c.line);
        ASSERT_EQ(parts.has_value(), c.reads) << qPrintable(c.line);
        if (!parts) continue;
        EXPECT_EQ(writeParts(*parts), c.written.isEmpty() ? c.line : c.written);
        const RecordView v = splitRecord(c.line);
        EXPECT_EQ(parts->mark, c.line[0]);
        EXPECT_EQ(parts->group, c.line[1]);
        EXPECT_EQ(parts->keyword, QString::fromLatin1(c.keyword));
        EXPECT_EQ(parts->box, decodeBox(v.data));
        EXPECT_EQ(parts->payload, QString::fromLatin1(c.payload)) << qPrintable(c.line);
        EXPECT_EQ(parts->arrow, QString::fromLatin1(c.arrow));
        EXPECT_EQ(parts->style, v.style);
        EXPECT_EQ(parts->kind, recordKind(parts->keyword));
        EXPECT_EQ(storedBox(c.line), c.keyword[0] ? std::optional(parts->box) : std::nullopt);
    }
}

TEST(Boxes, DecodeEncodeAndFailures) {
    EXPECT_EQ(decodeBox(u"0100200C8064"), (Box{16, 32, 200, 100}));
    EXPECT_EQ(encodeBox({16, 32, 200, 100}), QStringLiteral("0100200C8064"));
    EXPECT_EQ(encodeBox({-5, 5000, 3, 4}), QStringLiteral("000FFF003004"));
    EXPECT_FALSE(decodeBox(u"01002X0C8064"));
    EXPECT_FALSE(decodeBox(u"0100200C806"));
    // A box resized past its opposite edge is read as it comes.
    EXPECT_EQ(decodeBox(u"0C8064010020"), (Box{200, 100, 16, 32}));
}

TEST(Points, ReadingStopsAt300AndSkipsBadPairs) {
    QString payload;
    for (int i = 0; i < 301; ++i)
        payload += hexField(i, 3) + hexField(i + 1, 3);
    PointBuffer buffer;
    SetArray(payload, buffer);
    EXPECT_EQ(buffer.count(), 300);
    EXPECT_EQ(buffer.points[299], QPoint(299, 300));

    SetArray(u"00A00BZZZ00100C00D00", buffer); // bad pair skipped, short tail ignored
    ASSERT_EQ(buffer.count(), 2);
    EXPECT_EQ(buffer.points[0], QPoint(10, 11));
    EXPECT_EQ(buffer.points[1], QPoint(12, 13));
    EXPECT_EQ(encodePoints(buffer.points.data(), 2), QStringLiteral("00A00B00C00D"));
}

TEST(Styles, RoundTripAndFontStyleCode) {
    Style s;
    s.brushStyle = 6;
    s.brushColour = 0x80000005; // system colours keep their high byte
    s.penStyle = 3;
    s.penWidth = 7;
    s.penColour = 0x0000FF;
    s.fontColour = 0x123456;
    s.fontSize = 24;
    s.fontStyle = fontStyleCode(true, true, false, false);
    s.fontName = QStringLiteral("Liberation Sans");
    EXPECT_EQ(s.fontStyle, 0); // bold and italic together are written as no style
    const QString field = formatStyle(s);
    EXPECT_EQ(field.size(), 31 + s.fontName.size());
    Style back;
    applyStyleField(field, back);
    EXPECT_EQ(back, s);

    Style wide;
    wide.penWidth = 400;
    wide.fontSize = -3;
    wide.penStyle = 12;
    const QString clamped = formatStyle(wide);
    EXPECT_EQ(clamped.size(), 31 + wide.fontName.size()) << "every sub-field keeps its width";
    EXPECT_EQ(clamped.mid(10, 2), QStringLiteral("FF"));
    EXPECT_EQ(clamped.mid(28, 2), QStringLiteral("00"));

    // The dialog rewrites only the sub-fields the user changed, the others as stored.
    Style thicker = back;
    thicker.penWidth = 9;
    EXPECT_EQ(patchedStyle(kStyle, back, thicker, 1u << int(StyleField::PenWidth)),
              QString(kStyle).replace(10, 2, QStringLiteral("09")));

    back.fontStyle = 4;
    EXPECT_TRUE(fontOf(back).strikeOut);
    EXPECT_FALSE(fontOf(back).underline);

    EXPECT_EQ(fontStyleCode(false, false, false, true), 4);
    EXPECT_EQ(fontStyleCode(false, false, true, false), 3);
    EXPECT_EQ(fontStyleCode(false, false, false, false), 0);
}

TEST(Styles, BadSubFieldsCountAsZeroAndOutOfRangeCodesKeepTheOldValue) {
    Style s;
    s.brushStyle = 2;
    s.penStyle = 4;
    s.fontStyle = 3;
    // brush 9 (out of range), colour not hex, pen 7 (out of range), width "ZZ".
    applyStyleField(u"9GGGGGGGG7ZZ000000FF000000000C5Times", s);
    EXPECT_EQ(s.brushStyle, 2);
    EXPECT_EQ(s.brushColour, 0u);
    EXPECT_EQ(s.penStyle, 4);
    EXPECT_EQ(s.penWidth, 0);
    EXPECT_EQ(s.penColour, 0xFFu);
    EXPECT_EQ(s.fontSize, 12);
    EXPECT_EQ(s.fontStyle, 3);
    EXPECT_EQ(s.fontName, QStringLiteral("Times"));

    applyStyleField(u"x", s); // a non-digit style counts as 0
    EXPECT_EQ(s.brushStyle, 0);
    EXPECT_TRUE(s.fontName.isEmpty());
}

TEST(Pixels, ColumnMajorBgrAndWhiteWhereMissing) {
    QImage picture(2, 3, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(0, 1, qRgb(0, 255, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    const QString block = encodePixels(picture);
    EXPECT_EQ(block.left(6), QStringLiteral("002003"));
    EXPECT_EQ(block.size(), 6 + 36);
    EXPECT_EQ(block.mid(6, 6), QStringLiteral("0000FF"));  // (0,0) red
    EXPECT_EQ(block.mid(12, 6), QStringLiteral("00FF00")); // (0,1)
    EXPECT_EQ(block.mid(24, 6), QStringLiteral("FF0000")); // (1,0) blue
    EXPECT_EQ(decodePixels(block), picture);

    // Red then blue; a short block leaves white; a bad pixel is skipped.
    const QImage two = decodePixels(u"0020010000FFFF0000");
    EXPECT_EQ(two.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(two.pixel(1, 0), qRgb(0, 0, 255));
    const QImage shortBlock = decodePixels(u"0020020000FFXXXXXX");
    EXPECT_EQ(shortBlock.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shortBlock.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(shortBlock.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_TRUE(decodePixels(u"ZZZ001").isNull());
}

TEST(Validation, DropsShortOrTablessItemsFromIndexTwo) {
    QStringList list = {QStringLiteral("2801E0"),
                        QStringLiteral(" 0RECT"),
                        QStringLiteral(" 0RECT"),
                        QStringLiteral(" 0RECT 010\tx"),
                        QStringLiteral(" 0RECT 0100200C8064\t") + kStyle,
                        QString(),
                        QStringLiteral(" 0ABCD 0123456789\t")};
    EXPECT_EQ(Verifie(list), 3);
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list[1], QStringLiteral(" 0RECT")); // index 1 is not examined
    EXPECT_TRUE(list[2].startsWith(QStringLiteral(" 0RECT 0100200C8064")));
    EXPECT_EQ(list[3], QStringLiteral(" 0ABCD 0123456789\t")); // TAB at character 18
}

} // namespace
