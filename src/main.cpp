#include "app/commandline.h"
#include "render/logo.h"
#include "app/mainform.h"
#include "app/recoverycopy.h"
#include "app/recoveryoffer.h"
#include "app/splash.h"
#include "app/translation.h"
#include "platform/focuskeeper.h"
#include "qelversion.h"

#include <QApplication>
#include <QIcon>
#include <QSplashScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int usage() {
    std::fprintf(stderr, "usage : qeldraw [FICHIER...] | qeldraw --export ENTREE SORTIE "
                         "[--scale N] | qeldraw --version\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        if (argc != 2) return usage();
        std::printf("Qel Draw %s\n", QEL_VERSION);
        return 0;
    }
    const bool exporting = argc >= 2 && std::strcmp(argv[1], "--export") == 0;
    if (exporting) {
        if (argc != 4 && argc != 6) return usage();
        // No window is shown: the export needs no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only the one line that says what went wrong belongs on standard error.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QApplication app(argc, argv);
        QStringList arguments;
        for (int i = 2; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        const int status = qel::exportFromCommandLine(arguments);
        // The picture is written and closed: taking the drawing, the fonts and the painting
        // threads apart one by one would only make the command slower. The system frees it all.
        std::fflush(nullptr);
        std::_Exit(status);
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Qel Draw"));
    QApplication::setApplicationDisplayName(QStringLiteral("Qel Draw"));
    // Settings (recent files) land in the user's configuration folder under these names.
    QApplication::setOrganizationName(QStringLiteral("QelDraw"));
    // Lets the desktop match the window with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("qeldraw"));
    QApplication::setWindowIcon(QIcon(qel::drawLogo(QSize(64, 64), false)));
    // Qt's own dialogs and buttons speak French too; without the catalogue they stay English.
    qel::installQtTranslation(&app, qel::qtTranslationsFolder());
    qel::FocusKeeper focusKeeper;
    auto splash = qel::showSplash();
    // Unsaved changes are kept in recovery copies; copies an ended instance left are offered.
    qel::RecoveryStore recovery;
    int status = 0;
    {
        qel::TMainForm frame;
        if (recovery.open()) frame.setRecoveryStore(&recovery);
        splash.reset();
        frame.show();
        // Without a window manager nobody gives the new frame the keyboard: take it once the
        // frame is really on the screen (a request before that is lost).
        qel::activateWhenExposed(&frame);
        if (recovery.open()) qel::offerRecovery(frame, recovery);
        for (const QString& path : app.arguments().mid(1))
            frame.openDrawing(path);
        status = app.exec();
    }
    // The windows have asked for their copies to go; let that finish before the folder goes.
    qel::RecoveryCopy::waitForWrites();
    return status;
}
