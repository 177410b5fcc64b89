#pragma once

// A stored record read into a value, changed and written back: the operations that rewrite
// records (moves, resizes, mirrors, turns, zoom, the modify dialog) change the box, the payload
// or the style and carry the rest over verbatim, so that writing an unchanged value gives the
// stored line back character for character.

#include "document/record.h"
#include "document/recordkind.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace qel {

struct RecordParts {
    QChar mark = kPlainMark;
    QChar group = u'0';
    QString keyword;
    Box box; // as stored: a resize may leave it inverted
    QString payload;
    bool hasTab = false; // without a TAB there is neither arrowhead code nor style field
    QString arrow;       // ">" and its digit as stored, or empty
    QString style;       // the style field after any arrowhead code
    const RecordKind* kind = nullptr; // null for a keyword no one knows

    Payload payloadKind() const { return kind ? kind->payload : Payload::None; }
};

// Nothing when the line cannot be edited: shorter than its prefix, no blank before the TAB, or
// a coordinate block of fewer than twelve hexadecimal digits. Read through splitRecord, as the
// painter reads it.
std::optional<RecordParts> readParts(const QString& line);
QString writeParts(const RecordParts& parts);

// The stored line with its arrowhead code and style field replaced (a TAB is added to a line
// without one); the rest as stored.
QString withArrowAndStyle(QStringView line, QStringView arrow, QStringView style);

// The stored line with its payload replaced; the rest as stored. An empty line gives the payload
// alone.
QString withPayload(QStringView line, QStringView payload);
// Whether the stored line is a record of that shape.
bool isShape(QStringView line, Shape shape);

// Whether a value fits the three-digit coordinate fields.
inline bool fitsCoordinate(int v) {
    return v >= 0 && v <= kMaxCoordinate;
}
inline bool fitsCoordinates(const Box& b) {
    return fitsCoordinate(b.left) && fitsCoordinate(b.top) && fitsCoordinate(b.right) &&
           fitsCoordinate(b.bottom);
}

// A point list read six digits at a time, stopping when fewer than six remain; nothing when a
// pair is not hexadecimal.
std::optional<std::vector<QPoint>> readPoints(QStringView payload);
QString writePoints(const std::vector<QPoint>& points);

// The font size of a style field (characters 29 and 30); nothing when the field is too short
// or the digits do not read.
std::optional<int> fontSizeOf(QStringView style);
// The style field with its font size replaced; as it was when too short to hold one.
QString withFontSize(const QString& style, int size);

// ---- coordinates rewritten in place ----

// Each coordinate becomes v * scale rounded half to even, plus dx or dy; a scale other than 1
// also scales a text's font size.
struct CoordinateStep {
    double scale = 1.0;
    int dx = 0, dy = 0;
};
struct Rewritten {
    enum class Status { Done, Unreadable, OutOfRange } status = Status::Done;
    QString line;
};
// Moves and zoom steps rewrite every record of a drawing at each step: the box, the points of
// a point list and a text's font size are rewritten digit by digit in a copy of the line, and a
// broken last point goes. Unreadable when a field does not read; OutOfRange when a value would
// leave its field.
Rewritten rewriteCoordinates(const QString& line, const CoordinateStep& step);

// ---- pixel blocks as stored ----

// The cells of a pixel block (six characters each, column-major), to be rearranged without
// being decoded; nothing when the block holds fewer cells than its size says.
struct PixelCells {
    int width = 0, height = 0;
    QStringView cells;
    QStringView at(int x, int y) const { return cells.mid((qsizetype(x) * height + y) * 6, 6); }
};
std::optional<PixelCells> pixelCells(QStringView payload);
// The size that starts a pixel block.
QString pixelBlockSize(int width, int height);

} // namespace qel
