// A page painted in bands at once, or only where it changed, is the page painted in one pass.

#include "randomdrawing.h"
#include "referencedrawings.h"
#include "render/bandworkers.h"
#include "render/grid.h"
#include "render/pagepainter.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordcache.h"
#include "render/recordpainter.h"
#include "render/recordreach.h"
#include "render/textcache.h"
#include "support/pixels.h"
#include <gtest/gtest.h>
#include <cmath>
#include <stdexcept>

using namespace qel;
using qel::testing::RandomDrawing;

namespace {

struct Pass {
    QImage image;
    int undrawable = 0;
    DrawingStyle end;
    std::vector<Box> reported;
};

// Mode of the painting: the window's, or the exports' starting in not-xor (records then keep it).
PaintOptions optionsFor(bool screen, QSize page, PictureCache* pictures = nullptr,
                        TextCache* texts = nullptr, RecordCache* records = nullptr) {
    return screen ? PaintOptions::screen(page, pictures, texts, records)
                  : PaintOptions::page(page, pictures, texts, records);
}
DrawingStyle startFor(bool screen) {
    DrawingStyle s;
    if (!screen) s.pen.mode = PenMode::NotXor;
    return s;
}

// The repaint as one RecordPainter pass over the page, Qt drawing every text.
Pass onePass(const QStringList& lines, QSize page, bool screen, int grid) {
    Pass pass;
    pass.image = QImage(page, QImage::Format_RGB32);
    PaintOptions options = optionsFor(screen, page);
    options.reportSize = [&](const Box& b) { pass.reported.push_back(b); };
    {
        PainterCanvas canvas(pass.image);
        canvas.whiteness(0, 0, page.width(), page.height());
        canvas.setStyle(startFor(screen));
        Grille(canvas, page, grid);
        PaintState state;
        RecordPainter painter(canvas, options, state);
        pass.undrawable = painter.paintList(lines, 1);
        pass.end = canvas.style();
    }
    return pass;
}

std::string difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return "sizes differ";
    QRect box;
    const int n = qel::testing::differingPixels(a, b, 0, &box);
    return n ? std::to_string(n) + " pixels differ, from " + std::to_string(box.x()) + "," +
                   std::to_string(box.y())
             : std::string();
}

struct Drawing {
    const char* name;
    QStringList lines;
    QSize page;
};

std::vector<Drawing> drawings() {
    std::vector<Drawing> all = {{"mixed", bench::mixedDrawing(1500), bench::kReferencePage},
                                {"texts", bench::textDrawing(400), bench::kReferencePage},
                                {"pictures", bench::pictureDrawing(6), bench::kReferencePage}};
    for (quint32 seed : {1u, 2u, 3u, 4u})
        all.push_back({"random", RandomDrawing({420, 330}, seed).drawing(300), {420, 330}});
    for (quint32 seed : {21u, 22u})
        all.push_back({"scaled", RandomDrawing(QSize(400, 300), seed).drawing(250), {400, 300}});
    return all;
}

