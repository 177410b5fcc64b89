#pragma once

#include "utilities/calculatorengine.h"
#include "utilities/uihelpers.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace qel {

// The pocket calculator window. The caller creates it for one use and shows it modally.
class TPocket : public QDialog {
    Q_OBJECT
public:
    explicit TPocket(QWidget* parent = nullptr);

    QString displayText() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();
    void ButtonClick(CalcKey key);
    void pressButton(QPushButton* button);
    void focusEquals();
    void buildLayout();

    CalculatorEngine engine_;
    QLabel* Label1 = nullptr;
    QPushButton* Button19 = nullptr;
    // Indexed by CalcKey, so a typed character finds the button it presses.
    std::array<QPushButton*, static_cast<int>(CalcKey::None)> keyButtons_{};
};

} // namespace qel
