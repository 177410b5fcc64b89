// Opening and saving drawing files on disk: the bytes go through the same decoder and encoder as
// everywhere else, whatever the file's size, and a failure names the file.

#include "document/drawingfile.h"
#include "document/shapelist.h"
#include "platform/drawingio.h"

#include "support/files.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace qel;

namespace {

using qel::testing::readFile;

const QByteArray kRect = " 0RECT 0100200C8064\t100FFFFFF00100000000000000000C0Arial";

TEST(DrawingFile, LoadsAsItsBytesDecodeWhereverAPieceEnds) {
    // A file is read a megabyte at a time: a CR LF and a record cut at a piece's end.
    constexpr qsizetype kPiece = 1 << 20;
    for (const qsizetype cut : {qsizetype(40), kPiece - 1, kPiece - 10}) {
        QByteArray bytes = "2801E0\r\n 0BLANK\r\n 0RECT\r\n";
        for (int i = 0; bytes.size() < cut - 40; ++i)
            bytes += " 0TEXT 0100200C8064n" + QByteArray::number(i) + "\t1\r\r\n";
        bytes += QByteArray(std::max<qsizetype>(0, cut - bytes.size()), 'x') + "\r\n" + kRect +
                 "\r\n" + kRect;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.drf"));
        ASSERT_TRUE(qel::testing::writeFile(path, bytes));
        const LoadedDrawing loaded = loadDrawingFile(path);
        const DecodedDrawing decoded = decodeDrawing(bytes);
        ASSERT_TRUE(loaded.outcome.ok());
        EXPECT_EQ(loaded.droppedLines, decoded.droppedLines);
        EXPECT_GE(loaded.droppedLines, 2) << "the bare keyword and the filler";
        EXPECT_TRUE(loaded.lines == decoded.lines);
        EXPECT_EQ(loaded.pageSize, QSize(640, 480));
        EXPECT_EQ(loaded.lines.last(), QString::fromLatin1(kRect));
        EXPECT_EQ(loaded.lines.size(), loaded.lines.capacity()); // allocated once
    }
}

TEST(DrawingFile, SavesTheEncodedLinesAndFailuresNameTheFile) {
    QTemporaryDir dir;
    QStringList lines = newShapeList(640, 480);
    lines << QStringLiteral("#3TEXT 010010050050Prix : 5 €\t1");
    const QString path = dir.filePath(QStringLiteral("out.drf"));
    ASSERT_TRUE(saveDrawingFile(path, lines).ok());
    EXPECT_EQ(readFile(path), encodeDrawing(lines));

    const Outcome noFolder = saveDrawingFile(dir.filePath(QStringLiteral("no/out.drf")), lines);
    EXPECT_FALSE(noFolder.ok());
    EXPECT_TRUE(noFolder.message().contains(QStringLiteral("out.drf")));
    const LoadedDrawing missing = loadDrawingFile(QStringLiteral("/nonexistent/x.drf"));
    EXPECT_FALSE(missing.outcome.ok());
    EXPECT_TRUE(missing.outcome.message().startsWith(QStringLiteral("Impossible d'ouvrir")));
    EXPECT_TRUE(missing.outcome.message().contains(QStringLiteral("x.drf")));
}

} // namespace
