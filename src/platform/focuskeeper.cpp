#include "platform/focuskeeper.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace qel {

namespace {

bool isBox(const QWidget* widget) {
    if (!widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Dialog || type == Qt::Sheet || widget->isModal();
}

// Waits for the first expose of one window, activates, and goes.
class FirstExposeActivator : public QObject {
public:
    explicit FirstExposeActivator(QWidget* widget) : QObject(widget), widget_(widget) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Expose || !static_cast<QWindow*>(watched)->isExposed())
            return false;
        QWidget* target = QApplication::activeModalWidget();
        if (!target) target = widget_;
        target->activateWindow();
        watched->removeEventFilter(this);
        deleteLater();
        return false;
    }

private:
    QWidget* widget_;
};

} // namespace

void activateWhenExposed(QWidget* window) {
    QWindow* handle = window->windowHandle();
    if (!handle) return;
    if (handle->isExposed()) {
        window->activateWindow();
        return;
    }
    handle->installEventFilter(new FirstExposeActivator(window));
}

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
