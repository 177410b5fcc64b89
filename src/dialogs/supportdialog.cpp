#include "dialogs/supportdialog.h"

#include "platform/modalhook.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace qel {

namespace {

QSpinBox* sideSpin(QWidget* parent, const QString& name) {
    auto* spin = new QSpinBox(parent);
    spin->setAccessibleName(name);
    // A value typed out of range becomes the nearest allowed one instead of being dropped.
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    spin->setMinimumWidth(110);
    return spin;
}

} // namespace

TSupport::TSupport(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Agrandir le support"));

    SpinEdit1 = sideSpin(this, QStringLiteral("Largeur"));
    SpinEdit2 = sideSpin(this, QStringLiteral("Hauteur"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Largeur"), SpinEdit1);
    form->addRow(QStringLiteral("Hauteur"), SpinEdit2);

    Button1 = new QPushButton(QStringLiteral("Annuler"), this);
    Button1->setAccessibleName(QStringLiteral("Annuler"));
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setAccessibleName(QStringLiteral("OK"));
    // The default button: Enter in either spin box accepts.
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &TSupport::accept);
    connect(Button1, &QPushButton::clicked, this, &TSupport::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Init(1, 1);
}

void TSupport::Init(int width, int height) {
    setResult(QDialog::Rejected);
    SpinEdit1->setRange(width, std::max(kMaxSide, width));
    SpinEdit2->setRange(height, std::max(kMaxSide, height));
    SpinEdit1->setValue(width);
    SpinEdit2->setValue(height);
}

void TSupport::accept() {
    SpinEdit1->interpretText();
    SpinEdit2->interpretText();
    QDialog::accept();
}

void TSupport::Result(int& width, int& height) const {
    if (result() != QDialog::Accepted) {
        width = 0;
        return;
    }
    width = std::clamp(SpinEdit1->value(), SpinEdit1->minimum(), SpinEdit1->maximum());
    height = std::clamp(SpinEdit2->value(), SpinEdit2->minimum(), SpinEdit2->maximum());
}

std::optional<QSize> chooseSurfaceSize(QWidget* parent, QSize current) {
    TSupport dialog(parent);
    dialog.Init(current.width(), current.height());
    runModal(dialog);
    int width = 0, height = 0;
    dialog.Result(width, height);
    if (width == 0 || QSize(width, height) == current) return std::nullopt;
    return QSize(width, height);
}

} // namespace qel
