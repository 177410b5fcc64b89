// Opening and saving drawing files on disk.

#include "document/shapelist.h"
#include "platform/drawingio.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace qel;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QByteArray kRect = " 0RECT 0100200C8064\t100FFFFFF00100000000000000000C0Arial";

TEST(DrawingFile, LoadDropsInvalidLinesAndReadsTheHeader) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("d.drf"));
    writeAll(path, "2801E0\n 0BLANK\n 0RECT\n" + kRect + "\nnonsense\r\n");
    const LoadedDrawing loaded = loadDrawingFile(path);
    ASSERT_TRUE(loaded.outcome.ok());
    EXPECT_EQ(loaded.droppedLines, 2);
    EXPECT_EQ(loaded.lines.size(), 3);
    ASSERT_TRUE(loaded.pageSize);
    EXPECT_EQ(*loaded.pageSize, QSize(640, 480));
}

TEST(DrawingFile, SaveWritesCp1252WithCrLf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.drf"));
    QStringList lines = newShapeList(640, 480);
    lines << QStringLiteral("#3TEXT 010010050050Prix : 5 €\t1");
    ASSERT_TRUE(saveDrawingFile(path, lines).ok());
    EXPECT_EQ(readAll(path),
              QByteArray("2801E0\r\n 0BLANK\r\n#3TEXT 010010050050Prix : 5 \x80\t1\r\n"));
}

TEST(DrawingFile, FailedSaveKeepsThePreviousFileAndNamesIt) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("nofolder/out.drf"));
    const Outcome noFolder = saveDrawingFile(missing, newShapeList(10, 10));
    EXPECT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.message().contains(QStringLiteral("out.drf")))
        << noFolder.message().toStdString();

    // A folder we may not write into: the old file stays as it was.
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    const QString path = locked + QStringLiteral("/old.drf");
    writeAll(path, "old");
    ::chmod(QFile::encodeName(locked).constData(), 0555);
    const Outcome result = saveDrawingFile(path, newShapeList(10, 10));
    ::chmod(QFile::encodeName(locked).constData(), 0755);
    if (::geteuid() != 0) { // root writes anywhere: then only the message part is checked
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(readAll(path), QByteArray("old"));
    }
}

TEST(DrawingFile, LargeFileReadInPiecesLoadsAsItsBytesDecode) {
    // A file is read a megabyte at a time: a CR LF and a record cut at a piece's end.
    constexpr qsizetype kPiece = 1 << 20;
    for (const qsizetype cut : {kPiece - 1, kPiece - 10}) {
        QByteArray bytes = "2801E0\r\n 0BLANK\r\n";
        for (int i = 0; bytes.size() < cut - 40; ++i)
            bytes += " 0TEXT 0100200C8064n" + QByteArray::number(i) + "\t1\r\r\n";
        bytes += QByteArray(cut - bytes.size(), 'x') + "\r\n" + kRect + "\r\n" + kRect;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.drf"));
        writeAll(path, bytes);
        const LoadedDrawing loaded = loadDrawingFile(path);
        const DecodedDrawing decoded = decodeDrawing(bytes);
        ASSERT_TRUE(loaded.outcome.ok());
        EXPECT_EQ(loaded.droppedLines, decoded.droppedLines);
        EXPECT_TRUE(loaded.lines == decoded.lines);
        EXPECT_EQ(loaded.lines.last(), QString::fromLatin1(kRect));
        EXPECT_EQ(loaded.lines.size(), loaded.lines.capacity()); // allocated once
    }
}

TEST(DrawingFile, MissingFileIsAnErrorNamingIt) {
    const LoadedDrawing loaded = loadDrawingFile(QStringLiteral("/nonexistent/x.drf"));
    EXPECT_FALSE(loaded.outcome.ok());
    EXPECT_TRUE(loaded.outcome.message().startsWith(QStringLiteral("Impossible d'ouvrir")));
    EXPECT_TRUE(loaded.outcome.message().contains(QStringLiteral("x.drf")));
}

} // namespace
