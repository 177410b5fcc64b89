// The frame and its drawing windows as a user meets them: new windows, closing, files and where
// the file dialogs start.

#include "support/drawingwindow.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QScrollArea>

using namespace qel;
using namespace qel::testing;

namespace {

const QString kRect = " 0RECT 0100200C8064" + kPlainStyle;

// Until a drawing is open its commands and the palette wait; the colour strip does not. New
// windows are numbered from the count of those open, and minimised all together.
TEST(Frame, WaitsForADrawingAndNumbersNewWindows) {
    TMainForm frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Qel Draw"));
    for (const char* name : {"FileCloseItem", "FileSaveItem", "EditUndoItem", "RedrawItem",
                             "WindowMinimizeItem", "ZoomInItem"})
        EXPECT_FALSE(frame.action(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name : {"FileNewItem", "FileOpenItem", "FileExitItem", "ColourStripItem",
                             "CalculatorItem", "HelpAboutItem"})
        EXPECT_TRUE(frame.action(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_EQ(frame.toolPalette()->tool(), Tool::Pointer);
    for (QWidget* w : frame.toolPalette()->documentControls())
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(frame.colourStrip()->swatch(0)->isEnabled());

    TMDIChild* first = frame.FileNewItemClick();
    EXPECT_TRUE(frame.action(QStringLiteral("WindowMinimizeItem"))->isEnabled());
    for (QWidget* w : frame.toolPalette()->documentControls())
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    frame.FileNewItemClick();
    frame.FileNewItemClick();
    QStringList captions;
    for (TMDIChild* c : frame.children())
        captions << c->caption();
    EXPECT_EQ(captions, QStringList({"Dessin1", "Dessin2", "Dessin3"}));
    first->parentWidget()->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.FileNewItemClick()->caption(), QStringLiteral("Dessin3"));
    frame.action(QStringLiteral("WindowMinimizeItem"))->trigger();
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
        EXPECT_TRUE(sub->isMinimized());
    DrawingWindow::closeAll(frame);
}

// Closing asks to save only a modified drawing; "Non" closes, "Annuler" or "Oui" with a
// cancelled save keep the window and its changes.
TEST(DrawingWindow, ClosingAsksOnlyForAModifiedDrawing) {
    const std::tuple<bool, MessageResult, int, bool> cases[] = {
        {false, MessageResult::Cancel, 0, true},
        {true, MessageResult::No, 1, true},
        {true, MessageResult::Cancel, 1, false},
        {true, MessageResult::Yes, 1, false}};
    for (const auto& [modified, answer, asked, closes] : cases) {
        SCOPED_TRACE(int(answer));
        TMainForm frame;
        TMDIChild* child = frame.FileNewItemClick();
        child->Dessine();
        if (modified) addLine(child, kRect);
        MessageLog log{{}, answer};
        ScopedFileChooserHook cancel([](const FileRequest&) { return std::nullopt; });
        child->parentWidget()->close();
        QCoreApplication::processEvents();
        ASSERT_EQ(log.texts.size(), asked);
        if (asked) EXPECT_EQ(log.texts[0], QStringLiteral("Enregistrer modifications dans  ?"));
        EXPECT_EQ(frame.children().isEmpty(), closes);
        if (closes) continue;
        EXPECT_EQ(frame.children().first()->drawing().lines().last(), kRect);
        EXPECT_TRUE(frame.children().first()->drawing().isModified());
    }
}

class Files : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TMainForm frame;
    QString path(const QString& name) const { return dir.filePath(name); }
};

// A name with a dot is kept; without one it takes the chosen filter's extension. The drawing
// is written without its selection marks and the window takes the file's name.
TEST_F(Files, TheNameChoosesTheFormat) {
    QDir().mkpath(path(QStringLiteral("dir.v2")));
    const QByteArray native = "1760FD\r\n 0BLANK\r\n 0RECT";
    const std::tuple<const char*, int, const char*, QByteArray> cases[] = {
        {"plan", 0, "plan.drf", native},           {"plan", 1, "plan.bmp", "BM"},
        {"plan", 2, "plan.jpg", "\xFF\xD8"},       {"plan", 5, "plan.gif", "GIF8"},
        {"plan.old", 1, "plan.old", native},       {"dessin.bmp.drf", 0, "dessin.bmp.drf", "BM"},
        {"dir.v2/plan", 1, "dir.v2/plan", native}, // the folder's dot counts: nothing is added
    };
    for (const auto& [typed, filter, written, magic] : cases) {
        SCOPED_TRACE(written);
        TMDIChild* child = frame.FileNewItemClick();
        addLine(child, u'*' + kRect.mid(1));
        ScopedFileChooserHook choose([&](const FileRequest&) {
            return FileChoice{path(QString::fromLatin1(typed)), filter};
        });
        ASSERT_TRUE(child->Sauve(1));
        EXPECT_TRUE(readFile(path(QString::fromLatin1(written))).startsWith(magic));
        EXPECT_FALSE(child->drawing().isModified());
        if (magic == native)
            EXPECT_EQ(child->caption(), QFileInfo(QString::fromLatin1(written)).fileName());
    }
}

// A save that does not happen leaves the drawing modified under its window's name: cancelled,
// or failed, when the user is told which file could not be written.
TEST_F(Files, SaveNotDoneKeepsTheDrawingModified) {
    for (const bool cancelled : {true, false}) {
        TMDIChild* child = frame.FileNewItemClick();
        child->drawing().markUnsaved();
        if (!cancelled) child->setFileName(path("missing/folder.x/d.drf"));
        ScopedFileChooserHook cancel([](const FileRequest&) { return std::nullopt; });
        MessageLog log;
        EXPECT_FALSE(child->Sauve(0));
        EXPECT_TRUE(child->drawing().isModified());
        EXPECT_EQ(child->caption(), cancelled ? "Dessin1" : "Dessin2");
        EXPECT_EQ(child->fileName().isEmpty(), cancelled);
        ASSERT_EQ(log.texts.size(), cancelled ? 0 : 1);
        if (!cancelled) EXPECT_TRUE(log.texts[0].contains("d.drf"));
    }
}

TEST_F(Files, OpenReadsTheSizeDropsBadLinesAndNamesAnUnreadableFile) {
    ASSERT_TRUE(
        writeFile(path("in.drf"), "0C8064\r\n 0BLANK\r\n 0RECT\r\n" + kRect.toLatin1() + "\r\n"));
    TMDIChild* child = frame.openDrawing(path(QStringLiteral("in.drf")));
    ASSERT_TRUE(child);
    EXPECT_EQ(child->drawing().page(), QSize(200, 100));
    EXPECT_EQ(child->surfaceImage().size(), QSize(200, 100));
    EXPECT_EQ(child->drawing().lines().size(), 3);
    EXPECT_FALSE(child->drawing().isModified());
    EXPECT_EQ(frame.statusText(0), QStringLiteral("1 ligne invalide ignorée"));
    EXPECT_EQ(child->caption(), QStringLiteral("in.drf"));

    // A header that does not read keeps the new window's size.
    ASSERT_TRUE(writeFile(path("xyz.drf"), "XYZ\n 0BLANK\n"));
    child = frame.openDrawing(path("xyz.drf"));
    ASSERT_TRUE(child);
    EXPECT_EQ(child->drawing().page(), QSize(TMDIChild::kNewPageWidth, TMDIChild::kNewPageHeight));

    // A file that cannot be read opens no window, and the user is told which.
    MessageLog log;
    EXPECT_EQ(frame.openDrawing(path("absent.drf")), nullptr);
    EXPECT_EQ(frame.children().size(), 2);
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_TRUE(log.texts[0].contains("absent.drf"));
}

// The real dialogs: open starts in the start folder; a drawing never saved is saved in the
// current folder under its window's name, one saved in its own folder under its own name.
TEST_F(Files, DialogsStartWhereTheDrawingIs) {
    frame.StartDir = dir.path();
    const QString folder = QDir(dir.path()).absolutePath();
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().markUnsaved();
    const std::tuple<std::function<void()>, QString, QString> cases[] = {
        {[&] { frame.FileOpenItemClick(); }, folder, {}},
        {[&] { child->Sauve(1); }, QDir::currentPath(), "Dessin1"},
        {[&] { child->setFileName(path("plan.drf")), child->Sauve(1); }, folder, "plan.drf"}};
    for (const auto& [ask, expectedFolder, expectedName] : cases) {
        QString shownFolder, shownName; // read while the dialog is up
        BoxCatcher boxes(nullptr, [&](QWidget* box) {
            auto* dialog = qobject_cast<QFileDialog*>(box);
            ASSERT_NE(dialog, nullptr) << box->metaObject()->className();
            shownFolder = dialog->directory().absolutePath();
            shownName = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        });
        ask();
        EXPECT_EQ(shownFolder.toStdString(), expectedFolder.toStdString());
        EXPECT_EQ(shownName.toStdString(), expectedName.toStdString());
    }
}

TEST(DrawingWindow, APageWiderThanTheFrameGetsAHorizontalScrollBar) {
    TMainForm frame;
    frame.resize(800, 600);
    frame.show();
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().apply([](QStringList& lines) { lines[0] = headerLine(2000, 100); });
    EXPECT_LE(child->parentWidget()->width(), frame.mdiArea()->viewport()->width());
    auto* scroll = child->findChild<QScrollArea*>();
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

} // namespace
