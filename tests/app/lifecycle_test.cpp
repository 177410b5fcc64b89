// The frame and its drawing windows as a user meets them: new windows, closing, undo, files.

#include "app/mainform.h"
#include "app/mdichild.h"
#include "document/drawing.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "support/drawingwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qel;
using qel::testing::addLine;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void closeWindow(TMDIChild* child) {
    child->parentWidget()->close();
}

const QString kRect = QStringLiteral(" 0RECT 0100200C8064\t100FFFFFF00100000000000000000C0Arial");

struct Answers {
    std::vector<QString> asked;
    MessageResult answer = MessageResult::Cancel;
};

TEST(Frame, StartsWithEveryDocumentCommandDisabled) {
    TMainForm frame;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Qel Draw"));
    for (const char* name : {"FileCloseItem", "FileSaveItem", "EditUndoItem", "RedrawItem",
                             "WindowMinimizeItem", "ZoomInItem"})
        EXPECT_FALSE(frame.action(QString::fromLatin1(name))->isEnabled()) << name;
    for (const char* name : {"FileNewItem", "FileOpenItem", "FileExitItem", "ColourStripItem",
                             "CalculatorItem", "HelpAboutItem"})
        EXPECT_TRUE(frame.action(QString::fromLatin1(name))->isEnabled()) << name;
    frame.FileNewItemClick();
    EXPECT_TRUE(frame.action(QStringLiteral("WindowMinimizeItem"))->isEnabled());
}

TEST(Frame, NewWindowsAreNumberedFromTheOpenCount) {
    TMainForm frame;
    TMDIChild* first = frame.FileNewItemClick();
    frame.FileNewItemClick();
    frame.FileNewItemClick();
    QStringList captions;
    for (TMDIChild* c : frame.children())
        captions << c->caption();
    EXPECT_EQ(captions, QStringList({"Dessin1", "Dessin2", "Dessin3"}));
    closeWindow(first);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.FileNewItemClick()->caption(), QStringLiteral("Dessin3"));
}

TEST(DrawingWindow, NewDrawingIsHeaderAndBlankBackground) {
    TMainForm frame;
    TMDIChild* child = frame.FileNewItemClick();
    EXPECT_EQ(child->drawing().lines(), QStringList({headerLine(child->drawing().page().width(),
                                                                child->drawing().page().height()),
                                                     " 0BLANK"}));
    EXPECT_EQ(child->gridStep(), 8);
    EXPECT_EQ(child->drawing().zoom(), 1.0);
    EXPECT_FALSE(child->drawing().isModified());
    EXPECT_FALSE(child->drawing().canUndo()) << "a repaint is not a change";
}

TEST(DrawingWindow, CloseQueryAnswers) {
    struct Case {
        MessageResult answer;
        bool closes;
    } cases[] = {{MessageResult::No, true}, {MessageResult::Cancel, false}};
    for (const Case& c : cases) {
        TMainForm frame;
        TMDIChild* child = frame.FileNewItemClick();
        addLine(child, kRect);
        std::vector<QString> asked;
        ScopedMessageHook hook([&](const Message& m) {
            asked.push_back(m.text);
            return c.answer;
        });
        closeWindow(child);
        QCoreApplication::processEvents();
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0], QStringLiteral("Enregistrer modifications dans  ?"));
        EXPECT_EQ(frame.children().isEmpty(), c.closes);
        if (!c.closes) EXPECT_EQ(frame.children().first()->drawing().lines().last(), kRect);
    }
}

TEST(DrawingWindow, YesWithACancelledSaveKeepsTheWindow) {
    TMainForm frame;
    TMDIChild* child = frame.FileNewItemClick();
    addLine(child, kRect);
    ScopedMessageHook yes([](const Message&) { return MessageResult::Yes; });
    ScopedFileChooserHook cancel([](const FileRequest&) { return std::nullopt; });
    closeWindow(child);
    QCoreApplication::processEvents();
    ASSERT_EQ(frame.children().size(), 1);
    EXPECT_TRUE(frame.children().first()->drawing().isModified());
}

