// The drawing loader alone: bytes to shape list, every record split and decoded, then saved
// text. Besides the sanitizers, it checks what loading promises: the lines do not depend on how
// the file arrives in pieces, the counting pass agrees with the decoding one, the validation of
// a loaded list drops nothing more, and saved text loads back to the same lines.
#include "document/cp1252.h"
#include "document/drawingdecoder.h"
#include "document/drawingfile.h"
#include "document/record.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "drawing_fuzzer: %s\n", what);
    std::abort();
}

void decodeEveryField(const QStringList& lines) {
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qel::RecordView view = qel::splitRecord(lines[i]);
        volatile int sink = qel::arrowCode(view.arrow);
        if (const auto box = qel::decodeBox(view.data)) {
            check(qel::decodeBox(qel::encodeBox(*box)) == *box || box->left > qel::kMaxCoordinate ||
                      box->top > qel::kMaxCoordinate || box->right > qel::kMaxCoordinate ||
                      box->bottom > qel::kMaxCoordinate,
                  "a coordinate block does not read back");
        }
        qel::PointBuffer points;
        qel::SetArray(view.payload(), points);
        check(points.count() <= qel::kMaxReadPoints, "more points than a reader keeps");
        qel::Style style;
        qel::applyStyleField(view.style, style);
        sink = sink + qel::formatStyle(style).size();
        if (view.keyword == u"BITMAP" || view.keyword == u"META") {
            const qel::PixelBlock block = qel::decodePixelBlock(view.payload());
            sink = sink + block.supplied.width() + block.declared.width();
        }
        (void)sink;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qel::DecodedDrawing whole = qel::decodeDrawing(bytes);

    // The same bytes in pieces whose sizes come from the input itself.
    qel::DrawingDecoder pieces;
    qsizetype at = 0, step = size ? 1 + data[0] % 7 : 1;
    while (at < bytes.size()) {
        const qsizetype n = std::min(step, bytes.size() - at);
        pieces.feed(QByteArrayView(bytes).sliced(at, n));
        at += n;
        step = 1 + (step * 5 + 3) % 11;
    }
    pieces.finish();
    check(pieces.droppedLines() == whole.droppedLines, "pieces drop other lines");
    check(pieces.takeLines() == whole.lines, "pieces give other lines");

    // Loading answers what splitting and validating the whole text would.
    QStringList reference = qel::splitLines(qel::fromCp1252(bytes));
    const int referenceDropped = qel::Verifie(reference);
    check(reference == whole.lines && referenceDropped == whole.droppedLines,
          "loading differs from splitting then validating");

    decodeEveryField(whole.lines);
    if (!whole.lines.isEmpty()) (void)qel::parseHeaderLine(whole.lines.first());

    const QByteArray saved = qel::encodeDrawing(whole.lines);
    const qel::DecodedDrawing again = qel::decodeDrawing(saved);
    check(again.lines == whole.lines && again.droppedLines == 0,
          "saved text does not load back the same");
    return 0;
}
