#pragma once

// What a copy puts on the desktop's clipboard, and what a paste can take from it: the
// program's own records (so another window or another running instance gets every shape
// exactly), a PNG picture of the copied shapes on a transparent background, and SVG.

#include <QImage>
#include <QString>
#include <QStringList>

class QMimeData;

namespace qel {

inline constexpr char kRecordsMimeType[] = "application/x-qeldraw-records";

// The copied records (at the drawing's own scale) as clipboard data, pictures included.
QMimeData* clipboardDataFor(const QStringList& records);

// The copied shapes painted on a transparent background, cropped to their box with a small
// margin for wide pens.
QImage pictureOfRecords(const QStringList& records);

struct ClipboardContent {
    QStringList records; // the program's own, when there are
    QImage picture;      // else a picture
    QString text;        // else plain text
};
ClipboardContent readClipboard(const QMimeData* data);

} // namespace qel
