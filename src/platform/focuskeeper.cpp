#include "platform/focuskeeper.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace qel {

namespace {

bool isBox(const QWidget* widget) {
    if (!widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Dialog || type == Qt::Sheet || widget->isModal();
}

} // namespace

FocusKeeper::FocusKeeper(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!isBox(widget)) return false;
    std::erase_if(returns_, [](const Return& r) { return r.box.isNull(); });
    auto mine = std::find_if(returns_.begin(), returns_.end(),
                             [widget](const Return& r) { return r.box == widget; });
    if (type == QEvent::Show) {
        QWidget* previous = QApplication::activeWindow();
        if (previous == widget) return false;
        // Nothing active (no click yet): the box's owner is the window it belongs back to.
        if (!previous && widget->parentWidget()) previous = widget->parentWidget()->window();
        if (mine == returns_.end())
            returns_.push_back({widget, previous});
        else
            mine->previous = previous;
        return false;
    }
    if (mine == returns_.end()) return false;
    const QPointer<QWidget> previous = mine->previous;
    returns_.erase(mine);
    QWidget* active = QApplication::activeWindow();
    // Another window the user chose meanwhile keeps the keyboard.
    if (previous && previous->isVisible() && (!active || active == widget || active == previous))
        previous->activateWindow();
    return false;
}

} // namespace qel
