#pragma once

#include "document/colour.h"

class QAbstractButton;

namespace qel {

// Shows a colour as a button's icon and gives its value to screen readers.
void showColour(QAbstractButton* button, Colour colour);

} // namespace qel
