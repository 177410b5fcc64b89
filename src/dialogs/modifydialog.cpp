#include "dialogs/modifydialog.h"

#include "dialogs/colourswatch.h"
#include "dialogs/styleglyphs.h"
#include "document/recordkind.h"
#include "document/recordparts.h"
#include "platform/colourchooser.h"
#include "platform/modalhook.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qel {

namespace {

constexpr int kMaxField = 255; // two hexadecimal digits
constexpr QSize kSwatch{40, 16};

const std::array<const char*, 6> kPenNames{
    "Trait plein",          "Trait en tirets",         "Trait en pointillés",
    "Trait tiret et point", "Trait tiret point point", "Pas de trait"};
const std::array<const char*, 4> kArrowNames{"Sans pointe", "Pointe au début", "Pointe à la fin",
                                             "Pointe aux deux bouts"};

// What an unreadable sub-field counts as: every number 0, no font name.
Style emptyStyle() {
    Style s;
    s.brushStyle = 0;
    s.brushColour = 0;
    s.penStyle = 0;
    s.penWidth = 0;
    s.penColour = 0;
    s.fontColour = 0;
    s.fontSize = 0;
    s.fontStyle = 0;
    s.fontName.clear();
    return s;
}

// Checks the button of an exclusive group, or none when the value has no button.
void checkOnly(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(group->id(b) == id);
    group->setExclusive(true);
}

QToolButton* styleButton(QWidget* parent, const QIcon& icon, const QString& name,
                         const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setIcon(icon);
    b->setIconSize(QSize(28, 16));
    b->setCheckable(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAccessibleName(name);
    b->setToolTip(hint.isEmpty() ? name : hint);
    return b;
}

QLabel* kindLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// Colour, width and pen style of the outline, as pages 0 and 1 both show them.
QGroupBox* penBox(QWidget* parent, QToolButton* panel, QSpinBox* spin,
                  const std::array<QToolButton*, 6>& pens) {
    auto* box = new QGroupBox(QStringLiteral("Trait"), parent);
    auto* grid = new QGridLayout(box);
    auto* colourLabel = new QLabel(QStringLiteral("Couleur"), box);
    colourLabel->setBuddy(panel);
    auto* widthLabel = new QLabel(QStringLiteral("Épaisseur"), box);
    widthLabel->setBuddy(spin);
    panel->setParent(box);
    spin->setParent(box);
    grid->addWidget(colourLabel, 0, 0);
    grid->addWidget(panel, 0, 1, Qt::AlignLeft);
    grid->addWidget(widthLabel, 0, 2);
    grid->addWidget(spin, 0, 3);
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    for (QToolButton* b : pens) {
        b->setParent(box);
        row->addWidget(b);
    }
    row->addStretch();
    grid->addLayout(row, 1, 0, 1, 4);
    return box;
}

} // namespace

TModif::TModif(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Modifier objet"));

    Notebook1 = new QStackedWidget(this);
    Notebook1->addWidget(linePage());
    Notebook1->addWidget(shapePage());
    Notebook1->addWidget(textPage());

    Button1 = new QPushButton(QStringLiteral("Annuler"), this);
    Button1->setAccessibleName(QStringLiteral("Annuler"));
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setAccessibleName(QStringLiteral("OK"));
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Notebook1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Init(QString());
}

QToolButton* TModif::colourPanel(QWidget* parent, const QString& name, Field field) {
    auto* panel = new QToolButton(parent);
    panel->setIconSize(kSwatch);
    panel->setFocusPolicy(Qt::StrongFocus);
    panel->setAccessibleName(name);
    panel->setToolTip(name);
    connect(panel, &QToolButton::clicked, this, [this, panel, field] { pickColour(panel, field); });
    return panel;
}

QSpinBox* TModif::widthSpin(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setAccessibleName(QStringLiteral("Épaisseur du trait"));
    connect(spin, &QSpinBox::valueChanged, this, [this](int v) {
        if (loading_) return;
        current_.penWidth = v;
        change(PenWidth);
    });
    return spin;
}

QButtonGroup* TModif::penStyleGroup(QWidget* parent, std::array<QToolButton*, 6>& buttons) {
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        buttons[i] = styleButton(parent, penStyleGlyph(i), QString::fromUtf8(kPenNames[i]),
                                 QStringLiteral("Style de trait"));
        group->addButton(buttons[i], i);
    }
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (loading_ || !on) return;
        current_.penStyle = id;
        change(PenStyle);
    });
    return group;
}

