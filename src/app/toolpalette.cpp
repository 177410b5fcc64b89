#include "app/toolpalette.h"

#include "app/colourpanel.h"
#include "app/paletteglyphs.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QSpinBox>
#include <QToolButton>

namespace qel {

namespace {

constexpr int kButtonSize = 25;
constexpr int kColumnLeft[2] = {1, 26};
constexpr int kGap = 5; // between the parts of the palette

// The height of a group of buttons in two columns.
int groupHeight(int buttons) {
    return kButtonSize * ((buttons + 1) / 2);
}

struct StyleEntry {
    const char* name;
    const char* hint;
    const char* what; // the buttons of a group share one hint: the name says which one it is
};

const StyleEntry kPens[] = {
    {"SolidPen", "Style de trait", "continu"},
    {"DashPen", "Style de trait", "tirets"},
    {"DotPen", "Style de trait", "pointillés"},
    {"DashDotPen", "Style de trait", "tiret-point"},
    {"DashDotDotPen", "Style de trait", "tiret-point-point"},
    {"ClearPen", "Style de trait", "aucun"},
};

// The first hint is spelt as the program has always shown it; its spoken name is not.
const StyleEntry kBrushes[] = {
    {"SolidBrush", "Moti de remplissage", "plein"},
    {"ClearBrush", "Motif de remplissage", "vide"},
    {"HorizontalBrush", "Motif de remplissage", "horizontal"},
    {"VerticalBrush", "Motif de remplissage", "vertical"},
    {"FDiagonalBrush", "Motif de remplissage", "diagonal descendant"},
    {"BDiagonalBrush", "Motif de remplissage", "diagonal montant"},
    {"CrossBrush", "Motif de remplissage", "quadrillé"},
    {"DiagCrossBrush", "Motif de remplissage", "quadrillé diagonal"},
};

void describe(QWidget* w, const QString& hint) {
    w->setAccessibleName(hint);
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

} // namespace

ToolPalette::ToolPalette(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ToolPalette"));
    setAccessibleName(QStringLiteral("Outils"));
    setFixedWidth(54);
    int top = buildTools(kGap) + kGap;
    top = buildPenStyles(top) + kGap;

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setValue(1);
    SpinEdit1->setGeometry(1, top, 50, 24);
    describe(SpinEdit1, QStringLiteral("Epaisseur de trait"));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &ToolPalette::penWidthChanged);

