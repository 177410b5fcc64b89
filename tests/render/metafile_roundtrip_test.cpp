#include "callcanvas.h"
#include "metafile/metafile_reader.h"
#include "render/metafile_canvas.h"
#include "render/metafile_player.h"

#include <QRegularExpression>
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

// The calls as the canvas gets them; fills, texts, pixels and pictures take no pen.
std::string shown(const test::CallCanvas& canvas) {
    static const QRegularExpression pen(
        QStringLiteral("^((fill|white|text|pixel|picture) .*) p\\S+ \\S+$"));
    QStringList out;
    for (QString call : canvas.calls)
        out << call.replace(pen, QStringLiteral("\\1"));
    return out.join(u'\n').toStdString();
}

std::map<std::uint32_t, int> recordCounts(const Metafile& m) {
    std::map<std::uint32_t, int> counts;
    for (const MetaRecord& r : m.records)
        ++counts[r.type];
    return counts;
}

} // namespace

// Playing back what the metafile canvas recorded asks the target canvas for exactly what
// drawing on it directly asks for; each kind of shape keeps its own record, and every object
// created is deleted.
TEST(MetafileRoundTrip, PlaybackRepeatsTheDrawingFromItsOwnRecords) {
    const struct {
        MetafileFormat format;
        MetafileKind kind;
        std::uint32_t created[3], deleted, font;
        std::uint32_t shapes[14];
    } cases[] = {
        {MetafileFormat::Emf,
         MetafileKind::Emf,
         {38, 39, 82},
         40,
         82,
         {43, 42, 44, 45, 46, 3, 4, 54, 84, 81, 15, 20, 76, 82}},
        {MetafileFormat::Wmf,
         MetafileKind::Wmf,
         {0x02FA, 0x02FC, 0x02FB},
         0x01F0,
         0x02FB,
         {0x041B, 0x0418, 0x061C, 0x0817, 0x0830, 0x0324, 0x0325, 0x0213, 0x0521, 0x0F43, 0x041F,
          0x0104, 0x061D, 0x02FB}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind == MetafileKind::Emf ? "emf" : "wmf");
        test::CallCanvas direct({400, 300});
        direct.logAttributes = true;
        drawScene(direct);

        MetafileCanvas recorder(c.format, QSize(400, 300));
        drawScene(recorder);
        QString error;
        const auto file = readMetafile(recorder.bytes(), &error);
        ASSERT_TRUE(file) << qPrintable(error);
        EXPECT_EQ(file->kind, c.kind);
        EXPECT_EQ(metafileNativeSize(*file), QSize(400, 300));

        test::CallCanvas played({400, 300});
        played.logAttributes = true;
        playMetafile(*file, played, QRect(0, 0, 400, 300));
        EXPECT_EQ(shown(played), shown(direct));

        auto counts = recordCounts(*file);
        for (const std::uint32_t type : c.shapes)
            EXPECT_GT(counts[type], 0) << type;
        EXPECT_EQ(counts[c.created[0]] + counts[c.created[1]] + counts[c.created[2]],
                  counts[c.deleted]);
        EXPECT_GE(counts[c.font], 2); // two fonts
    }
}
