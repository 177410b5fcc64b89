#include "document/drawingdecoder.h"

#include "document/cp1252.h"

#include <cstring>

namespace qel {

namespace {

// The first TAB of a shape record stands at character 16 or later (index 15).
constexpr qsizetype kFirstTabIndex = 15;

bool isShapeRecord(const char* line, qsizetype size) {
    if (size <= kFirstTabIndex) return false;
    if (std::memchr(line, '\t', kFirstTabIndex)) return false;
    return std::memchr(line + kFirstTabIndex, '\t', size_t(size - kFirstTabIndex)) != nullptr;
}

const char* nextLineEnd(const char* p, const char* end) {
    for (; p < end; ++p)
        if (*p == '\n' || *p == '\r') return p;
    return end;
}

} // namespace

void DrawingDecoder::takeLine(const char* begin, qsizetype size) {
    // The header and background lines are kept whatever they hold.
    if (kept_ >= 2 && !isShapeRecord(begin, size)) {
        ++dropped_;
        return;
    }
    ++kept_;
    if (mode_ == Mode::Decode) lines_.append(fromCp1252(QByteArrayView(begin, size)));
}

void DrawingDecoder::feed(QByteArrayView bytes) {
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    if (afterCr_ && p < end) {
        afterCr_ = false;
        if (*p == '\n') ++p; // the LF of a CR LF cut between two pieces
    }
    while (p < end) {
        const char* lineEnd = nextLineEnd(p, end);
        if (lineEnd == end) { // the rest waits for the next piece
            partial_.append(p, end - p);
            return;
        }
        if (partial_.isEmpty()) {
            takeLine(p, lineEnd - p);
        } else {
            partial_.append(p, lineEnd - p);
            takeLine(partial_.constData(), partial_.size());
            partial_.clear();
        }
        p = lineEnd + 1;
        if (*lineEnd == '\r') {
            if (p == end)
                afterCr_ = true;
            else if (*p == '\n')
                ++p;
        }
    }
}

void DrawingDecoder::finish() {
    if (!partial_.isEmpty()) takeLine(partial_.constData(), partial_.size());
    partial_ = QByteArray();
    afterCr_ = false;
}

} // namespace qel
