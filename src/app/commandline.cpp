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

int exportFromCommandLine(const QStringList& arguments) {
    const bool scaled = arguments.size() == 4 && arguments[2] == QLatin1String("--scale");
    if (arguments.size() != 2 && !scaled) {
        std::fprintf(stderr, "usage : qeldraw --export ENTREE SORTIE [--scale N]\n");
        return 2;
    }
    const QString& input = arguments[0];
    const QString& output = arguments[1];
    bool number = true;
    const int scale = scaled ? arguments[3].toInt(&number) : 1;
    if (!number)
        return fail(QStringLiteral("l'échelle « %1 » n'est pas un nombre entier de 1 à 8")
                        .arg(arguments[3]));
    LoadedDrawing loaded = loadDrawingFile(input);
    if (!loaded.outcome.ok()) return fail(loaded.outcome.message());
    Drawing drawing(QSize(kNewPageWidth, kNewPageHeight));
    drawing.load(std::move(loaded.lines), loaded.pageSize);
    const Outcome written =
        saveDrawing(drawing, nativeFileName(output), kDefaultEnlargement, scale);
    if (!written.ok()) return fail(written.message());
    if (loaded.droppedLines > 0)
        std::fprintf(stderr, "qeldraw : %d ligne(s) invalide(s) ignorée(s) dans %s\n",
                     loaded.droppedLines, input.toLocal8Bit().constData());
    return 0;
}

} // namespace qel
