#pragma once

#include <QDialog>
#include <QSize>
#include <optional>

class QPushButton;
class QSpinBox;

namespace qel {

// TSupport, "Agrandir le support": a larger drawing surface. The current size is the least
// the user may ask for; the most is 2000 pixels, or the current size when it is larger.
class TSupport : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMaxSide = 2000;

    explicit TSupport(QWidget* parent = nullptr);

    void Init(int width, int height);
    // Width 0 when cancelled; otherwise the two values, each kept within its range.
    void Result(int& width, int& height) const;

    QSpinBox* SpinEdit1 = nullptr;  // "Largeur"
    QSpinBox* SpinEdit2 = nullptr;  // "Hauteur"
    QPushButton* Button1 = nullptr; // "Annuler"
    QPushButton* Button2 = nullptr; // "OK"

public slots:
    // Takes what was typed into a spin box even when Enter was not pressed in it.
    void accept() override;
};

// "&Agrandir le support...": the size asked for, or nothing when the dialog was cancelled or
// the size did not change. Tests drive the dialog through ScopedModalHook<TSupport>
// (platform/modalhook.h).
std::optional<QSize> chooseSurfaceSize(QWidget* parent, QSize current);

} // namespace qel
