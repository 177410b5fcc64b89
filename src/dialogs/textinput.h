#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLineEdit;

namespace qel {

// TEditext, "Editeur de texte": one line of text for the text tool.
class TEditext : public QDialog {
    Q_OBJECT

public:
    explicit TEditext(QWidget* parent = nullptr);
    // The typed text when confirmed, otherwise an empty string.
    void Result(QString& text) const;
    QLineEdit* Edit1 = nullptr;
};

// Shows TEditext modally; nothing when it was cancelled. Tests may answer in its place.
std::optional<QString> askShapeText(QWidget* parent);
using TextInputHook = std::function<std::optional<QString>()>;
TextInputHook setTextInputHook(TextInputHook hook);

} // namespace qel
