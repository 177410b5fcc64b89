#pragma once

#include "document/colour.h"
#include "document/recordkind.h"

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
    // The pressed buttons: a tool with a button, pen style 0..5, brush style 0..7.
    Tool tool() const;
    int penStyle() const;
    int brushStyle() const;
    // The button of a tool; null for a tool without one.
    QToolButton* toolButton(Tool tool) const;
    QToolButton* penStyleButton(int style) const;
    QToolButton* brushStyleButton(int style) const;

    QSpinBox* SpinEdit1 = nullptr;
    ColourPanel* ForeColor = nullptr;
    ColourPanel* Backcolor = nullptr;

signals:
    void toolChosen(Tool tool);
    void penStyleChosen(int style);
    void brushStyleChosen(int style);
    void penWidthChanged(int width);
    // After a colour panel was clicked (whether or not the dialog was confirmed).
    void coloursApplied(Colour pen, Colour fill);

private:
    // Each part is laid out from the top given and answers where the next one starts.
    int buildTools(int top);
    int buildPenStyles(int top);
    int buildColours(int top);
    int buildBrushStyles(int top);
    // The buttons of a group fill two columns, row by row, from the top of the group.
    QToolButton* addButton(const QString& name, const QString& hint, const QString& glyph, int top,
                           QButtonGroup* group, int id);
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
