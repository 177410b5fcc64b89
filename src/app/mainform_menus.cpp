// The frame's command table: every menu command and toolbar button, with its caption, shortcut,
// hint, help context, when it is enabled and what it does; the menus and the toolbar are built
// from it.

#include "app/commandtable.h"
#include "app/glyphs.h"
#include "app/mainform.h"
#include "app/mdichild.h"
#include "app/toolpalette.h"
#include "dialogs/aboutbox.h"
#include "document/drawing.h"
#include "platform/mnemonic.h"
#include "utilities/calendrier.h"
#include "utilities/horloge.h"
#include "utilities/pocket.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace qel {

namespace {

template <void (TMDIChild::*operation)()> constexpr WindowHandler onWindow() {
    return [](TMainForm&, TMDIChild& window, bool) { (window.*operation)(); };
}

template <class Dialog> constexpr FrameHandler opens() {
    return [](TMainForm& frame, bool) {
        Dialog dialog(&frame);
        dialog.exec();
    };
}

constexpr Enabled kDrawing = Enabled::WithDrawing;

} // namespace

std::span<const CommandMenu> TMainForm::commandMenus() {
    // Defined here, the handlers may use the frame's own parts. A plain array: its rows' lists
    // live as long as it does.
    static const CommandMenu menus[] = {
        {"FileMenu",
         "&Fichier",
         "",
         3,
         {
             {"FileNewItem",
              "&Nouveau...",
              "Créer un nouveau fichier",
              "Ctrl+N",
              Enabled::Always,
              [](TMainForm& f, bool) { f.FileNewItemClick(); },
              nullptr,
              false,
              {11, "NewBtn", "Nouveau", "new"}},
             {"FileOpenItem",
              "&Ouvrir...",
              "Ouvrir un fichier existant",
              "Ctrl+O",
              Enabled::Always,
              [](TMainForm& f, bool) { f.FileOpenItemClick(); },
              nullptr,
              false,
              {12, "OpenBtn", "Ouvrir", "open"}},
             {"FileCloseItem", "&Fermer", "Fermer fichier en cours", nullptr, kDrawing,
              [](TMainForm& f, bool) { f.closeActiveWindow(); }},
             {"FileSaveItem",
              "&Enregistrer",
              "Enregistrer le fichier en cours",
              "Ctrl+S",
              kDrawing,
              nullptr,
              [](TMainForm&, TMDIChild& w, bool) { w.Sauve(0); },
              false,
              {13, "SaveBtn", "Enregistrer", "save"}},
             {"FileSaveAsItem", "Enregistrer &sous...", "Enregistrer le fichier en cours sous...",
              nullptr, kDrawing, nullptr, [](TMainForm&, TMDIChild& w, bool) { w.Sauve(1); }},
             {""},
             {"FilePrintSetupItem", "&Configuration imprimante...", "Configuer l'imprimante",
              nullptr, Enabled::Always, [](TMainForm& f, bool) { f.FilePrintSetupItemClick(); }},
             {"FilePageSetupItem", "&Mise en page...", "Définir les marges", nullptr, kDrawing,
              [](TMainForm& f, bool) { f.FilePageSetupItemClick(); }},
             {"FilePreviewItem",
              "&Aperçu avant impression",
              "Aperçu avant impression",
              nullptr,
              kDrawing,
              [](TMainForm& f, bool) { f.FilePreviewItemClick(); },
              nullptr,
              false,
              {15, "PreviewBtn", "Aperçu avant impression", "preview"}},
             {"FilePrintItem",
              "&Imprimer...",
              "Imprimer",
              nullptr,
              kDrawing,
              [](TMainForm& f, bool) { f.FilePrintItemClick(); },
              nullptr,
              false,
              {14, "PrintBtn", "Imprimer", "print"}},
             {""},
             {"FileExitItem", "&Quitter", "Quitter l'application", nullptr, Enabled::Always,
              [](TMainForm& f, bool) { f.close(); }},
         }},
        {"EditMenu",
         "&Edition",
         "",
         4,
         {
             {"EditUndoItem",
              "&Annuler",
              "annuler modification",
              "Ctrl+Z",
              Enabled::CanUndo,
              nullptr,
              onWindow<&TMDIChild::Annuler>(),
              false,
              {16, "UndoBtn", "Annuler", "undo"}},
             {"EditRedoItem", "&Rétablir", "rétablir la modification", "Ctrl+Y", Enabled::CanRedo,
              nullptr, onWindow<&TMDIChild::Retablir>()},
             {""},
             {"EditCutItem",
              "&Couper",
              "Couper dans le Presse-papiers",
              "Ctrl+X",
              kDrawing,
              nullptr,
              [](TMainForm& f, TMDIChild& w, bool) { w.Couper(f.ShapeClipboard); },
              false,
              {21, "CutBtn", "Couper", "cut"}},
             {"EditCopyItem",
              "Co&pier",
              "Copier dans le Presse-papiers",
              "Ctrl+C",
              kDrawing,
              nullptr,
              [](TMainForm& f, TMDIChild& w, bool) { w.Copier(f.ShapeClipboard); },
              false,
              {22, "CopyBtn", "Copier", "copy"}},
             {"EditPasteItem",
              "C&oller",
              "Coller depuis le Presse-papiers",
              "Ctrl+V",
              kDrawing,
              nullptr,
              [](TMainForm& f, TMDIChild& w, bool) { w.Coller(f.ShapeClipboard); },
              false,
              {23, "PasteBtn", "Coller", "paste"}},
             {"EditDeleteItem", "&Supprimer", "Supprimer l'obet", "Del", kDrawing, nullptr,
              onWindow<&TMDIChild::Supprimer>()},
             {""},
             {"SelectAllItem", "&Tout sélectionner", "Slectiooner tous les objets", nullptr,
              kDrawing, nullptr, onWindow<&TMDIChild::ToutSel>()},
             {"DeselectAllItem", "Tout &désélectionner", "Désélectionne tous les objets", nullptr,
              kDrawing, nullptr, onWindow<&TMDIChild::ToutDesel>()},
             {"LockItem", "&Verrouiller", "Verrouiller l'objet", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Verrouiller>()},
             {"UnlockAllItem", "Déverro&uiller tout", "Déverrouiller tout", nullptr, kDrawing,
              nullptr, onWindow<&TMDIChild::Deverrouiller>()},
             {""},
             {"EraseItem", "&Effacer le dessin", "Efface le dessin", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Effacer>()},
         }},
        {"DrawMenu",
         "&Dessin",
         "",
         5,
         {
             {"EnlargeItem", "&Agrandir le support...", "Agrandir la feuille de dessin", nullptr,
              kDrawing, nullptr, onWindow<&TMDIChild::Agrandir>()},
             {"CropItem", "Re&cadrer", "Recadrer le dessin", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Recadrer>()},
             {"BackgroundItem", "&Fond de page...", "Fixer le fond de page", nullptr, kDrawing,
              nullptr, onWindow<&TMDIChild::FondPage>()},
             {""},
             {"PositionItem", "P&osition...", "Position d el'objet", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Position>()},
             {"SizeItem", "&Taille...", "Taille de l'objet", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Taille>()},
             {"ModifyItem", "&Modifier...", "Modifier objet", nullptr, kDrawing, nullptr,
              [](TMainForm& f, TMDIChild& w, bool) { w.Modifier(f.fontNames()); }},
             {""},
             {"MirrorHItem", "Miroir &horizontal", "Miroir horizontal", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::MiroirH>()},
             {"MirrorVItem", "Miroir &vertical", "Miroir vertical", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::MiroirV>()},
             {"Rotation1", "&Rotation...", "Rotation", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Rotation>()},
             {""},
             {"PropertiesItem", "&Propriétés", "Attributs de l'image", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Proprietes>()},
         }},
        {"ToolsMenu",
         "&Outils",
         "",
         6,
         {
             {"GroupItem", "&Grouper", "Grouper les objets", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Grouper>()},
             {"UngroupItem", "&Séparer", "Séparer les objets", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Separer>()},
             {""},
             {"FrontItem", "A&vant plan", "Mettre en avant plan", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::AvPlan>()},
             {"BackItem", "&A&rrière plan", "Mettre en arrière plan", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::ArPlan>()},
             {"DownOneItem", "&Un dessous", "", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::UnDessous>()},
             {"UpOneItem", "Un &dessus", "", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::UnDessus>()},
             {""},
             {"ChartItem", "&Histogramme...", "Histogramme", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Histogramme>()},
             {""},
             {"AlignItem", "&Aligner sur la grille", "", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Aligner>()},
             {"GridStepItem", "&Pas de grille...", "fixer le pas de grille", nullptr, kDrawing,
              nullptr, onWindow<&TMDIChild::PasdeGrille>()},
         }},
        {"ViewMenu",
         "&Affichage",
         "",
         7,
         {
             {"ShowGridItem", "&Montrer la grille", "Montrer la grille", nullptr, kDrawing, nullptr,
              [](TMainForm&, TMDIChild& w, bool ticked) { w.SetGrille(ticked); }, true},
             {"ColourStripItem", "&Palette des couleurs", "Afficher la palette des couleurs",
              nullptr, Enabled::Always,
              [](TMainForm& f, bool ticked) { f.strip_->setVisible(ticked); }, nullptr, true},
             {"RedrawItem", "&Redessiner", "", nullptr, kDrawing, nullptr,
              onWindow<&TMDIChild::Redessine>()},
             {""},
             {"ZoomResetItem", "&Taille initiale", "Revenir à la taille initiale", nullptr,
              kDrawing, nullptr, onWindow<&TMDIChild::ZInit>()},
             {"ZoomInItem",
              "Zoom a&vant",
              "Zoom avant",
              nullptr,
              kDrawing,
              nullptr,
              onWindow<&TMDIChild::ZoomAv>(),
              false,
              {31, "ZoomInBtn", "Zoom avant", "zoomin"}},
             {"ZoomOutItem",
              "Zoom a&rrière",
              "Zoom arrière",
              nullptr,
              kDrawing,
              nullptr,
              onWindow<&TMDIChild::ZoomAr>(),
              false,
              {32, "ZoomOutBtn", "Zoom arrière", "zoomout"}},
             {""},
             {"ObjectListItem", "&Liste des objets", "Afficher la liste des objets", nullptr,
              kDrawing, nullptr, onWindow<&TMDIChild::Liste>()},
         }},
        {"UtilitiesMenu",
         "&Utilitaires",
         "",
         8,
         {
             {"CalendarItem", "&Calendrier", "Calendrier", nullptr, Enabled::Always,
              opens<TCalendrier>()},
             {"CalculatorItem", "C&alculatrice", "Calculatrice", nullptr, Enabled::Always,
              opens<TPocket>()},
             {"ClockItem", "&Horloge", "Horloge", nullptr, Enabled::Always, opens<THorloge>()},
         }},
        {"WindowMenu",
         "Fe&nêtre",
         "Commandes de fenêtres telles que Mosaïque et Cascade",
         9,
         {
             {"WindowCascadeItem", "&Cascade",
              "Disposer les fenêtre de façon qu'elles se recouvrent", nullptr, kDrawing,
              [](TMainForm& f, bool) { f.mdi_->cascadeSubWindows(); }},
             {"WindowTileItem", "&Mosaïque", "Disposer les fenêtre sans recouvrement", nullptr,
              kDrawing, [](TMainForm& f, bool) { f.mdi_->tileSubWindows(); }},
             {"WindowArrangeItem", "&Réorganiser les icônes",
              "Disposer les icônes en bas de la fenêtre principale", nullptr, kDrawing,
              [](TMainForm& f, bool) { f.tileMinimised(); }},
             {"WindowMinimizeItem", "&Tout réduire", "Réduire toutes les fenêtres", nullptr,
              kDrawing, [](TMainForm& f, bool) { f.minimiseAll(); }},
         }},
        {"HelpMenu",
         "&?",
         "Rubriques d'aide",
         10,
         {
             {"HelpContentsItem", "&Index", "Sommaire de l'aide", nullptr, Enabled::Always,
              [](TMainForm& f, bool) { f.showHelp(3, 0); }},
             {"HelpSearchItem", "&Rechercher", "&Rechercher dans l'aide", nullptr, Enabled::Always,
              [](TMainForm& f, bool) { f.showHelp(261, 0); }},
             {"HelpHowToUseItem", "&Utiliser l'aide", "Comment utiliser l'aide", nullptr,
              Enabled::Always, [](TMainForm& f, bool) { f.showHelp(4, 0); }},
             {""},
             {"HelpAboutItem", "&A propos", "Informations sur le logiciel, version", nullptr,
              Enabled::Always, opens<AboutBox>()},
         }},
    };
    return menus;
}

