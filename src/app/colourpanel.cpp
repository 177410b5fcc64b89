#include "app/colourpanel.h"

#include "render/canvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace qel {

ColourPanel::ColourPanel(const QString& name, const QString& hint, Colour colour, QWidget* parent)
    : QFrame(parent), colour_(colour) {
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAccessibleName(hint);
    setToolTip(hint);
    setStatusTip(hint);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleDescription(toQColor(colour).name());
}

void ColourPanel::setColour(Colour c) {
    colour_ = c;
    setAccessibleDescription(toQColor(c).name());
    update();
}

void ColourPanel::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(),
                   isEnabled() ? toQColor(colour_) : palette().color(QPalette::Button));
    }
    QFrame::paintEvent(event);
}

void ColourPanel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button();
}

void ColourPanel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == pressed_ && rect().contains(event->position().toPoint());
    pressed_ = Qt::NoButton;
    if (click) emit clicked(event->button());
}

} // namespace qel
