// Undo and redo to any depth, from the menu.

#include "support/drawingwindow.h"

#include "platform/messages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace qel;
using namespace qel::testing;

TEST(History, UndoAndRedoStepThroughShapesAndFollowTheMenu) {
    DrawingWindow w;
    QAction* undo = w.frame.action(QStringLiteral("EditUndoItem"));
    QAction* redo = w.frame.action(QStringLiteral("EditRedoItem"));
    EXPECT_FALSE(undo->isEnabled());
    w.pickTool(Tool::Rect);
    for (int i = 0; i < 3; ++i)
        w.drag({10 + 30 * i, 10}, {30 + 30 * i, 40});
    EXPECT_TRUE(undo->isEnabled());
    for (int i = 0; i < 3; ++i)
        undo->trigger();
    EXPECT_TRUE(w.shapes().isEmpty());
    EXPECT_FALSE(undo->isEnabled());
    redo->trigger();
    redo->trigger();
    EXPECT_EQ(w.shapes().size(), 2);
    EXPECT_TRUE(redo->isEnabled());
    w.drag({200, 100}, {250, 150});
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
    EXPECT_EQ(redo->shortcuts().size(), 2);
}

TEST(History, UndoingBackToTheFileAsksNothingOnClosing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.drf"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0C8064\r\n 0BLANK\r\n");
    f.close();
    TMainForm frame;
    TMDIChild* child = frame.openDrawing(path);
    ASSERT_TRUE(child);
    addLine(child, QStringLiteral(" 0RECT 000000010010\tS"));
    EXPECT_TRUE(child->drawing().isModified());
    frame.action(QStringLiteral("EditUndoItem"))->trigger();
    int asked = 0;
    ScopedMessageHook hook([&](const Message&) {
        ++asked;
        return MessageResult::Cancel;
    });
    child->parentWidget()->close();
    EXPECT_EQ(asked, 0);
}

} // namespace
