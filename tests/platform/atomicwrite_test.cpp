// Replacing files so that a folder never holds anything but the old or the new complete file.

#include "platform/files.h"

#include "support/files.h"
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qel;

namespace {

using qel::testing::readFile;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

pid_t deadProcess() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return pid;
}

TEST(AtomicWrite, KilledWriterLeavesTheOldOrTheNewFileAndNothingElse) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.bmp"));
    const QByteArray first(1 << 20, 'a'), second(3 << 20, 'b');
    ASSERT_TRUE(writeFileAtomically(target, first).ok());
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) { // replaces the file back and forth until it is killed
            for (int i = 0;; ++i)
                writeFileAtomically(target, i % 2 ? first : second);
        }
        ::usleep(QRandomGenerator::global()->bounded(1000, 40000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = readFile(target);
        ASSERT_TRUE(now == first || now == second) << kill << " " << now.size();
        // Replacing an existing file needs a name for the new one during two system calls; a
        // kill that lands exactly between them leaves that hidden, complete file behind.
        QStringList others = entries(dir.path());
        ASSERT_TRUE(others.removeOne(QStringLiteral("out.bmp")));
        for (const QString& other : others) {
            ASSERT_TRUE(other.startsWith(QStringLiteral(".out.bmp.tmp-%1-").arg(child)))
                << other.toStdString();
            const QByteArray copy = readFile(dir.filePath(other));
            ASSERT_TRUE(copy == first || copy == second) << other.toStdString();
        }
    }
    // and the next save sweeps it away.
    ASSERT_TRUE(writeFileAtomically(target, first).ok());
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("out.bmp")});
}

TEST(AtomicWrite, LeftoversOfDeadWritersGoAtTheNextSave) {
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.emf"));
    const auto leftover = [&](pid_t pid) {
        return dir.filePath(QStringLiteral(".out.emf.tmp-%1-0").arg(pid));
    };
    const pid_t dead = deadProcess();
    for (const QString& path :
         {leftover(dead), leftover(::getpid()), dir.filePath(QStringLiteral(".other.tmp-1-0"))}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(writeThroughNamedTemporary(target, "new").ok());
    EXPECT_EQ(readFile(target), QByteArray("new"));
    // A writer still running keeps its file, and files of other names are not ours.
    QStringList expected = {QStringLiteral(".other.tmp-1-0"),
                            QStringLiteral(".out.emf.tmp-%1-0").arg(::getpid()),
                            QStringLiteral("out.emf")};
    expected.sort();
    EXPECT_EQ(entries(dir.path()), expected);
}

TEST(AtomicWrite, PermissionsAreKeptAndReadOnlyFilesRefused) {
    QTemporaryDir dir;
    struct Case {
        mode_t mode;
        bool written;
    } cases[] = {{0640, true}, {0604, true}, {0444, false}, {0400, false}};
    for (const Case& c : cases) {
        for (const bool unnamed : {true, false}) {
            const QString path = dir.filePath(QStringLiteral("f%1").arg(c.mode, 0, 8));
            QFile::remove(path);
            ASSERT_TRUE(writeFileAtomically(path, "old").ok());
            ::chmod(QFile::encodeName(path).constData(), c.mode);
            const Outcome out = unnamed ? writeFileAtomically(path, "new")
                                        : writeThroughNamedTemporary(path, "new");
            EXPECT_EQ(out.ok(), c.written) << std::oct << c.mode;
            EXPECT_EQ(readFile(path), c.written ? QByteArray("new") : QByteArray("old"));
            EXPECT_EQ(modeOf(path), c.mode) << std::oct << c.mode;
            if (!c.written)
                EXPECT_TRUE(out.message().contains(QStringLiteral("Permission non accordée")))
                    << out.message().toStdString();
        }
    }
    EXPECT_EQ(entries(dir.path()).size(), 4);
}

TEST(AtomicWrite, ContentProducedInPiecesArrivesWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pieces.drf"));
    ASSERT_TRUE(writeFileAtomically(path, [](const ByteSink& sink) {
                    return sink("one ") && sink("two ") && sink("three");
                }).ok());
    EXPECT_EQ(readFile(path), QByteArray("one two three"));
    // A producer that gives up leaves the old file and no other.
    EXPECT_FALSE(
        writeFileAtomically(path, [](const ByteSink& sink) { return sink("half") && false; }).ok());
    EXPECT_EQ(readFile(path), QByteArray("one two three"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("pieces.drf")});
}

} // namespace
