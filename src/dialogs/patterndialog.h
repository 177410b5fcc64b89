#pragma once

#include "document/colour.h"

#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;
class QToolButton;

namespace qel {

// TMotif, "Motif": a pattern for the page background, its line colour ("Trait") and its
// background colour ("Fond"), with a preview of the page as it will look.
class TMotif : public QDialog {
    Q_OBJECT

public:
    explicit TMotif(QWidget* parent = nullptr);

    void Init(int brushStyle, Colour lineColour, Colour backColour);
    // Written only when the dialog was confirmed. The clear pattern comes back solid: the page
    // is then filled with the "Fond" colour inside a "Trait" outline.
    void Result(int& brushStyle, Colour& lineColour, Colour& backColour) const;

    const QImage& preview() const { return shown_; }

    // Two columns of four: backward diagonal, clear; cross, diagonal cross; forward diagonal,
    // horizontal; solid, vertical.
    std::array<QToolButton*, 8> Swatches{};
    QPushButton* TraitButton = nullptr;
    QPushButton* FondButton = nullptr;
    QLabel* PaintBox1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void swatchClicked(int brushStyle);
    void lineClicked();
    void backClicked();
    void paintPreview();
    int chosenStyle() const { return style_ == 1 ? 0 : style_; }

    int style_ = 0;
    Colour line_ = kBlack;
    Colour back_ = kWhite;
    QImage shown_;
};

} // namespace qel
