// The frame as a desktop program: the recent files of "&Fichier" and drawings dropped on it.

#include "app/mainform.h"
#include "app/recentfiles.h"
#include "platform/messages.h"
#include "render/drawingoutput.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace qel {

namespace {

QString recentName(int index) {
    return QStringLiteral("RecentFile%1").arg(index + 1);
}
const QString kRecentSeparator = QStringLiteral("RecentFilesSeparator");

// The drawing files among the dropped ones, in the order they came.
QStringList droppedDrawings(const QMimeData* data) {
    QStringList out;
    if (!data || !data->hasUrls()) return out;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile())
                                         .suffix()
                                         .compare(QLatin1String("drf"), Qt::CaseInsensitive) == 0)
            out << url.toLocalFile();
    return out;
}

} // namespace

void TMainForm::setUpDesktop() {
    setAcceptDrops(true);
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("FileMenu"));
    QAction* exit = action(QStringLiteral("FileExitItem"));
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        auto* a = new QAction(this);
        a->setObjectName(recentName(i));
        menu->insertAction(exit, a);
        actions_.insert(a->objectName(), a);
        connect(a, &QAction::triggered, this, [this, a] { openRecentFile(a->data().toString()); });
    }
    QAction* separator = menu->insertSeparator(exit);
    separator->setObjectName(kRecentSeparator);
    actions_.insert(kRecentSeparator, separator);
    // Another running copy may have changed the list since.
    connect(menu, &QMenu::aboutToShow, this, [this] { refreshRecentFiles(); });
    refreshRecentFiles();
}

void TMainForm::refreshRecentFiles() {
    const QStringList paths = RecentFiles().paths();
    for (int i = 0; i < RecentFiles::kMaxEntries; ++i) {
        QAction* a = action(recentName(i));
        const QString path = paths.value(i);
        a->setVisible(!path.isEmpty());
        a->setText(path.isEmpty() ? QString() : RecentFiles::caption(i, path));
        a->setData(path);
        a->setStatusTip(path);
        a->setToolTip(path);
    }
    action(kRecentSeparator)->setVisible(!paths.isEmpty());
}

void TMainForm::noteRecentFile(const QString& path) {
    // A picture exported with "Enregistrer sous" is no drawing to come back to.
    if (path.isEmpty() || outputFormatFor(path) != OutputFormat::Native) return;
    RecentFiles().add(path);
    refreshRecentFiles();
}

void TMainForm::openRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        RecentFiles().remove(path);
        refreshRecentFiles();
        showWarning(this,
                    QStringLiteral("Le fichier %1 est introuvable ; il est retiré de la liste.")
                        .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openDrawing(path);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    // Pictures are for a drawing window; only drawings open on the frame.
    if (droppedDrawings(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QStringList drawings = droppedDrawings(event->mimeData());
    if (drawings.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: a message box must not hold up the program it came from.
    QMetaObject::invokeMethod(
        this,
        [this, drawings] {
            for (const QString& path : drawings)
                openDrawing(path);
        },
        Qt::QueuedConnection);
}

} // namespace qel
