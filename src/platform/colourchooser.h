#pragma once

#include "document/colour.h"

#include <functional>
#include <optional>

class QWidget;

namespace qel {

// The platform colour dialog, opened on a colour; nothing when it was cancelled. Every colour
// choice of the program goes through it, so that tests may answer in the user's place.
std::optional<Colour> chooseColour(QWidget* parent, Colour initial);
using ColourChooserHook = std::function<std::optional<Colour>(Colour initial)>;
ColourChooserHook setColourChooserHook(ColourChooserHook hook);

class ScopedColourChooserHook {
public:
    explicit ScopedColourChooserHook(ColourChooserHook hook)
        : previous_(setColourChooserHook(std::move(hook))) {}
    ~ScopedColourChooserHook() { setColourChooserHook(std::move(previous_)); }
    ScopedColourChooserHook(const ScopedColourChooserHook&) = delete;
    ScopedColourChooserHook& operator=(const ScopedColourChooserHook&) = delete;

private:
    ColourChooserHook previous_;
};

} // namespace qel