TEST(DrawingWindow, UnmodifiedWindowClosesWithoutAQuestion) {
    TMainForm frame;
    TMDIChild* child = frame.FileNewItemClick();
    child->Dessine();
    int asked = 0;
    ScopedMessageHook hook([&](const Message&) {
        ++asked;
        return MessageResult::Cancel;
    });
    closeWindow(child);
    QCoreApplication::processEvents();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(frame.children().isEmpty());
}

TEST(DrawingWindow, UndoTakesBackTheLastChangeOnly) {
    TMainForm frame;
    TMDIChild* child = frame.FileNewItemClick();
    const QStringList empty = child->drawing().lines();
    child->Annuler(); // nothing to undo yet: nothing happens
    EXPECT_EQ(child->drawing().lines(), empty);

    addLine(child, kRect);
    child->Dessine(); // a repaint does not move the undo point
    frame.action(QStringLiteral("EditUndoItem"))->trigger();
    EXPECT_EQ(child->drawing().lines(), empty);
    EXPECT_FALSE(child->drawing().isModified()) << "back to the state it was created in";
}

TEST(DrawingWindow, FontStyleSettersChangeOneStyleEach) {
    TMainForm frame;
    TMDIChild* child = frame.FileNewItemClick();
    child->SetStyle1(u'+');
    child->SetStyle2(u'+');
    child->SetStyle3(u'+');
    child->SetStyle2(u'-');
    EXPECT_TRUE(child->style().font.bold);
    EXPECT_FALSE(child->style().font.italic);
    EXPECT_TRUE(child->style().font.underline);
}

class Files : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TMainForm frame;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(Files, SaveAsWritesTheNativeFileAndRenamesTheWindow) {
    TMDIChild* child = frame.FileNewItemClick();
    addLine(child, kRect.mid(0, 0) + QStringLiteral("*") + kRect.mid(1));
    // "plan.old" has a dot and no picture extension: a native file under that very name.
    ScopedFileChooserHook choose([&](const FileRequest&) {
        return FileChoice{path(QStringLiteral("plan.old")), 1};
    });
    ASSERT_TRUE(child->Sauve(1));
    EXPECT_EQ(child->caption(), QStringLiteral("plan.old"));
    EXPECT_FALSE(child->drawing().isModified());
    const QByteArray bytes = readAll(path(QStringLiteral("plan.old")));
    EXPECT_TRUE(bytes.startsWith(
        headerLine(child->drawing().page().width(), child->drawing().page().height()).toLatin1() +
        "\r\n 0BLANK\r\n 0RECT"))
        << bytes.constData();
}

TEST_F(Files, NameWithoutDotTakesTheChosenFilterExtension) {
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().markUnsaved();
    ScopedFileChooserHook choose([&](const FileRequest&) {
        return FileChoice{path(QStringLiteral("plan")), 0};
    });
    ASSERT_TRUE(child->Sauve(1));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("plan.drf"))));
}

TEST_F(Files, CancelledSaveWritesNothingAndStaysModified) {
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().markUnsaved();
    ScopedFileChooserHook cancel([](const FileRequest&) { return std::nullopt; });
    EXPECT_FALSE(child->Sauve(0));
    EXPECT_TRUE(child->drawing().isModified());
    EXPECT_TRUE(child->fileName().isEmpty());
}

TEST_F(Files, FailedWriteShowsWhyAndKeepsCaptionAndModified) {
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().markUnsaved();
    child->setFileName(path(QStringLiteral("missing/folder.x/d.drf")));
    std::vector<QString> shown;
    ScopedMessageHook hook([&](const Message& m) {
        shown.push_back(m.text);
        return MessageResult::Ok;
    });
    EXPECT_FALSE(child->Sauve(0));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("d.drf")));
    EXPECT_TRUE(child->drawing().isModified());
    EXPECT_EQ(child->caption(), QStringLiteral("Dessin1"));
}

