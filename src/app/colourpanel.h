#pragma once

#include "document/colour.h"
#include "platform/colourchooser.h"

#include <QFrame>

namespace qel {

// A clickable square of one colour: the pen and fill colour panels and the colour strip's
// swatches. It shows its colour and reports which button clicked it.
class ColourPanel : public QFrame {
    Q_OBJECT

public:
    ColourPanel(const QString& name, const QString& hint, Colour colour, QWidget* parent);
    Colour colour() const { return colour_; }
    void setColour(Colour c);

signals:
    void clicked(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour colour_;
    Qt::MouseButton pressed_ = Qt::NoButton;
};

} // namespace qel
