#pragma once

// The page setup dialog, "Mise en page": the four margins in millimetres and the enlargement.

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace qel {

class TMep : public QDialog {
    Q_OBJECT

public:
    explicit TMep(QWidget* parent = nullptr);

    // Fills the five boxes; values outside their range are brought into it.
    void Init(int left, int top, int right, int bottom, int enlargement);
    // Writes the five values only when the dialog was closed with "OK"; answers whether it was.
    bool Result(int& left, int& top, int& right, int& bottom, int& enlargement) const;

    QSpinBox* MargeGauche = nullptr;
    QSpinBox* MargeHaute = nullptr;
    QSpinBox* MargeDroite = nullptr;
    QSpinBox* MargeBasse = nullptr;
    QSpinBox* Agrandissement = nullptr;
    QPushButton* OkBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

private:
    bool accepted_ = false;
};

} // namespace qel
