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

struct ToolEntry {
    const char* name;
    const char* hint; // UTF-8
    const char* glyph;
    int column; // 1 or 2
    int top;
    int index; // the frame's tool index
    int code;  // the drawing window's tool code
};

const ToolEntry kTools[] = {
    {"MoveButton", "Pointeur", "pointer", 1, 5, 1, 4},
    {"TextButton", "Texte", "text", 2, 5, 9, 6},
    {"PictButton", "Image", "picture", 1, 30, 6, 7},
    {"LineButton", "Trait", "line", 2, 30, 2, 0},
    {"ArcButton", "Arc", "arc", 1, 55, 11, 10},
    {"PolylButton", "Ligne brisée", "polyline", 2, 55, 10, 9},
    {"PolyButton", "Polygône", "polygon", 1, 80, 8, 8},
    {"RectangleButton", "Rectangle", "rectangle", 2, 80, 3, 1},
    {"EllipseButton", "Ellipse", "ellipse", 1, 105, 4, 2},
    {"RoundRectButton", "Rectangle arrondi", "roundrect", 2, 105, 5, 3},
    {"DrawButton", "Dessin libre", "freehand", 1, 130, 7, 5},
    {"ChordButton", "Hémisphère", "chord", 2, 130, 12, 11},
};

struct StyleEntry {
    const char* name;
    const char* hint;
    const char* what; // the buttons of a group share one hint: the name says which one it is
    int column;
    int top;
};

const StyleEntry kPens[] = {
    {"SolidPen", "Style de trait", "continu", 1, 160},
    {"DashPen", "Style de trait", "tirets", 2, 160},
    {"DotPen", "Style de trait", "pointillés", 1, 185},
    {"DashDotPen", "Style de trait", "tiret-point", 2, 185},
    {"DashDotDotPen", "Style de trait", "tiret-point-point", 1, 210},
    {"ClearPen", "Style de trait", "aucun", 2, 210},
};

// The first hint is spelt as the program has always shown it; its spoken name is not.
const StyleEntry kBrushes[] = {
    {"SolidBrush", "Moti de remplissage", "plein", 1, 318},
    {"ClearBrush", "Motif de remplissage", "vide", 2, 318},
    {"HorizontalBrush", "Motif de remplissage", "horizontal", 1, 343},
    {"VerticalBrush", "Motif de remplissage", "vertical", 2, 343},
    {"FDiagonalBrush", "Motif de remplissage", "diagonal descendant", 1, 368},
    {"BDiagonalBrush", "Motif de remplissage", "diagonal montant", 2, 368},
    {"CrossBrush", "Motif de remplissage", "quadrillé", 1, 393},
    {"DiagCrossBrush", "Motif de remplissage", "quadrillé diagonal", 2, 393},
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
    setMinimumHeight(420);
    buildTools();
    buildPenStyles();

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(1, 100);
    SpinEdit1->setValue(1);
    SpinEdit1->setGeometry(1, 240, 50, 24);
    describe(SpinEdit1, QStringLiteral("Epaisseur de trait"));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &ToolPalette::penWidthChanged);

    buildColours();
    buildBrushStyles();
}

QToolButton* ToolPalette::addButton(const QString& name, const QString& hint, const QString& glyph,
                                    int column, int top, QButtonGroup* group, int id) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setIcon(paletteGlyph(glyph));
    b->setIconSize(QSize(19, 19));
    b->setGeometry(kColumnLeft[column - 1], top, kButtonSize, kButtonSize);
    describe(b, hint);
    group->addButton(b, id);
    return b;
}

void ToolPalette::buildTools() {
    tools_ = new QButtonGroup(this);
    tools_->setExclusive(true);
    for (const ToolEntry& t : kTools)
        addButton(QString::fromLatin1(t.name), QString::fromUtf8(t.hint),
                  QString::fromLatin1(t.glyph), t.column, t.top, tools_, t.index);
    toolButton(1)->setChecked(true);
    connect(tools_, &QButtonGroup::idClicked, this, [this](int index) {
        for (const ToolEntry& t : kTools)
            if (t.index == index) emit toolChosen(index, t.code);
    });
}

void ToolPalette::buildPenStyles() {
    pens_ = new QButtonGroup(this);
    pens_->setExclusive(true);
    for (int i = 0; i < int(std::size(kPens)); ++i) {
        const StyleEntry& e = kPens[i];
        QToolButton* b = addButton(QString::fromLatin1(e.name), QString::fromUtf8(e.hint),
                                   QStringLiteral("pen%1").arg(i), e.column, e.top, pens_, i);
        b->setAccessibleName(QStringLiteral("Style de trait : ") + QString::fromUtf8(e.what));
    }
    penStyleButton(0)->setChecked(true);
    connect(pens_, &QButtonGroup::idClicked, this, &ToolPalette::penStyleChosen);
}

void ToolPalette::buildBrushStyles() {
    brushes_ = new QButtonGroup(this);
    brushes_->setExclusive(true);
    for (int i = 0; i < int(std::size(kBrushes)); ++i) {
        const StyleEntry& e = kBrushes[i];
        QToolButton* b = addButton(QString::fromLatin1(e.name), QString::fromUtf8(e.hint),
                                   QStringLiteral("brush%1").arg(i), e.column, e.top, brushes_, i);
        b->setAccessibleName(QStringLiteral("Motif de remplissage : ") + QString::fromUtf8(e.what));
    }
    brushStyleButton(1)->setChecked(true);
    connect(brushes_, &QButtonGroup::idClicked, this, &ToolPalette::brushStyleChosen);
}

void ToolPalette::buildColours() {
    auto* holder = new QFrame(this);
    holder->setObjectName(QStringLiteral("ColourPanels"));
    holder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    holder->setGeometry(1, 270, 50, 44);
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

int ToolPalette::toolIndex() const {
    return tools_->checkedId();
}
int ToolPalette::penStyle() const {
    return pens_->checkedId();
}
int ToolPalette::brushStyle() const {
    return brushes_->checkedId();
}
QToolButton* ToolPalette::toolButton(int toolIndex) const {
    return qobject_cast<QToolButton*>(tools_->button(toolIndex));
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
