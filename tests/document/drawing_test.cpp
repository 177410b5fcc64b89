// The drawing model on its own: the one door for changes, its history and its modified flag.

#include "document/drawing.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

const QString kRect = QStringLiteral(" 0RECT 0100200C8064\tS");
const QString kLine = QStringLiteral(" 0LINE 000000010010\tS");

struct Watched {
    Drawing drawing{QSize(640, 480)};
    std::vector<DrawingChange> heard;
    Watched() {
        QObject::connect(&drawing, &Drawing::changed,
                         [this](const DrawingChange& c) { heard.push_back(c); });
    }
};

struct DoorCase {
    const char* what;
    Drawing::Edit edit;
    Drawing::Effect effect;
    bool changes;  // a line really changed
    bool undoable; // an undo step was taken
    DrawingChange::Kind kind;
};

TEST(Drawing, TheDoorTakesAStepOnlyForARealChange) {
    const DoorCase cases[] = {
        {"nothing", [](QStringList&) {}, Drawing::Effect::Change, false, false, {}},
        {"same text again",
         [](QStringList& l) { l[2] = QString(kRect); },
         Drawing::Effect::Change,
         false,
         false,
         {}},
        {"a shape moved", [](QStringList& l) { l[2] = QStringLiteral(" 0RECT 0110200D8064\tS"); },
         Drawing::Effect::Change, true, true, DrawingChange::Kind::Lines},
        {"a shape added", [](QStringList& l) { l << kLine; }, Drawing::Effect::Change, true, true,
         DrawingChange::Kind::Lines},
        {"the background",
         [](QStringList& l) { l[1] = QStringLiteral(" 0FILLRECT 000000068090\tS"); },
         Drawing::Effect::Change, true, true, DrawingChange::Kind::Whole},
        {"a selection mark", [](QStringList& l) { l[2][0] = u'*'; }, Drawing::Effect::Selection,
         true, false, DrawingChange::Kind::Selection},
    };
    for (const DoorCase& c : cases) {
        Watched w;
        w.drawing.apply([](QStringList& l) { l << kRect; });
        w.drawing.markSaved();
        w.heard.clear();
        const int steps = w.drawing.undoSteps();

        EXPECT_EQ(w.drawing.apply(c.edit, c.effect), c.changes) << c.what;
        EXPECT_EQ(w.heard.size(), c.changes ? 1u : 0u) << c.what;
        EXPECT_EQ(w.drawing.undoSteps(), steps + (c.undoable ? 1 : 0)) << c.what;
        EXPECT_EQ(w.drawing.isModified(), c.undoable) << c.what;
        if (c.changes) EXPECT_EQ(w.heard[0].kind, c.kind) << c.what;
    }
}

TEST(Drawing, AChangeTellsWhichLinesWentAndCame) {
    Watched w;
    w.drawing.apply([](QStringList& l) { l << kRect << kLine << kRect; });
    w.heard.clear();
    w.drawing.apply([](QStringList& l) { l.removeAt(3); });
    ASSERT_EQ(w.heard.size(), 1u);
    EXPECT_EQ(w.heard[0].before, QStringList{kLine});
    EXPECT_TRUE(w.heard[0].after.isEmpty());
}

TEST(Drawing, UndoAndRedoWalkTheHistoryAndThePage) {
    Drawing d(QSize(640, 480));
    d.apply([](QStringList& l) { l << kRect; });
    d.apply([](QStringList& l) { l[0] = headerLine(800, 600); });
    EXPECT_EQ(d.page(), QSize(800, 600));

    ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.page(), QSize(640, 480)) << "the page follows the header back";
    EXPECT_EQ(d.lines().last(), kRect);
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.lines(), QStringList({"2801E0", " 0BLANK"}));
    EXPECT_FALSE(d.isModified()) << "back where it started";
    EXPECT_FALSE(d.undo());

    ASSERT_TRUE(d.redo());
    EXPECT_EQ(d.lines().last(), kRect);
    d.apply([](QStringList& l) { l << kLine; });
    EXPECT_FALSE(d.canRedo()) << "a new change drops what could be redone";
}

TEST(Drawing, AGestureIsOneStep) {
    Drawing d(QSize(640, 480));
    d.apply([](QStringList& l) { l << kRect; });
    d.beginGesture();
    for (int dx = 1; dx <= 20; ++dx)
        d.apply([dx](QStringList& l) {
            l[2] =
                QStringLiteral(" 0RECT ") + hexField(16 + dx, 3) + QStringLiteral("0200C8064\tS");
        });
    d.endGesture();
    EXPECT_EQ(d.undoSteps(), 2);
    d.apply([](QStringList& l) { l << kLine; });
    d.apply([](QStringList& l) { l << kLine; });
    EXPECT_EQ(d.undoSteps(), 4) << "after the gesture each change is a step again";
    d.undo();
    d.undo();
    d.undo();
    EXPECT_EQ(d.lines().last(), kRect);
}

TEST(Drawing, HistoryIsBounded) {
    Drawing d(QSize(640, 480));
    for (int i = 0; i < Drawing::kMaxHistorySteps + 30; ++i)
        d.apply([i](QStringList& l) { l << QStringLiteral(" 0RECT %1\tS").arg(i); });
    EXPECT_EQ(d.undoSteps(), Drawing::kMaxHistorySteps);
}

TEST(Drawing, ARescaleRewritesTheHistoryAndDropsStepsThatCannotFollow) {
    const QString bad = QStringLiteral(" 0RECT FFF\tS");
    const Drawing::LineMap lower = [&bad](const QString& line) -> std::optional<QString> {
        if (line == bad) return std::nullopt;
        return line.toLower();
    };
    Drawing d(QSize(640, 480));
    d.apply([](QStringList& l) { l << kRect; });
    d.apply([](QStringList& l) { l << kLine; });
    d.rescale(lower, 2.0);
    EXPECT_EQ(d.lines().mid(2), QStringList({kRect.toLower(), kLine.toLower()}));
    ASSERT_TRUE(d.undo());
    EXPECT_EQ(d.lines().mid(2), QStringList({kRect.toLower()}));

    Drawing dropped(QSize(640, 480));
    dropped.apply([&bad](QStringList& l) { l << bad; });
    dropped.apply([](QStringList& l) { l[2] = kRect; });
    dropped.rescale(lower, 2.0);
    EXPECT_EQ(dropped.lines().mid(2), QStringList({kRect.toLower()}));
    EXPECT_FALSE(dropped.canUndo()) << "the step holding the bad line, and the older one, went";
}

TEST(Drawing, LoadingStartsAFreshUnmodifiedHistory) {
    Drawing d(QSize(374, 253));
    d.apply([](QStringList& l) { l << kRect; });
    d.load({QStringLiteral("XYZ"), kLine}, std::nullopt);
    EXPECT_EQ(d.lines(), QStringList({"1760FD", kLine}))
        << "a header that does not read is rewritten";
    EXPECT_FALSE(d.isModified());
    EXPECT_FALSE(d.canUndo());
    d.load({}, QSize(16, 16));
    EXPECT_EQ(d.lines(), QStringList({"010010", " 0BLANK"}));
}

} // namespace
} // namespace qel
