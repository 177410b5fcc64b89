#pragma once

// The native drawing file's text: the shape list as cp1252 lines.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace qel {

// Far more than any drawing (a full one is a few megabytes); refuses absurd inputs up front
// instead of exhausting memory.
constexpr qint64 kMaxDrawingFileSize = 512LL * 1024 * 1024;

struct DecodedDrawing {
    QStringList lines;
    int droppedLines = 0;          // removed by validation
    std::optional<QSize> pageSize; // from the header line, when it reads
};

// CR LF, a lone CR and a lone LF each end a line. Decoding never fails on content: lines that
// are not shape records are dropped.
DecodedDrawing decodeDrawing(const QByteArray& bytes);

// The lines as cp1252 text, each ended by CR LF.
QByteArray encodeDrawing(const QStringList& lines);

// Splits file text into lines the way loading does.
QStringList splitLines(const QString& text);

// The page size carried by a header line; nothing when it does not read as two sizes.
std::optional<QSize> parseHeaderLine(const QString& line);

} // namespace qel
