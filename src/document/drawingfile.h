#pragma once

// Reading and writing the native drawing file: the shape list as cp1252 text lines.

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace qel {

struct FileResult {
    bool ok = false;
    QString error; // French, names the file and the reason
};

struct LoadedDrawing {
    FileResult result;
    QStringList lines;
    int droppedLines = 0;          // removed by validation
    std::optional<QSize> pageSize; // from the header line, when it reads
};

// CR LF, a lone CR and a lone LF each end a line. Loading never fails on content: only a file
// that cannot be read is an error. Lines that are not shape records are dropped.
LoadedDrawing loadDrawingFile(const QString& path);

// Splits file text into lines the way loading does.
QStringList splitLines(const QString& text);

// The page size carried by a header line; nothing when it does not read as two sizes.
std::optional<QSize> parseHeaderLine(const QString& line);

// Writes the lines with CR LF through a temporary file renamed over the target, so a failed
// write leaves any previous file intact.
FileResult saveDrawingFile(const QString& path, const QStringList& lines);

// The French text of a file error, e.g. "Impossible d'écrire « a.drf » : Permission non accordée".
QString fileErrorMessage(const QString& action, const QString& path, const QString& reason);

} // namespace qel
