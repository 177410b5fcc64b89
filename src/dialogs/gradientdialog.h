#pragma once

#include "document/colour.h"

#include <QDialog>
#include <QImage>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace qel {

// TCouleur, "Dégradés": the starting colour of a gradient background and its direction.
class TCouleur : public QDialog {
    Q_OBJECT

public:
    explicit TCouleur(QWidget* parent = nullptr);

    void Init(Colour colour);
    // Written only when the dialog was confirmed: the colour, and 1 for "Foncé -> clair" or
    // 2 for "Clair -> foncé".
    void Result(Colour& colour, int& direction) const;

    const QImage& preview() const { return shown_; }

    // Red, blue, teal on the first row; green, gray, lime on the second.
    std::array<QToolButton*, 6> Presets{};
    QRadioButton* DarkToLight = nullptr;
    QRadioButton* LightToDark = nullptr;
    QLabel* PaintBox1 = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void paintPreview();

    Colour colour_ = kBlack;
    QImage shown_;
};

} // namespace qel
