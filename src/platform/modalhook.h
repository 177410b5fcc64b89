#pragma once

#include <QDialog>
#include <functional>
#include <utility>

namespace qel {

// Runs a dialog modally, or hands it to a test that acts in the user's place: the hook gets
// the dialog already filled by its Init, drives it (typing, clicking "OK" or "Annuler") and
// returns; the dialog's result is then read as after a modal run.
template <class Dialog> using ModalHook = std::function<void(Dialog&)>;

template <class Dialog> ModalHook<Dialog>& modalHookSlot() {
    static ModalHook<Dialog> hook;
    return hook;
}

template <class Dialog> int runModal(Dialog& dialog) {
    if (const ModalHook<Dialog>& hook = modalHookSlot<Dialog>()) {
        hook(dialog);
        return dialog.result();
    }
    return dialog.exec();
}

template <class Dialog> class ScopedModalHook {
public:
    explicit ScopedModalHook(ModalHook<Dialog> hook)
        : previous_(std::exchange(modalHookSlot<Dialog>(), std::move(hook))) {}
    ~ScopedModalHook() { modalHookSlot<Dialog>() = std::move(previous_); }
    ScopedModalHook(const ScopedModalHook&) = delete;
    ScopedModalHook& operator=(const ScopedModalHook&) = delete;

private:
    ModalHook<Dialog> previous_;
};

} // namespace qel
