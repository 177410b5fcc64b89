#include "app/commandline.h"

#include "document/shapelist.h"
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
    const QSize page = loaded.pageSize.value_or(QSize(kNewPageWidth, kNewPageHeight));
    QStringList shapes = std::move(loaded.lines);
    ensureHeaderAndBackground(shapes, page.width(), page.height());
    clearSelectionMarks(shapes);
    QString target = output;
    if (!target.contains(u'.')) target += QStringLiteral(".drf");
    const Outcome written =
        writeDrawing(target, shapes, page, kDefaultEnlargement, largestExtentOf(shapes));
    if (!written.ok()) return fail(written.message());
    if (loaded.droppedLines > 0)
        std::fprintf(stderr, "qeldraw : %d ligne(s) invalide(s) ignorée(s) dans %s\n",
                     loaded.droppedLines, input.toLocal8Bit().constData());
    return 0;
}

} // namespace qel