    top = buildColours(top + 30) + 4;
    setMinimumHeight(buildBrushStyles(top) + 2);
}

QToolButton* ToolPalette::addButton(const QString& name, const QString& hint, const QString& glyph,
                                    int top, QButtonGroup* group, int id) {
    const int place = int(group->buttons().size());
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setIcon(paletteGlyph(glyph));
    b->setIconSize(QSize(19, 19));
    b->setGeometry(kColumnLeft[place % 2], top + kButtonSize * (place / 2), kButtonSize,
                   kButtonSize);
    describe(b, hint);
    group->addButton(b, id);
    return b;
}

int ToolPalette::buildTools(int top) {
    tools_ = new QButtonGroup(this);
    tools_->setExclusive(true);
    for (const ToolKind& t : toolKinds())
        if (!t.button.isEmpty())
            addButton(t.button.toString(), t.hint.toString(), t.glyph.toString(), top, tools_,
                      int(t.tool));
    toolButton(Tool::Pointer)->setChecked(true);
    connect(tools_, &QButtonGroup::idClicked, this,
            [this](int id) { emit toolChosen(static_cast<Tool>(id)); });
    return top + groupHeight(int(tools_->buttons().size()));
}

int ToolPalette::buildPenStyles(int top) {
    pens_ = new QButtonGroup(this);
    pens_->setExclusive(true);
    for (int i = 0; i < int(std::size(kPens)); ++i) {
        const StyleEntry& e = kPens[i];
        QToolButton* b = addButton(QString::fromLatin1(e.name), QString::fromUtf8(e.hint),
                                   QStringLiteral("pen%1").arg(i), top, pens_, i);
        b->setAccessibleName(QStringLiteral("Style de trait : ") + QString::fromUtf8(e.what));
    }
    penStyleButton(0)->setChecked(true);
    connect(pens_, &QButtonGroup::idClicked, this, &ToolPalette::penStyleChosen);
    return top + groupHeight(int(std::size(kPens)));
}

int ToolPalette::buildBrushStyles(int top) {
    brushes_ = new QButtonGroup(this);
    brushes_->setExclusive(true);
    for (int i = 0; i < int(std::size(kBrushes)); ++i) {
        const StyleEntry& e = kBrushes[i];
        QToolButton* b = addButton(QString::fromLatin1(e.name), QString::fromUtf8(e.hint),
                                   QStringLiteral("brush%1").arg(i), top, brushes_, i);
        b->setAccessibleName(QStringLiteral("Motif de remplissage : ") + QString::fromUtf8(e.what));
    }
    brushStyleButton(1)->setChecked(true);
    connect(brushes_, &QButtonGroup::idClicked, this, &ToolPalette::brushStyleChosen);
    return top + groupHeight(int(std::size(kBrushes)));
}

int ToolPalette::buildColours(int top) {
    auto* holder = new QFrame(this);
    holder->setObjectName(QStringLiteral("ColourPanels"));
    holder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    holder->setGeometry(1, top, 50, 44);
    // The fill colour sits behind, below and to the right of the pen colour.
    Backcolor = new ColourPanel(QStringLiteral("Backcolor"),
                                QStringLiteral("Couleur de remplissage"), fillColour_, holder);
    Backcolor->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Backcolor->setGeometry(21, 16, 25, 25);
    ForeColor = new ColourPanel(QStringLiteral("ForeColor"), QStringLiteral("Couleur du crayon"),
                                penColour_, holder);
    ForeColor->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ForeColor->setGeometry(3, 3, 25, 25);
    ForeColor->raise();
    connect(ForeColor, &ColourPanel::clicked, this, [this] { colourPanelClicked(ForeColor); });
    connect(Backcolor, &ColourPanel::clicked, this, [this] { colourPanelClicked(Backcolor); });
    return top + holder->height();
}

void ToolPalette::colourPanelClicked(ColourPanel* panel) {
    if (const std::optional<Colour> chosen = chooseColour(this, panel->colour())) {
        if (panel == ForeColor)
            setPenColour(*chosen);
        else
            setFillColour(*chosen);
    }
    // A cancelled dialog still re-applies both colours, as a confirmed one does.
    emit coloursApplied(penColour_, fillColour_);
}

int ToolPalette::penWidth() const {
    return SpinEdit1->value();
}
void ToolPalette::setPenColour(Colour c) {
    penColour_ = c;
    ForeColor->setColour(c);
}
void ToolPalette::setFillColour(Colour c) {
    fillColour_ = c;
    Backcolor->setColour(c);
}
void ToolPalette::showPenWidth(int width) {
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setValue(width);
}

Tool ToolPalette::tool() const {
    return static_cast<Tool>(tools_->checkedId());
}
int ToolPalette::penStyle() const {
    return pens_->checkedId();
}
int ToolPalette::brushStyle() const {
    return brushes_->checkedId();
}
QToolButton* ToolPalette::toolButton(Tool tool) const {
    return qobject_cast<QToolButton*>(tools_->button(int(tool)));
}
QToolButton* ToolPalette::penStyleButton(int style) const {
    return qobject_cast<QToolButton*>(pens_->button(style));
}
QToolButton* ToolPalette::brushStyleButton(int style) const {
    return qobject_cast<QToolButton*>(brushes_->button(style));
}

QList<QWidget*> ToolPalette::documentControls() const {
    QList<QWidget*> out;
    for (QButtonGroup* group : {tools_, pens_, brushes_})
        for (QAbstractButton* b : group->buttons())
            out << b;
    out << SpinEdit1 << ForeColor << Backcolor;
    return out;
}

// ---- colour strip ----

ColourStrip::ColourStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColourStrip"));
    setAccessibleName(QStringLiteral("Palette des couleurs"));
    setFixedHeight(25);
    for (int i = 0; i < kSwatches; ++i) {
        const Colour c = swatchColour(i);
        auto* s = new ColourPanel(QStringLiteral("Swatch%1").arg(i),
                                  QStringLiteral("Couleur %1").arg(i), c, this);
        s->setAccessibleDescription(QStringLiteral("Rouge %1, vert %2, bleu %3")
                                        .arg(redOf(c))
                                        .arg(greenOf(c))
                                        .arg(blueOf(c)));
        s->setGeometry(4 + 20 * i, 2, 20, 20);
        connect(s, &ColourPanel::clicked, this, [this, c](Qt::MouseButton button) {
            if (button == Qt::LeftButton || button == Qt::RightButton)
                emit swatchClicked(c, button);
        });
    }
}

ColourPanel* ColourStrip::swatch(int index) const {
    return findChild<ColourPanel*>(QStringLiteral("Swatch%1").arg(index),
                                   Qt::FindDirectChildrenOnly);
}

Colour ColourStrip::swatchColour(int index) {
    static constexpr int kLevel[3] = {0, 127, 255};
    return rgbColour(kLevel[index % 3], kLevel[(index / 3) % 3], kLevel[index / 9]);
}

} // namespace qel
