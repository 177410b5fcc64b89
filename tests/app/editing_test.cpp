// The editing commands through the frame's menu, on a drawing window.

#include "support/drawingwindow.h"

#include "dialogs/backgrounddialog.h"
#include "dialogs/chartdialog.h"
#include "dialogs/modifydialog.h"
#include "dialogs/objectlistdialog.h"
#include "platform/colourchooser.h"
#include "platform/messages.h"
#include "platform/modalhook.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kStyle;

using Editing = LoadedWindow;

TEST(EditingWindow, CopyWithoutASelectionSaysSoAndKeepsTheClipboard) {
    Editing w({"*0RECT 010010064064", " 0LINE 0C801412C078"});
    w.run("EditCopyItem");
    w.child->drawing().apply(
        [](QStringList& l) {
            l[2][0] = u' ';
            l[3][0] = u'*';
        },
        Drawing::Effect::Selection);
    w.run("EditDeleteItem");
    EXPECT_EQ(w.shapes().size(), 1);
    const int steps = w.child->drawing().undoSteps();
    w.run("EditCopyItem");
    EXPECT_EQ(w.told, QStringList{"Aucun objet sélectionné"});
    EXPECT_EQ(w.child->drawing().undoSteps(), steps);
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 2);
    EXPECT_EQ(w.shapes().last(), "*0RECT 010010064064" + S) << "pasted, it lands selected";
}

TEST(EditingWindow, GroupingIsAChangeAndEraseCanBeUndone) {
    Editing w({" 1RECT 010010064064", " 3ELLIPSE 032032096096", "*0LINE 0C801412C078"});
    w.run("GroupItem");
    EXPECT_EQ(w.shapes().last().left(2), QStringLiteral("*4"));
    EXPECT_TRUE(w.child->drawing().isModified());
    const QStringList before = w.child->drawing().lines();
    w.run("EraseItem");
    EXPECT_EQ(w.child->drawing().lines(), QStringList({"2801E0", " 0BLANK"}));
    w.run("EditUndoItem");
    EXPECT_EQ(w.child->drawing().lines(), before);
}

TEST(EditingWindow, ABackgroundColourIsPaintedAndUndone) {
    Editing w({});
    ScopedColourChooserHook green(
        [](Colour) { return std::optional<Colour>(rgbColour(0, 255, 0)); });
    ScopedModalHook<TFond> dialog([](TFond& d) {
        d.Couleur->click();
        d.accept();
    });
    w.run("BackgroundItem");
    EXPECT_TRUE(w.child->drawing().line(1).startsWith(" 0FILLRECT 000000068090\t"));
    EXPECT_EQ(w.child->surfaceImage().pixel(100, 100), qRgb(0, 255, 0));
    w.run("EditUndoItem");
    EXPECT_EQ(w.child->drawing().line(1), QStringLiteral(" 0BLANK"));
}

TEST(EditingWindow, AChartTakesTheMiddleOfThePageAndEditsInPlace) {
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

TEST(EditingWindow, ModifyRewritesThePenWidthOnlyAndCanBeUndone) {
    Editing w({"*0RECT 010010064064", " 0LINE 0C801412C078"});
    const QStringList before = w.child->drawing().lines();
    QStringList fonts;
    ScopedModalHook<TModif> answer([&](TModif& d) {
        for (int i = 0; i < d.ComboBox1->count(); ++i)
            fonts << d.ComboBox1->itemText(i);
        d.SpinEdit2->setValue(5);
        d.Button2->click();
    });
    w.run("ModifyItem");
    EXPECT_EQ(w.line(0), "*0RECT 010010064064\t100FFFFFF00500000000000000000C0Arial");
    EXPECT_EQ(w.line(1), before[3]);
    EXPECT_FALSE(fonts.isEmpty());
    EXPECT_TRUE(w.child->drawing().isModified());
    w.run("EditUndoItem");
    EXPECT_EQ(w.child->drawing().lines(), before);
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
        Editing w(c.shapes);
        const QStringList before = w.child->drawing().lines();
        ScopedModalHook<TModif> never([](TModif&) { ADD_FAILURE() << "no box for this"; });
        w.run("ModifyItem");
        EXPECT_EQ(w.told, QStringList{QString::fromUtf8(c.told)});
        EXPECT_EQ(w.child->drawing().lines(), before);
    }
}

TEST(EditingWindow, TheObjectListRestacksAndPicksAndCanBeUndone) {
    Editing w({" 0RECT 0100200C8064", " 0LINEU 0640320C8064", " 0ZIGZAG 000000010010"});
    const QStringList before = w.child->drawing().lines();
    QStringList shown;
    ScopedModalHook<TList> list([&](TList& d) {
        for (int i = 0; i < d.ListBox1->count(); ++i)
            shown << d.ListBox1->item(i)->text();
        d.ListBox1->setCurrentRow(0);
        d.SpeedButton2->click(); // "Un avant"
        d.Button1->click();      // "Fermer"
    });
    w.run("ObjectListItem");
    EXPECT_EQ(shown, QStringList({"Rectangle  (16,32,200,100)", "Ligne montante  (100,50,200,100)",
                                  "????????????  (0,0,16,16)"}));
    EXPECT_TRUE(w.shapes()[0].startsWith(" 0LINEU"));
    w.run("EditUndoItem");
    EXPECT_EQ(w.child->drawing().lines(), before);

    ScopedModalHook<TList> pick([](TList& d) {
        d.ListBox1->setCurrentRow(1);
        QTest::keyClick(d.ListBox1, Qt::Key_Return);
    });
    w.run("ObjectListItem");
    EXPECT_EQ(w.shapes()[1][0], u'*');
    EXPECT_EQ(w.child->drawing().lines().mid(0, 2), before.mid(0, 2));
}

} // namespace
