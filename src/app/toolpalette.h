#pragma once

#include "document/colour.h"

#include <QWidget>

class QButtonGroup;
class QSpinBox;
class QToolButton;

namespace qel {

class ColourPanel;

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
    // The pressed buttons: tool index 1..12, pen style 0..5, brush style 0..7.
    int toolIndex() const;
    int penStyle() const;
    int brushStyle() const;
    QToolButton* toolButton(int toolIndex) const;
    QToolButton* penStyleButton(int style) const;
    QToolButton* brushStyleButton(int style) const;

    QSpinBox* SpinEdit1 = nullptr;
    ColourPanel* ForeColor = nullptr;
    ColourPanel* Backcolor = nullptr;

signals:
    void toolChosen(int toolIndex, int toolCode); // tool code 6 means SetText
    void penStyleChosen(int style);
    void brushStyleChosen(int style);
    void penWidthChanged(int width);
    // After a colour panel was clicked (whether or not the dialog was confirmed).
    void coloursApplied(Colour pen, Colour fill);

private:
    void buildTools();
    void buildPenStyles();
    void buildColours();
    void buildBrushStyles();
    QToolButton* addButton(const QString& name, const QString& hint, const QString& glyph,
                           int column, int top, QButtonGroup* group, int id);
    void colourPanelClicked(ColourPanel* panel);

    QButtonGroup* tools_ = nullptr;
    QButtonGroup* pens_ = nullptr;
    QButtonGroup* brushes_ = nullptr;
    Colour penColour_ = kBlack;
    Colour fillColour_ = kWhite;
};

// The strip of 27 colour swatches near the bottom of the frame.
class ColourStrip : public QWidget {
    Q_OBJECT

public:
    explicit ColourStrip(QWidget* parent = nullptr);
    static Colour swatchColour(int index);
    static constexpr int kSwatches = 27;
    ColourPanel* swatch(int index) const;

signals:
    // Left button: pen colour; right button: fill colour.
    void swatchClicked(Colour colour, Qt::MouseButton button);
};

} // namespace qel
