#pragma once

// Every keyword a record may carry and every tool of a drawing window, each described once:
// what a keyword draws, what its payload holds, the variant its letters choose, how that
// variant follows a drag and a turn, the tool that writes it and the names the user reads for
// it; for a tool, how the mouse makes its shape and its palette button. The writer, the
// painter, the transforms, the mouse tools, the palette and the object list all look them up
// here; each layer keys its own behaviour (painting, rubber bands, glyphs) by Shape or Tool.

#include <QString>
#include <QStringView>
#include <optional>
#include <span>

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

// The tools of a drawing window, one numbering for the palette, the frame, the mouse tools,
// the rubber bands and the record writer.
enum class Tool {
    Line,
    Rect,
    Ellipse,
    RoundRect,
    Pointer,
    Freehand,
    Text,
    Picture,
    Polygon,
    Polyline,
    Arc,
    Chord,
    Chart, // stays last: new tools go before it
};
inline constexpr int kToolCount = int(Tool::Chart) + 1;

// What follows the box besides its corners, and so how a record moves, resizes, turns and
// zooms: points move, turn and scale with it; pixels turn, and a resize may not grow them past
// the size limit; a text's font follows the box's height and its box is fitted to the text.
enum class Payload { None, Points, Text, Pixels, ChartData };

// How the letters after a keyword's stem follow the drag that wrote it and the turns and
// mirrors of its box. Points and pixels turn with the box by their payload.
enum class Variant {
    Fixed,       // one keyword: the box turns, the keyword stays
    Diagonal,    // LINE, LINEU: which diagonal the line runs along
    HalfEllipse, // ARC, CHORD: L or H, and U for the ascending diagonal
};

struct RecordKind {
    QStringView keyword;
    Shape shape;
    std::optional<Tool> tool = {}; // the tool that writes it; none for the backgrounds
    Variant variant = Variant::Fixed;
    Payload payload = Payload::None;
    bool lower = false;        // "L": the half below the diagonal (arcs and chords)
    bool rising = false;       // "U" (and LINEU): the ascending diagonal
    QStringView listName = {}; // as the object list shows it
    QStringView modifyLabel = {};
    int modifyPage = -1; // page of the modify dialog: 0 line, 1 outline and fill, 2 text
};

// How the mouse makes a tool's shape.
enum class Gesture {
    Select,    // the pointer: picks, moves and resizes shapes
    Drag,      // press, drag, release
    Clicks,    // click by click, finished by a double-click
    TypedText, // a click, then the text is asked for
    Picture,   // a click, then the picture is asked for
    Dialog,    // written by a menu command's dialog, no button
};

struct ToolKind {
    Tool tool;
    Gesture gesture;
    QStringView button = {}; // the palette button's object name; empty: no button
    QStringView hint = {};
    QStringView glyph = {}; // the palette picture's name
};

// The entry of a keyword (exact, case-sensitive); null for a keyword no one knows.
const RecordKind* recordKind(QStringView keyword);

// Every tool in palette order: the buttons fill two columns, row by row, the tools without a
// button last.
std::span<const ToolKind> toolKinds();
const ToolKind& toolKind(Tool tool);
// The first keyword a tool writes, in table order; null for the pointer.
const RecordKind* kindOfTool(Tool tool);

// The object list's name for a keyword; unknown keywords (charts included) read as question
// marks.
QString listNameOf(QStringView keyword);

// The row of the same family whose letters choose that half and diagonal (LINE or LINEU; ARC or
// CHORD followed by L or H and, rising, U); a kind of a fixed keyword is its own variant.
const RecordKind& variantOf(const RecordKind& kind, bool lower, bool rising);

} // namespace qel