TEST_F(Files, OpenReadsSizeDropsBadLinesAndIsNotModified) {
    QFile f(path(QStringLiteral("in.drf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("0C8064\r\n 0BLANK\r\n 0RECT\r\n" + kRect.toLatin1() + "\r\n");
    f.close();
    TMDIChild* child = frame.openDrawing(path(QStringLiteral("in.drf")));
    ASSERT_TRUE(child);
    EXPECT_EQ(child->drawing().page().width(), 200);
    EXPECT_EQ(child->drawing().page().height(), 100);
    EXPECT_EQ(child->surfaceImage().size(), QSize(200, 100));
    EXPECT_EQ(child->drawing().lines().size(), 3);
    EXPECT_FALSE(child->drawing().isModified());
    EXPECT_EQ(frame.statusText(0), QStringLiteral("1 ligne invalide ignorée"));
    EXPECT_EQ(child->caption(), QStringLiteral("in.drf"));
}

TEST_F(Files, HeaderThatDoesNotReadKeepsTheNewWindowSize) {
    QFile f(path(QStringLiteral("xyz.drf")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("XYZ\n 0BLANK\n");
    f.close();
    TMDIChild* child = frame.openDrawing(path(QStringLiteral("xyz.drf")));
    ASSERT_TRUE(child);
    EXPECT_EQ(child->drawing().page().width(), TMDIChild::kNewPageWidth);
    EXPECT_EQ(child->drawing().page().height(), TMDIChild::kNewPageHeight);
}

TEST_F(Files, UnreadableFileOpensNoWindow) {
    std::vector<QString> shown;
    ScopedMessageHook hook([&](const Message& m) {
        shown.push_back(m.text);
        return MessageResult::Ok;
    });
    EXPECT_EQ(frame.openDrawing(path(QStringLiteral("absent.drf"))), nullptr);
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.children().isEmpty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("absent.drf")));
}

} // namespace

namespace {

TEST_F(Files, TheNameChoosesTheFormat) {
    QDir().mkpath(path(QStringLiteral("dir.v2")));
    struct Case {
        const char* typed;
        int filter;
        const char* written;
        const char* magic;
    } cases[] = {
        {"plan", 1, "plan.bmp", "BM"},
        {"plan", 2, "plan.jpg", "\xFF\xD8"},
        {"plan", 5, "plan.gif", "GIF8"},
        {"plan.old", 1, "plan.old", "1760FD\r\n"},
        {"dessin.bmp.drf", 0, "dessin.bmp.drf", "BM"},
        {"dir.v2/plan", 1, "dir.v2/plan",
         "1760FD\r\n"}, // the folder's dot counts: nothing is appended
    };
    for (const Case& c : cases) {
        TMDIChild* child = frame.FileNewItemClick();
        addLine(child, kRect);
        ScopedFileChooserHook choose([&](const FileRequest&) {
            return FileChoice{path(QString::fromLatin1(c.typed)), c.filter};
        });
        ASSERT_TRUE(child->Sauve(1)) << c.typed;
        EXPECT_TRUE(readAll(path(QString::fromLatin1(c.written))).startsWith(c.magic)) << c.typed;
        EXPECT_FALSE(child->drawing().isModified());
    }
}

TEST(Frame, MinimiseAllMinimisesEveryDrawingWindow) {
    TMainForm frame;
    frame.show();
    for (int i = 0; i < 3; ++i)
        frame.FileNewItemClick();
    frame.action(QStringLiteral("WindowMinimizeItem"))->trigger();
    for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList())
        EXPECT_TRUE(sub->isMinimized());
}

TEST(DrawingWindow, APageWiderThanTheFrameGetsAHorizontalScrollBar) {
    TMainForm frame;
    frame.resize(800, 600);
    frame.show();
    TMDIChild* child = frame.FileNewItemClick();
    child->drawing().apply([](QStringList& lines) { lines[0] = headerLine(2000, 100); });
    auto* sub = qobject_cast<QMdiSubWindow*>(child->parentWidget());
    EXPECT_LE(sub->width(), frame.mdiArea()->viewport()->width());
    auto* scroll = child->findChild<QScrollArea*>();
    EXPECT_EQ(scroll->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(scroll->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

} // namespace
