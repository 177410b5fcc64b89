#pragma once

// A stored record taken apart for editing and put back together: the operations that rewrite
// records (moves, resizes, mirrors, turns, zoom) change the box and the payload and carry the
// rest over verbatim.

#include "document/record.h"
#include "document/recordkind.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

namespace qel {

struct RecordParts {
    QChar mark = u' ';
    QChar group = u'0';
    QString keyword;
    Box box; // as stored: a resize may leave it inverted
    QString payload;
    QString tail; // from the TAB on (TAB, arrowhead code, style field); empty without a TAB
    const RecordKind* kind = nullptr; // null for a keyword no one knows

    // The style field after any arrowhead code.
    QStringView style() const;
};

// Nothing when the line cannot be edited: shorter than its prefix, no blank before the TAB, or
// a coordinate block of fewer than twelve hexadecimal digits.
std::optional<RecordParts> readParts(const QString& line);
QString writeParts(const RecordParts& parts);

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

// The font size of a style field (characters 29 and 30, after any arrowhead code); nothing when
// the field is too short or the digits do not read.
std::optional<int> fontSizeOf(QStringView style);
// The tail with its font size replaced; the same tail when the style field is too short.
QString withFontSize(const QString& tail, int size);

} // namespace qel