// The page painted in bands by 1 to 7 threads with the window's caches (filled by the first
// pass, read by the next), then damaged areas of it repainted, is the page of one pass; on images
// of 2 or 1.5 pixels per page pixel, bands and areas paint what one band paints.
TEST(PagePainter, BandsAndDamagedAreasPaintWhatOnePassPaints) {
    QRandomGenerator random(7);
    for (const Drawing& d : drawings())
        for (const double ratio : {1.0, 2.0, 1.5})
            for (bool screen : {true, false}) {
                if (ratio != 1.0 && (!screen || d.name != std::string("scaled"))) continue;
                SCOPED_TRACE(std::string(d.name) + (screen ? " screen" : " page") + " ratio " +
                             std::to_string(ratio));
                const Pass expected = onePass(d.lines, d.page, screen, screen ? 8 : 0);
                PictureCache pictures;
                TextCache texts;
                RecordCache records;
                std::vector<Box> reported;
                PaintOptions options = optionsFor(screen, d.page, &pictures, &texts, &records);
                options.reportSize = [&](const Box& b) { reported.push_back(b); };
                PagePaint what;
                what.gridStep = screen ? 8 : 0;
                what.startStyle = startFor(screen);
                DrawingStyle end;
                what.endStyle = &end;
                QImage whole;
                for (int threads : {1, 2, 3, 7}) {
                    QImage image(d.page * ratio, QImage::Format_RGB32);
                    image.setDevicePixelRatio(ratio);
                    image.fill(Qt::red);
                    reported.clear();
                    what.threads = threads;
                    const int undrawable = paintPage(image, d.lines, options, what);
                    EXPECT_EQ(undrawable, expected.undrawable) << threads;
                    EXPECT_EQ(reported, expected.reported) << threads;
                    EXPECT_TRUE(end == expected.end) << threads;
                    if (ratio == 1.0 || !whole.isNull())
                        EXPECT_EQ(difference(image, ratio == 1.0 ? expected.image : whole), "")
                            << threads;
                    if (whole.isNull()) whole = image;
                }
                for (int i = 0; i < 12; ++i) {
                    const QRect damaged(random.bounded(-20, d.page.width()),
                                        random.bounded(-20, d.page.height()),
                                        random.bounded(1, 160), random.bounded(1, 160));
                    QImage image = whole.copy();
                    QPainter(&image).fillRect(damaged, QColor(random.generate() | 0xFF000000u));
                    what.damaged = damaged;
                    what.threads = 1 + int(random.bounded(3));
                    paintPage(image, d.lines, options, what);
                    ASSERT_EQ(difference(image, whole), "")
                        << "area " << damaged.x() << "," << damaged.y() << " " << damaged.width()
                        << "x" << damaged.height();
                }
            }
}

// Dotted outlines drawn by Qt at 1.5 image pixels per page pixel keep their dots when the page
// is repainted from any row down: the dots do not start again where the clip does. Here the
// chart's one-pixel bars, dotted by the pen it takes from the records before it.
TEST(PagePainter, DashesOfAnAreaRepaintedAreThoseOfTheWholePage) {
    const QSize page(420, 330);
    const QStringList lines = {
        headerLine(page.width(), page.height()), kBlankBackground,
        " 0CHORDL 0D31140AB11D\t600EC93CF10A001CFD1E00723074151Times New Roman",
        " 0DRAW 03503705005307A0730960910AC0B50AE0A60CC0930B307C0AC095084075\t700D7001E41900DB61F"
        "B00F9909E1D2Times New Roman",
        QStringLiteral(
            " 0CHART 0E70A11181243Serie 1   0000D500010D00037E0002760003690001F400033A00004B"
            "0003BE0000B50000CB\u0001Serie 2   0000EB0002290000300002BE0002BD00030200038E0"
            "0021A0002EE0001D00000B9\u0001Serie 3   00014600002D0002DA0000160000E40000DA0"
            "0022100013C00006F00019E000312\u0001\u0002Cat 1     Cat 2     Cat 3     Cat 4 "
            "    Cat 5     Cat 6     Cat 7     Cat 8     Cat 9     Cat 10    Cat 11    Cat"
            " 12    \t>15008950F1201004240C6002441AF103Times New Roman")};
    PagePaint what;
    auto paint = [&](std::optional<QRect> damaged) {
        QImage image(page * 1.5, QImage::Format_RGB32);
        image.setDevicePixelRatio(1.5);
        image.fill(Qt::white);
        what.damaged = damaged;
        paintPage(image, lines, PaintOptions::screen(page), what);
        return image;
    };
    const QImage whole = paint(std::nullopt);
    for (int top = 150; top < 300; top += 3) {
        const QImage part = paint(QRect(0, top, page.width(), page.height() - top));
        const int from = int(std::ceil((top + 1) * 1.5));
        ASSERT_EQ(difference(part.copy(0, from, part.width(), part.height() - from),
                             whole.copy(0, from, whole.width(), whole.height() - from)),
                  "")
            << "from row " << top;
    }
}

