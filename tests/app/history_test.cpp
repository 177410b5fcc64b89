// Undo and redo of every kind of change, from the menu and the toolbar.

#include "support/drawingwindow.h"

#include "dialogs/backgrounddialog.h"
#include "dialogs/modifydialog.h"
#include "dialogs/objectlistdialog.h"
#include "dialogs/transformdialogs.h"
#include "platform/colourchooser.h"

#include <QRadioButton>

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kPlainStyle;

struct Change {
    const char* what;
    QStringList shapes; // the drawing loaded
    std::function<void(LoadedWindow&)> make, check;
    int steps = 1; // the undo steps it takes
};

const Change kChanges[] = {
    {"three rectangles drawn",
     {},
     [](LoadedWindow& w) {
         w.pickTool(Tool::Rect);
         for (int i = 0; i < 3; ++i)
             w.drag({10 + 30 * i, 10}, {30 + 30 * i, 40});
     },
     [](LoadedWindow& w) { EXPECT_EQ(w.shapes().size(), 3); },
     3},
    {"a selected shape dragged in many moves",
     {"*0RECT 01401405003C"},
     [](LoadedWindow& w) {
         w.drag({50, 40}, {70, 50}, {}, 20);
     },
     [](LoadedWindow& w) { EXPECT_EQ(w.line(0), "*0RECT 02801E064046" + S); }},
    // Right, then a step of a grid with Shift, then left into the edge, where a press that
    // changes nothing is no step.
    {"nudged with the arrow keys",
     {"*0RECT 001010064064"},
     [](LoadedWindow& w) {
         QTest::keyClick(w.surface, Qt::Key_Right);
         QTest::keyClick(w.surface, Qt::Key_Down, Qt::ShiftModifier);
         EXPECT_EQ(w.line(0), "*0RECT 00201806506C" + S);
         for (int i = 0; i < 3; ++i)
             QTest::keyClick(w.surface, Qt::Key_Left);
     },
     [](LoadedWindow& w) { EXPECT_TRUE(w.line(0).startsWith("*0RECT 000018")) << "0 is the edge"; },
     4},
    {"erased",
     {" 1RECT 010010064064", "*0LINE 0C801412C078"},
     [](LoadedWindow& w) { w.run("EraseItem"); },
     [](LoadedWindow& w) { EXPECT_TRUE(w.shapes().isEmpty()); }},
    {"grouped",
     {" 1RECT 010010064064", " 3ELLIPSE 032032096096", "*0LINE 0C801412C078"},
     [](LoadedWindow& w) { w.run("GroupItem"); },
     [](LoadedWindow& w) { EXPECT_EQ(w.shapes().last().left(2), QStringLiteral("*4")); }},
    {"a background colour",
     {},
     [](LoadedWindow& w) {
         ScopedColourChooserHook green([](Colour) { return std::optional(rgbColour(0, 255, 0)); });
         ScopedModalHook<TFond> box([](TFond& d) { d.Couleur->click(), d.accept(); });
         w.run("BackgroundItem");
     },
     [](LoadedWindow& w) {
         EXPECT_TRUE(w.child->drawing().line(1).startsWith(" 0FILLRECT 000000068090\t"));
         EXPECT_EQ(w.child->surfaceImage().pixel(100, 100), qRgb(0, 255, 0));
     }},
    // Only the pen width changes, only in the selected shape; the box offers the fonts.
    {"a pen width modified",
     {"*0RECT 010010064064", " 0LINE 0C801412C078"},
     [](LoadedWindow& w) {
         ScopedModalHook<TModif> box([](TModif& d) {
             EXPECT_GT(d.ComboBox1->count(), 0);
             d.SpinEdit2->setValue(5);
             d.Button2->click();
         });
         w.run("ModifyItem");
     },
     [](LoadedWindow& w) {
         EXPECT_EQ(w.line(0), "*0RECT 010010064064\t100FFFFFF00500000000000000000C0Arial");
         EXPECT_EQ(w.line(1), " 0LINE 0C801412C078" + S);
     }},
    {"restacked in the object list",
     {" 0RECT 0100200C8064", " 0LINEU 0640320C8064", " 0ZIGZAG 000000010010"},
     [](LoadedWindow& w) {
         ScopedModalHook<TList> list([&](TList& d) {
             d.ListBox1->setCurrentRow(0);
             d.SpeedButton2->click(); // "Un avant"
             d.Button1->click();      // "Fermer"
         });
         w.run("ObjectListItem");
     },
     [](LoadedWindow& w) { EXPECT_TRUE(w.shapes()[0].startsWith(" 0LINEU")); }},
    // A half turn then a new place: two steps.
    {"turned and placed",
     {"*0ARCL 010050050070"},
     [](LoadedWindow& w) {
         ScopedModalHook<TRot> half(
             [](TRot& d) { d.RadioButton3->setChecked(true), d.Button2->click(); });
         w.run("Rotation1");
         EXPECT_EQ(w.line(0), "*0ARCH 010050050070" + S);
         ScopedModalHook<TPosit> place([](TPosit& d) {
             d.SpinEdit1->setValue(100);
             d.SpinEdit2->setValue(100);
             d.Button2->click();
         });
         w.run("PositionItem");
     },
     [](LoadedWindow& w) { EXPECT_EQ(w.line(0), "*0ARCH 0640640A4084" + S); },
     2},
};

// Undo gives back the drawing as loaded, no longer modified, and its picture; redo the drawing
// as changed; a new change drops what could be redone. The first change is undone from the
// toolbar.
TEST(History, EachChangeIsUndoneAndRedone) {
    bool toolbar = true;
    for (const Change& c : kChanges) {
        SCOPED_TRACE(c.what);
        LoadedWindow w;
        w.load(c.shapes);
        QAction* undo = w.frame.action(QStringLiteral("EditUndoItem"));
        QAction* redo = w.frame.action(QStringLiteral("EditRedoItem"));
        const QStringList before = w.child->drawing().lines();
        const QImage shown = w.child->surfaceImage().copy();
        w.child->Annuler(); // nothing to undo yet: nothing happens
        EXPECT_EQ(w.child->drawing().lines(), before);
        EXPECT_FALSE(undo->isEnabled());

        c.make(w);
        w.child->Dessine(); // a repaint does not move the undo point
        c.check(w);
        const QStringList after = w.child->drawing().lines();
        EXPECT_NE(after, before);
        EXPECT_TRUE(w.child->drawing().isModified());
        for (int i = 0; i < c.steps; ++i) {
            EXPECT_TRUE(undo->isEnabled()) << i;
            toolbar ? QTest::mouseClick(w.frame.findChild<QToolButton*>("UndoBtn"), Qt::LeftButton)
                    : undo->trigger();
        }
        toolbar = false;
        EXPECT_EQ(w.child->drawing().lines(), before);
        EXPECT_FALSE(w.child->drawing().isModified());
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_EQ(w.child->surfaceImage(), shown);
        for (int i = 0; i < c.steps; ++i)
            redo->trigger();
        EXPECT_EQ(w.child->drawing().lines(), after);
        EXPECT_FALSE(redo->isEnabled());
        undo->trigger();
        EXPECT_TRUE(redo->isEnabled());
        addLine(w.child, " 0RECT 000000010010" + S);
        EXPECT_FALSE(redo->isEnabled());
        EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        EXPECT_EQ(redo->shortcuts().size(), 2);
    }
}

} // namespace
