#include "dialogs/mep.h"

#include "render/pagemapping.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qel {

namespace {

QSpinBox* marginBox(const QString& name, QFormLayout* form, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(0, kMaxMargin);
    box->setValue(20);
    box->setAccessibleName(name);
    form->addRow(name, box);
    return box;
}

} // namespace

TMep::TMep(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Mise en page"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* group = new QGroupBox(QStringLiteral("Marges en mm"), this);
    auto* form = new QFormLayout(group);
    MargeGauche = marginBox(QStringLiteral("Marge gauche"), form, group);
    MargeHaute = marginBox(QStringLiteral("Marge haute"), form, group);
    MargeDroite = marginBox(QStringLiteral("Marge droite"), form, group);
    MargeBasse = marginBox(QStringLiteral("Marge basse"), form, group);

    Agrandissement = new QSpinBox(this);
    Agrandissement->setRange(kMinEnlargement, kMaxEnlargement);
    Agrandissement->setSingleStep(10);
    Agrandissement->setValue(200);
    Agrandissement->setAccessibleName(QStringLiteral("Agrandissement"));
    auto* enlargementLabel = new QLabel(QStringLiteral("Agrandissement"), this);
    enlargementLabel->setBuddy(Agrandissement);
    auto* enlargement = new QHBoxLayout;
    enlargement->addWidget(enlargementLabel);
    enlargement->addWidget(Agrandissement);
    enlargement->addWidget(new QLabel(QStringLiteral("%"), this));
    enlargement->addStretch();

    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    OkBtn = new QPushButton(QStringLiteral("OK"), this);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, [this] {
        accepted_ = true;
        accept();
    });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    buttons->addWidget(OkBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(enlargement);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab goes down the boxes in reading order, then to the buttons.
    setTabOrder(MargeGauche, MargeHaute);
    setTabOrder(MargeHaute, MargeDroite);
    setTabOrder(MargeDroite, MargeBasse);
    setTabOrder(MargeBasse, Agrandissement);
    setTabOrder(Agrandissement, CancelBtn);
    setTabOrder(CancelBtn, OkBtn);
    MargeGauche->setFocus();
}

void TMep::Init(int left, int top, int right, int bottom, int enlargement) {
    MargeGauche->setValue(left);
    MargeHaute->setValue(top);
    MargeDroite->setValue(right);
    MargeBasse->setValue(bottom);
    Agrandissement->setValue(enlargement);
    accepted_ = false;
}

bool TMep::Result(int& left, int& top, int& right, int& bottom, int& enlargement) const {
    if (!accepted_) return false;
    left = MargeGauche->value();
    top = MargeHaute->value();
    right = MargeDroite->value();
    bottom = MargeBasse->value();
    enlargement = Agrandissement->value();
    return true;
}

} // namespace qel
