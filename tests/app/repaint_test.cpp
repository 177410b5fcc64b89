// The window repaints only where a change lands; what it shows is what a whole repaint shows,
// whatever the user did with the mouse, the keyboard and the menus.

#include "../render/randomdrawing.h"
#include "support/drawingwindow.h"

#include <QRandomGenerator>

namespace qel::testing {
namespace {

// Where the surface differs from a whole repaint of the same drawing; empty when nowhere.
std::string differenceFromWholeRepaint(TMDIChild& child) {
    const QImage shown = child.surfaceImage().copy();
    child.Dessine();
    QRect where;
    if (shown.size() != child.surfaceImage().size()) return "size";
    if (!differingPixels(shown, child.surfaceImage(), 0, &where)) return {};
    return std::to_string(where.x()) + "," + std::to_string(where.y());
}

TEST(WindowRepaint, WhatTheWindowShowsIsAWholeRepaint) {
    LoadedWindow w;
    RandomDrawing maker(QSize(640, 480), 7);
    QStringList lines = maker.drawing(60);
    lines[0] = headerLine(640, 480);
    w.child->drawing().load(lines, QSize(640, 480));
    w.child->Dessine();
    QRandomGenerator random(11);
    auto point = [&] { return QPoint(random.bounded(640), random.bounded(480)); };
    // Small changes: most of the page stays as it was shown.
    auto near = [&](QPoint p) {
        return p + QPoint(random.bounded(-50, 50), random.bounded(-50, 50));
    };
    const Tool dragTools[] = {Tool::Line,     Tool::Rect, Tool::Ellipse, Tool::RoundRect,
                              Tool::Freehand, Tool::Arc,  Tool::Chord};
    const char* commands[] = {"EditDeleteItem",  "FrontItem",     "BackItem",     "UpOneItem",
                              "DownOneItem",     "EditUndoItem",  "EditRedoItem", "SelectAllItem",
                              "DeselectAllItem", "GroupItem",     "UngroupItem",  "LockItem",
                              "UnlockAllItem",   "EditPasteItem", "EditCopyItem"};
    int bounded = 0;
    for (int step = 0; step < 150; ++step) {
        const QStringList before = w.child->drawing().lines();
        switch (random.bounded(6)) {
        case 0: { // a shape drawn with the mouse
            w.pickTool(dragTools[random.bounded(int(std::size(dragTools)))]);
            const QPoint from = point();
            w.drag(from, near(from), {}, 6);
            break;
        }
        case 1: { // a polygon or a polyline, click by click
            w.pickTool(random.bounded(2) ? Tool::Polygon : Tool::Polyline);
            QPoint at = point();
            for (int i = random.bounded(2, 5); i > 0; --i)
                w.click(at = near(at));
            w.doubleClick(near(at));
            break;
        }
        case 2: // a pick, one more with Ctrl, or a drag of what a press picked
            w.pickTool(Tool::Pointer);
            if (random.bounded(3) == 0) {
                const QPoint from = point();
                w.drag(from, near(from));
            } else {
                QTest::mouseClick(w.surface, Qt::LeftButton,
                                  random.bounded(2) ? Qt::ControlModifier : Qt::NoModifier,
                                  point());
            }
            break;
        case 3: // a nudge with the arrow keys
            QTest::keyClick(w.surface, random.bounded(2) ? Qt::Key_Right : Qt::Key_Up);
            break;
        default:
            w.run(commands[random.bounded(int(std::size(commands)))]);
            break;
        }
        // Dialogs and messages are answered by the hook; a few commands may change nothing.
        if (w.child->drawing().lines() != before) ++bounded;
        ASSERT_EQ(differenceFromWholeRepaint(*w.child), "") << "step " << step;
    }
    EXPECT_GT(bounded, 60);
}

} // namespace
} // namespace qel::testing
