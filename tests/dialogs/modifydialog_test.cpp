// The modify dialog, driven in the user's place: it rewrites only what the user changed.

#include "dialogs/modifydialog.h"
#include "platform/colourchooser.h"
#include "platform/modalhook.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace qel;

namespace {

const QStringList kFonts{QStringLiteral("Arial"), QStringLiteral("Liberation Serif")};

// A style field from its sub-fields as stored: brush style, brush colour, pen style, pen width,
// pen colour, font colour, font size, font style, font name.
QString style(const char* brush, const char* brushColour, const char* pen, const char* width,
              const char* penColour, const char* fontColour, const char* size,
              const char* fontStyle, const char* name) {
    return QString::fromUtf8(brush) + brushColour + pen + width + penColour + fontColour + size +
           fontStyle + name;
}
const QString kDefault =
    style("1", "00FFFFFF", "0", "01", "00000000", "00000000", "0C", "0", "Arial");

QString line(const char* head, const QString& tail) {
    return QString::fromUtf8(head) + u'\t' + tail;
}

const QString kRect = line(" 0RECT 0100200C8064", kDefault);
const QString kArrowLine = line("*0LINE 010010064064", ">2" + kDefault);
const QString kWideLine = line("*0LINE 010010064064", style("1", "00FFFFFF", "0", "20", "000000FF",
                                                            "00000000", "0C", "0", "Arial"));
const QString kBigText =
    line("*0TEXT 010010064064Bonjour à tous",
         style("1", "00FFFFFF", "0", "01", "00000000", "00FF0000", "64", "4", "Police Absente"));
const QString kSystemColours =
    line("*3ELLIPSE 010010064064",
         style("6", "8000000F", "6", "03", "80000008", "00000000", "0C", "2", "Arial"));

struct Answer {
    QString result; // what Result gives
    std::optional<QString> changed;
    bool opened = false;
};

// Runs the dialog on a line with `act` in the user's place, then presses OK.
Answer modify(const QString& record, const std::function<void(TModif&)>& act = {}) {
    Answer answer;
    ScopedModalHook<TModif> hook([&](TModif& d) {
        answer.opened = true;
        if (act) act(d);
        d.Button2->click();
        d.Result(answer.result);
    });
    answer.changed = modifyRecord(nullptr, record, kFonts);
    return answer;
}

} // namespace

