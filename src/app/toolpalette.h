#pragma once

#include "document/colour.h"

#include <QWidget>

class QSpinBox;

namespace qel {

// The tool palette on the left of the frame: tool buttons, pen and brush style buttons, pen
// width and the pen and fill colour panels. It holds those choices; the frame forwards them
// to the active drawing window.
class ToolPalette : public QWidget {
    Q_OBJECT

public:
    explicit ToolPalette(QWidget* parent = nullptr);

    int penWidth() const;
    Colour penColour() const { return penColour_; }
    Colour fillColour() const { return fillColour_; }
    void setPenColour(Colour c);
    void setFillColour(Colour c);
    // Shows a width without announcing it as a change.
    void showPenWidth(int width);
    // Every control that needs an open drawing window.
    QList<QWidget*> documentControls() const;
    QSpinBox* SpinEdit1 = nullptr;

signals:
    void toolChosen(int toolIndex, int toolCode); // tool code 6 means SetText
    void penStyleChosen(int style);
    void brushStyleChosen(int style);
    void penWidthChanged(int width);
    // After a colour panel was clicked (whether or not the dialog was confirmed).
    void coloursApplied(Colour pen, Colour fill);

private:
    Colour penColour_ = kBlack;
    Colour fillColour_ = kWhite;
};

// The strip of 27 colour swatches near the bottom of the frame.
class ColourStrip : public QWidget {
    Q_OBJECT

public:
    explicit ColourStrip(QWidget* parent = nullptr);
    static Colour swatchColour(int index);

signals:
    // Left button: pen colour; right button: fill colour.
    void swatchClicked(Colour colour, Qt::MouseButton button);
};

} // namespace qel
