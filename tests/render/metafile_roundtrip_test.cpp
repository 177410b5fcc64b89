#include "metafile/metafile_reader.h"
#include "metafile_test_canvas.h"
#include "render/metafile_canvas.h"
#include "render/metafile_player.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace qel;

namespace {

// A little of everything a drawing can hold, with attributes changing between shapes.
void drawScene(Canvas& c) {
    c.whiteness(0, 0, 400, 300);
    c.setPen(PenState{0x0000FF, 3, 0, PenMode::Copy});
    c.setBrush(BrushState{0x00FF00, 0});
    c.rectangle(10, 10, 110, 60);
    c.setBrush(BrushState{0xFF0000, 4});
    c.ellipse(120, 10, 220, 80);
    c.setPen(PenState{0x000000, 1, 1, PenMode::Copy});
    c.setBrush(BrushState{kWhite, 1});
    c.roundRect(230, 10, 330, 50, 50, 20);
    c.setPen(PenState{0x808000, 2, 0, PenMode::Copy});
    c.arc(10, 100, 90, 160, 10, 100, 90, 160);
    c.setBrush(BrushState{0x00FFFF, 0});
    c.chord(100, 100, 180, 160, 180, 160, 100, 100);
    const QPoint poly[] = {{200, 100}, {260, 120}, {240, 170}, {190, 150}};
    c.polygon(poly, 4);
    c.setPen(PenState{0x800080, 4, 0, PenMode::Copy});
    const QPoint line[] = {{280, 100}, {300, 160}, {320, 100}, {340, 160}};
    c.polyline(line, 4);
    c.line(QPoint(10, 200), QPoint(390, 210));
    c.setPen(PenState{0x000000, 1, 0, PenMode::NotXor});
    c.rectangle(20, 220, 60, 260);
    c.setPen(PenState{0x000000, 1, 0, PenMode::Copy});
    c.setBrush(BrushState{0xC0C0C0, 0});
    c.fillRect(70, 220, 120, 260);
    FontState f;
    f.name = QStringLiteral("Arial");
    f.size = 12;
    f.bold = true;
    f.colour = 0x0000C0;
    c.setFont(f);
    c.setBrush(BrushState{kWhite, 1});
    c.textOut(130, 220, QStringLiteral("Été à Noël"));
    f.size = 10;
    f.bold = false;
    c.setFont(f);
    c.setBrush(BrushState{0x00FFFF, 0});
    c.textOut(130, 250, QStringLiteral("opaque"));
    c.setPixel(5, 290, 0x123456);
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    c.stretchDraw(300, 220, 340, 240, picture);
}

std::map<std::uint32_t, int> recordCounts(const Metafile& m) {
    std::map<std::uint32_t, int> counts;
    for (const MetaRecord& r : m.records)
        ++counts[r.type];
    return counts;
}

} // namespace

struct FormatCase {
    const char* name;
    MetafileFormat format;
    MetafileKind kind;
};

class MetafileRoundTrip : public ::testing::TestWithParam<FormatCase> {};

// Playing back what the metafile canvas recorded asks the target canvas for exactly what
// drawing on it directly asks for.
TEST_P(MetafileRoundTrip, PlaybackRepeatsTheDrawing) {
    const FormatCase fc = GetParam();
    LoggingCanvas direct;
    drawScene(direct);

    MetafileCanvas recorder(fc.format, QSize(400, 300));
    drawScene(recorder);
    QString error;
    const auto file = readMetafile(recorder.bytes(), &error);
    ASSERT_TRUE(file) << qPrintable(error);
    EXPECT_EQ(file->kind, fc.kind);
    EXPECT_EQ(metafileNativeSize(*file), QSize(400, 300));

    LoggingCanvas played;
    playMetafile(*file, played, QRect(0, 0, 400, 300));
    EXPECT_EQ(played.calls.join(QLatin1Char('\n')).toStdString(),
              direct.calls.join(QLatin1Char('\n')).toStdString());
}

