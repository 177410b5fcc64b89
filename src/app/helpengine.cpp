#include "app/helpengine.h"

#include "dialogs/helpviewer.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qel {

namespace {

const QString kTitle = QStringLiteral("Aide de Qel Draw");

} // namespace

const QString HelpEngine::FileName = QStringLiteral("QelDraw.hlp");

QStringList HelpEngine::candidatesFor(const QString& startDir) {
    QStringList candidates;
    if (!startDir.isEmpty()) candidates << QDir(startDir).filePath(FileName);
    // A build runs with its copy beside it; an installed program (bin/) finds share/qeldraw/.
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {programDir.filePath(FileName),
          QDir::cleanPath(programDir.filePath(QStringLiteral("../share/qeldraw/") + FileName))})
        if (!candidates.contains(path)) candidates << path;
    return candidates;
}

HelpEngine::HelpEngine(QStringList candidates, QWidget* parent)
    : QObject(parent), parentWidget_(parent), candidates_(std::move(candidates)) {}

// The window has no owner when the engine has none.
HelpEngine::~HelpEngine() {
    delete viewer_;
}

bool HelpEngine::ensureLoaded() {
    const auto found = std::find_if(candidates_.begin(), candidates_.end(),
                                    [](const QString& path) { return QFileInfo(path).isFile(); });
    if (found == candidates_.end()) {
        path_.clear();
        QStringList places;
        for (const QString& candidate : candidates_)
            places << QDir::toNativeSeparators(QFileInfo(candidate).absolutePath());
        showMessage(parentWidget_, MessageIcon::Error, kTitle,
                    QStringLiteral("Le fichier d'aide « %1 » est introuvable.\n\n"
                                   "Il a été cherché dans :\n%2")
                        .arg(FileName, places.join(QLatin1Char('\n'))));
        return false;
    }
    const QFileInfo info(*found);
    if (path_ == *found && loadedStamp_ == info.lastModified() && !help_.topics().empty())
        return true;
    path_ = *found;
    loadedStamp_ = info.lastModified();
    if (!help_.load(path_)) {
        showMessage(parentWidget_, MessageIcon::Error, kTitle,
                    QStringLiteral("Le fichier d'aide « %1 » ne peut pas être lu : %2.")
                        .arg(QDir::toNativeSeparators(path_), help_.errorString()));
        return false;
    }
    if (viewer_) viewer_->setHelpFile(help_);
    return true;
}

HelpViewer* HelpEngine::openViewer() {
    if (!viewer_) {
        viewer_ = new HelpViewer(parentWidget_);
        viewer_->setHelpFile(help_);
    }
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
    return viewer_;
}

bool HelpEngine::showContext(int context) {
    if (!ensureLoaded()) return false;
    if (!help_.topic(context)) {
        showMessage(parentWidget_, MessageIcon::Error, kTitle,
                    QStringLiteral("La rubrique d'aide n° %1 est absente du fichier « %2 ».")
                        .arg(context)
                        .arg(QDir::toNativeSeparators(path_)));
        return false;
    }
    return openViewer()->showTopic(context);
}

bool HelpEngine::showContents() {
    return showContext(HelpFile::ContentsContext);
}

bool HelpEngine::helpOnHelp() {
    return showContext(HelpFile::HelpOnHelpContext);
}

bool HelpEngine::search(const QString& partialKey) {
    if (!ensureLoaded()) return false;
    HelpViewer* viewer = openViewer();
    if (viewer->currentContext() == 0) viewer->showTopic(HelpFile::ContentsContext);
    viewer->showSearch(partialKey);
    return true;
}

bool HelpEngine::command(int command, int context, const QString& partialKey) {
    switch (command) {
    case Context:
        return showContext(context);
    case Contents:
        return showContents();
    case HelpOnHelp:
        return helpOnHelp();
    case PartialKey:
        return search(partialKey);
    default:
        return false;
    }
}

} // namespace qel
