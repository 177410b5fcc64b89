#include "utilities/uihelpers.h"

#include <QLabel>
#include <QPushButton>

namespace qel {

QPushButton* makeButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setAccessibleName(caption);
    return button;
}

void showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

} // namespace qel