TEST(ModifyDialog, OkWithNothingTouchedGivesTheLineBackByteForByte) {
    const QString shortStyle = line(" 0POLYG 010010064064010010", QStringLiteral("0FF"));
    struct Case {
        QString line;
        int page;
        std::function<void(const TModif&)> shows;
    } cases[] = {
        {kArrowLine, 0, [](const TModif& d) { EXPECT_TRUE(d.SpeedButton9->isChecked()); }},
        {kRect, 1, [](const TModif& d) { EXPECT_TRUE(d.ClearBrush->isChecked()); }},
        // Beyond the spin boxes' usual ranges: 32 and 100 are shown, not cut down.
        {kWideLine, 0, [](const TModif& d) { EXPECT_EQ(d.SpinEdit1->value(), 32); }},
        {kBigText, 2,
         [](const TModif& d) {
             EXPECT_EQ(d.SpinEdit3->value(), 100);
             EXPECT_EQ(d.ComboBox1->currentText(), "Police Absente");
             // Strike-out has no button of its own.
             for (const QRadioButton* b : {d.Gras, d.Italique, d.Souligne, d.Aucun})
                 EXPECT_FALSE(b->isChecked());
         }},
        {kSystemColours, 1,
         [](const TModif& d) {
             EXPECT_TRUE(d.SpinEdit2->value() == 3 && !d.SolidBrush->isChecked() &&
                         !d.ClearBrush->isChecked() && !d.SpeedButton1->isChecked());
         }},
        {shortStyle, 1, {}},
        {line(" 0ARCLU 010010064064", ">7" + kDefault), 0,
         [](const TModif& d) { EXPECT_FALSE(d.SpeedButton7->isChecked()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const Answer a = modify(c.line, [&](TModif& d) {
            EXPECT_EQ(d.Notebook1->currentIndex(), c.page);
            if (c.shows) c.shows(d);
        });
        EXPECT_EQ(a.result, c.line);
        EXPECT_EQ(a.changed, std::nullopt);
    }
}

TEST(ModifyDialog, OnlyTheChangedSubFieldIsRewritten) {
    constexpr Colour kGreen = rgbColour(0, 255, 0);
    ScopedColourChooserHook colour([](Colour) { return kGreen; });
    struct Case {
        QString line;
        std::function<void(TModif&)> act;
        QString expected;
    } cases[] = {
        {kRect, [](TModif& d) { d.Panel3->click(); },
         line(" 0RECT 0100200C8064",
              style("1", "0000FF00", "0", "01", "00000000", "00000000", "0C", "0", "Arial"))},
        {kRect, [](TModif& d) { d.SolidBrush->click(); },
         line(" 0RECT 0100200C8064",
              style("0", "00FFFFFF", "0", "01", "00000000", "00000000", "0C", "0", "Arial"))},
        {kArrowLine, [](TModif& d) { d.SpeedButton7->click(); },
         line("*0LINE 010010064064", kDefault)},
        {QString(kRect).replace("RECT", "LINE"), [](TModif& d) { d.SpeedButton10->click(); },
         line(" 0LINE 0100200C8064", ">3" + kDefault)},
        {kWideLine,
         [](TModif& d) {
             d.SpinEdit1->setValue(5);
             d.DashPen->click();
         },
         line("*0LINE 010010064064",
              style("1", "00FFFFFF", "1", "05", "000000FF", "00000000", "0C", "0", "Arial"))},
        {kBigText, [](TModif& d) { d.Gras->click(); },
         line("*0TEXT 010010064064Bonjour à tous", style("1", "00FFFFFF", "0", "01", "00000000",
                                                         "00FF0000", "64", "1", "Police Absente"))},
        {kBigText, [](TModif& d) { d.ComboBox1->setCurrentIndex(1); },
         line("*0TEXT 010010064064Bonjour à tous",
              style("1", "00FFFFFF", "0", "01", "00000000", "00FF0000", "64", "4",
                    "Liberation Serif"))},
        // The system colours and the inside-frame pen stay while the width changes.
        {kSystemColours, [](TModif& d) { d.SpinEdit2->setValue(4); },
         line("*3ELLIPSE 010010064064",
              style("6", "8000000F", "6", "04", "80000008", "00000000", "0C", "2", "Arial"))},
        // Changed back to what it was: nothing to rewrite.
        {kWideLine,
         [](TModif& d) {
             d.SpinEdit1->setValue(3);
             d.SpinEdit1->setValue(32);
         },
         kWideLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const Answer a = modify(c.line, c.act);
        EXPECT_EQ(a.result, c.expected);
        EXPECT_EQ(a.changed, c.expected == c.line ? std::nullopt : std::optional(c.expected));
    }
}

TEST(ModifyDialog, CancelGivesNothing) {
    ScopedColourChooserHook colour([](Colour) { return rgbColour(1, 2, 3); });
    QString result = QStringLiteral("x");
    ScopedModalHook<TModif> hook([&](TModif& d) {
        d.Panel3->click();
        d.Button1->click();
        d.Result(result);
    });
    EXPECT_EQ(modifyRecord(nullptr, kRect, kFonts), std::nullopt);
    EXPECT_TRUE(result.isEmpty());
}

TEST(ModifyDialog, PicturesChartsAndUnknownKeywordsOpenNothing) {
    for (const char* head : {" 0BITMAP 010010064064001001FFFFFF", " 0META 010010064064000000",
                             " 0CHART 010010064064A;B", " 0ZORG 010010064064", ""}) {
        const QString record = head[0] ? line(head, kDefault) : QString();
        EXPECT_FALSE(modify(record).opened) << head;
        // Loaded all the same, the dialog gives the line back as it came.
        TModif dialog;
        dialog.Init(record);
        dialog.Button2->click();
        QString out;
        dialog.Result(out);
        EXPECT_EQ(out, record);
    }
}
