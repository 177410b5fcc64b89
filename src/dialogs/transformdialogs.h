#pragma once

// The small dialogs of the transform commands: rotation, position, size and grid step. Each is
// filled by Init, shown modally (or handed to a test through platform/modalhook.h) and read by
// Result.

#include "document/record.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qel {

// TRot, "Rotation".
class TRot : public QDialog {
    Q_OBJECT
public:
    explicit TRot(QWidget* parent = nullptr);
    // 0 cancelled; 1 "90° gauche", 2 "90° droite", 3 "180°", 4 "0°".
    int Result() const;
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QPushButton* Button1 = nullptr; // "Annuler"
    QPushButton* Button2 = nullptr; // "OK"
};

// TPosit, "Position de l'objet".
class TPosit : public QDialog {
    Q_OBJECT
public:
    explicit TPosit(QWidget* parent = nullptr);
    void Init(const Box& selection, int count);
    // The move to the typed position; (0, 0) when cancelled.
    QPoint Result() const;
    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // "Position X"
    QSpinBox* SpinEdit2 = nullptr; // "Position Y"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    QPoint initial_;
};

// TDimObj, "Dimensions de l'objet".
class TDimObj : public QDialog {
    Q_OBJECT
public:
    explicit TDimObj(QWidget* parent = nullptr);
    void Init(const Box& selection, int count);
    // The growth to the typed size; (0, 0) when cancelled.
    QSize Result() const;
    void SpinEdit1Exit();
    void SpinEdit2Exit();
    QLabel* Label1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;  // "Largeur"
    QSpinBox* SpinEdit2 = nullptr;  // "Hauteur"
    QCheckBox* CheckBox1 = nullptr; // "Garder proportions"
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    QSize initial_;
};

// TPasGrd, "Pas de grille".
class TPasGrd : public QDialog {
    Q_OBJECT
public:
    explicit TPasGrd(QWidget* parent = nullptr);
    void Init(int step);
    // The typed step when confirmed, else the step given.
    int Result(int step) const;
    QSpinBox* SpinEdit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
};

int askRotation(QWidget* parent);
QPoint askPosition(QWidget* parent, const Box& selection, int count);
QSize askSize(QWidget* parent, const Box& selection, int count);
int askGridStep(QWidget* parent, int step);

} // namespace qel
