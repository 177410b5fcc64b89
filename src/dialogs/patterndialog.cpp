#include "dialogs/patterndialog.h"

#include "dialogs/colourswatch.h"
#include "platform/colourchooser.h"
#include "render/background.h"
#include "render/painter_canvas.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace qel {

namespace {

struct Pattern {
    int style;
    const char* name;
};
// In the order of the swatches: row by row, two to a row.
constexpr std::array<Pattern, 8> kPatterns{{{5, "Diagonales montantes"},
                                            {1, "Vide"},
                                            {6, "Quadrillage"},
                                            {7, "Quadrillage diagonal"},
                                            {4, "Diagonales descendantes"},
                                            {2, "Hachures horizontales"},
                                            {0, "Plein"},
                                            {3, "Hachures verticales"}}};

QPixmap patternSwatch(int style) {
    QImage cell(40, 40, QImage::Format_RGB32);
    cell.fill(Qt::white);
    if (style != 1) {
        PainterCanvas canvas(cell);
        canvas.setBrush({kBlack, style});
        canvas.fillRect(0, 0, 40, 40);
    }
    return QPixmap::fromImage(cell);
}

} // namespace

TMotif::TMotif(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Motif"));
    setFixedSize(346, 203);

    auto* swatches = new QGridLayout;
    swatches->setSpacing(4);
    for (std::size_t i = 0; i < kPatterns.size(); ++i) {
        auto* b = new QToolButton(this);
        b->setIcon(patternSwatch(kPatterns[i].style));
        b->setIconSize({40, 40});
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setFocusPolicy(Qt::StrongFocus);
        const QString name = QString::fromUtf8(kPatterns[i].name);
        b->setAccessibleName(name);
        b->setToolTip(name);
        const int style = kPatterns[i].style;
        connect(b, &QToolButton::clicked, this, [this, style] { swatchClicked(style); });
        swatches->addWidget(b, int(i) / 2, int(i) % 2);
        Swatches[i] = b;
    }

    auto colourCell = [this](const QString& caption, QPushButton*& button) {
        auto* row = new QHBoxLayout;
        auto* label = new QLabel(caption, this);
        button = new QPushButton(this);
        button->setIconSize({32, 20});
        button->setAccessibleName(caption);
        label->setBuddy(button);
        row->addWidget(label);
        row->addWidget(button);
        return row;
    };
    auto* colours = new QVBoxLayout;
    colours->addLayout(colourCell(QStringLiteral("Trait"), TraitButton));
    colours->addLayout(colourCell(QStringLiteral("Fond"), FondButton));
    connect(TraitButton, &QPushButton::clicked, this, &TMotif::lineClicked);
    connect(FondButton, &QPushButton::clicked, this, &TMotif::backClicked);

    PaintBox1 = new QLabel(this);
    PaintBox1->setFixedSize(73, 65);
    PaintBox1->setAccessibleName(QStringLiteral("Aperçu du motif"));
    colours->addWidget(PaintBox1);
    colours->addStretch();

    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    CancelButton->setAccessibleName(QStringLiteral("Annuler"));
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setAccessibleName(QStringLiteral("OK"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(swatches);
    layout->addLayout(colours);
    layout->addLayout(buttons);

    Init(0, kBlack, kWhite);
}

void TMotif::Init(int brushStyle, Colour lineColour, Colour backColour) {
    setResult(QDialog::Rejected);
    style_ = brushStyle >= 0 && brushStyle <= 7 ? brushStyle : 0;
    line_ = lineColour;
    back_ = backColour;
    for (std::size_t i = 0; i < kPatterns.size(); ++i)
        Swatches[i]->setChecked(kPatterns[i].style == style_);
    showColour(TraitButton, line_);
    showColour(FondButton, back_);
    paintPreview();
}

void TMotif::Result(int& brushStyle, Colour& lineColour, Colour& backColour) const {
    if (result() != QDialog::Accepted) return;
    brushStyle = chosenStyle();
    lineColour = line_;
    backColour = back_;
}

void TMotif::swatchClicked(int brushStyle) {
    style_ = brushStyle;
    paintPreview();
}

void TMotif::lineClicked() {
    if (const std::optional<Colour> c = chooseColour(this, line_)) {
        line_ = *c;
        showColour(TraitButton, line_);
        paintPreview();
    }
}

void TMotif::backClicked() {
    if (const std::optional<Colour> c = chooseColour(this, back_)) {
        back_ = *c;
        showColour(FondButton, back_);
        paintPreview();
    }
}

// The page as the background painter will paint it.
void TMotif::paintPreview() {
    shown_ = QImage(PaintBox1->size(), QImage::Format_RGB32);
    shown_.fill(Qt::white);
    {
        PainterCanvas canvas(shown_);
        canvas.setPenColour(line_);
        canvas.setBrush({back_, chosenStyle()});
        paintBackground(canvas, u"SHAPE", shown_.size());
    }
    PaintBox1->setPixmap(QPixmap::fromImage(shown_));
}

} // namespace qel
