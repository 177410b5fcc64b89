#include "dialogs/gradientdialog.h"

#include "dialogs/colourswatch.h"
#include "render/background.h"
#include "render/painter_canvas.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qel {

namespace {

struct Preset {
    Colour colour;
    const char* name;
};
constexpr std::array<Preset, 6> kPresets{{{rgbColour(255, 0, 0), "Rouge"},
                                          {rgbColour(0, 0, 255), "Bleu"},
                                          {rgbColour(0, 128, 128), "Sarcelle"},
                                          {rgbColour(0, 128, 0), "Vert"},
                                          {rgbColour(128, 128, 128), "Gris"},
                                          {rgbColour(0, 255, 0), "Vert citron"}}};

} // namespace

TCouleur::TCouleur(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Dégradés"));
    setFixedSize(321, 203);

    auto* presets = new QGridLayout;
    for (std::size_t i = 0; i < kPresets.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setIconSize({32, 32});
        b->setFocusPolicy(Qt::StrongFocus);
        showColour(b, kPresets[i].colour);
        const QString name = QString::fromUtf8(kPresets[i].name);
        b->setAccessibleName(name);
        b->setToolTip(name);
        const Colour colour = kPresets[i].colour;
        connect(b, &QToolButton::clicked, this, [this, colour] {
            colour_ = colour;
            paintPreview();
        });
        presets->addWidget(b, int(i) / 3, int(i) % 3);
        Presets[i] = b;
    }

    auto* direction = new QGroupBox(this);
    direction->setAccessibleName(QStringLiteral("Sens du dégradé"));
    DarkToLight = new QRadioButton(QStringLiteral("Foncé -> clair"), direction);
    DarkToLight->setAccessibleName(QStringLiteral("Foncé vers clair"));
    LightToDark = new QRadioButton(QStringLiteral("Clair -> foncé"), direction);
    LightToDark->setAccessibleName(QStringLiteral("Clair vers foncé"));
    DarkToLight->setChecked(true);
    auto* directions = new QVBoxLayout(direction);
    directions->addWidget(DarkToLight);
    directions->addWidget(LightToDark);
    connect(DarkToLight, &QRadioButton::clicked, this, &TCouleur::paintPreview);
    connect(LightToDark, &QRadioButton::clicked, this, &TCouleur::paintPreview);

    PaintBox1 = new QLabel(this);
    PaintBox1->setFixedSize(73, 75);
    PaintBox1->setAccessibleName(QStringLiteral("Aperçu du dégradé"));

    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    CancelButton->setAccessibleName(QStringLiteral("Annuler"));
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setAccessibleName(QStringLiteral("OK"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addLayout(presets);
    left->addWidget(direction);
    auto* right = new QVBoxLayout;
    right->addWidget(PaintBox1);
    right->addStretch();
    right->addWidget(CancelButton);
    right->addWidget(OkButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    Init(kBlack);
}

void TCouleur::Init(Colour colour) {
    setResult(QDialog::Rejected);
    colour_ = colour;
    paintPreview();
}

void TCouleur::Result(Colour& colour, int& direction) const {
    if (result() != QDialog::Accepted) return;
    colour = colour_;
    direction = LightToDark->isChecked() ? 2 : 1;
}

void TCouleur::paintPreview() {
    shown_ = QImage(PaintBox1->size(), QImage::Format_RGB32);
    shown_.fill(Qt::white);
    {
        PainterCanvas canvas(shown_);
        canvas.setPenColour(colour_);
        canvas.setBrush({colour_, 0});
        paintBackground(canvas, LightToDark->isChecked() ? u"COLORU" : u"COLOR", shown_.size());
    }
    PaintBox1->setPixmap(QPixmap::fromImage(shown_));
}

} // namespace qel
