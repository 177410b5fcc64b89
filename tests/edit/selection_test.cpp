// Picking, selecting all and the handles, over the lines of a drawing.

#include "edit/hitindex.h"
#include "edit/selection.h"

#include "support/records.h"
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace qel {
namespace {

const QString& S = testing::kPlainStyle;

QStringList drawing(std::initializer_list<QString> shapes) {
    QStringList lines = testing::drawingOf();
    for (const QString& s : shapes)
        lines << s + S;
    return lines;
}

QString marks(const QStringList& lines) {
    QString out;
    for (qsizetype i = 2; i < lines.size(); ++i)
        out += lines[i][0];
    return out;
}

struct PickCase {
    const char* what;
    QStringList lines;
    QPoint at;
    const char* marksAfter;
};

TEST(Selection, APickTogglesTheFrontmostUnlockedRecordAndItsGroup) {
    const PickCase cases[] = {
        {"overlap: the front one",
         drawing({" 0RECT 010010064064", " 0RECT 032032096096"}),
         {60, 60},
         " *"},
        {"edges are inside",
         drawing({" 0RECT 010010064064", " 0RECT 032032096096"}),
         {100, 40},
         "* "},
        {"outside", drawing({" 0RECT 010010064064"}), {101, 40}, " "},
        {"a group comes whole, locks stay",
         drawing({" 1RECT 010010064064", " 0LINE 0C801412C078", " 1ELLIPSE 0C80C812C12C",
                  "#1RECT 032032096096"}),
         {60, 60},
         "* *#"},
        {"a vertical line only on its column", drawing({" 0LINE 064000064064"}), {101, 50}, " "},
        {"a selected member toggles back on",
         drawing({"*2RECT 010010064064", "*2RECT 300300310310"}),
         {20, 20},
         "**"},
        {"an unreadable line is skipped",
         drawing({" 0RECT 0Z0010064064", " 0RECT 000000010010"}),
         {5, 5},
         " *"},
    };
    HitIndex index; // kept from one drawing to the next, as a window keeps it
    for (const PickCase& c : cases)
        for (HitIndex* asked : {static_cast<HitIndex*>(nullptr), &index}) {
            QStringList lines = c.lines;
            Selectionne(lines, c.at, asked);
            EXPECT_EQ(marks(lines), QString::fromLatin1(c.marksAfter)) << c.what;
        }
}

// Boxes moved, locked, added and removed between clicks: the index answers what testing every
// record answers.
TEST(Selection, TheHitIndexFollowsTheLines) {
    QRandomGenerator random(5);
    auto box = [&] {
        const int x = random.bounded(0, 4000), y = random.bounded(0, 4000);
        const int w = random.bounded(0, random.bounded(2) ? 40 : 3000);
        const int h = random.bounded(0, 200);
        return QStringLiteral(" 0RECT ") + encodeBox({x, y, std::min(x + w, 4095), y + h});
    };
    QStringList lines = drawing({});
    for (int i = 0; i < 400; ++i)
        lines << box() + S;
    HitIndex index;
    for (int step = 0; step < 300; ++step) {
        const qsizetype i = 2 + random.bounded(int(lines.size()) - 2);
        switch (random.bounded(5)) {
        case 0:
            lines[i] = box() + S;
            break;
        case 1:
            lines[i][0] = lines[i][0] == u'#' ? u' ' : u'#';
            break;
        case 2:
            lines.insert(i, box() + S);
            break;
        case 3:
            if (lines.size() > 3) lines.removeAt(i);
            break;
        default:
            break; // the same lines again
        }
        for (int k = 0; k < 20; ++k) {
            const QPoint p(random.bounded(-10, 4200), random.bounded(-10, 4200));
            ASSERT_EQ(index.frontmostAt(lines, p), frontmostAt(lines, p)) << "step " << step;
        }
    }
}

TEST(Selection, SelectAllSkipsLocksAndGivesTheUnionBox) {
    QStringList lines =
        drawing({" 0RECT 010010064064", "#0RECT 200200210210", " 0LINE 096020020050"});
    ToutSel(lines);
    EXPECT_EQ(marks(lines), QStringLiteral("*#*"));
    EXPECT_TRUE(hasSelection(lines));
    EXPECT_EQ(selectionBox(lines), (Box{16, 16, 150, 100}));
    clearSelection(lines);
    EXPECT_EQ(marks(lines), QStringLiteral(" # "));
    EXPECT_FALSE(hasSelection(lines));
}

TEST(Selection, HandlesAndTheCrossFollowThePointer) {
    const Box b{100, 50, 200, 100};
    struct Case {
        QPoint at;
        bool inside;
        int handle;
    } cases[] = {{{150, 75}, true, 0},  {{200, 75}, false, 6},  {{196, 96}, true, 4},
                 {{195, 95}, true, 0},  {{195, 97}, true, 0},   {{100, 50}, false, 1},
                 {{150, 50}, false, 7}, {{150, 100}, false, 8}, {{100, 75}, false, 5},
                 {{200, 50}, false, 2}, {{100, 100}, false, 3}};
    for (const Case& c : cases) {
        const SelectionHover h = CurseurSel(b, c.at);
        EXPECT_EQ(h.inside, c.inside) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(h.handle, c.handle) << c.at.x() << "," << c.at.y();
    }
}

} // namespace
} // namespace qel
