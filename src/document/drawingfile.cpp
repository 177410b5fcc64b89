#include "document/drawingfile.h"

#include "document/cp1252.h"
#include "document/record.h"

namespace qel {

QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

std::optional<QSize> parseHeaderLine(const QString& line) {
    const auto w = parseHex(QStringView(line).left(3));
    const auto h = parseHex(QStringView(line).mid(3, 3));
    if (!w || !h || line.size() < 6 || *w <= 0 || *h <= 0) return std::nullopt;
    return QSize(*w, *h);
}

DecodedDrawing decodeDrawing(const QByteArray& bytes) {
    DecodedDrawing out;
    // Split on the bytes, as splitLines splits text (CR and LF are single bytes in cp1252):
    // each line is decoded once, without a copy of the whole file as text.
    const qsizetype n = bytes.size();
    const char* data = bytes.constData();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n') continue;
        out.lines.append(fromCp1252(QByteArrayView(data + start, i - start)));
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) out.lines.append(fromCp1252(QByteArrayView(data + start, n - start)));
    out.droppedLines = Verifie(out.lines);
    if (!out.lines.isEmpty()) out.pageSize = parseHeaderLine(out.lines.first());
    return out;
}

QByteArray encodeDrawing(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toCp1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace qel
