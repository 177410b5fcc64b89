// The page background dialogs, driven in the user's place.

#include "dialogs/backgrounddialog.h"
#include "dialogs/gradientdialog.h"
#include "dialogs/patterndialog.h"
#include "document/record.h"
#include "platform/colourchooser.h"
#include "platform/modalhook.h"
#include "render/ecran.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace qel;

namespace {

constexpr Colour kGreen = rgbColour(0, 255, 0);
constexpr Colour kRed = rgbColour(255, 0, 0);
constexpr Colour kBlue = rgbColour(0, 0, 255);

QString background(const char* keyword, int brushStyle, Colour brush, Colour pen,
                   const QString& font = QStringLiteral("Arial"), int size = 12) {
    Style s;
    s.brushStyle = brushStyle;
    s.brushColour = brush;
    s.penColour = pen;
    s.fontName = font;
    s.fontSize = size;
    return QStringLiteral(" 0%1 000000068090\t").arg(QLatin1String(keyword)) + formatStyle(s);
}

// Runs the dialog on a record, with `act` in the user's place; the answer of the dialog.
std::optional<QString> choose(const QString& record, std::function<void(TFond&)> act) {
    ScopedModalHook<TFond> hook(std::move(act));
    return chooseBackground(nullptr, record);
}

TEST(BackgroundDialog, OpensWithTheCurrentOptionChecked) {
    struct Case {
        QString record;
        int kind;
    } cases[] = {{kBlankBackground, 0},
                 {background("FILLRECT", 0, kGreen, kGreen), 1},
                 {background("SHAPE", 5, kRed, kBlack), 2},
                 {background("COLOR", 0, kBlue, kBlue), 3},
                 {background("COLORU", 0, kBlue, kBlue), 4},
                 {QStringLiteral(" 0MOSAIC 000000068090"), 0}};
    for (const Case& c : cases) {
        TFond dialog;
        dialog.Init(c.record);
        EXPECT_EQ(dialog.kind(), c.kind) << c.record.toStdString();
        QRadioButton* const expected[] = {dialog.Aucun, dialog.Couleur, dialog.Motif,
                                          dialog.Degrade, dialog.Degrade};
        EXPECT_TRUE(expected[c.kind]->isChecked()) << c.record.toStdString();
    }
}

TEST(BackgroundDialog, PlainColourFillsThePageButItsLastColumnAndRow) {
    ScopedColourChooserHook colour([](Colour) { return kGreen; });
    const auto record = choose(kBlankBackground, [](TFond& d) {
        d.Couleur->click();
        EXPECT_EQ(d.preview().pixel(50, 50), qRgb(0, 255, 0));
        d.OkButton->click();
    });
    ASSERT_TRUE(record);
    EXPECT_EQ(*record, background("FILLRECT", 0, kGreen, kGreen));

    TEcran renderer;
    renderer.Init3(60, 40, 100, {headerLine(60, 40), *record});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vert.bmp"));
    renderer.CvtBmpFile(path);
    const QImage page(path);
    ASSERT_EQ(page.size(), QSize(60, 40));
    EXPECT_EQ(page.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(page.pixel(58, 38), qRgb(0, 255, 0));
    EXPECT_EQ(page.pixel(59, 20), qRgb(255, 255, 255));
    EXPECT_EQ(page.pixel(30, 39), qRgb(255, 255, 255));
}

// Each option from a blank page or a hatched colour, the box it opens answered by the user; the
// colour chooser always answers blue and the pattern box takes its background colour from it.
TEST(BackgroundDialog, EachOptionWritesItsRecord) {
    std::optional<Colour> offered;
    ScopedColourChooserHook colour([&](Colour initial) {
        offered = initial;
        return kBlue;
    });
    ScopedModalHook<TMotif> pattern([](TMotif& m) {
        m.Swatches[0]->click(); // backward diagonal
        m.FondButton->click();
        m.OkButton->click();
    });
    bool lightToDark = false;
    ScopedModalHook<TCouleur> gradient([&](TCouleur& g) {
        if (lightToDark)
            g.LightToDark->click();
        else
            g.Presets[1]->click(); // blue
        g.OkButton->click();
    });
    // A colour after a pattern keeps the pattern; the font is always the default one.
    const QString hatched =
        background("FILLRECT", 6, kGreen, kGreen, QStringLiteral("Courier"), 20);
    const struct {
        const char* what;
        QString from;
        QRadioButton* TFond::*option;
        bool lightToDark;
        QString expected;
        std::optional<Colour> offered = {}; // the colour the chooser opens on, when checked
    } cases[] = {
        {"pattern", kBlankBackground, &TFond::Motif, false, background("SHAPE", 5, kBlue, kBlack)},
        {"gradient", kBlankBackground, &TFond::Degrade, false,
         background("COLOR", 0, kBlue, kBlue)},
        {"light to dark", kBlankBackground, &TFond::Degrade, true,
         background("COLORU", 0, kBlack, kBlack)},
        {"colour over a hatch", hatched, &TFond::Couleur, false,
         background("FILLRECT", 6, kBlue, kBlue), kGreen},
        {"none", hatched, &TFond::Aucun, false, kBlankBackground},
    };
    for (const auto& c : cases) {
        lightToDark = c.lightToDark;
        offered.reset();
        EXPECT_EQ(choose(c.from,
                         [&](TFond& d) {
                             (d.*c.option)->click();
                             d.OkButton->click();
                         }),
                  c.expected)
            << c.what;
        if (c.offered) EXPECT_EQ(offered, c.offered) << c.what;
    }
}

TEST(BackgroundDialog, CancelledChoicesChangeNothing) {
    const QString pattern = background("SHAPE", 5, kRed, kBlack);
    ScopedColourChooserHook colour([](Colour) { return std::nullopt; });
    ScopedModalHook<TMotif> motif([](TMotif& m) {
        m.Swatches[2]->click();
        m.CancelButton->click();
    });
    ScopedModalHook<TCouleur> gradient([](TCouleur& g) {
        g.Presets[0]->click();
        g.CancelButton->click();
    });
    const auto record = choose(pattern, [](TFond& d) {
        const QImage before = d.preview();
        for (QRadioButton* option : {d.Couleur, d.Degrade, d.Motif}) {
            option->click();
            EXPECT_EQ(d.kind(), 2);
            EXPECT_TRUE(d.Motif->isChecked());
            EXPECT_EQ(d.preview(), before);
        }
        d.OkButton->click();
    });
    EXPECT_FALSE(record); // unchanged
    EXPECT_FALSE(choose(pattern, [](TFond& d) {
        d.Aucun->click();
        d.CancelButton->click();
    }));
}

TEST(PatternDialog, ClearSwatchComesBackSolidAndCancelWritesNothing) {
    TMotif m;
    m.Init(5, kBlack, kRed);
    EXPECT_TRUE(m.Swatches[0]->isChecked());
    m.Swatches[1]->click(); // clear
    m.OkButton->click();
    int style = -1;
    Colour line = 1, back = 1;
    m.Result(style, line, back);
    EXPECT_EQ(style, 0);
    EXPECT_EQ(line, kBlack);
    EXPECT_EQ(back, kRed);

    m.Init(3, kBlack, kRed);
    m.CancelButton->click();
    style = -1;
    m.Result(style, line, back);
    EXPECT_EQ(style, -1);
}

} // namespace
