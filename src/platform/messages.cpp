#include "platform/messages.h"

#include "platform/mnemonic.h"

#include <QMessageBox>
#include <QPushButton>

namespace qel {

namespace {

MessageHook& currentHook() {
    static MessageHook hook;
    return hook;
}

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

MessageResult escapeResult(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageResult::Cancel;
    case MessageButtons::YesNo:
        return MessageResult::No;
    case MessageButtons::Ok:
        break;
    }
    return MessageResult::Ok;
}

// The button captions are the program's own, whatever Qt's translation would say.
MessageResult runBox(const Message& message) {
    QMessageBox box(boxIcon(message.icon), message.title, message.text, QMessageBox::NoButton,
                    message.parent);
    struct Choice {
        QMessageBox::StandardButton button;
        const char* caption;
        MessageResult result;
        bool wanted;
    };
    const bool yesNo =
        message.buttons == MessageButtons::YesNo || message.buttons == MessageButtons::YesNoCancel;
    const bool cancel = message.buttons == MessageButtons::OkCancel ||
                        message.buttons == MessageButtons::YesNoCancel;
    const Choice choices[] = {
        {QMessageBox::Ok, "OK", MessageResult::Ok, !yesNo},
        {QMessageBox::Yes, "&Oui", MessageResult::Yes, yesNo},
        {QMessageBox::No, "&Non", MessageResult::No, yesNo},
        {QMessageBox::Cancel, "Annuler", MessageResult::Cancel, cancel},
    };
    QAbstractButton* first = nullptr;
    for (const Choice& choice : choices) {
        if (!choice.wanted) continue;
        QPushButton* button = box.addButton(choice.button);
        button->setText(QString::fromUtf8(choice.caption));
        button->setAccessibleName(withoutMnemonics(button->text()));
        if (!first) first = button;
    }
    box.setDefaultButton(static_cast<QPushButton*>(first));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Choice& choice : choices)
        if (choice.wanted && clicked == box.button(choice.button)) return choice.result;
    return escapeResult(message.buttons);
}

const QString& applicationTitle() {
    static const QString title = QStringLiteral("Qel Draw");
    return title;
}

} // namespace

MessageResult showMessage(QWidget* parent, MessageIcon icon, const QString& title,
                          const QString& text, MessageButtons buttons) {
    const Message message{parent, icon, title, text, buttons};
    if (currentHook()) return currentHook()(message);
    return runBox(message);
}

void showInformation(QWidget* parent, const QString& text) {
    showMessage(parent, MessageIcon::Information, applicationTitle(), text);
}

void showWarning(QWidget* parent, const QString& text) {
    showMessage(parent, MessageIcon::Warning, applicationTitle(), text);
}

void showError(QWidget* parent, const QString& text) {
    showMessage(parent, MessageIcon::Error, applicationTitle(), text);
}

MessageResult askYesNoCancel(QWidget* parent, const QString& text) {
    return showMessage(parent, MessageIcon::Question, applicationTitle(), text,
                       MessageButtons::YesNoCancel);
}

MessageHook setMessageHook(MessageHook hook) {
    MessageHook previous = std::move(currentHook());
    currentHook() = std::move(hook);
    return previous;
}

} // namespace qel
