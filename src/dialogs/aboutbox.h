#pragma once

#include <QDialog>

namespace qel {

// "A propos de Qel Draw": the emblem, the program's name and version, and a close button.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

// Shows the about box modally and frees it when it closes.
void showAboutBox(QWidget* parent);

} // namespace qel
