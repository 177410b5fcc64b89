// The samples, the test drawings and 400 shapes of every kind save and export to the very bytes
// listed in tests/data/golden/exports.txt. Run with QEL_GOLDEN_WRITE=1 to write the list anew,
// only when a change of output is meant.

#include "document/drawingfile.h"
#include "platform/drawingio.h"
#include "render/drawingoutput.h"
#include "render/ecran.h"
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QHashFunctions>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qel {
namespace {

const QString kList = QStringLiteral(QEL_TEST_DATA "/golden/exports.txt");

// The bytes of an export, less what changes from run to run: a PDF's dates.
QByteArray stableBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArray bytes = f.readAll();
    if (path.endsWith(u".pdf")) {
        static const QRegularExpression dates(
            QStringLiteral("\\(D:[0-9+\\-Z']*\\)|<xmp:[A-Za-z]*Date>[^<]*"));
        bytes = QString::fromLatin1(bytes).remove(dates).toLatin1();
    }
    return bytes;
}

TEST(Golden, SavesAndExportsAreByteForByteAsRecorded) {
    // A PDF's fonts come out in the order of Qt's hashes, which are seeded anew in every run.
    QHashSeed::setDeterministicGlobalSeed();
    QStringList now;
    QTemporaryDir dir;
    for (const char* file :
         {"/../../samples/demo.drf", "/drawings/edges.drf", "/drawings/kinds.drf",
          "/drawings/mixed_endings.drf", "/golden/mixed400.drf"}) {
        const LoadedDrawing s =
            loadDrawingFile(QStringLiteral(QEL_TEST_DATA) + QLatin1String(file));
        ASSERT_TRUE(s.outcome.ok()) << file;
        const QSize page = s.pageSize.value_or(QSize(640, 480));
        for (const char* ext : {"drf", "bmp", "wmf", "emf", "pdf", "svg"}) {
            const QString name = QString::fromLatin1(file).section(u'/', -1).section(u'.', 0, 0) +
                                 u'.' + QLatin1String(ext);
            const QString path = dir.filePath(name);
            QStringList list = s.lines;
            ASSERT_TRUE(writeDrawing(path, list, page, 200, page).ok()) << name.toStdString();
            const auto hash =
                QCryptographicHash::hash(stableBytes(path), QCryptographicHash::Sha256);
            now << name + u' ' + QString::fromLatin1(hash.toHex());
        }
    }
    if (qEnvironmentVariableIsSet("QEL_GOLDEN_WRITE")) {
        QFile out(kList);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write((now.join(u'\n') + u'\n').toLatin1());
        return;
    }
    QFile in(kList);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ((now.join(u'\n') + u'\n').toStdString(),
              QString::fromLatin1(in.readAll()).toStdString());
}

// Every drawing kept under tests/data/drawings (hand-made edge cases and inputs the fuzzers
// found) loads, paints on a page and saves back to the same lines.
TEST(DrawingFiles, KeptDrawingsLoadPaintAndSave) {
    QDirIterator it(QStringLiteral(QEL_TEST_DATA "/drawings"), QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        ++files;
        const LoadedDrawing loaded = loadDrawingFile(path);
        ASSERT_TRUE(loaded.outcome.ok());
        const QSize page = loaded.pageSize.value_or(QSize(256, 256));
        TEcran ecran;
        // The page is clamped as the painter fuzzer clamps it, so every file stays cheap.
        ecran.Init3(std::min(page.width(), 256), std::min(page.height(), 256), 200, loaded.lines);
        EXPECT_FALSE(ecran.renderPage().isNull() && page.width() > 0 && page.height() > 0);
        const DecodedDrawing again = decodeDrawing(encodeDrawing(loaded.lines));
        EXPECT_EQ(again.lines, loaded.lines);
        EXPECT_EQ(again.droppedLines, 0);
    }
    EXPECT_GE(files, 3);
}

} // namespace
} // namespace qel