QWidget* TModif::linePage() {
    auto* page = new QWidget;
    Label1 = kindLabel(page);
    Panel1 = colourPanel(page, QStringLiteral("Couleur du trait"), PenColour);
    SpinEdit1 = widthSpin(page);
    std::array<QToolButton*, 6> pens{};
    linePens_ = penStyleGroup(page, pens);
    SolidPen = pens[0];
    DashPen = pens[1];
    DotPen = pens[2];
    DashDotPen = pens[3];
    DashDotDotPen = pens[4];
    ClearPen = pens[5];

    auto* pointe = new QGroupBox(QStringLiteral("Pointe"), page);
    auto* row = new QHBoxLayout(pointe);
    row->setSpacing(2);
    arrows_ = new QButtonGroup(this);
    QToolButton** const arrowButtons[] = {&SpeedButton7, &SpeedButton8, &SpeedButton9,
                                          &SpeedButton10};
    for (int i = 0; i < 4; ++i) {
        *arrowButtons[i] =
            styleButton(pointe, arrowGlyph(i), QString::fromUtf8(kArrowNames[i]), QString());
        arrows_->addButton(*arrowButtons[i], i);
        row->addWidget(*arrowButtons[i]);
    }
    row->addStretch();
    connect(arrows_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (loading_ || !on) return;
        arrow_ = id;
        change(Arrow);
    });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label1);
    layout->addWidget(penBox(page, Panel1, SpinEdit1, pens));
    layout->addWidget(pointe);
    layout->addStretch();
    return page;
}

QWidget* TModif::shapePage() {
    auto* page = new QWidget;
    Label2 = kindLabel(page);
    Panel2 = colourPanel(page, QStringLiteral("Couleur du trait"), PenColour);
    SpinEdit2 = widthSpin(page);
    std::array<QToolButton*, 6> pens{};
    shapePens_ = penStyleGroup(page, pens);
    SpeedButton1 = pens[0];
    SpeedButton2 = pens[1];
    SpeedButton3 = pens[2];
    SpeedButton4 = pens[3];
    SpeedButton5 = pens[4];
    SpeedButton6 = pens[5];

    auto* fill = new QGroupBox(QStringLiteral("Remplissage"), page);
    Panel3 = colourPanel(fill, QStringLiteral("Couleur de remplissage"), BrushColour);
    SolidBrush =
        styleButton(fill, brushStyleGlyph(0), QStringLiteral("Remplissage plein"), QString());
    ClearBrush =
        styleButton(fill, brushStyleGlyph(1), QStringLiteral("Sans remplissage"), QString());
    brushes_ = new QButtonGroup(this);
    brushes_->addButton(SolidBrush, 0);
    brushes_->addButton(ClearBrush, 1);
    connect(brushes_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (loading_ || !on) return;
        current_.brushStyle = id;
        change(BrushStyle);
    });
    auto* colourLabel = new QLabel(QStringLiteral("Couleur"), fill);
    colourLabel->setBuddy(Panel3);
    auto* row = new QHBoxLayout(fill);
    row->addWidget(colourLabel);
    row->addWidget(Panel3);
    row->addSpacing(12);
    row->addWidget(SolidBrush);
    row->addWidget(ClearBrush);
    row->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label2);
    layout->addWidget(penBox(page, Panel2, SpinEdit2, pens));
    layout->addWidget(fill);
    layout->addStretch();
    return page;
}

