// The tool palette, the font bar and the colour strip: what a click there does to the drawing
// window.

#include "support/drawingwindow.h"

#include "render/canvas.h"

#include <QStatusTipEvent>

namespace {

using namespace qel::testing;

// Every tool of the table with a button, in table order; each click sets the tool of the
// palette, the frame and the window, and its hint reaches the status bar.
TEST(ToolPalette, EachToolButtonSetsTheWindowsTool) {
    DrawingWindow w;
    QStringList hints;
    for (const qel::ToolKind& t : qel::toolKinds()) {
        QToolButton* button = w.palette().toolButton(t.tool);
        EXPECT_EQ(button != nullptr, !t.button.isEmpty()) << t.button.toString().toStdString();
        if (!button) continue;
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

TEST(ToolPalette, PenWidthFollowsTheToolChange) {
    DrawingWindow w;
    w.child->PenSize(3);
    w.pickTool(Tool::Line);
    EXPECT_EQ(w.palette().SpinEdit1->value(), 3);
    EXPECT_EQ(w.palette().penWidth(), 3);
}

// A swatch sets the pen (left button) or the fill (right); a panel's colour box offers the
// panel's colour and its answer sets that panel. Both colours reach the window.
TEST(ToolPalette, SwatchesAndColourBoxesSetPenAndFill) {
    using qel::rgbColour;
    const qel::Colour grey = rgbColour(127, 127, 127), green = rgbColour(0, 200, 0),
                      black = qel::kBlack, white = qel::kWhite;
    constexpr int kPenBox = -1, kFillBox = -2;
    // The swatch or colour box clicked, with which button; the box's answer; pen and fill.
    const std::tuple<int, Qt::MouseButton, std::optional<qel::Colour>, qel::Colour, qel::Colour>
        cases[] = {{13, Qt::LeftButton, {}, grey, white},
                   {13, Qt::RightButton, {}, black, grey},
                   {26, Qt::LeftButton, {}, white, white},
                   {0, Qt::RightButton, {}, black, black},
                   {kPenBox, Qt::LeftButton, std::nullopt, black, white},
                   {kFillBox, Qt::LeftButton, std::nullopt, black, white},
                   {kPenBox, Qt::LeftButton, green, green, white},
                   {kFillBox, Qt::LeftButton, green, black, green}};
    for (const auto& [swatch, button, chosen, pen, fill] : cases) {
        SCOPED_TRACE(::testing::Message() << swatch << " " << chosen.has_value());
        DrawingWindow w;
        std::optional<qel::Colour> offered;
        qel::ScopedColourChooserHook hook([&](qel::Colour initial) {
            offered = initial;
            return chosen;
        });
        QWidget* clicked = w.frame.colourStrip()->swatch(swatch);
        if (swatch < 0) {
            // Other colours in the window, so that applying both again shows.
            w.child->SetColors(rgbColour(1, 2, 3), rgbColour(4, 5, 6));
            clicked = swatch == kPenBox ? w.palette().ForeColor : w.palette().Backcolor;
        }
        QTest::mouseClick(clicked, button);
        if (swatch < 0) EXPECT_EQ(offered, swatch == kPenBox ? black : white);
        EXPECT_EQ(w.palette().penColour(), pen);
        EXPECT_EQ(w.palette().fillColour(), fill);
        EXPECT_EQ(w.palette().ForeColor->colour(), pen);
        EXPECT_EQ(w.palette().Backcolor->colour(), fill);
        EXPECT_EQ(w.child->style().pen.colour, pen);
        EXPECT_EQ(w.child->style().brush.colour, fill);
    }
}

} // namespace
