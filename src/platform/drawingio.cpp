#include "platform/drawingio.h"

#include "platform/files.h"

namespace qel {

LoadedDrawing loadDrawingFile(const QString& path) {
    LoadedDrawing out;
    QByteArray bytes;
    out.outcome = readWholeFile(path, kMaxDrawingFileSize, bytes);
    if (!out.outcome.ok()) return out;
    DecodedDrawing decoded = decodeDrawing(bytes);
    out.lines = std::move(decoded.lines);
    out.droppedLines = decoded.droppedLines;
    out.pageSize = decoded.pageSize;
    return out;
}

Outcome saveDrawingFile(const QString& path, const QStringList& lines) {
    return writeFileAtomically(path, encodeDrawing(lines),
                               QStringLiteral("Impossible d'enregistrer"));
}

} // namespace qel
