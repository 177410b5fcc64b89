#pragma once

// Mirrors and turns of one record, each inside its own box: boxes, point lists, the keyword's
// variant and pixel blocks. A record changes wholly or not at all.

#include <QString>
#include <QStringList>

namespace qel {

enum class Turn {
    MirrorH, // top and bottom exchange
    MirrorV, // left and right exchange
    Left,    // a quarter turn counter-clockwise on screen
    Right,   // a quarter turn clockwise
    Half,    // a half turn
};

struct TurnResult {
    enum class Status { Done, Malformed, OutOfRange } status = Status::Done;
    QString line; // the turned record when Done
};

TurnResult turnRecord(const QString& line, Turn turn);

// Turns every selected record from the first shape on; answers how many could not be turned
// because a result would leave the fields (malformed records are left as they are, unsaid).
int turnSelection(QStringList& lines, Turn turn);

// The message shown after a pass that left records unchanged.
inline const QString kNotTransformed =
    QStringLiteral("Certains objets n'ont pas pu être transformés.");

} // namespace qel
