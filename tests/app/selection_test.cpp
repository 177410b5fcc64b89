// Selecting, moving and resizing with the mouse in a drawing window.

#include "support/drawingwindow.h"

#include "platform/messages.h"

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kStyle;

// A drawing loaded with the pointer tool chosen.
struct Selecting : LoadedWindow {
    explicit Selecting(std::initializer_list<QString> shapes, QSize page = {640, 480}) {
        pickTool(Tool::Pointer);
        load(shapes, page);
    }
};

TEST(SelectionWindow, ClicksPickTheFrontmostAndEmptyClicksDeselect) {
    Selecting w({" 0RECT 010010064064", " 0RECT 032032096096"});
    w.click({60, 60});
    EXPECT_EQ(w.line(0)[0], u' ');
    EXPECT_EQ(w.line(1)[0], u'*');
    w.click({100, 40});
    EXPECT_EQ(w.line(0)[0], u'*');
    EXPECT_EQ(w.line(1)[0], u' ');
    QTest::mouseClick(w.surface, Qt::LeftButton, Qt::ControlModifier, {60, 60});
    EXPECT_EQ(w.line(1)[0], u'*') << "Ctrl adds";
    w.click({101, 40});
    EXPECT_EQ(w.line(0)[0], u' ');
    EXPECT_EQ(w.line(1)[0], u' ');
    EXPECT_FALSE(w.child->drawing().isModified()) << "selecting is no change";
}

struct DragCase {
    const char* what;
    QString line;
    QPoint from, to;
    QString after;
    bool arrow = false; // the style field carries an arrowhead code
};

TEST(SelectionWindow, DragsMoveAndResizeTheSelection) {
    const DragCase cases[] = {
        {"move", "*0RECT 0640320C8064", {150, 75}, {160, 80}, "*0RECT 06E0370D2069"},
        {"handle 4", "*0RECT 0640320C8064", {200, 100}, {220, 130}, "*0RECT 0640320DC082"},
        {"handle 6 past the left edge",
         "*0RECT 0640320C8064",
         {200, 75},
         {80, 75},
         "*0RECT 064032050064"},
        {"the arrowhead stays",
         "*0LINE 0640320C8064",
         {150, 75},
         {160, 80},
         "*0LINE 06E0370D2069",
         true},
        {"points follow",
         "*0POLYG 064032096050064050",
         {120, 60},
         {130, 70},
         "*0POLYG 06E03C0A005A06E05A"},
        {"at the right edge it stays",
         "*0RECT FA000AFFA028",
         {4050, 30},
         {4060, 30},
         "*0RECT FA000AFFA028"},
    };
    for (const DragCase& c : cases) {
        const QString tail = c.arrow ? QStringLiteral("\t>2") + S.mid(1) : S;
        Selecting w({}, QSize(4095, 200));
        w.child->drawing().apply([&](QStringList& lines) { lines << c.line + tail; });
        w.drag(c.from, c.to, {}, 1);
        const QString expected = c.after + tail;
        EXPECT_EQ(w.line(0), expected) << c.what;
    }
}

TEST(SelectionWindow, OneUndoPutsADraggedShapeBack) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.drag({20, 20}, {80, 60});
    const QString drawn = w.shapes().first();
    w.pickTool(Tool::Pointer);
    w.click({50, 40});
    w.drag({50, 40}, {70, 50}, {}, 20);
    EXPECT_NE(w.shapes().first().mid(1), drawn.mid(1));
    w.frame.action(QStringLiteral("EditUndoItem"))->trigger();
    ASSERT_EQ(w.shapes().size(), 1) << "the rectangle is back, not gone";
    EXPECT_EQ(w.shapes().first().mid(1), drawn.mid(1));
}

TEST(SelectionWindow, AnUnreadableLineIsSkippedWithoutAMessage) {
    int messages = 0;
    ScopedMessageHook hook([&](const Message&) {
        ++messages;
        return MessageResult::Ok;
    });
    Selecting w({" 0RECT 0Z0010064064", " 0RECT 000000010010"});
    w.click({5, 5});
    EXPECT_EQ(w.line(1)[0], u'*');
    w.click({30, 30});
    EXPECT_EQ(messages, 0);
}

TEST(SelectionWindow, TheCursorShowsWhatAPressWouldDo) {
    Selecting w({"*0RECT 0640320C8064"});
    const struct {
        QPoint at;
        Qt::CursorShape shape;
    } cases[] = {{{150, 75}, Qt::CrossCursor},      {{100, 50}, Qt::SizeFDiagCursor},
                 {{200, 50}, Qt::SizeBDiagCursor},  {{100, 100}, Qt::SizeBDiagCursor},
                 {{200, 100}, Qt::SizeFDiagCursor}, {{100, 75}, Qt::SizeHorCursor},
                 {{200, 75}, Qt::SizeHorCursor},    {{150, 50}, Qt::SizeVerCursor},
                 {{150, 100}, Qt::SizeVerCursor},   {{300, 300}, Qt::ArrowCursor}};
    for (const auto& c : cases) {
        w.moveTo(c.at);
        EXPECT_EQ(w.surface->cursor().shape(), c.shape) << c.at.x() << "," << c.at.y();
    }
}

TEST(SelectionWindow, FramesShowAndGoWithTheSelection) {
    Selecting w({" 0RECT 0640320C8064"});
    const QImage plain = w.child->surfaceImage().copy();
    w.click({150, 75});
    EXPECT_NE(w.child->surfaceImage(), plain);
    w.click({400, 400});
    EXPECT_EQ(w.child->surfaceImage(), plain);
}

} // namespace