TEST_P(MetafileRoundTrip, EveryObjectCreatedIsDeleted) {
    MetafileCanvas recorder(GetParam().format, QSize(400, 300));
    drawScene(recorder);
    const auto file = readMetafile(recorder.bytes());
    ASSERT_TRUE(file);
    auto counts = recordCounts(*file);
    if (GetParam().kind == MetafileKind::Emf) {
        const int created = counts[38] + counts[39] + counts[82];
        EXPECT_EQ(created, counts[40]);
        EXPECT_GE(counts[82], 2); // two fonts
    } else {
        const int created = counts[0x02FA] + counts[0x02FC] + counts[0x02FB];
        EXPECT_EQ(created, counts[0x01F0]);
        EXPECT_GE(counts[0x02FB], 2);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, MetafileRoundTrip,
    ::testing::Values(FormatCase{"emf", MetafileFormat::Emf, MetafileKind::Emf},
                      FormatCase{"wmf", MetafileFormat::Wmf, MetafileKind::Wmf}),
    [](const auto& info) { return std::string(info.param.name); });

struct RecordCase {
    const char* what;
    std::uint32_t emf;
    std::uint32_t wmf;
};

class MetafileRecords : public ::testing::TestWithParam<RecordCase> {};

// Exports keep their vector nature: each kind of shape has its own record.
TEST_P(MetafileRecords, ShapesBecomeTheirOwnRecords) {
    const RecordCase rc = GetParam();
    for (MetafileFormat format : {MetafileFormat::Emf, MetafileFormat::Wmf}) {
        MetafileCanvas recorder(format, QSize(400, 300));
        drawScene(recorder);
        const auto file = readMetafile(recorder.bytes());
        ASSERT_TRUE(file);
        const std::uint32_t type = format == MetafileFormat::Emf ? rc.emf : rc.wmf;
        EXPECT_GT(recordCounts(*file)[type], 0) << rc.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MetafileRecords,
    ::testing::Values(RecordCase{"rectangle", 43, 0x041B}, RecordCase{"ellipse", 42, 0x0418},
                      RecordCase{"round rect", 44, 0x061C}, RecordCase{"arc", 45, 0x0817},
                      RecordCase{"chord", 46, 0x0830}, RecordCase{"polygon", 3, 0x0324},
                      RecordCase{"polyline", 4, 0x0325}, RecordCase{"line", 54, 0x0213},
                      RecordCase{"text", 84, 0x0521}, RecordCase{"picture", 81, 0x0F43},
                      RecordCase{"pixel", 15, 0x041F}, RecordCase{"not-xor", 20, 0x0104},
                      RecordCase{"whiteness", 76, 0x061D}, RecordCase{"font", 82, 0x02FB}));

TEST(MetafileCanvas, SavesAtomicallyAndReportsFailure) {
    QTemporaryDir dir;
    MetafileCanvas recorder(MetafileFormat::Wmf, QSize(50, 40));
    recorder.rectangle(1, 1, 20, 20);
    const QString path = dir.filePath(QStringLiteral("a.wmf"));
    const Outcome saved = recorder.save(path);
    ASSERT_TRUE(saved.ok()) << qPrintable(saved.message());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto file = readMetafile(f.readAll());
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->placeable);
    EXPECT_EQ(metafileNativeSize(*file), QSize(50, 40));

    const Outcome failed = recorder.save(dir.filePath(QStringLiteral("no/such/folder/a.wmf")));
    EXPECT_FALSE(failed.ok());
    EXPECT_TRUE(failed.message().contains(QStringLiteral("a.wmf")));
}

TEST(MetafileCanvas, ReadsBackWhite) {
    MetafileCanvas recorder(MetafileFormat::Emf, QSize(10, 10));
    recorder.setPixel(1, 1, kBlack);
    EXPECT_EQ(recorder.pixel(1, 1), kWhite);
}
