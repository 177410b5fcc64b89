// Picture files dropped on a drawing window are inserted where they fall, as the picture tool
// would insert them. Drawing files are left to the frame, which opens them.

#include "app/drawingsurface.h"
#include "app/mdichild.h"

#include "document/drawing.h"
#include "edit/insertiontools.h"
#include "platform/messages.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>

namespace qel {

namespace {

// Several pictures dropped at once are cascaded so that each stays visible.
constexpr int kCascadeStep = 16;

bool isPictureFile(const QString& path) {
    static const QStringList kSuffixes = {QStringLiteral("bmp"),  QStringLiteral("ico"),
                                          QStringLiteral("png"),  QStringLiteral("jpg"),
                                          QStringLiteral("jpeg"), QStringLiteral("gif"),
                                          QStringLiteral("wmf"),  QStringLiteral("emf")};
    return kSuffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive);
}

// The dropped files when every one is a picture; none otherwise, so that a drop holding a
// drawing goes on to the frame.
QStringList droppedPictures(const QMimeData* data) {
    QStringList out;
    if (!data || !data->hasUrls()) return out;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || !isPictureFile(url.toLocalFile())) return {};
        out << url.toLocalFile();
    }
    return out;
}

} // namespace

void TMDIChild::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedPictures(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void TMDIChild::dropEvent(QDropEvent* event) {
    const QStringList pictures = droppedPictures(event->mimeData());
    if (pictures.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    const QPoint at = surface_->mapFrom(this, event->position().toPoint());
    // Inserted once the drop is over: a message box must not hold up the program it came from.
    QMetaObject::invokeMethod(
        this,
        [this, pictures, at] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()); sub && sub->mdiArea())
                sub->mdiArea()->setActiveSubWindow(sub);
            RestoreStyles(); // the record takes the palette's style, as after a press
            ToolHost& host = *this;
            QPoint corner = at;
            drawing_->beginGesture(); // one drop, one undo
            for (const QString& path : pictures) {
                const LoadedPicture loaded = loadPicture(path);
                if (!loaded.outcome.ok())
                    qel::showError(this, loaded.outcome.message());
                else if (insertPicture(host, corner, loaded.picture))
                    corner += QPoint(kCascadeStep, kCascadeStep);
            }
            drawing_->endGesture();
        },
        Qt::QueuedConnection);
}

} // namespace qel
