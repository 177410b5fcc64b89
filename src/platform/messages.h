#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace qel {

// Every modal message box of the program goes through showMessage, so that tests can
// replace the box with a hook that records the text and answers in the user's place.

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

struct Message {
    QWidget* parent = nullptr;
    MessageIcon icon = MessageIcon::Information;
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageHook = std::function<MessageResult(const Message&)>;

// Shows a modal box with French button captions and returns the button pressed.
// Escape or the close box give Cancel when there is one, otherwise No, otherwise Ok.
MessageResult showMessage(QWidget* parent, MessageIcon icon, const QString& title,
                          const QString& text, MessageButtons buttons = MessageButtons::Ok);

// The boxes most callers need, captioned with the application title "Qel Draw".
void showInformation(QWidget* parent, const QString& text);
void showWarning(QWidget* parent, const QString& text);
void showError(QWidget* parent, const QString& text);
MessageResult askYesNoCancel(QWidget* parent, const QString& text);

// Replaces the real box (an empty hook restores it); returns the hook that was installed.
MessageHook setMessageHook(MessageHook hook);

// Installs a hook for the lifetime of a scope, then puts the previous one back.
class ScopedMessageHook {
public:
    explicit ScopedMessageHook(MessageHook hook) : previous_(setMessageHook(std::move(hook))) {}
    ~ScopedMessageHook() { setMessageHook(std::move(previous_)); }
    ScopedMessageHook(const ScopedMessageHook&) = delete;
    ScopedMessageHook& operator=(const ScopedMessageHook&) = delete;

private:
    MessageHook previous_;
};

} // namespace qel
