// Selecting, moving and resizing with the mouse in a drawing window, whose tool is the pointer
// when it opens.

#include "support/drawingwindow.h"

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kPlainStyle;

// Frames show around what is selected and go with the selection, which is no change.
TEST(SelectionWindow, ClicksPickTheFrontmostAndEmptyClicksDeselect) {
    LoadedWindow w({" 0RECT 010010064064", " 0RECT 032032096096"});
    const auto marks = [&] { return QString(w.line(0)[0]) + w.line(1)[0]; };
    const QImage plain = w.child->surfaceImage().copy();
    w.click({60, 60});
    EXPECT_EQ(marks(), " *");
    EXPECT_NE(w.child->surfaceImage(), plain);
    w.click({100, 40});
    EXPECT_EQ(marks(), "* ");
    QTest::mouseClick(w.surface, Qt::LeftButton, Qt::ControlModifier, {60, 60});
    EXPECT_EQ(marks(), "**") << "Ctrl adds";
    QTest::keyClick(w.surface, Qt::Key_Escape);
    EXPECT_EQ(marks(), "  ") << "Escape deselects";
    w.click({60, 60});
    w.click({101, 40});
    EXPECT_EQ(marks(), "  ");
    EXPECT_EQ(w.child->surfaceImage(), plain);
    EXPECT_FALSE(w.child->drawing().isModified());
}

// A press inside the selection moves it, on a handle resizes it; the page's edges stop both.
TEST(SelectionWindow, DragsMoveAndResizeTheSelection) {
    const QString arrow = QStringLiteral("\t>2") + S.mid(1); // the style carries an arrowhead
    const std::tuple<QString, QPoint, QPoint, QString> cases[] = {
        {"*0RECT 0640320C8064" + S, {150, 75}, {160, 80}, "*0RECT 06E0370D2069" + S},
        {"*0RECT 0640320C8064" + S, {200, 100}, {220, 130}, "*0RECT 0640320DC082" + S},
        {"*0RECT 0640320C8064" + S, {200, 75}, {80, 75}, "*0RECT 064032050064" + S},
        {"*0LINE 0640320C8064" + arrow, {150, 75}, {160, 80}, "*0LINE 06E0370D2069" + arrow},
        {"*0POLYG 064032096050064050" + S, {120, 60}, {130, 70}, "*0POLYG 06E03C0A005A06E05A" + S},
        {"*0RECT FA000AFFA028" + S, {4050, 30}, {4060, 30}, "*0RECT FA000AFFA028" + S},
    };
    for (const auto& [line, from, to, after] : cases) {
        SCOPED_TRACE(line.toStdString());
        LoadedWindow w({}, QSize(4095, 200));
        w.child->drawing().apply([&](QStringList& lines) { lines << line; });
        w.drag(from, to, {}, 1);
        EXPECT_EQ(w.line(0), after);
    }
}

TEST(SelectionWindow, AnUnreadableLineIsSkippedWithoutAMessage) {
    LoadedWindow w({" 0RECT 0Z0010064064", " 0RECT 000000010010"});
    w.click({5, 5});
    EXPECT_EQ(w.line(1)[0], u'*');
    w.click({30, 30});
    EXPECT_TRUE(w.told.isEmpty());
}

TEST(SelectionWindow, TheCursorShowsWhatAPressWouldDo) {
    LoadedWindow w({"*0RECT 0640320C8064"});
    const std::tuple<QPoint, Qt::CursorShape> cases[] = {
        {{150, 75}, Qt::CrossCursor},      {{100, 50}, Qt::SizeFDiagCursor},
        {{200, 50}, Qt::SizeBDiagCursor},  {{100, 100}, Qt::SizeBDiagCursor},
        {{200, 100}, Qt::SizeFDiagCursor}, {{100, 75}, Qt::SizeHorCursor},
        {{200, 75}, Qt::SizeHorCursor},    {{150, 50}, Qt::SizeVerCursor},
        {{150, 100}, Qt::SizeVerCursor},   {{300, 300}, Qt::ArrowCursor}};
    for (const auto& [at, shape] : cases) {
        w.moveTo(at);
        EXPECT_EQ(w.surface->cursor().shape(), shape) << at.x() << "," << at.y();
    }
}

} // namespace
