// Load, paint and save: the bytes are loaded as a drawing file, painted by the page renderer
// (the one record painter) on a page clamped to 256 x 256 so that executions stay cheap, and the
// list is saved as text again.
#include "document/drawingfile.h"
#include "render/ecran.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for text records
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qel::DecodedDrawing drawing = qel::decodeDrawing(bytes);
    const QSize page = drawing.pageSize.value_or(QSize(256, 256));
    qel::TEcran ecran;
    ecran.Init3(std::min(page.width(), 256), std::min(page.height(), 256), 200, drawing.lines);
    const QImage painted = ecran.renderPage();
    volatile unsigned sink = painted.isNull() ? 0 : painted.pixel(0, 0);
    (void)sink;
    volatile qsizetype saved = qel::encodeDrawing(drawing.lines).size();
    (void)saved;
    return 0;
}
