// Recovery copies: written while a drawing has unsaved changes, gone after a save, offered
// again after an instance ended without closing its drawings.

#include "app/recoverycopy.h"
#include "app/recoveryoffer.h"
#include "dialogs/recoverydialog.h"
#include "support/drawingwindow.h"

#include "platform/filechooser.h"
#include "platform/modalhook.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kPlainStyle;

// The folder an instance that was killed leaves behind: a lock naming a process that is gone.
QString deadInstance(const QString& root, const RecoveryData& data) {
    const QString folder = root + QStringLiteral("/dead-1");
    QDir().mkpath(folder);
    writeFile(folder + "/instance.lock",
              "999999\nqeldraw\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    RecoveryStore::write(folder + QStringLiteral("/drawing1.qelrecovery"), data);
    return folder;
}

TEST(Recovery, CopiesReadBackWholeOrAreUnreadable) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.qelrecovery");
    QStringList lines = {"2801E0", " 0BLANK"};
    for (int i = 0; i < 10000; ++i)
        lines << " 0RECT " + hexField(i % 4000, 3) + hexField(i % 300, 3) + "064064" + S;
    ASSERT_TRUE(RecoveryStore::write(path, {"Plan", "/tmp/plan.drf", lines, {}}).ok());
    const RecoveryEntry back = RecoveryStore::read(path);
    ASSERT_TRUE(back.readable);
    EXPECT_EQ(back.data.lines, lines);
    EXPECT_EQ(back.data.caption, "Plan");

    const QByteArray whole = readFile(path);
    for (const QByteArray& junk :
         {whole.left(whole.size() / 2), QByteArray(), QByteArray("QelDraw recovery 1\n{"),
          QByteArray("QelDraw recovery 1\n{\"bytes\":5}\nab"), QByteArray(5000, '\xFF')}) {
        ASSERT_TRUE(writeFile(path, junk));
        EXPECT_FALSE(RecoveryStore::read(path).readable) << junk.left(30).toStdString();
    }
}

TEST(Recovery, AnInstanceNeverTakesTheCopiesOfOneStillRunning) {
    QTemporaryDir dir;
    RecoveryStore running(dir.path());
    ASSERT_TRUE(running.open());
    RecoveryStore::write(running.fileFor(1), {QStringLiteral("A"), {}, {"2801E0", " 0BLANK"}, {}});
    deadInstance(dir.path(), {QStringLiteral("B"), {}, {"2801E0", " 0BLANK"}, {}});
    RecoveryStore next(dir.path());
    ASSERT_TRUE(next.open());
    const std::vector<RecoveryEntry> found = next.orphans();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].data.caption, QStringLiteral("B"));
}

struct Recovering : DrawingWindow {
    QTemporaryDir dir;
    RecoveryStore store{dir.path()};
    Recovering() {
        store.open();
        frame.setRecoveryStore(&store);
    }
};

TEST(Recovery, AWindowKeepsACopyUntilItIsSaved) {
    Recovering r;
    TMDIChild* child = r.frame.FileNewItemClick();
    addLine(child, " 0RECT 000000010010" + S);
    child->recoveryCopy()->flush();
    const QString copy = child->recoveryCopy()->path();
    ASSERT_TRUE(QFile::exists(copy));
    EXPECT_EQ(RecoveryStore::read(copy).data.lines.last(), " 0RECT 000000010010" + S);

    ScopedFileChooserHook choose([&](const FileRequest&) {
        return FileChoice{r.dir.filePath("s.drf"), 0};
    });
    ASSERT_TRUE(child->Sauve(1));
    RecoveryCopy::waitForWrites();
    EXPECT_FALSE(QFile::exists(copy));
}

TEST(Recovery, CopiesLeftBehindOpenAgainModifiedUnderTheirNames) {
    Recovering r;
    const QStringList lines = {"2801E0", " 0BLANK", " 0RECT 000000010010" + S,
                               " 0LINE 000000020020" + S};
    const QString dead =
        deadInstance(r.dir.path(), {"plan.drf", "/x/plan.drf", lines,
                                    QDateTime(QDate(2026, 12, 6), QTime(10, 11, 12))});
    RecoveryStore::write(dead + "/drawing2.qelrecovery", {"Dessin2", {}, {}, {}});
    QFile::resize(dead + "/drawing2.qelrecovery", 30); // cut short: listed as unreadable
    QStringList listed;
    ScopedModalHook<TRecuperation> choose([&](TRecuperation& d) {
        for (int i = 0; i < d.List->count(); ++i)
            listed << d.List->item(i)->text();
        d.RecoverButton->click();
    });
    EXPECT_EQ(offerRecovery(r.frame, r.store), 1);
    EXPECT_TRUE(listed.contains("plan.drf (plan.drf), copie du 06/12/2026 à 10:11:12"));
    EXPECT_EQ(listed.filter("illisible").size(), 1);
    TMDIChild* back = r.frame.children().last();
    EXPECT_EQ(back->caption(), QStringLiteral("plan.drf"));
    EXPECT_EQ(back->fileName(), QStringLiteral("/x/plan.drf"));
    EXPECT_EQ(back->drawing().lines(), lines);
    EXPECT_TRUE(back->drawing().isModified());
}

} // namespace
