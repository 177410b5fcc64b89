#include "dialogs/backgrounddialog.h"

#include "dialogs/gradientdialog.h"
#include "dialogs/patterndialog.h"
#include "document/record.h"
#include "platform/colourchooser.h"
#include "platform/modalhook.h"
#include "render/painter_canvas.h"
#include "render/recordpainter.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qel {

namespace {

constexpr std::array<QStringView, 5> kKeywords{u"BLANK", u"FILLRECT", u"SHAPE", u"COLOR",
                                               u"COLORU"};

int kindOf(QStringView record) {
    const RecordView v = splitRecord(record);
    // " 0BLANK" has no space, so no keyword of its own.
    const QStringView keyword = v.keyword.isEmpty() ? recordBody(record) : v.keyword;
    for (std::size_t k = 1; k < kKeywords.size(); ++k)
        if (keyword == kKeywords[k]) return int(k);
    return 0;
}

} // namespace

TFond::TFond(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Fond de page"));
    setFixedSize(450, 190);

    GroupBox1 = new QGroupBox(QStringLiteral("GroupBox1"), this);
    GroupBox1->setAccessibleName(QStringLiteral("Genre de fond"));
    auto* options = new QVBoxLayout(GroupBox1);
    auto option = [&](const QString& caption, int kind) {
        auto* b = new QRadioButton(caption, GroupBox1);
        b->setAccessibleName(caption);
        options->addWidget(b);
        // Clicked, not toggled: clicking the checked option opens its dialog again.
        connect(b, &QRadioButton::clicked, this, [this, kind] { optionClicked(kind); });
        return b;
    };
    Aucun = option(QStringLiteral("Aucun"), 0);
    Couleur = option(QStringLiteral("Couleur"), 1);
    Motif = option(QStringLiteral("Motif"), 2);
    Degrade = option(QStringLiteral("Dégradé"), 3);
    Texture = option(QStringLiteral("Texture"), -1);
    Texture->hide();
    Aucun->setChecked(true);

    PaintBox1 = new QLabel(this);
    PaintBox1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PaintBox1->setLineWidth(1);
    PaintBox1->setFixedSize(kPreviewSize + QSize(2, 2));
    PaintBox1->setAccessibleName(QStringLiteral("Aperçu du fond"));

    CancelButton = new QPushButton(QStringLiteral("Annuler"), this);
    CancelButton->setAccessibleName(QStringLiteral("Annuler"));
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setAccessibleName(QStringLiteral("OK"));
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    buttons->addWidget(OkButton);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(GroupBox1, 1);
    layout->addWidget(PaintBox1);
    layout->addLayout(buttons);

    Init(kBlankBackground);
}

void TFond::Init(const QString& record) {
    setResult(QDialog::Rejected);
    current_ = record;
    preview_.setPen(PenState{});
    preview_.setBrush(BrushState{});
    const RecordView v = splitRecord(record);
    if (v.hasTab) {
        Style style = styleOfCanvas(preview_);
        applyStyleField(v.style, style);
        applyStyle(preview_, style);
    }
    // Nothing paints text from a background: the record always carries the default font, so
    // that the same choice always writes the same line.
    preview_.setFont(FontState{});
    kind_ = kindOf(record);
    checkKind();
    paintPreview();
}

void TFond::Result(QString& out) const {
    out = result() == QDialog::Accepted ? current_ : QString();
}

void TFond::optionClicked(int option) {
    bool changed = false;
    switch (option) {
    case 0:
        kind_ = 0;
        changed = true;
        break;
    case 1:
        changed = chooseColour();
        break;
    case 2:
        changed = choosePattern();
        break;
    case 3:
        changed = chooseGradient();
        break;
    default:
        break;
    }
    // A cancelled choice leaves everything as it was, the checked option included.
    checkKind();
    if (!changed) return;
    buildRecord();
    paintPreview();
}

bool TFond::chooseColour() {
    const std::optional<Colour> c = qel::chooseColour(this, preview_.brush().colour);
    if (!c) return false;
    // The brush style stays: a colour chosen after a pattern fills with that pattern.
    preview_.setBrushColour(*c);
    preview_.setPenColour(*c);
    kind_ = 1;
    return true;
}

bool TFond::choosePattern() {
    TMotif dialog(this);
    dialog.Init(preview_.brush().style, preview_.pen().colour, preview_.brush().colour);
    if (runModal(dialog) != QDialog::Accepted) return false;
    int style = preview_.brush().style;
    Colour line = preview_.pen().colour, back = preview_.brush().colour;
    dialog.Result(style, line, back);
    preview_.setBrushStyle(style);
    preview_.setPenColour(line);
    preview_.setBrushColour(back);
    kind_ = 2;
    return true;
}

bool TFond::chooseGradient() {
    TCouleur dialog(this);
    dialog.Init(preview_.pen().colour);
    if (runModal(dialog) != QDialog::Accepted) return false;
    Colour colour = preview_.pen().colour;
    int direction = 1;
    dialog.Result(colour, direction);
    preview_.setPenColour(colour);
    preview_.setBrushColour(colour);
    kind_ = direction == 2 ? 4 : 3;
    return true;
}

void TFond::checkKind() {
    QRadioButton* const buttons[] = {Aucun, Couleur, Motif, Degrade, Degrade};
    buttons[std::clamp(kind_, 0, 4)]->setChecked(true);
}

void TFond::buildRecord() {
    if (kind_ == 0) {
        current_ = kBlankBackground;
        return;
    }
    Style style = styleOfCanvas(preview_);
    style.fontStyle = 0;
    const Box area{0, 0, kPreviewSize.width() - 1, kPreviewSize.height() - 1};
    current_ =
        qel::buildRecord(u' ', u'0', kKeywords[kind_], encodeBox(area), {}, formatStyle(style));
}

// White, then the background as the drawing window paints it.
void TFond::paintPreview() {
    shown_ = QImage(kPreviewSize, QImage::Format_RGB32);
    shown_.fill(Qt::white);
    if (current_.size() > 2) {
        PainterCanvas canvas(shown_);
        PaintState state;
        DessinForme(canvas, recordBody(current_), PaintOptions::screen(kPreviewSize), state);
    }
    PaintBox1->setPixmap(QPixmap::fromImage(shown_));
}

std::optional<QString> chooseBackground(QWidget* parent, const QString& currentRecord) {
    TFond dialog(parent);
    dialog.Init(currentRecord);
    runModal(dialog);
    QString out;
    dialog.Result(out);
    if (out.isEmpty() || out == currentRecord) return std::nullopt;
    return out;
}

} // namespace qel