// Moves, resizes, restacks, deletions, new shapes, selection marks and restyles, each repainted
// only over the area the change covers.
TEST(PagePainter, ChangedLinesRepaintOnlyTheirArea) {
    const QSize page(400, 300);
    RandomDrawing maker(page, 21);
    QStringList lines = maker.drawing(150);
    // The caches live as long as the window.
    PictureCache pictures;
    TextCache texts;
    RecordCache records;
    const PaintOptions options = PaintOptions::screen(page, &pictures, &texts, &records);
    QImage image = onePass(lines, page, true, 8).image;
    int bounded = 0;
    for (int step = 0; step < 120; ++step) {
        QStringList after = lines;
        const int i = maker.between(2, int(after.size()) - 1);
        switch (maker.between(0, 5)) {
        case 0: { // move or resize: a new coordinate block
            const RecordView v = splitRecord(after[i]);
            if (std::optional<Box> b = decodeBox(v.data)) {
                const int dx = maker.between(-30, 30), dy = maker.between(-30, 30);
                b->left = clampCoordinate(b->left + dx), b->right = clampCoordinate(b->right + dx);
                b->top = clampCoordinate(b->top + dy);
                b->bottom = clampCoordinate(b->bottom + maker.between(-30, 30));
                after[i].replace(after[i].indexOf(v.data), 12, encodeBox(*b));
            }
            break;
        }
        case 1: // restack
            after.move(i, maker.between(2, int(after.size()) - 1));
            break;
        case 2:
            after.removeAt(i);
            break;
        case 3:
            after.insert(maker.between(2, int(after.size())), maker.shape());
            break;
        case 4:
            after[i][0] = after[i][0] == u'*' ? u' ' : u'*';
            break;
        default:
            after[i] = maker.shape();
            break;
        }
        const QRect area = changedArea(lines, after, options);
        if (area != kEverywhere) ++bounded;
        PagePaint what;
        what.gridStep = 8;
        what.startStyle = startFor(true);
        what.damaged = area;
        paintPage(image, after, options, what);
        lines = after;
        const QImage expected = onePass(lines, page, true, 8).image;
        ASSERT_EQ(difference(image, expected), "") << "step " << step;
        // The same lines again, over an area drawn over: painted from the index just noted.
        const QRect over(maker.between(0, 380), maker.between(0, 280), 40, 30);
        QPainter(&image).fillRect(over, Qt::magenta);
        what.damaged = over;
        paintPage(image, lines, options, what);
        ASSERT_EQ(difference(image, expected), "") << "step " << step << ", area drawn over";
    }
    EXPECT_GT(bounded, 40); // many changes repaint less than the page
}

// Adding, removing or changing records repaints at least where they paint, arrowheads included;
// the same list repaints nothing.
TEST(PagePainter, ChangedAreaHoldsEveryPixelTheChangeMade) {
    const QSize page(200, 150);
    const QString style = formatStyle({.penWidth = 3});
    const QStringList base{headerLine(200, 150), kBlankBackground,
                           QStringLiteral(" 0RECT 010010020020\t") + style};
    const auto with = [&](const QStringList& list, const char* arrow) {
        return list + QStringList{QStringLiteral(" 0LINE 030030060040\t") +
                                  QString::fromLatin1(arrow) + style};
    };
    const struct {
        const char* name;
        QStringList before, after;
    } cases[] = {
        {"the same list", base, base},
        {"the header alone", {base[0]}, {base[0]}},
        {"a line added at the end", base, with(base, "")},
        {"a line with a head at its start", base, with(base, ">1")},
        {"a line with a head at its end", base, with(base, ">2")},
        {"a line with heads at both ends", base, with(base, ">3")},
        {"the last line removed", with(base, ">3"), base},
        {"heads added to a line", with(base, ""), with(base, ">3")},
        {"a line added before the last", base,
         with(base, ">2").mid(0, 2) + with(base, ">2").mid(3) + base.mid(2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QRect area = changedArea(c.before, c.after, PaintOptions::screen(page));
        QRect changed;
        const int n =
            qel::testing::differingPixels(onePass(c.before, page, true, 0).image,
                                          onePass(c.after, page, true, 0).image, 0, &changed);
        if (n == 0) {
            EXPECT_TRUE(area.isEmpty());
            continue;
        }
        EXPECT_NE(area, kEverywhere);
        EXPECT_TRUE(area.contains(changed)) << changed.x() << "," << changed.y() << " "
                                            << changed.width() << "x" << changed.height();
    }
}

TEST(BandWorkers, AFailingJobReachesTheCaller) {
    BandWorkers pool(1);
    EXPECT_THROW(pool.run(3,
                          [](int job) {
                              if (job == 2) throw std::runtime_error("band");
                          }),
                 std::runtime_error);
    int ran = 0;
    pool.run(1, [&](int) { ++ran; });
    EXPECT_EQ(ran, 1);
}

} // namespace
