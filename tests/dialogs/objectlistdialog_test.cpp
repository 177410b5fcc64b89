// The object list, driven in the user's place on a private copy of the drawing.

#include "dialogs/objectlistdialog.h"
#include "platform/modalhook.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace qel;

namespace {

const QString kHeader = QStringLiteral("2801E0");
const QString kBackground = QStringLiteral(" 0BLANK");
const QString kStyle = QStringLiteral("\t100FFFFFF00100000000000000000C0Arial");
const QString kA = " 0RECT 0100200C8064" + kStyle;
const QString kB = " 0LINEU 0640320C8064" + kStyle;
const QString kC = " 0ZORG 010010064064" + kStyle;

const QStringList kDrawing{kHeader, kBackground, kA, kB, kC};

// Runs the list on a drawing with `act` in the user's place.
std::optional<ObjectListOutcome> run(const QStringList& lines,
                                     const std::function<void(TList&)>& act) {
    ScopedModalHook<TList> hook([&](TList& d) { act(d); });
    return runObjectList(nullptr, lines);
}

void key(TList& d, Qt::Key k) {
    QTest::keyClick(d.ListBox1, k);
}

} // namespace

TEST(ObjectList, ShowsNamesAndCoordinates) {
    struct Case {
        QString line;
        const char* shown;
    } cases[] = {
        {kA, "Rectangle  (16,32,200,100)"},
        {kB, "Ligne montante  (100,50,200,100)"},
        {kC, "????????????  (16,16,100,100)"},
        {" 0CHART 010010064064A;1" + kStyle, "????????????  (16,16,100,100)"},
        {" 0ELLIPSE 0100ZZ" + kStyle, "Ellipse  (?)"},
        {QString(), "????????????  (?)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TList::displayText(c.line).toStdString(), c.shown);

    TList dialog;
    dialog.Init(kDrawing);
    ASSERT_EQ(dialog.ListBox1->count(), 3);
    EXPECT_EQ(dialog.ListBox1->item(2)->text(), TList::displayText(kC));
}

TEST(ObjectList, RestackAndDelete) {
    struct Case {
        const char* what;
        int row;
        std::function<void(TList&)> act;
        std::optional<QStringList> shapes; // nothing: no change
    } cases[] = {
        {"back on the first", 0, [](TList& d) { d.SpeedButton1->click(); }, std::nullopt},
        {"forward on the last", 2, [](TList& d) { d.SpeedButton2->click(); }, std::nullopt},
        {"forward", 0, [](TList& d) { d.SpeedButton2->click(); }, QStringList{kB, kA, kC}},
        {"back", 2, [](TList& d) { d.SpeedButton1->click(); }, QStringList{kA, kC, kB}},
        {"forward twice", 0,
         [](TList& d) {
             d.SpeedButton2->click();
             d.SpeedButton2->click();
         },
         QStringList{kB, kC, kA}},
        {"there and back", 1,
         [](TList& d) {
             d.SpeedButton2->click();
             d.SpeedButton1->click();
         },
         std::nullopt},
        {"Del key", 1, [](TList& d) { key(d, Qt::Key_Delete); }, QStringList{kA, kC}},
        {"delete button", 0, [](TList& d) { d.SpeedButton3->click(); }, QStringList{kB, kC}},
        {"delete all", 0,
         [](TList& d) {
             for (int i = 0; i < 3; ++i)
                 key(d, Qt::Key_Delete);
             EXPECT_EQ(d.ListBox1->count(), 0);
         },
         QStringList{}},
        // Esc and the close box act as "Fermer".
        {"Esc", 0,
         [](TList& d) {
             d.SpeedButton3->click();
             key(d, Qt::Key_Escape);
         },
         QStringList{kB, kC}},
    };
    for (const Case& c : cases) {
        const auto outcome = run(kDrawing, [&](TList& d) {
            d.ListBox1->setCurrentRow(c.row);
            c.act(d);
            d.Button1->click();
        });
        if (!c.shapes) {
            EXPECT_EQ(outcome.has_value(), false) << c.what;
            continue;
        }
        ASSERT_TRUE(outcome) << c.what;
        EXPECT_TRUE(outcome->changed);
        EXPECT_EQ(outcome->picked, -1);
        EXPECT_EQ(outcome->lines, QStringList({kHeader, kBackground}) + *c.shapes) << c.what;
    }
}

TEST(ObjectList, EnterAndDoubleClickPick) {
    const auto entered = run(kDrawing, [](TList& d) {
        d.ListBox1->setCurrentRow(1);
        key(d, Qt::Key_Return);
    });
    ASSERT_TRUE(entered);
    EXPECT_FALSE(entered->changed);
    EXPECT_EQ(entered->picked, 3);

    const auto clicked = run(kDrawing, [](TList& d) {
        d.ListBox1->setCurrentRow(0);
        d.SpeedButton2->click(); // A moves forward and stays highlighted
        emit d.ListBox1->itemDoubleClicked(d.ListBox1->currentItem());
    });
    ASSERT_TRUE(clicked);
    EXPECT_EQ(clicked->picked, 3);
    EXPECT_EQ(clicked->lines[clicked->picked], kA);
}

TEST(ObjectList, NoShapesNoChange) {
    const auto outcome = run({kHeader, kBackground}, [](TList& d) {
        EXPECT_EQ(d.ListBox1->count(), 0);
        key(d, Qt::Key_Delete);
        key(d, Qt::Key_Return);
        d.Button1->click();
    });
    EXPECT_FALSE(outcome);
}
