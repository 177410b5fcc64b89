#include "support/drawingwindow.h"

#include "app/colourpanel.h"
#include "render/canvas.h"

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QStatusTipEvent>

namespace {

using namespace qel::testing;

TEST(ToolPalette, StartState) {
    qel::TMainForm frame;
    frame.show();
    qel::ToolPalette& p = *frame.toolPalette();
    EXPECT_EQ(p.tool(), Tool::Pointer);
    EXPECT_EQ(p.penStyle(), 0);
    EXPECT_EQ(p.brushStyle(), 1);
    EXPECT_EQ(p.penWidth(), 1);
    EXPECT_EQ(p.penColour(), qel::kBlack);
    EXPECT_EQ(p.fillColour(), qel::kWhite);
    EXPECT_EQ(frame.FontName->currentText(), "Arial");
    EXPECT_EQ(frame.SpinEdit2->value(), 12);
    EXPECT_FALSE(frame.BoldButton->isChecked());
    EXPECT_FALSE(frame.ItalButton->isChecked());
    EXPECT_FALSE(frame.UnderButton->isChecked());

    // Without a drawing the palette waits; the colour strip stays usable.
    for (QWidget* w : p.documentControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_EQ(p.documentControls().size(), 12 + 6 + 8 + 3);
    EXPECT_TRUE(frame.colourStrip()->swatch(0)->isEnabled());
    frame.FileNewItemClick();
    for (QWidget* w : p.documentControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    DrawingWindow::closeAll(frame);
}

// Every tool of the table with a button, with its picture, in table order, row by row in two
// columns above the pen styles; each click sets the tool of the palette, the frame and the
// window.
TEST(ToolPalette, ShowsTheTableOfToolsInTwoColumnsAndEachSetsTheWindowsTool) {
    DrawingWindow w;
    QStringList hints;
    QList<QToolButton*> shown;
    for (const qel::ToolKind& t : qel::toolKinds()) {
        QToolButton* button = w.palette().toolButton(t.tool);
        if (t.button.isEmpty()) {
            EXPECT_FALSE(button);
            continue;
        }
        ASSERT_TRUE(button) << t.button.toString().toStdString();
        hints << button->accessibleName();
        EXPECT_FALSE(button->icon().isNull())
            << "no picture for " << t.glyph.toString().toStdString();
        EXPECT_EQ(button->toolTip(), button->accessibleName());
        EXPECT_EQ(button->statusTip(), button->accessibleName());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(w.palette().tool(), t.tool);
        EXPECT_EQ(w.frame.CurrentTool, t.tool);
        EXPECT_EQ(w.child->tool(), t.tool);
        shown << button;
    }
    EXPECT_EQ(hints, QStringList({"Pointeur", "Texte", "Image", "Trait", "Arc", "Ligne brisée",
                                  "Polygône", "Rectangle", "Ellipse", "Rectangle arrondi",
                                  "Dessin libre", "Hémisphère"}));
    const QPoint first = shown.value(0)->pos();
    for (int i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i]->geometry(),
                  QRect(first + QPoint(25 * (i % 2), 25 * (i / 2)), QSize(25, 25)))
            << i;
    EXPECT_LT(shown.last()->geometry().bottom(), w.palette().penStyleButton(0)->y());
}

TEST(ToolPalette, StyleButtonsKeepTheirHintsAndAreNamedForTheirStyle) {
    qel::TMainForm frame;
    qel::ToolPalette& p = *frame.toolPalette();
    const char* const pens[] = {"continu",           "tirets", "pointillés", "tiret-point",
                                "tiret-point-point", "aucun"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(p.penStyleButton(i)->toolTip(), "Style de trait");
        EXPECT_EQ(p.penStyleButton(i)->statusTip(), "Style de trait");
        EXPECT_EQ(p.penStyleButton(i)->accessibleName(),
                  QStringLiteral("Style de trait : ") + QString::fromUtf8(pens[i]));
    }
    const char* const brushes[] = {"plein",
                                   "vide",
                                   "horizontal",
                                   "vertical",
                                   "diagonal descendant",
                                   "diagonal montant",
                                   "quadrillé",
                                   "quadrillé diagonal"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(p.brushStyleButton(i)->toolTip(),
                  i == 0 ? "Moti de remplissage" : "Motif de remplissage");
        EXPECT_EQ(p.brushStyleButton(i)->accessibleName(),
                  QStringLiteral("Motif de remplissage : ") + QString::fromUtf8(brushes[i]));
    }
    EXPECT_EQ(p.SpinEdit1->accessibleName(), "Epaisseur de trait");
    EXPECT_EQ(p.ForeColor->accessibleName(), "Couleur du crayon");
    EXPECT_EQ(p.Backcolor->accessibleName(), "Couleur de remplissage");
}

TEST(ToolPalette, HintOfAButtonUnderThePointerGoesToTheStatusBar) {
    DrawingWindow w;
    QStatusTipEvent tip(w.palette().toolButton(Tool::Rect)->statusTip());
    QApplication::sendEvent(w.palette().toolButton(Tool::Rect), &tip);
    EXPECT_EQ(w.frame.statusText(0), "Rectangle");
}

struct SizeStep {
    int from;
    int steps; // negative: down
    int expected;
};

class FontSize : public ::testing::TestWithParam<SizeStep> {};

TEST_P(FontSize, StepsByTwoWithinFourAndHundred) {
    qel::TMainForm frame;
    frame.SpinEdit2->setValue(GetParam().from);
    frame.SpinEdit2->stepBy(GetParam().steps);
    EXPECT_EQ(frame.SpinEdit2->value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ToolPalette, FontSize,
                         ::testing::Values(SizeStep{12, 1, 14}, SizeStep{12, -3, 6},
                                           SizeStep{6, -2, 4}, SizeStep{96, 1, 98},
                                           SizeStep{98, 3, 100}, SizeStep{4, -1, 4}));

TEST(ToolPalette, PenWidthReachesTheDrawingAndFollowsTheToolChange) {
    DrawingWindow w;
    w.palette().SpinEdit1->setValue(7);
    EXPECT_EQ(w.child->style().pen.width, 7);
    w.child->PenSize(3);
    w.pickTool(Tool::Line);
    EXPECT_EQ(w.palette().SpinEdit1->value(), 3);
    EXPECT_EQ(w.palette().penWidth(), 3);
}

struct SwatchClick {
    int swatch;
    Qt::MouseButton button;
    qel::Colour pen;
    qel::Colour fill;
};

class Swatches : public ::testing::TestWithParam<SwatchClick> {};

TEST_P(Swatches, LeftSetsPenRightSetsFillAndBothReachTheDrawing) {
    const SwatchClick& c = GetParam();
    DrawingWindow w;
    qel::ColourPanel* swatch = w.frame.colourStrip()->swatch(c.swatch);
    EXPECT_EQ(swatch->accessibleName(), QStringLiteral("Couleur %1").arg(c.swatch));
    QTest::mouseClick(swatch, c.button);
    EXPECT_EQ(w.palette().penColour(), c.pen);
    EXPECT_EQ(w.palette().fillColour(), c.fill);
    EXPECT_EQ(w.child->style().pen.colour, c.pen);
    EXPECT_EQ(w.child->style().brush.colour, c.fill);
}

INSTANTIATE_TEST_SUITE_P(
    ToolPalette, Swatches,
    ::testing::Values(SwatchClick{13, Qt::LeftButton, qel::rgbColour(127, 127, 127), qel::kWhite},
                      SwatchClick{13, Qt::RightButton, qel::kBlack, qel::rgbColour(127, 127, 127)},
                      SwatchClick{2, Qt::LeftButton, qel::rgbColour(255, 0, 0), qel::kWhite},
                      SwatchClick{18, Qt::RightButton, qel::kBlack, qel::rgbColour(0, 0, 255)},
                      SwatchClick{26, Qt::LeftButton, qel::kWhite, qel::kWhite},
                      SwatchClick{0, Qt::RightButton, qel::kBlack, qel::kBlack}));

TEST(ToolPalette, StripHasTwentySevenSwatchesFromBlackToWhite) {
    qel::TMainForm frame;
    qel::ColourStrip* strip = frame.colourStrip();
    EXPECT_EQ(strip->height(), 25);
    for (int i = 0; i < qel::ColourStrip::kSwatches; ++i) {
        ASSERT_TRUE(strip->swatch(i));
        EXPECT_EQ(strip->swatch(i)->colour(), qel::ColourStrip::swatchColour(i));
    }
    EXPECT_EQ(qel::ColourStrip::swatchColour(0), qel::kBlack);
    EXPECT_EQ(qel::ColourStrip::swatchColour(26), qel::kWhite);
    EXPECT_EQ(qel::ColourStrip::swatchColour(18), qel::rgbColour(0, 0, 255));
}

struct DialogAnswer {
    bool pen; // which panel is clicked
    std::optional<qel::Colour> chosen;
    qel::Colour pen_after;
    qel::Colour fill_after;
};

class ColourDialog : public ::testing::TestWithParam<DialogAnswer> {};

TEST_P(ColourDialog, AnswerSetsThePanelAndBothColoursAreReapplied) {
    const DialogAnswer& c = GetParam();
    DrawingWindow w;
    std::optional<qel::Colour> offered;
    qel::ScopedColourChooserHook hook([&](qel::Colour initial) {
        offered = initial;
        return c.chosen;
    });
    // Something else on the canvas, so that the re-application shows.
    w.child->SetColors(qel::rgbColour(1, 2, 3), qel::rgbColour(4, 5, 6));
    QTest::mouseClick(c.pen ? w.palette().ForeColor : w.palette().Backcolor, Qt::LeftButton);
    EXPECT_EQ(offered, c.pen ? qel::kBlack : qel::kWhite);
    EXPECT_EQ(w.palette().penColour(), c.pen_after);
    EXPECT_EQ(w.palette().fillColour(), c.fill_after);
    EXPECT_EQ(w.palette().ForeColor->colour(), c.pen_after);
    EXPECT_EQ(w.palette().Backcolor->colour(), c.fill_after);
    EXPECT_EQ(w.child->style().pen.colour, c.pen_after);
    EXPECT_EQ(w.child->style().brush.colour, c.fill_after);
}

constexpr qel::Colour kGreen = qel::rgbColour(0, 200, 0);
INSTANTIATE_TEST_SUITE_P(
    ToolPalette, ColourDialog,
    ::testing::Values(DialogAnswer{true, std::nullopt, qel::kBlack, qel::kWhite},
                      DialogAnswer{false, std::nullopt, qel::kBlack, qel::kWhite},
                      DialogAnswer{true, kGreen, kGreen, qel::kWhite},
                      DialogAnswer{false, kGreen, qel::kBlack, kGreen}));

} // namespace
