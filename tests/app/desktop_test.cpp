// The frame among the other programs of the desktop: recent files kept between runs, drawings
// and pictures dropped from a file manager.

#include "app/recentfiles.h"
#include "platform/imagewriters.h"
#include "support/drawingwindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QUrl>

using namespace qel;
using namespace qel::testing;

namespace {

const QString kRect = " 0RECT 0100200C8064" + kPlainStyle;

QString writeDrawing(const QTemporaryDir& dir, const QString& name) {
    writeFile(dir.filePath(name), "2801E0\r\n 0BLANK\r\n");
    return dir.filePath(name);
}

QString writePicture(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 60));
    const QString path = dir.filePath(name);
    // Qt reads GIF but does not write it: our own encoder does.
    EXPECT_TRUE(name.endsWith(".gif") ? writeGif(image, path).ok() : image.save(path));
    return path;
}

// A file manager's drop at p on target: the enter, then the drop if it was taken. Answers
// whether it was taken; what the drop starts has run when this returns.
bool dropFiles(QWidget* target, QPoint p, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(p, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(p), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

// Each test starts with no recent files, even when the tests share one run.
class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings().clear(); }
};

TEST_F(RecentFilesTest, KeepsTheLastEightNewestFirstOnce) {
    RecentFiles recent;
    for (int i = 0; i < 10; ++i)
        recent.add(QStringLiteral("/dessins/d%1.drf").arg(i));
    recent.add(QStringLiteral("/dessins/d5.drf"));
    EXPECT_EQ(recent.paths(), QStringList({"/dessins/d5.drf", "/dessins/d9.drf", "/dessins/d8.drf",
                                           "/dessins/d7.drf", "/dessins/d6.drf", "/dessins/d4.drf",
                                           "/dessins/d3.drf", "/dessins/d2.drf"}));
    EXPECT_EQ(RecentFiles::caption(0, "/d/Noir & blanc.drf"), "&1 Noir && blanc.drf");
}

TEST_F(RecentFilesTest, OpenedAndSavedDrawingsAreListedAfterARestartUntilGone) {
    QTemporaryDir dir;
    const QString opened = writeDrawing(dir, QStringLiteral("ouvert.drf"));
    const QString saved = dir.filePath(QStringLiteral("sauve.drf"));
    {
        TMainForm frame;
        ASSERT_TRUE(frame.openDrawing(opened));
        TMDIChild* child = frame.FileNewItemClick();
        addLine(child, kRect);
        child->setFileName(saved);
        ASSERT_TRUE(child->Sauve(0));
        // A picture export is no drawing to come back to.
        TMDIChild* picture = frame.FileNewItemClick();
        addLine(picture, kRect);
        picture->setFileName(dir.filePath(QStringLiteral("image.bmp")));
        ASSERT_TRUE(picture->Sauve(0));
        DrawingWindow::closeAll(frame);
    }
    TMainForm frame;
    QAction* first = frame.action(QStringLiteral("RecentFile1"));
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), QStringLiteral("&1 sauve.drf"));
    EXPECT_EQ(first->statusTip(), saved);
    EXPECT_EQ(frame.action(QStringLiteral("RecentFile2"))->text(), QStringLiteral("&2 ouvert.drf"));
    EXPECT_FALSE(frame.action(QStringLiteral("RecentFile3"))->isVisible());

    frame.action(QStringLiteral("RecentFile2"))->trigger();
    ASSERT_EQ(frame.children().size(), 1);
    EXPECT_EQ(frame.children()[0]->caption(), QStringLiteral("ouvert.drf"));
    EXPECT_EQ(frame.action(QStringLiteral("RecentFile1"))->text(), QStringLiteral("&1 ouvert.drf"));

    // Files gone from the disk leave the list, each with a message that names it.
    QFile::remove(opened), QFile::remove(saved);
    MessageLog log;
    frame.action(QStringLiteral("RecentFile1"))->trigger();
    frame.action(QStringLiteral("RecentFile1"))->trigger();
    EXPECT_EQ(log.texts.size(), 2);
    EXPECT_TRUE(log.texts.value(1).contains(saved)) << log.texts.value(1).toStdString();
    EXPECT_EQ(frame.children().size(), 1);
    EXPECT_FALSE(frame.action(QStringLiteral("RecentFile1"))->isVisible());
    EXPECT_FALSE(frame.action(QStringLiteral("RecentFilesSeparator"))->isVisible());
    EXPECT_TRUE(RecentFiles().paths().isEmpty());
    DrawingWindow::closeAll(frame);
}

// Each picture lands where it falls, as the picture tool writes it; several dropped together
// are one undo step, and one too large is refused.
TEST(Drop, PicturesLandWhereTheyFallAsThePictureToolWritesThem) {
    QTemporaryDir dir;
    MessageLog log;
    for (const char* name : {"p.png", "p.jpg", "p.gif", "p.bmp"}) {
        DrawingWindow w;
        const QString path = writePicture(dir, QString::fromLatin1(name), QSize(20, 10));
        ASSERT_TRUE(dropFiles(w.surface, QPoint(30, 40), {path})) << name;
        ASSERT_EQ(w.shapes().size(), 1) << name;
        EXPECT_TRUE(w.shapes()[0].startsWith(" 0BITMAP 01E02803203201400A")) // 20 x 10 at 30,40
            << name << " " << w.shapes()[0].left(40).toStdString();
    }
    EXPECT_TRUE(log.texts.isEmpty()) << log.texts.join(u'\n').toStdString();

    DrawingWindow w;
    const QString a = writePicture(dir, "a.png", QSize(12, 12));
    const QString b = writePicture(dir, "b.gif", QSize(12, 12));
    EXPECT_TRUE(dropFiles(w.surface, QPoint(5, 5), {a, b}));
    EXPECT_EQ(w.shapes().size(), 2);
    w.child->Annuler();
    EXPECT_TRUE(w.shapes().isEmpty());
    EXPECT_TRUE(dropFiles(w.surface, QPoint(5, 5), {writePicture(dir, "big.png", {200, 200})}));
    EXPECT_EQ(log.texts, QStringList{"Image trop grande"});
    EXPECT_FALSE(w.child->drawing().isModified());
}

TEST(Drop, DrawingsDroppedAnywhereOpenAndOtherFilesAreNotTaken) {
    QTemporaryDir dir;
    DrawingWindow w;
    const QString one = writeDrawing(dir, QStringLiteral("un.drf"));
    const QString two = writeDrawing(dir, QStringLiteral("DEUX.DRF"));
    const QString picture = writePicture(dir, QStringLiteral("p.png"), QSize(8, 8));
    // Over a drawing window a drop that holds drawings goes on to the frame.
    EXPECT_TRUE(dropFiles(w.surface, QPoint(5, 5), {one, picture, two}));
    QStringList captions;
    for (TMDIChild* c : w.frame.children())
        captions << c->caption();
    EXPECT_EQ(captions, QStringList({"Dessin1", "un.drf", "DEUX.DRF"}));
    EXPECT_TRUE(w.shapes().isEmpty());

    EXPECT_FALSE(dropFiles(w.frame.mdiArea()->viewport(), QPoint(5, 5), {picture}));
    EXPECT_FALSE(dropFiles(w.surface, QPoint(5, 5), {dir.filePath(QStringLiteral("notes.txt"))}));
    EXPECT_EQ(w.frame.children().size(), 3);
}

} // namespace
