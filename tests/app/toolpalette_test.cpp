// The tool palette, the font bar and the colour strip: what a click there does to the drawing
// window.

#include "support/drawingwindow.h"

#include "app/colourpanel.h"
#include "render/canvas.h"

#include <QApplication>
#include <QSpinBox>
#include <QStatusTipEvent>

namespace {

using namespace qel::testing;

TEST(ToolPalette, WaitsForADrawing) {
    qel::TMainForm frame;
    frame.show();
    qel::ToolPalette& p = *frame.toolPalette();
    EXPECT_EQ(p.tool(), Tool::Pointer);
    for (QWidget* w : p.documentControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(frame.colourStrip()->swatch(0)->isEnabled());
    frame.FileNewItemClick();
    for (QWidget* w : p.documentControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    DrawingWindow::closeAll(frame);
}

// Every tool of the table with a button, in table order; each click sets the tool of the
// palette, the frame and the window, and its hint reaches the status bar.
TEST(ToolPalette, EachToolButtonSetsTheWindowsTool) {
    DrawingWindow w;
    QStringList hints;
    for (const qel::ToolKind& t : qel::toolKinds()) {
        QToolButton* button = w.palette().toolButton(t.tool);
        if (t.button.isEmpty()) {
            EXPECT_FALSE(button);
            continue;
        }
        ASSERT_TRUE(button) << t.button.toString().toStdString();
        hints << button->accessibleName();
        EXPECT_FALSE(button->icon().isNull()) << t.glyph.toString().toStdString();
        EXPECT_EQ(button->toolTip(), button->accessibleName());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(button->isChecked());
        EXPECT_EQ(w.palette().tool(), t.tool);
        EXPECT_EQ(w.frame.CurrentTool, t.tool);
        EXPECT_EQ(w.child->tool(), t.tool);
        QStatusTipEvent tip(button->statusTip());
        QApplication::sendEvent(button, &tip);
        EXPECT_EQ(w.frame.statusText(0), button->accessibleName());
    }
    EXPECT_EQ(hints, QStringList({"Pointeur", "Texte", "Image", "Trait", "Arc", "Ligne brisée",
                                  "Polygône", "Rectangle", "Ellipse", "Rectangle arrondi",
                                  "Dessin libre", "Hémisphère"}));
}

TEST(ToolPalette, PenWidthReachesTheDrawingAndFollowsTheToolChange) {
    DrawingWindow w;
    w.palette().SpinEdit1->setValue(7);
    EXPECT_EQ(w.child->style().pen.width, 7);
    w.child->PenSize(3);
    w.pickTool(Tool::Line);
    EXPECT_EQ(w.palette().SpinEdit1->value(), 3);
    EXPECT_EQ(w.palette().penWidth(), 3);
}

TEST(ToolPalette, SwatchesLeftSetPenRightSetFillAndBothReachTheDrawing) {
    const qel::Colour grey = qel::rgbColour(127, 127, 127), black = qel::kBlack,
                      white = qel::kWhite;
    const struct {
        int swatch;
        Qt::MouseButton button;
        qel::Colour pen, fill;
    } cases[] = {{13, Qt::LeftButton, grey, white},
                 {13, Qt::RightButton, black, grey},
                 {2, Qt::LeftButton, qel::rgbColour(255, 0, 0), white},
                 {18, Qt::RightButton, black, qel::rgbColour(0, 0, 255)},
                 {26, Qt::LeftButton, white, white},
                 {0, Qt::RightButton, black, black}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.swatch);
        DrawingWindow w;
        QTest::mouseClick(w.frame.colourStrip()->swatch(c.swatch), c.button);
        EXPECT_EQ(w.palette().penColour(), c.pen);
        EXPECT_EQ(w.palette().fillColour(), c.fill);
        EXPECT_EQ(w.child->style().pen.colour, c.pen);
        EXPECT_EQ(w.child->style().brush.colour, c.fill);
    }
}

// The colour box offers the panel's colour; its answer sets the panel, and both colours are
// applied to the window again.
TEST(ToolPalette, ColourDialogAnswerSetsThePanel) {
    const qel::Colour green = qel::rgbColour(0, 200, 0), black = qel::kBlack, white = qel::kWhite;
    const struct {
        bool pen; // which panel is clicked
        std::optional<qel::Colour> chosen;
        qel::Colour pen_after, fill_after;
    } cases[] = {{true, std::nullopt, black, white},
                 {false, std::nullopt, black, white},
                 {true, green, green, white},
                 {false, green, black, green}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.pen << " " << c.chosen.has_value());
        DrawingWindow w;
        std::optional<qel::Colour> offered;
        qel::ScopedColourChooserHook hook([&](qel::Colour initial) {
            offered = initial;
            return c.chosen;
        });
        w.child->SetColors(qel::rgbColour(1, 2, 3), qel::rgbColour(4, 5, 6));
        QTest::mouseClick(c.pen ? w.palette().ForeColor : w.palette().Backcolor, Qt::LeftButton);
        EXPECT_EQ(offered, c.pen ? black : white);
        EXPECT_EQ(w.palette().penColour(), c.pen_after);
        EXPECT_EQ(w.palette().fillColour(), c.fill_after);
        EXPECT_EQ(w.palette().ForeColor->colour(), c.pen_after);
        EXPECT_EQ(w.palette().Backcolor->colour(), c.fill_after);
        EXPECT_EQ(w.child->style().pen.colour, c.pen_after);
        EXPECT_EQ(w.child->style().brush.colour, c.fill_after);
    }
}

} // namespace
