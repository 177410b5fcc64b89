#include "dialogs/transformdialogs.h"

#include "platform/modalhook.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace qel {

namespace {

void setUp(QDialog* d, const QString& caption) {
    d->setWindowTitle(caption);
    d->setAccessibleName(caption);
    d->setWindowFlags(d->windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

// "Annuler" and "OK" on a row at the bottom; OK is the default button.
QHBoxLayout* buttons(QDialog* d, QPushButton*& cancel, QPushButton*& ok) {
    cancel = new QPushButton(QStringLiteral("Annuler"), d);
    ok = new QPushButton(QStringLiteral("OK"), d);
    cancel->setAccessibleName(QStringLiteral("Annuler"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel);
    row->addWidget(ok);
    return row;
}

QSpinBox* spin(QWidget* parent, const QString& name, int min, int max) {
    auto* s = new QSpinBox(parent);
    s->setRange(min, max);
    s->setAccessibleName(name);
    return s;
}

// A labelled spin box on a grid row; the label names the box for keyboard users too.
void addRow(QGridLayout* grid, int row, const QString& caption, QSpinBox* box) {
    auto* label = new QLabel(caption, box->parentWidget());
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
}

int roundHalfEven(double v) {
    return int(std::nearbyint(v));
}

} // namespace

TRot::TRot(QWidget* parent) : QDialog(parent) {
    setUp(this, QStringLiteral("Rotation"));
    auto* group = new QGroupBox(QStringLiteral("Rotation de"), this);
    group->setAccessibleName(QStringLiteral("Rotation de"));
    auto* column = new QVBoxLayout(group);
    QRadioButton** radios[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4};
    const char* captions[] = {"90° gauche", "90° droite", "180°", "0°"};
    for (int i = 0; i < 4; ++i) {
        *radios[i] = new QRadioButton(QString::fromUtf8(captions[i]), group);
        (*radios[i])->setAccessibleName(QString::fromUtf8(captions[i]));
        column->addWidget(*radios[i]);
    }
    RadioButton1->setChecked(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons(this, Button1, Button2));
    setFixedSize(sizeHint());
}

int TRot::Result() const {
    if (result() != QDialog::Accepted) return 0;
    int code = 0;
    const QRadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int i = 0; i < 4; ++i)
        if (radios[i]->isChecked()) code = i + 1;
    return code;
}

TPosit::TPosit(QWidget* parent) : QDialog(parent) {
    setUp(this, QStringLiteral("Position de l'objet"));
    Label1 = new QLabel(QStringLiteral("Objets groupés"), this);
    SpinEdit1 = spin(this, QStringLiteral("Position X"), 0, kMaxCoordinate);
    SpinEdit2 = spin(this, QStringLiteral("Position Y"), 0, kMaxCoordinate);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 2);
    addRow(grid, 1, QStringLiteral("Position X"), SpinEdit1);
    addRow(grid, 2, QStringLiteral("Position Y"), SpinEdit2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons(this, Button1, Button2));
    setFixedSize(sizeHint());
}

void TPosit::Init(const Box& selection, int count) {
    initial_ = QPoint(selection.left, selection.top);
    Label1->setText(count < 2 ? QStringLiteral("Objets gouprés : Non")
                              : QStringLiteral("Objets gouprés : Oui"));
    SpinEdit1->setValue(selection.left);
    SpinEdit2->setValue(selection.top);
}

QPoint TPosit::Result() const {
    if (result() != QDialog::Accepted) return {};
    return QPoint(SpinEdit1->value(), SpinEdit2->value()) - initial_;
}

TDimObj::TDimObj(QWidget* parent) : QDialog(parent) {
    setUp(this, QStringLiteral("Dimensions de l'objet"));
    Label1 = new QLabel(QStringLiteral("Objets groupés"), this);
    SpinEdit1 = spin(this, QStringLiteral("Largeur"), 0, kMaxCoordinate);
    SpinEdit2 = spin(this, QStringLiteral("Hauteur"), 0, kMaxCoordinate);
    CheckBox1 = new QCheckBox(QStringLiteral("Garder proportions"), this);
    CheckBox1->setAccessibleName(QStringLiteral("Garder proportions"));
    CheckBox1->setChecked(true);
    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0, 1, 2);
    addRow(grid, 1, QStringLiteral("Largeur"), SpinEdit1);
    addRow(grid, 2, QStringLiteral("Hauteur"), SpinEdit2);
    grid->addWidget(CheckBox1, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons(this, Button1, Button2));
    connect(SpinEdit1, &QSpinBox::editingFinished, this, &TDimObj::SpinEdit1Exit);
    connect(SpinEdit2, &QSpinBox::editingFinished, this, &TDimObj::SpinEdit2Exit);
    setFixedSize(sizeHint());
}

void TDimObj::Init(const Box& selection, int count) {
    initial_ = QSize(selection.right - selection.left, selection.bottom - selection.top);
    Label1->setText(count < 2 ? QStringLiteral("Objets groupés : Non")
                              : QStringLiteral("Objets groupés : Oui"));
    SpinEdit1->setValue(initial_.width());
    SpinEdit2->setValue(initial_.height());
}

// A flat or thin selection has no proportion to keep: the other box stays as it is.
void TDimObj::SpinEdit1Exit() {
    if (!CheckBox1->isChecked() || initial_.width() <= 0 || initial_.height() <= 0) return;
    const double ratio = double(initial_.width()) / initial_.height();
    SpinEdit2->setValue(roundHalfEven(SpinEdit1->value() / ratio));
}

void TDimObj::SpinEdit2Exit() {
    if (!CheckBox1->isChecked() || initial_.width() <= 0 || initial_.height() <= 0) return;
    const double ratio = double(initial_.width()) / initial_.height();
    SpinEdit1->setValue(roundHalfEven(SpinEdit2->value() * ratio));
}

QSize TDimObj::Result() const {
    if (result() != QDialog::Accepted) return {0, 0};
    return {SpinEdit1->value() - initial_.width(), SpinEdit2->value() - initial_.height()};
}

TPasGrd::TPasGrd(QWidget* parent) : QDialog(parent) {
    setUp(this, QStringLiteral("Pas de grille"));
    SpinEdit1 = spin(this, QStringLiteral("Pas de grille en pixels"), 4, 24);
    SpinEdit1->setValue(8);
    auto* row = new QHBoxLayout;
    row->addWidget(SpinEdit1);
    auto* unit = new QLabel(QStringLiteral("Pixels"), this);
    unit->setBuddy(SpinEdit1);
    row->addWidget(unit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons(this, Button1, Button2));
    setFixedSize(sizeHint());
}

void TPasGrd::Init(int step) {
    SpinEdit1->setValue(step);
}

int TPasGrd::Result(int step) const {
    return result() == QDialog::Accepted ? SpinEdit1->value() : step;
}

int askRotation(QWidget* parent) {
    TRot dialog(parent);
    runModal(dialog);
    return dialog.Result();
}

QPoint askPosition(QWidget* parent, const Box& selection, int count) {
    TPosit dialog(parent);
    dialog.Init(selection, count);
    runModal(dialog);
    return dialog.Result();
}

QSize askSize(QWidget* parent, const Box& selection, int count) {
    TDimObj dialog(parent);
    dialog.Init(selection, count);
    runModal(dialog);
    return dialog.Result();
}

int askGridStep(QWidget* parent, int step) {
    TPasGrd dialog(parent);
    dialog.Init(step);
    runModal(dialog);
    return dialog.Result(step);
}

} // namespace qel
