// The editing commands through the frame's menu on a drawing window, the desktop's clipboard
// and zoom; what the commands change is undone in the history's walk.

#include "support/drawingwindow.h"

#include "dialogs/chartdialog.h"
#include "dialogs/modifydialog.h"
#include "dialogs/objectlistdialog.h"
#include "dialogs/transformdialogs.h"
#include "edit/clipboardformats.h"

#include <QClipboard>
#include <QLabel>
#include <QMimeData>

namespace {

using namespace qel;
using namespace qel::testing;

const QString& S = kPlainStyle;

TEST(EditingWindow, AChartTakesTheMiddleOfThePage) {
    DrawingWindow w;
    ScopedModalHook<THisto> typed(
        [](THisto& h) { h.setCells(1, 2, "Ventes"), h.setCells(2, 2, "10"), h.OkButton->click(); });
    w.frame.action("ChartItem")->trigger();
    EXPECT_TRUE(w.shapes().value(0).startsWith(" 0CHART 05D03F1180BD1Ventes    00000A"))
        << w.shapes().value(0).toStdString();
}

TEST(EditingWindow, ModifyAnswersWhatItCannotModify) {
    const std::tuple<QStringList, const char*> cases[] = {
        {{" 0RECT 010010064064"}, "Aucun objet sélectionné"},
        {{"*0RECT 010010064064", "*0LINE 0C801412C078"}, "Sélection multiple non modifiable"},
        {{"*0BITMAP 010010064064001001FFFFFF"},
         "Cet objet n'a ni trait, ni remplissage, ni police à modifier"},
    };
    for (const auto& [shapes, told] : cases) {
        LoadedWindow w;
        w.load(shapes);
        const QStringList before = w.child->drawing().lines();
        ScopedModalHook<TModif> never([](TModif&) { ADD_FAILURE() << "no box for this"; });
        w.run("ModifyItem");
        EXPECT_EQ(w.told, QStringList{QString::fromUtf8(told)});
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

TEST(Clipboard, ShapesTravelExactlyAndAsAPicture) {
    LoadedWindow w;
    w.load({"*3RECT 010010064064", "*0LINE 020020050030", " 0ELLIPSE 100100120120"});
    w.run("EditCopyItem");
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasFormat(QString::fromLatin1(kRecordsMimeType)));
    EXPECT_EQ(QString::fromUtf8(data->data(QString::fromLatin1(kRecordsMimeType))),
              " 3RECT 010010064064" + S + "\n 0LINE 020020050030" + S);
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data(QStringLiteral("image/png")), "PNG"));
    EXPECT_EQ(png.size(), QSize(84 + 16, 84 + 16)) << "the shapes' box and a margin of 8";
    EXPECT_EQ(qAlpha(png.pixel(0, 0)), 0) << "the background is transparent";
    EXPECT_EQ(png.pixel(8, 8), qRgb(0, 0, 0)) << "the rectangle's corner";

    // Without a selection, a copy says so, is no change and keeps what was copied.
    w.run("DeselectAllItem");
    const int steps = w.child->drawing().undoSteps();
    w.run("EditCopyItem");
    EXPECT_EQ(w.told, QStringList{"Aucun objet sélectionné"});
    EXPECT_EQ(w.child->drawing().undoSteps(), steps);
    TMDIChild* other = w.frame.FileNewItemClick();
    w.frame.action(QStringLiteral("EditPasteItem"))->trigger();
    EXPECT_EQ(other->drawing().lines().mid(2),
              QStringList({"*3RECT 010010064064" + S, "*0LINE 020020050030" + S}))
        << "pasted shapes land selected";
}

TEST(Clipboard, PicturesAndTextFromElsewherePaste) {
    LoadedWindow w;
    QImage small(12, 7, QImage::Format_RGB32);
    small.fill(qRgb(255, 0, 0));
    QGuiApplication::clipboard()->setImage(small);
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 1);
    EXPECT_TRUE(w.shapes()[0].startsWith(QStringLiteral("*0BITMAP 00800801400F00C007")));

    QGuiApplication::clipboard()->setImage(QImage(200, 200, QImage::Format_RGB32));
    w.run("EditPasteItem");
    EXPECT_EQ(w.told, QStringList{"Image trop grande"});
    EXPECT_EQ(w.shapes().size(), 1);

    QGuiApplication::clipboard()->setText(QStringLiteral("Bonjour\nle monde"));
    w.run("EditPasteItem");
    ASSERT_EQ(w.shapes().size(), 2);
    EXPECT_TRUE(w.shapes()[1].startsWith(QStringLiteral("*0TEXT 008008")));
    EXPECT_TRUE(w.shapes()[1].contains(QStringLiteral("Bonjour\t")));
}

TEST(TransformWindow, SavingWhileZoomedWritesTheTrueSize) {
    DrawingWindow w;
    w.pickTool(Tool::Rect);
    w.drag({20, 20}, {60, 50});
    w.drag({100, 100}, {120, 130});
    const QString first = w.shapes().first();
    w.frame.action(QStringLiteral("ZoomInItem"))->trigger();
    EXPECT_EQ(w.child->surfaceImage().width(), 2 * TMDIChild::kNewPageWidth);
    w.frame.action(QStringLiteral("EditUndoItem"))->trigger();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("z.drf"));
    ScopedFileChooserHook choose([&](const FileRequest&) { return FileChoice{path, 0}; });
    ASSERT_TRUE(w.child->Sauve(1));
    EXPECT_EQ(readFile(path), ("1760FD\r\n 0BLANK\r\n" + first + "\r\n").toLatin1());
    EXPECT_EQ(w.child->zoomFactor(), 1.0);
}

TEST(TransformWindow, TheSizeDialogKeepsProportionsUnlessThereAreNone) {
    TDimObj d;
    d.Init(Box{40, 30, 140, 90}, 1);
    d.SpinEdit1->setValue(200);
    d.SpinEdit1Exit();
    EXPECT_EQ(d.SpinEdit2->value(), 120);
    EXPECT_EQ(d.Label1->text(), QStringLiteral("Objets groupés : Non"));
    TDimObj flat;
    flat.Init(Box{10, 50, 110, 50}, 2);
    flat.SpinEdit1->setValue(300);
    flat.SpinEdit1Exit();
    EXPECT_EQ(flat.SpinEdit2->value(), 0);
}

} // namespace
