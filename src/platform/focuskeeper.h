#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace qel {

// Gives the keyboard back to the window that was active before a dialog or message box opened,
// once that box closes. A window manager usually does so; without one, X hands the focus to the
// root window and the program no longer hears its shortcuts until a click.
// One instance watches every window of the application while it lives.
class FocusKeeper : public QObject {
public:
    explicit FocusKeeper(QObject* parent = nullptr);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Return {
        QPointer<QWidget> box;
        QPointer<QWidget> previous;
    };
    std::vector<Return> returns_;
};

// Gives the keyboard to a newly shown top-level window once the window system has really mapped
// it: a request made before that is lost when no window manager runs. A modal box opened
// meanwhile (it came first) gets the keyboard instead. Call after show().
void activateWhenExposed(QWidget* window);

} // namespace qel
