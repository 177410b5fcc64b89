#pragma once

// The grammar of one shape record and of the shape list, as plain functions over text.
//
// A stored record: state mark, group digit, keyword, space, coordinate block (four fields of
// three upper-case hex digits: left, top, right, bottom), payload, TAB, optional arrowhead code
// (">" and a digit), style field.

#include "document/colour.h"
#include "document/drawingattributes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

namespace qel {

constexpr int kMaxCoordinate = 4095;
constexpr int kMaxReadPoints = 300;  // a reader keeps at most this many points
constexpr int kMaxDrawnPoints = 299; // the drawing tools collect at most this many
constexpr QChar kTab = u'\t';

inline const QString kBlankBackground = QStringLiteral(" 0BLANK");

// ---- fixed-width hexadecimal fields ----

// Upper-case, zero-padded, clamped into what the width can hold so that a field never grows.
QString hexField(long long value, int width);
QString hexColour(Colour c);
// A whole field read as hexadecimal; empty or non-hex text fails.
std::optional<int> parseHex(QStringView digits);
std::optional<Colour> parseHexColour(QStringView digits);
int clampCoordinate(int v);

// ---- header line ----

QString headerLine(int pageWidth, int pageHeight);

// ---- state mark and group digit ----

// The first character of a stored record: "*" selects, "#" locks, anything else is neither.
constexpr QChar kSelectedMark = u'*';
constexpr QChar kLockedMark = u'#';
constexpr QChar kPlainMark = u' ';

inline bool isSelected(QStringView line) {
    return line.size() >= 2 && line[0] == kSelectedMark;
}
inline bool isLocked(QStringView line) {
    return !line.isEmpty() && line[0] == kLockedMark;
}
inline QChar markOf(QStringView line) {
    return line.isEmpty() ? QChar() : line[0];
}
// The group digit; a character that is no digit counts as no group.
int groupOf(QStringView line);
// Each leaves an empty line as it is.
void setMark(QString& line, QChar mark);
// Group 0 is none; 1..9 name a group.
void setGroup(QString& line, int group);
// The record after its state mark and group digit, as the painter reads it; empty when the line
// holds no more than its prefix.
inline QStringView recordBody(QStringView stored) {
    return stored.size() > 2 ? stored.mid(2) : QStringView();
}
// The body of the empty background, which paints nothing.
inline bool isBlankBody(QStringView body) {
    return body == u"BLANK";
}
// The record with the state mark and group digit of another line.
QString withMarksOf(const QString& record, QStringView other);
// Whether a list item can be a shape: a TAB stands at character 16 or later.
inline bool hasStyleTab(QStringView item) {
    return item.indexOf(kTab) >= 15;
}

// ---- splitting ----

// Views into a record given without its two leading characters (keyword first). This is the one
// reading of record text: the record value (recordparts.h), the painter and its cache, the
// reach and the dialogs all start from it (storedBox below is its shortcut for hit testing),
// and nothing outside document/ slices a line.
struct RecordView {
    QStringView keyword; // empty when the body holds no space
    QStringView data;    // after the keyword's space: coordinate block then payload
    QStringView arrow;   // ">n", or empty
    QStringView style;   // style field without the arrowhead code; empty without a TAB
    bool hasTab = false;

    QStringView payload() const { return data.size() > 12 ? data.mid(12) : QStringView(); }
};
RecordView splitBody(QStringView withoutPrefix);
// Same, for a stored record with its state mark and group digit.
RecordView splitRecord(QStringView stored);

// The arrowhead digit (1 start, 2 end, 3 both) or 0.
int arrowCode(QStringView arrow);

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Box&, const Box&) = default;
};
// The coordinate block at the start of data; fails when a field is missing or not hex.
std::optional<Box> decodeBox(QStringView data);
// The coordinate block of a stored record (state mark first), found without reading the rest of
// the line: a keyword, a blank and twelve hexadecimal digits before any TAB; nothing otherwise.
std::optional<Box> storedBox(QStringView stored);
// Fields are clamped to 0..4095 so that they keep their three digits.
QString encodeBox(const Box& box);
Box normalisedBox(QPoint a, QPoint b);
// The pixels from corner a to corner b, both included, whichever way round they come: a
// rectangle made from reversed corners and normalized() would lose a row or column on each
// reversed side.
QRect rectBetween(QPoint a, QPoint b);
QRect rectBetween(const Box& box);

// Builds a stored record: mark, group, keyword, space, data, TAB, arrow, style.
QString buildRecord(QChar mark, QChar group, QStringView keyword, QStringView data,
                    QStringView arrow, QStringView style);

// ---- point lists ----

struct PointBuffer {
    std::array<QPoint, kMaxReadPoints + 1> points{};
    int last = -1; // index of the last used entry
    int count() const { return last + 1; }
    const QPoint* data() const { return points.data(); }
};
// Decodes six-digit points; a bad pair is skipped, at most 300 are kept.
void SetArray(QStringView payload, PointBuffer& buffer);
QString encodePoints(const QPoint* points, int count);

// ---- style field ----

struct Style {
    int brushStyle = 1;
    Colour brushColour = kWhite;
    int penStyle = 0;
    int penWidth = 1;
    Colour penColour = kBlack;
    Colour fontColour = kBlack;
    int fontSize = 12;
    int fontStyle = 0; // 0 none, 1 bold, 2 italic, 3 underline, 4 strike-out
    QString fontName = QStringLiteral("Arial");
    friend bool operator==(const Style&, const Style&) = default;
};
// The fixed-width text of a style field; pen width and font size clamped to 0..255.
QString formatStyle(const Style& style);
// The sub-fields of a style field in their stored order.
enum class StyleField {
    BrushStyle,
    BrushColour,
    PenStyle,
    PenWidth,
    PenColour,
    FontColour,
    FontSize,
    FontStyle,
    FontName
};
constexpr int kStyleFields = 9;
// The number a sub-field holds (not the font name).
qint64 styleValue(const Style& style, StyleField field);
// A stored style field with the sub-fields named in `changed` (bit i for StyleField i) written
// from `next`; the others keep their stored characters, or, when the stored field is too short
// to hold them, are written from `loaded`.
QString patchedStyle(QStringView stored, const Style& loaded, const Style& next, unsigned changed);
// Applies each sub-field by itself: one that does not convert counts as 0; a style code out
// of range leaves that attribute as it was.
void applyStyleField(QStringView field, Style& style);
// One style only: exactly one of the four flags gives its code, anything else 0.
int fontStyleCode(bool bold, bool italic, bool underline, bool strikeOut);
// The font a style describes (one style flag at most).
FontState fontOf(const Style& style);
// The same, written over an existing font.
void setFontOf(const Style& style, FontState& font);
// What a record drawn in this style stores.
Style recordStyleOf(const DrawingStyle& style);
QString styleFieldOf(const DrawingStyle& style);

// ---- pixel blocks ----

// Size (three hex digits each) then column-major BBGGRR pixels. Pixels the block does not
// supply stay white.
QImage decodePixels(QStringView payload);

// The same block as the columns its data really reaches: a block may declare a large picture
// and supply few pixels, and the white rest costs nothing to decode or keep.
struct PixelBlock {
    QSize declared;  // width and height read from the block
    QImage supplied; // the first columns, up to the last one the data reaches; may be null
};
PixelBlock decodePixelBlock(QStringView payload);
QString encodePixels(const QImage& picture);

// ---- list validation ----

// Drops items from index 2 whose first TAB stands before character 16, or that have none.
// Answers how many were dropped.
int Verifie(QStringList& shapeList);

} // namespace qel
