// Zoom and the size box; the transforms themselves are walked in the history's test.

#include "support/drawingwindow.h"

#include "dialogs/transformdialogs.h"
#include "platform/filechooser.h"

#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

using namespace qel;
using namespace qel::testing;

TEST(TransformWindow, SavingWhileZoomedWritesTheTrueSize) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.drag({20, 20}, {60, 50});
    w.drag({100, 100}, {120, 130});
    const QString first = w.shapes().first();
    w.frame.action(QStringLiteral("ZoomInItem"))->trigger();
    EXPECT_EQ(w.child->surfaceImage().width(), 2 * TMDIChild::kNewPageWidth);
    w.frame.action(QStringLiteral("EditUndoItem"))->trigger();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.drf"));
    ScopedFileChooserHook choose([&](const FileRequest&) { return FileChoice{path, 0}; });
    ASSERT_TRUE(w.child->Sauve(1));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), ("1760FD\r\n 0BLANK\r\n" + first + "\r\n").toLatin1());
    EXPECT_EQ(w.child->zoomFactor(), 1.0);
}

TEST(TransformWindow, TheSizeDialogKeepsProportionsUnlessThereAreNone) {
    TDimObj d;
    d.Init(Box{40, 30, 140, 90}, 1);
    d.SpinEdit1->setValue(200);
    d.SpinEdit1Exit();
    EXPECT_EQ(d.SpinEdit2->value(), 120);
    EXPECT_EQ(d.Label1->text(), QStringLiteral("Objets groupés : Non"));
    TDimObj flat;
    flat.Init(Box{10, 50, 110, 50}, 2);
    flat.SpinEdit1->setValue(300);
    flat.SpinEdit1Exit();
    EXPECT_EQ(flat.SpinEdit2->value(), 0);
}

} // namespace
