#pragma once

// Every keyword a record may carry, with what it draws, what its payload holds, the variant
// its letters choose and the names the user reads for it. The writer, the painter, the
// transforms and the object list all look keywords up here.

#include <QString>
#include <QStringView>

namespace qel {

enum class Shape {
    Line,
    Rect,
    Ellipse,
    RoundRect,
    Freehand,
    Polygon,
    Polyline,
    Arc,
    Chord,
    Text,
    Picture,
    Chart,
    Background,
};

enum class Payload { None, Points, Text, Pixels, ChartData };

struct RecordKind {
    QStringView keyword;
    Shape shape;
    Payload payload = Payload::None;
    bool lower = false;        // "L": the half below the diagonal (arcs and chords)
    bool rising = false;       // "U" (and LINEU): the ascending diagonal
    QStringView listName = {}; // as the object list shows it
    QStringView modifyLabel = {};
    int modifyPage = -1; // page of the modify dialog: 0 line, 1 outline and fill, 2 text
};

// The entry of a keyword (exact, case-sensitive); null for a keyword no one knows.
const RecordKind* recordKind(QStringView keyword);

// The object list's name for a keyword; unknown keywords (charts included) read as question
// marks.
QString listNameOf(QStringView keyword);

// LINE or LINEU; ARC or CHORD followed by L or H and, rising, U.
QString lineKeyword(bool rising);
QString halfEllipseKeyword(Shape shape, bool lower, bool rising);

} // namespace qel
