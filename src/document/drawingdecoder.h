#pragma once

// Turns the bytes of a drawing file into its shape list as they arrive, one line at a time, so
// that a large file never exists in memory both as bytes and as text.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace qel {

class DrawingDecoder {
public:
    // A counting decoder only counts the lines it would keep: run one over the bytes first and
    // reserve() its count, so that the list is allocated once.
    enum class Mode { Decode, Count };
    explicit DrawingDecoder(Mode mode = Mode::Decode) : mode_(mode) {}

    void reserve(qsizetype lines) { lines_.reserve(lines); }
    // The next piece of the file; lines may be cut anywhere between two pieces.
    void feed(QByteArrayView bytes);
    // Takes the last line when the file does not end with a line end.
    void finish();

    // CR LF, a lone CR and a lone LF each end a line. From the third line on, a line whose first
    // TAB stands before character 16, or that has none, is not a shape record and is dropped.
    QStringList takeLines() { return std::move(lines_); }
    qsizetype keptLines() const { return kept_; }
    int droppedLines() const { return dropped_; }

private:
    void takeLine(const char* begin, qsizetype size);

    Mode mode_;
    QStringList lines_;
    QByteArray partial_; // a line cut by the end of a piece
    bool afterCr_ = false;
    qsizetype kept_ = 0;
    int dropped_ = 0;
};

} // namespace qel
