#include "platform/drawingio.h"

#include "document/cp1252.h"
#include "document/drawingdecoder.h"
#include "platform/files.h"

namespace qel {

LoadedDrawing loadDrawingFile(const QString& path) {
    LoadedDrawing out;
    // The first pass only counts the lines that will be kept, so that the list is allocated
    // once; the second decodes each line straight from the bytes read.
    DrawingDecoder counter(DrawingDecoder::Mode::Count);
    DrawingDecoder decoder;
    bool reserved = false;
    out.outcome =
        readFileInPieces(path, kMaxDrawingFileSize, 2, [&](int pass, QByteArrayView piece) {
            if (pass == 0) {
                counter.feed(piece);
                return;
            }
            if (!reserved) {
                reserved = true;
                counter.finish();
                decoder.reserve(counter.keptLines());
            }
            decoder.feed(piece);
        });
    if (!out.outcome.ok()) return out;
    decoder.finish();
    out.lines = decoder.takeLines();
    out.droppedLines = decoder.droppedLines();
    if (!out.lines.isEmpty()) out.pageSize = parseHeaderLine(out.lines.first());
    return out;
}

Outcome saveDrawingFile(const QString& path, const QStringList& lines) {
    // Encoded a megabyte at a time, so that a large drawing is not held a second time as bytes.
    const auto produce = [&](const ByteSink& sink) {
        constexpr qsizetype kPiece = 1 << 20;
        QByteArray piece;
        piece.reserve(kPiece + 4096);
        for (const QString& line : lines) {
            piece += toCp1252(line);
            piece += "\r\n";
            if (piece.size() >= kPiece) {
                if (!sink(piece)) return false;
                piece.resize(0);
            }
        }
        return sink(piece);
    };
    return writeFileAtomically(path, produce, QStringLiteral("Impossible d'enregistrer"));
}

} // namespace qel
