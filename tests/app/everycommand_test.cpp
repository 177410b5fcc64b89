// Every command of the frame's menus, triggered as the menu does on a drawing with one shape
// selected, does what its row says: opens its box, or changes the drawing, the selection, the
// clipboard or the view. A command wired to nothing fails here.

#include "support/drawingwindow.h"

#include "app/accessible.h"

#include <QClipboard>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>

namespace {

using namespace qel;
using namespace qel::testing;

enum Effect : unsigned {
    Drawing = 1,   // a record other than its state mark, or the header, changed
    Selection = 2, // only state marks changed
    Clipboard = 4,
    View = 8, // zoom, grid, colour strip, windows, the frame, or the surface repainted
    Box = 16, // a window opened (named in the row)
    Message = 32,
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

struct Row {
    const char* action;
    unsigned expected;
    const char* box = ""; // the class of the box it opens
    std::function<void(LoadedWindow&)> before = {};
};

void run(LoadedWindow& w, const char* action) {
    w.run(action);
    QCoreApplication::processEvents();
}

QMdiSubWindow* sub(LoadedWindow& w) {
    return w.frame.mdiArea()->subWindowList().value(0);
}

const std::vector<Row>& rows() {
    const auto mirrored = [](LoadedWindow& w) { run(w, "MirrorHItem"); };
    const auto moved = [](LoadedWindow& w) { sub(w)->setGeometry(150, 120, 200, 150); };
    static const std::vector<Row> table = {
        {"FileNewItem", View},
        {"FileOpenItem", Box, "QFileDialog"},
        {"FileCloseItem", View},
        {"FileSaveItem", Box, "QFileDialog"}, // a new drawing asks for its name
        {"FileSaveAsItem", Box, "QFileDialog"},
        {"FilePrintSetupItem", Box, "QPageSetupDialog"},
        {"FilePageSetupItem", Box, "qel::TMep"},
        {"FilePreviewItem", Box, "qel::PrintPreview"},
        {"FilePrintItem", Box, "QPrintDialog"},
        {"FileExitItem", View},
        {"EditUndoItem", Drawing, "", mirrored},
        {"EditRedoItem", Drawing, "",
         [=](LoadedWindow& w) { mirrored(w), run(w, "EditUndoItem"); }},
        {"EditCutItem", Drawing | Clipboard},
        {"EditCopyItem", Clipboard},
        {"EditPasteItem", Drawing, "", [](LoadedWindow& w) { run(w, "EditCopyItem"); }},
        {"EditDeleteItem", Drawing},
        {"SelectAllItem", Selection},
        {"DeselectAllItem", Selection},
        {"LockItem", Selection},
        {"UnlockAllItem", Selection},
        {"EraseItem", Drawing},
        {"EnlargeItem", Box, "qel::TSupport"},
        {"CropItem", Drawing},
        {"BackgroundItem", Box, "qel::TFond"},
        {"PositionItem", Box, "qel::TPosit"},
        {"SizeItem", Box, "qel::TDimObj"},
        {"ModifyItem", Box, "qel::TModif"},
        {"MirrorHItem", Drawing},
        {"MirrorVItem", Drawing},
        {"Rotation1", Box, "qel::TRot"},
        {"PropertiesItem", Box, "qel::TAttributs"},
        {"GroupItem", Drawing},
        {"UngroupItem", Drawing},
        {"FrontItem", Drawing},
        {"BackItem", Drawing},
        {"DownOneItem", Drawing},
        {"UpOneItem", Drawing},
        {"ChartItem", Box, "qel::THisto"},
        {"AlignItem", Drawing},
        {"GridStepItem", Box, "qel::TPasGrd"},
        {"ShowGridItem", View},
        {"ColourStripItem", View},
        // A stain that only a repaint removes.
        {"RedrawItem", View, "",
         [](LoadedWindow& w) {
             const_cast<QImage&>(w.child->surfaceImage()).setPixel(600, 400, qRgb(1, 2, 3));
         }},
        {"ZoomResetItem", View, "", [](LoadedWindow& w) { run(w, "ZoomInItem"); }},
        {"ZoomInItem", View},
        {"ZoomOutItem", View},
        {"ObjectListItem", Box, "qel::TList"},
        {"CalendarItem", Box, "qel::TCalendrier"},
        {"CalculatorItem", Box, "qel::TPocket"},
        {"ClockItem", Box, "qel::THorloge"},
        {"WindowCascadeItem", View, "", moved},
        {"WindowTileItem", View, "", moved},
        {"WindowArrangeItem", View, "",
         [](LoadedWindow& w) {
             sub(w)->showMinimized();
             QCoreApplication::processEvents();
             sub(w)->move(150, 20);
         }},
        {"WindowMinimizeItem", View},
        {"HelpContentsItem", Box, "qel::HelpViewer"},
        {"HelpSearchItem", Box, "qel::HelpViewer"},
        {"HelpHowToUseItem", Box, "qel::HelpViewer"},
        {"HelpAboutItem", Box, "qel::AboutBox"},
    };
    return table;
}

// One shape selected, in a group and between two others; a locked one; off the grid; inside
// a larger page.
LoadedWindow* newWindow() {
    return new LoadedWindow({" 1RECT 010010064064", "*1LINE 033035097099", "#0LINE 0C801412C078"});
}

TEST(EveryCommand, DoesWhatItsRowSays) {
    FrenchQt french;
    const auto& table = rows();
    std::unique_ptr<LoadedWindow> probe(newWindow());
    QStringList inMenus;
    for (QMenu* menu : probe->frame.menuBar()->findChildren<QMenu*>())
        for (QAction* a : menu->actions())
            // The recent drawings come and go with the user's files; their own test has them.
            if (!a->isSeparator() && !a->menu() && !a->objectName().startsWith(u"RecentFile"))
                inMenus << a->objectName();
    probe.reset();
    QStringList inTable;
    for (const Row& r : table)
        inTable << QString::fromLatin1(r.action);
    inMenus.sort();
    inTable.sort();
    EXPECT_EQ(inMenus.join(u' ').toStdString(), inTable.join(u' ').toStdString())
        << "every menu command has its row";

    for (const Row& r : table) {
        SCOPED_TRACE(r.action);
        std::unique_ptr<LoadedWindow> w(newWindow());
        if (r.before) r.before(*w);
        QCoreApplication::processEvents();
        const State before = stateOf(*w);
        w->told.clear();
        QStringList opened;
        {
            std::string unheard; // what a screen reader would stumble on in the boxes
            BoxCatcher boxes(&w->frame, [&](QWidget* b) { unheard += marksIn(b) + unnamedIn(b); });
            QAction* action = w->frame.action(QString::fromLatin1(r.action));
            EXPECT_TRUE(action->isEnabled());
            action->trigger();
            QCoreApplication::processEvents();
            opened = boxes.opened;
            EXPECT_EQ(unheard, "") << "marks or unnamed controls";
        }
        unsigned seen = effectsBetween(before, stateOf(*w));
        if (!opened.isEmpty()) seen |= Box;
        if (!w->told.isEmpty()) seen |= Message;
        EXPECT_EQ(seen & r.expected, r.expected)
            << "seen " << seen << ", boxes " << opened.join(u',').toStdString() << ", told "
            << w->told.join(u',').toStdString();
        if (*r.box)
            EXPECT_TRUE(opened.contains(QString::fromLatin1(r.box)))
                << opened.join(u',').toStdString();
    }
}

// Every dialog of the program is reached: through a command, or as the rows below say.
TEST(EveryCommand, EveryDialogIsOpenedBySomeCommand) {
    const QSet<QString> elsewhere = {
        "qel::TEditext",      // the text tool
        "qel::TMotif",        // the background box's pattern
        "qel::TCouleur",      // the background box's gradient
        "qel::TRecuperation", // at start, after an unsaved end
    };
    QSet<QString> declared;
    const QDir folder(QStringLiteral(QEL_TEST_DATA "/../../src/dialogs"));
    static const QRegularExpression dialogClass(QStringLiteral("class (\\w+) : public QDialog"));
    for (const QString& header : folder.entryList({QStringLiteral("*.h")})) {
        QFile f(folder.filePath(header));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        auto it = dialogClass.globalMatch(QString::fromUtf8(f.readAll()));
        while (it.hasNext())
            declared << QStringLiteral("qel::") + it.next().captured(1);
    }
    EXPECT_GE(declared.size(), 18); // the desk utilities keep theirs apart
    QSet<QString> reached = elsewhere;
    for (const Row& r : rows())
        if (*r.box) reached << QString::fromLatin1(r.box);
    for (const QString& name : declared)
        EXPECT_TRUE(reached.contains(name)) << name.toStdString() << " is opened by no command";
}

} // namespace
