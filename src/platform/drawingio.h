#pragma once

// Opening and saving native drawing files.

#include "document/drawingfile.h"
#include "document/outcome.h"

namespace qel {

struct LoadedDrawing {
    Outcome outcome;
    QStringList lines;
    int droppedLines = 0;
    std::optional<QSize> pageSize;
};

// Only a file that cannot be read is a failure; its message names the file.
LoadedDrawing loadDrawingFile(const QString& path);

// Writes the lines atomically: a failed write leaves any previous file intact.
Outcome saveDrawingFile(const QString& path, const QStringList& lines);

} // namespace qel
