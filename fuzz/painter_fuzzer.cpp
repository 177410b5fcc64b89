// Load, paint and save: the bytes are loaded as a drawing file, painted by the page renderer
// (the one record painter) on a small page, 40 x 100 at most, so that executions stay cheap,
// and the list is saved as text again. The page is painted three times with the same caches:
// whole in one pass, whole again (in two bands for every other input) from the index the first
// pass noted, then only an area drawn over; the three must agree to the pixel.
#include "document/drawingfile.h"
#include "render/pagepainter.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/textcache.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for text records, set up once
    return 0;
}

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "painter_fuzzer: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qel::DecodedDrawing drawing = qel::decodeDrawing(bytes);
    const QSize declared = drawing.pageSize.value_or(QSize(40, 100));
    const QSize page(std::clamp(declared.width(), 1, 40), std::clamp(declared.height(), 1, 100));

    qel::PictureCache pictures;
    // Texts laid out once for every execution, as a window keeps them between repaints.
    static qel::TextCache texts;
    qel::RecordCache records;
    const qel::PaintOptions options = qel::PaintOptions::page(page, &pictures, &texts, &records);
    qel::PagePaint what;
    what.threads = 1;
    QImage whole(page, QImage::Format_RGB32);
    const int undrawable = qel::paintPage(whole, drawing.lines, options, what);

    // Every other input cuts this pass in two bands, compared with the single pass: a band
    // lays out every figure that spans it whole, so banding every pass would halve the speed.
    QImage again(page, QImage::Format_RGB32);
    what.threads = 1 + int(size % 2);
    check(qel::paintPage(again, drawing.lines, options, what) == undrawable,
          "the index counts other undrawable records");
    check(again == whole, "a page painted from its index differs");

    const QRect area(int(size % 37), int(size % 53), 1 + int(size % 41), 1 + int(size % 29));
    again.fill(Qt::magenta);
    what.damaged = area;
    what.clearWhite = true;
    what.threads = 1;
    qel::paintPage(again, drawing.lines, options, what);
    // An empty rectangle would copy the whole image.
    const QRect compared = area & whole.rect();
    check(compared.isEmpty() || again.copy(compared) == whole.copy(compared),
          "an area repainted differs");

    volatile qsizetype saved = qel::encodeDrawing(drawing.lines).size();
    (void)saved;
    return 0;
}
