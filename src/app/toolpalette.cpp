#include "app/toolpalette.h"

#include <QSpinBox>

namespace qel {

ToolPalette::ToolPalette(QWidget* parent) : QWidget(parent) {
    setFixedWidth(54);
    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setValue(1);
    SpinEdit1->setGeometry(1, 240, 50, 22);
}

int ToolPalette::penWidth() const {
    return SpinEdit1->value();
}
void ToolPalette::setPenColour(Colour c) {
    penColour_ = c;
}
void ToolPalette::setFillColour(Colour c) {
    fillColour_ = c;
}
void ToolPalette::showPenWidth(int width) {
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setValue(width);
}
QList<QWidget*> ToolPalette::documentControls() const {
    return {SpinEdit1};
}

ColourStrip::ColourStrip(QWidget* parent) : QWidget(parent) {
    setFixedHeight(25);
}

Colour ColourStrip::swatchColour(int index) {
    static constexpr int kLevel[3] = {0, 127, 255};
    return rgbColour(kLevel[index % 3], kLevel[(index / 3) % 3], kLevel[index / 9]);
}

} // namespace qel
