#pragma once

#include "document/colour.h"

#include <QFrame>
#include <functional>
#include <optional>

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

// The platform colour dialog, opened on a colour; nothing when it was cancelled. Tests may
// answer in the user's place.
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
