#include "dialogs/colourswatch.h"

#include "render/canvas.h"

#include <QAbstractButton>
#include <QPainter>
#include <QPixmap>

namespace qel {

void showColour(QAbstractButton* button, Colour colour) {
    QPixmap swatch(button->iconSize());
    swatch.fill(toQColor(colour));
    {
        QPainter p(&swatch);
        p.setPen(Qt::black);
        p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    }
    button->setIcon(swatch);
    button->setAccessibleDescription(toQColor(colour).name());
}

} // namespace qel
