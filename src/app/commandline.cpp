#include "app/commandline.h"

#include "document/drawing.h"
#include "platform/drawingio.h"
#include "render/drawingoutput.h"

#include <cstdio>

namespace qel {

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "qeldraw : %s\n", message.toLocal8Bit().constData());
    return 1;
}

constexpr int kNewPageWidth = 374;
constexpr int kNewPageHeight = 253;
constexpr int kDefaultEnlargement = 200;

} // namespace

int exportFromCommandLine(const QString& input, const QString& output) {
    LoadedDrawing loaded = loadDrawingFile(input);
    if (!loaded.outcome.ok()) return fail(loaded.outcome.message());
    Drawing drawing(QSize(kNewPageWidth, kNewPageHeight));
    drawing.load(std::move(loaded.lines), loaded.pageSize);
    const Outcome written = saveDrawing(drawing, nativeFileName(output), kDefaultEnlargement);
    if (!written.ok()) return fail(written.message());
    if (loaded.droppedLines > 0)
        std::fprintf(stderr, "qeldraw : %d ligne(s) invalide(s) ignorée(s) dans %s\n",
                     loaded.droppedLines, input.toLocal8Bit().constData());
    return 0;
}

} // namespace qel
