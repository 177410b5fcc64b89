#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace qel {

// A push button whose accessible name is its caption.
QPushButton* makeButton(const QString& caption, QWidget* parent);

// Sets a label's text and gives assistive technology the same text.
void showText(QLabel* label, const QString& text);

} // namespace qel
