#include "render/canvas.h"

#include <QColor>

namespace qel {

QColor toQColor(Colour c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

QRect Canvas::textInk(int, int, const QString&) {
    return kEverywhere;
}

Colour fromQColor(const QColor& c) {
    return rgbColour(c.red(), c.green(), c.blue());
}

} // namespace qel
