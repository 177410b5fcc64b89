// Every command of the frame's menus, triggered as the menu does on a drawing with one shape
// selected, does what its row says: opens its box, or changes the drawing, the selection, the
// clipboard or the view. A command wired to nothing fails here.

#include "support/drawingwindow.h"

#include "app/accessible.h"

#include <QClipboard>
#include <QDebug>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <map>

namespace {

using namespace qel;
using namespace qel::testing;

enum Effect : unsigned {
    Drawing = 1,   // a record other than its state mark, or the header, changed
    Selection = 2, // only state marks changed
    Clipboard = 4,
    View = 8, // zoom, grid, colour strip, windows, the frame, or the surface repainted
    Box = 16, // a window opened (named in the row)
};

struct State {
    QStringList lines;
    QByteArray clipboard; // ours and the desktop's
    QString view;         // zoom, grid, colour strip, the frame, the windows' places and states
    QImage surface;
};

State stateOf(LoadedWindow& w) {
    State s;
    QDebug(&s.view) << w.frame.colourStrip()->isVisible() << w.frame.isVisible();
    if (TMDIChild* child = w.frame.children().value(0)) {
        s.lines = child->drawing().lines();
        QDebug(&s.view) << child->zoomFactor() << child->gridShown();
        s.surface = child->surfaceImage();
    }
    for (QMdiSubWindow* sub : w.frame.mdiArea()->subWindowList())
        QDebug(&s.view) << sub->geometry() << sub->windowState();
    s.clipboard = w.frame.ShapeClipboard.join(u'\n').toUtf8();
    if (const QMimeData* m = QGuiApplication::clipboard()->mimeData())
        for (const QString& f : m->formats())
            s.clipboard += f.toUtf8() + m->data(f);
    return s;
}

unsigned effectsBetween(const State& a, const State& b) {
    unsigned e = 0;
    if (a.lines != b.lines) {
        bool onlyMarks = a.lines.size() == b.lines.size();
        for (qsizetype i = 0; onlyMarks && i < a.lines.size(); ++i)
            onlyMarks = a.lines[i].mid(1) == b.lines[i].mid(1);
        e |= onlyMarks ? Selection : Drawing;
    }
    if (a.clipboard != b.clipboard) e |= Clipboard;
    if (a.view != b.view || a.surface != b.surface) e |= View;
    return e;
}

void run(LoadedWindow& w, const char* action) {
    w.run(action);
    QCoreApplication::processEvents();
}

QMdiSubWindow* sub(LoadedWindow& w) {
    return w.frame.mdiArea()->subWindowList().value(0);
}

// Every menu command by what it does; "command:Class" names the class of the box it opens.
const std::pair<unsigned, const char*> kRows[] = {
    {View, "FileNewItem FileCloseItem FileExitItem ShowGridItem ColourStripItem RedrawItem "
           "ZoomResetItem ZoomInItem ZoomOutItem WindowCascadeItem WindowTileItem "
           "WindowArrangeItem WindowMinimizeItem"},
    {Drawing, "EditUndoItem EditRedoItem EditPasteItem EditDeleteItem EraseItem CropItem "
              "MirrorHItem MirrorVItem GroupItem UngroupItem FrontItem BackItem DownOneItem "
              "UpOneItem AlignItem"},
    {Drawing | Clipboard, "EditCutItem"},
    {Clipboard, "EditCopyItem"},
    {Selection, "SelectAllItem DeselectAllItem LockItem UnlockAllItem"},
    // A new drawing asks for its name on a save.
    {Box, "FileOpenItem:QFileDialog FileSaveItem:QFileDialog FileSaveAsItem:QFileDialog "
          "FilePrintSetupItem:QPageSetupDialog FilePageSetupItem:TMep FilePreviewItem:PrintPreview "
          "FilePrintItem:QPrintDialog EnlargeItem:TSupport BackgroundItem:TFond "
          "PositionItem:TPosit SizeItem:TDimObj ModifyItem:TModif Rotation1:TRot "
          "PropertiesItem:TAttributs ChartItem:THisto GridStepItem:TPasGrd ObjectListItem:TList "
          "CalendarItem:TCalendrier CalculatorItem:TPocket ClockItem:THorloge "
          "HelpContentsItem:HelpViewer HelpSearchItem:HelpViewer HelpHowToUseItem:HelpViewer "
          "HelpAboutItem:AboutBox"},
};

// The commands of kRows, each with what it does and the box it opens.
std::vector<std::tuple<QString, unsigned, QString>> rows() {
    std::vector<std::tuple<QString, unsigned, QString>> all;
    for (const auto& [effect, commands] : kRows)
        for (const QString& c : QString::fromLatin1(commands).split(u' '))
            all.emplace_back(c.section(u':', 0, 0), effect, c.section(u':', 1));
    return all;
}

// What a few commands need first, to have something to do.
const std::map<QString, std::function<void(LoadedWindow&)>> kBefore = {
    {"EditUndoItem", [](LoadedWindow& w) { run(w, "MirrorHItem"); }},
    {"EditRedoItem", [](LoadedWindow& w) { run(w, "MirrorHItem"), run(w, "EditUndoItem"); }},
    {"EditPasteItem", [](LoadedWindow& w) { run(w, "EditCopyItem"); }},
    {"ZoomResetItem", [](LoadedWindow& w) { run(w, "ZoomInItem"); }},
    // A stain that only a repaint removes.
    {"RedrawItem",
     [](LoadedWindow& w) {
         const_cast<QImage&>(w.child->surfaceImage()).setPixel(600, 400, qRgb(1, 2, 3));
     }},
    {"WindowCascadeItem", [](LoadedWindow& w) { sub(w)->setGeometry(150, 120, 200, 150); }},
    {"WindowTileItem", [](LoadedWindow& w) { sub(w)->setGeometry(150, 120, 200, 150); }},
    {"WindowArrangeItem",
     [](LoadedWindow& w) {
         sub(w)->showMinimized();
         QCoreApplication::processEvents();
         sub(w)->move(150, 20);
     }},
};

// One shape selected, in a group and between two others; a locked one; off the grid; inside
// a larger page.
LoadedWindow* newWindow() {
    return new LoadedWindow({" 1RECT 010010064064", "*1LINE 033035097099", "#0LINE 0C801412C078"});
}

TEST(EveryCommand, DoesWhatItsRowSays) {
    FrenchQt french;
    std::unique_ptr<LoadedWindow> probe(newWindow());
    QStringList inMenus, inTable;
    for (QMenu* menu : probe->frame.menuBar()->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            // The recent drawings come and go with the user's files; their own test has them.
            if (!a->isSeparator() && !a->menu() && !a->objectName().startsWith(u"RecentFile"))
                inMenus << a->objectName();
    probe.reset();
    for (const auto& [action, expected, box] : rows())
        inTable << action;
    inMenus.sort();
    inTable.sort();
    EXPECT_EQ(inMenus.join(u' ').toStdString(), inTable.join(u' ').toStdString())
        << "every menu command has its row";

    for (const auto& [action, expected, box] : rows()) {
        SCOPED_TRACE(action.toStdString());
        std::unique_ptr<LoadedWindow> w(newWindow());
        if (kBefore.count(action)) kBefore.at(action)(*w);
        QCoreApplication::processEvents();
        const State before = stateOf(*w);
        w->told.clear();
        QStringList opened;
        {
            std::string unheard; // what a screen reader would stumble on in the boxes
            BoxCatcher boxes(&w->frame, [&](QWidget* b) { unheard += marksIn(b) + unnamedIn(b); });
            EXPECT_TRUE(w->frame.action(action)->isEnabled());
            w->frame.action(action)->trigger();
            QCoreApplication::processEvents();
            opened = boxes.opened.replaceInStrings(QStringLiteral("qel::"), QString());
            EXPECT_EQ(unheard, "") << "marks or unnamed controls";
        }
        unsigned seen = effectsBetween(before, stateOf(*w));
        if (!opened.isEmpty()) seen |= Box;
        EXPECT_EQ(seen & expected, expected)
            << "seen " << seen << ", boxes " << opened.join(u',').toStdString() << ", told "
            << w->told.join(u',').toStdString();
        if (!box.isEmpty()) EXPECT_TRUE(opened.contains(box)) << opened.join(u',').toStdString();
    }
}

// Every dialog of the program is reached: through a command, or as the rows below say.
TEST(EveryCommand, EveryDialogIsOpenedBySomeCommand) {
    QSet<QString> reached = {
        "TEditext",      // the text tool
        "TMotif",        // the background box's pattern
        "TCouleur",      // the background box's gradient
        "TRecuperation", // at start, after an unsaved end
    };
    for (const auto& [action, expected, box] : rows())
        reached << box;
    const QDir folder(QStringLiteral(QEL_TEST_DATA "/../../src/dialogs"));
    static const QRegularExpression dialogClass(QStringLiteral("class (\\w+) : public QDialog"));
    int declared = 0;
    for (const QString& header : folder.entryList({QStringLiteral("*.h")}))
        for (auto it =
                 dialogClass.globalMatch(QString::fromUtf8(readFile(folder.filePath(header))));
             it.hasNext();) {
            const QString name = it.next().captured(1);
            ++declared;
            EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " is opened by no command";
        }
    EXPECT_GE(declared, 18); // the desk utilities keep theirs apart
}

} // namespace
