// Renders the program's emblem as the PNG icons the desktop shows for the program and its
// drawings: iconrender FOLDER SIZE... writes FOLDER/qeldraw-SIZE.png for each size.

#include "render/logo.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage : iconrender DOSSIER TAILLE...\n");
        return 2;
    }
    // Run during the build: no display is needed to paint into a picture.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "iconrender : impossible de créer %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString path = folder.filePath(QStringLiteral("qeldraw-%1.png").arg(size));
        if (size < 8 || size > 1024 || !qel::drawLogo(QSize(size, size), false).save(path, "PNG")) {
            std::fprintf(stderr, "iconrender : impossible d'écrire %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
