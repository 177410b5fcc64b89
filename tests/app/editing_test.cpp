// The editing commands through the frame's menu, on a drawing window; what they change is
// undone in the history's walk.

#include "support/drawingwindow.h"

#include "dialogs/chartdialog.h"
#include "dialogs/modifydialog.h"
#include "dialogs/objectlistdialog.h"
#include "platform/modalhook.h"

#include <QListWidget>
#include <QPushButton>

namespace {

using namespace qel;
using namespace qel::testing;

TEST(EditingWindow, CopyWithoutASelectionSaysSoAndKeepsTheClipboard) {
    LoadedWindow w({"*0RECT 010010064064", " 0LINE 0C801412C078"});
    w.run("EditCopyItem");
    w.run("DeselectAllItem");
    const int steps = w.child->drawing().undoSteps();
    w.run("EditCopyItem");
    EXPECT_EQ(w.told, QStringList{"Aucun objet sélectionné"});
    EXPECT_EQ(w.child->drawing().undoSteps(), steps);
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 3);
    EXPECT_EQ(w.shapes().last(), "*0RECT 010010064064" + kStyle) << "pasted, it lands selected";
}

TEST(EditingWindow, AChartTakesTheMiddleOfThePage) {
    DrawingWindow w;
    ScopedModalHook<THisto> typed([](THisto& h) {
        h.setCells(1, 2, QStringLiteral("Ventes"));
        h.setCells(2, 2, QStringLiteral("10"));
        h.setCells(3, 2, QStringLiteral("20"));
        h.setCells(2, 1, QStringLiteral("Jan"));
        h.setCells(3, 1, QStringLiteral("Fev"));
        h.OkButton->click();
    });
    w.frame.action(QStringLiteral("ChartItem"))->trigger();
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_TRUE(w.shapes()[0].startsWith(
        QStringLiteral(" 0CHART 05D03F1180BD1Ventes    00000A000014\x01\x02Jan")))
        << w.shapes()[0].toStdString();
    EXPECT_TRUE(w.child->drawing().canUndo());
}

TEST(EditingWindow, ModifyAnswersWhatItCannotModify) {
    const struct {
        std::initializer_list<QString> shapes;
        const char* told;
    } cases[] = {
        {{" 0RECT 010010064064"}, "Aucun objet sélectionné"},
        {{"*0RECT 010010064064", "*0LINE 0C801412C078"}, "Sélection multiple non modifiable"},
        {{"*0BITMAP 010010064064001001FFFFFF"},
         "Cet objet n'a ni trait, ni remplissage, ni police à modifier"},
    };
    for (const auto& c : cases) {
        LoadedWindow w(c.shapes);
        const QStringList before = w.child->drawing().lines();
        ScopedModalHook<TModif> never([](TModif&) { ADD_FAILURE() << "no box for this"; });
        w.run("ModifyItem");
        EXPECT_EQ(w.told, QStringList{QString::fromUtf8(c.told)});
        EXPECT_EQ(w.child->drawing().lines(), before);
    }
}

TEST(EditingWindow, EnterInTheObjectListSelectsTheShape) {
    LoadedWindow w({" 0RECT 0100200C8064", " 0LINEU 0640320C8064"});
    const QStringList before = w.child->drawing().lines();
    ScopedModalHook<TList> pick([](TList& d) {
        d.ListBox1->setCurrentRow(1);
        QTest::keyClick(d.ListBox1, Qt::Key_Return);
    });
    w.run("ObjectListItem");
    EXPECT_EQ(w.shapes()[1][0], u'*');
    EXPECT_EQ(w.shapes()[0], before[2]);
}

} // namespace