void TMainForm::buildMenus() {
    for (const CommandMenu& m : commandMenus()) {
        QMenu* menu = menuBar()->addMenu(withFirstMnemonicOnly(QString::fromUtf8(m.caption)));
        menu->setObjectName(QString::fromUtf8(m.name));
        menu->setStatusTip(QString::fromUtf8(m.hint));
        menu->setToolTipsVisible(false);
        menu->setProperty("helpContext", m.helpContext);
        menu->menuAction()->setProperty("helpContext", m.helpContext);
        menu->menuAction()->setStatusTip(QString::fromUtf8(m.hint));
        for (const Command& c : m.commands) {
            if (!*c.name) {
                menu->addSeparator();
                continue;
            }
            QAction* a = addCommand(menu, c);
            a->setProperty("helpContext", m.helpContext);
        }
    }
    // Redo answers both usual keys.
    action(QStringLiteral("EditRedoItem"))
        ->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
}

QAction* TMainForm::addCommand(QMenu* menu, const Command& c) {
    // A caption with two accelerator marks ("&A&rrière plan") shows and acts the same with its
    // first mark only, and is then also spoken as it shows.
    auto* a = new QAction(withFirstMnemonicOnly(QString::fromUtf8(c.caption)), this);
    const QString hint = QString::fromUtf8(c.hint);
    a->setObjectName(QString::fromUtf8(c.name));
    a->setStatusTip(hint);
    a->setToolTip(withoutMnemonics(hint.isEmpty() ? a->text() : hint));
    if (c.shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
    if (c.ticked) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    menu->addAction(a);
    actions_.insert(a->objectName(), a);
    commands_.push_back({a, nullptr, c.enabled});
    connect(a, &QAction::triggered, this, [this, frame = c.onFrame, window = c.onWindow](bool on) {
        if (frame) frame(*this, on);
        if (window)
            if (TMDIChild* child = activeChild()) window(*this, *child, on);
    });
    return a;
}

void TMainForm::buildToolbar() {
    auto* bar = new QToolBar(QStringLiteral("Barre d'outils"), this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFixedHeight(33);
    bar->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, bar);

    std::vector<CommandState*> placed;
    for (CommandState& state : commands_)
        if (commandNamed(state.action->objectName())->button.place > 0) placed.push_back(&state);
    auto placeOf = [](const CommandState* s) {
        return commandNamed(s->action->objectName())->button.place;
    };
    std::sort(placed.begin(), placed.end(), [&](const CommandState* a, const CommandState* b) {
        return placeOf(a) < placeOf(b);
    });
    constexpr int kFontGroup = 3; // the font controls stand before this group
    int group = placed.empty() ? 0 : placeOf(placed.front()) / 10;
    for (CommandState* state : placed) {
        const ToolbarButton& b = commandNamed(state->action->objectName())->button;
        if (b.place / 10 != group) {
            group = b.place / 10;
            bar->addSeparator();
            if (group == kFontGroup) {
                addFontControls(bar);
                bar->addSeparator();
            }
        }
        state->button = toolButton(bar, QString::fromLatin1(b.name), QString::fromUtf8(b.hint),
                                   QString::fromLatin1(b.glyph));
        connect(state->button, &QToolButton::clicked, state->action, &QAction::trigger);
    }
}

const Command* TMainForm::commandNamed(const QString& name) {
    for (const CommandMenu& m : commandMenus())
        for (const Command& c : m.commands)
            if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QToolButton* TMainForm::toolButton(QToolBar* bar, const QString& name, const QString& hint,
                                   const QString& glyph) {
    auto* b = new QToolButton(bar);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setIcon(toolbarGlyph(glyph));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAccessibleName(hint);
    bar->addWidget(b);
    return b;
}

void TMainForm::UpdateMenuItems() {
    const TMDIChild* child = activeChild();
    const bool open = !mdi_->subWindowList().isEmpty();
    for (const CommandState& state : commands_) {
        bool on = true;
        switch (state.enabled) {
        case Enabled::Always:
            break;
        case Enabled::WithDrawing:
            on = open;
            break;
        case Enabled::CanUndo:
            on = child && child->drawing().canUndo();
            break;
        case Enabled::CanRedo:
            on = child && child->drawing().canRedo();
            break;
        }
        state.action->setEnabled(on);
        if (state.button) state.button->setEnabled(on);
    }
    for (QWidget* w : documentControls_)
        w->setEnabled(open);
    for (QWidget* w : palette_->documentControls())
        w->setEnabled(open);
}

} // namespace qel
