// Every drawing kept under tests/data/drawings (hand-made edge cases and inputs the fuzzers
// found) loads, paints on a page and saves back to the same lines.

#include "document/drawingfile.h"
#include "platform/drawingio.h"
#include "render/ecran.h"

#include <QDirIterator>
#include <gtest/gtest.h>

using namespace qel;

namespace {

TEST(DrawingFiles, KeptDrawingsLoadPaintAndSave) {
    QDirIterator it(QStringLiteral(QEL_TEST_DATA "/drawings"), QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        const LoadedDrawing loaded = loadDrawingFile(path);
        ASSERT_TRUE(loaded.outcome.ok()) << path.toStdString();
        const QSize page = loaded.pageSize.value_or(QSize(256, 256));
        TEcran ecran;
        // The page is clamped as the painter fuzzer clamps it, so every file stays cheap.
        ecran.Init3(std::min(page.width(), 256), std::min(page.height(), 256), 200, loaded.lines);
        EXPECT_FALSE(ecran.renderPage().isNull() && page.width() > 0 && page.height() > 0)
            << path.toStdString();
        const DecodedDrawing again = decodeDrawing(encodeDrawing(loaded.lines));
        EXPECT_EQ(again.lines, loaded.lines) << path.toStdString();
        EXPECT_EQ(again.droppedLines, 0) << path.toStdString();
    }
    EXPECT_GE(files, 3);
}

} // namespace
