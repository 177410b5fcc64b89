#include "platform/colourchooser.h"

#include <QColorDialog>

namespace qel {

namespace {

ColourChooserHook& hookSlot() {
    static ColourChooserHook hook;
    return hook;
}

} // namespace

std::optional<Colour> chooseColour(QWidget* parent, Colour initial) {
    if (hookSlot()) return hookSlot()(initial);
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), parent,
                               QStringLiteral("Couleur"));
    if (!chosen.isValid()) return std::nullopt;
    return rgbColour(chosen.red(), chosen.green(), chosen.blue());
}

ColourChooserHook setColourChooserHook(ColourChooserHook hook) {
    ColourChooserHook previous = std::move(hookSlot());
    hookSlot() = std::move(hook);
    return previous;
}

} // namespace qel