QWidget* TModif::textPage() {
    auto* page = new QWidget;
    Label3 = kindLabel(page);

    // Editable, so that a face that is not installed here still shows by its name.
    ComboBox1 = new QComboBox(page);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->setMinimumWidth(200);
    ComboBox1->setAccessibleName(QStringLiteral("Police"));
    ComboBox1->lineEdit()->setAccessibleName(QStringLiteral("Police"));
    connect(ComboBox1, &QComboBox::editTextChanged, this, [this](const QString& name) {
        if (loading_) return;
        current_.fontName = name;
        change(FontName);
    });

    SpinEdit3 = new QSpinBox(page);
    SpinEdit3->setAccessibleName(QStringLiteral("Taille de la police"));
    connect(SpinEdit3, &QSpinBox::valueChanged, this, [this](int v) {
        if (loading_) return;
        current_.fontSize = v;
        change(FontSize);
    });
    Panel4 = colourPanel(page, QStringLiteral("Couleur du texte"), FontColour);

    auto* styleBox = new QGroupBox(QStringLiteral("Style"), page);
    auto* styles = new QGridLayout(styleBox);
    fontStyles_ = new QButtonGroup(this);
    // Ids are the record's font style codes; strike-out has no button and keeps its code.
    auto radio = [&](const QString& caption, int code) {
        auto* b = new QRadioButton(caption, styleBox);
        b->setAccessibleName(caption);
        const int at = fontStyles_->buttons().size();
        fontStyles_->addButton(b, code);
        styles->addWidget(b, at / 2, at % 2);
        return b;
    };
    Gras = radio(QStringLiteral("Gras"), 1);
    Italique = radio(QStringLiteral("Italique"), 2);
    Souligne = radio(QStringLiteral("Souligné"), 3);
    Aucun = radio(QStringLiteral("Aucun"), 0);
    connect(fontStyles_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (loading_ || !on) return;
        current_.fontStyle = id;
        change(FontStyle);
    });

    auto* grid = new QGridLayout;
    auto label = [&](const char* caption, QWidget* buddy, int row) {
        auto* l = new QLabel(QString::fromUtf8(caption), page);
        l->setBuddy(buddy);
        grid->addWidget(l, row, 0);
    };
    label("Police", ComboBox1, 0);
    grid->addWidget(ComboBox1, 0, 1, 1, 3);
    label("Taille", SpinEdit3, 1);
    grid->addWidget(SpinEdit3, 1, 1);
    auto* colourLabel = new QLabel(QStringLiteral("Couleur"), page);
    colourLabel->setBuddy(Panel4);
    grid->addWidget(colourLabel, 1, 2, Qt::AlignRight);
    grid->addWidget(Panel4, 1, 3, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Label3);
    layout->addLayout(grid);
    layout->addWidget(styleBox);
    layout->addStretch();
    return page;
}

bool TModif::canModify(const QString& line) {
    const RecordKind* kind = recordKind(splitRecord(line).keyword);
    return kind && kind->modifyPage >= 0;
}

void TModif::Initfont(const QStringList& fontNames) {
    loading_ = true;
    const QString shown = ComboBox1->currentText();
    ComboBox1->clear();
    ComboBox1->addItems(fontNames);
    ComboBox1->setEditText(shown);
    loading_ = false;
}

void TModif::Init(const QString& line) {
    setResult(QDialog::Rejected);
    line_ = line;
    const RecordView view = splitRecord(line);
    arrowText_ = view.arrow.toString();
    styleText_ = view.style.toString();
    loadedArrow_ = arrowCode(view.arrow);
    if (loadedArrow_ == 0 && !arrowText_.isEmpty())
        loadedArrow_ = -1; // a code with no button: none is shown pressed

    const RecordKind* kind = recordKind(view.keyword);
    editable_ = kind && kind->modifyPage >= 0;
    loaded_ = emptyStyle();
    if (editable_) applyStyleField(styleText_, loaded_);
    current_ = loaded_;
    arrow_ = loadedArrow_;
    touched_.reset();

    Notebook1->setCurrentIndex(editable_ ? kind->modifyPage : 2);
    for (int page = 0; page < Notebook1->count(); ++page)
        Notebook1->widget(page)->setEnabled(editable_ || page != 2);
    const QString label = editable_ ? kind->modifyLabel.toString() : QString();
    for (QLabel* l : {Label1, Label2, Label3})
        l->setText(label);
    Notebook1PageChanged();
}

