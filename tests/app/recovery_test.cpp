// Recovery copies: written while a drawing has unsaved changes, gone after a save, offered
// again after an instance ended without closing its drawings.

#include "app/recoverycopy.h"
#include "app/recoveryoffer.h"
#include "dialogs/recoverydialog.h"
#include "support/drawingwindow.h"

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kPlainStyle;

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

// What an instance that was killed left behind is offered again, and opens modified under its
// names; the copies of one still running are left to it.
TEST(Recovery, CopiesLeftBehindOpenAgainModifiedUnderTheirNames) {
    Recovering r;
    RecoveryStore running(r.dir.path());
    ASSERT_TRUE(running.open());
    RecoveryStore::write(running.fileFor(1), {"A", {}, {"2801E0", " 0BLANK"}, {}});
    const QString dead = r.dir.path() + "/dead-1"; // its lock names a process that is gone
    QDir().mkpath(dead);
    writeFile(dead + "/instance.lock",
              "999999\nqeldraw\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    const QStringList lines = {"2801E0", " 0BLANK", " 0RECT 000000010010" + S,
                               " 0LINE 000000020020" + S};
    RecoveryStore::write(
        dead + "/drawing1.qelrecovery",
        {"plan.drf", "/x/plan.drf", lines, QDateTime(QDate(2026, 12, 6), QTime(10, 11, 12))});
    RecoveryStore::write(dead + "/drawing2.qelrecovery", {"Dessin2", {}, {}, {}});
    QFile::resize(dead + "/drawing2.qelrecovery", 30); // cut short: listed as unreadable
    QStringList listed;
    ScopedModalHook<TRecuperation> choose([&](TRecuperation& d) {
        for (int i = 0; i < d.List->count(); ++i)
            listed << d.List->item(i)->text();
        d.RecoverButton->click();
    });
    EXPECT_EQ(offerRecovery(r.frame, r.store), 1);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_TRUE(listed.contains("plan.drf (plan.drf), copie du 06/12/2026 à 10:11:12"));
    EXPECT_EQ(listed.filter("illisible").size(), 1);
    TMDIChild* back = r.frame.children().last();
    EXPECT_EQ(back->caption(), QStringLiteral("plan.drf"));
    EXPECT_EQ(back->fileName(), QStringLiteral("/x/plan.drf"));
    EXPECT_EQ(back->drawing().lines(), lines);
    EXPECT_TRUE(back->drawing().isModified());
}

} // namespace