// Shows the working values on every page; only the page of the record's kind is visible.
void TModif::Notebook1PageChanged() {
    loading_ = true;
    showColour(Panel1, current_.penColour);
    showColour(Panel2, current_.penColour);
    showColour(Panel3, current_.brushColour);
    showColour(Panel4, current_.fontColour);
    // The ranges reach the loaded value, so that showing it does not change it.
    SpinEdit1->setRange(0, std::clamp(current_.penWidth, 20, kMaxField));
    SpinEdit2->setRange(0, kMaxField);
    SpinEdit1->setValue(current_.penWidth);
    SpinEdit2->setValue(current_.penWidth);
    const int size = current_.fontSize;
    SpinEdit3->setRange(size >= 1 ? std::min(size, 4) : 4, std::clamp(size, 72, kMaxField));
    SpinEdit3->setValue(size);
    // Inside-frame (6) and the hatches have no button: none is pressed.
    checkOnly(linePens_, current_.penStyle);
    checkOnly(shapePens_, current_.penStyle);
    checkOnly(brushes_, current_.brushStyle);
    checkOnly(arrows_, arrow_);
    checkOnly(fontStyles_, current_.fontStyle);
    ComboBox1->setEditText(current_.fontName);
    loading_ = false;
}

void TModif::pickColour(QToolButton* panel, Field field) {
    Colour* target = field == BrushColour  ? &current_.brushColour
                     : field == FontColour ? &current_.fontColour
                                           : &current_.penColour;
    const std::optional<Colour> picked = chooseColour(this, *target);
    if (!picked) return;
    *target = *picked;
    showColour(panel, *picked);
    change(field);
}

void TModif::change(Field field) {
    touched_.set(field);
}

bool TModif::changed(Field field) const {
    if (!touched_.test(field)) return false;
    if (field == Arrow) return arrow_ != loadedArrow_;
    if (field == FontName) return current_.fontName != loaded_.fontName;
    return styleValue(current_, StyleField(field)) != styleValue(loaded_, StyleField(field));
}

// The stored characters of every sub-field the user left alone, the new value of the others.
// A field too short to hold a sub-field gets that sub-field written from its loaded value.
QString TModif::rewrittenLine() const {
    bool any = false;
    for (int f = 0; f < FieldCount; ++f)
        any = any || changed(Field(f));
    if (!editable_ || !any) return line_;

    static_assert(int(FontName) == int(StyleField::FontName) && FontName + 1 == kStyleFields);
    unsigned fields = 0;
    for (int f = 0; f < kStyleFields; ++f)
        if (changed(Field(f))) fields |= 1u << f;
    const QString style = patchedStyle(styleText_, loaded_, current_, fields);
    QString arrow = arrowText_;
    if (changed(Arrow)) arrow = arrow_ > 0 ? QStringLiteral(">%1").arg(arrow_) : QString();
    return withArrowAndStyle(line_, arrow, style);
}

void TModif::Result(QString& out) const {
    out = result() == QDialog::Accepted ? rewrittenLine() : QString();
}

std::optional<QString> modifyRecord(QWidget* parent, const QString& line,
                                    const QStringList& fontNames) {
    if (!TModif::canModify(line)) return std::nullopt;
    TModif dialog(parent);
    dialog.Initfont(fontNames);
    dialog.Init(line);
    runModal(dialog);
    QString out;
    dialog.Result(out);
    if (out.isEmpty() || out == line) return std::nullopt;
    return out;
}

} // namespace qel
