// The frame's menus: captions, shortcuts, hints and help contexts.

#include "app/mainform.h"
#include "platform/mnemonic.h"

#include <QMenuBar>

namespace qel {

namespace {

struct Item {
    const char* name;
    const char* caption;
    const char* hint;
    bool document; // enabled only while a drawing window is open
    const char* shortcut = nullptr;
};

struct Menu {
    const char* name;
    const char* caption;
    const char* hint;
    int helpContext;
    std::initializer_list<Item> items;
};

// An empty name stands for a separator.
const Menu kMenus[] = {
    {"FileMenu",
     "&Fichier",
     "",
     3,
     {
         {"FileNewItem", "&Nouveau...", "Créer un nouveau fichier", false, "Ctrl+N"},
         {"FileOpenItem", "&Ouvrir...", "Ouvrir un fichier existant", false, "Ctrl+O"},
         {"FileCloseItem", "&Fermer", "Fermer fichier en cours", true},
         {"FileSaveItem", "&Enregistrer", "Enregistrer le fichier en cours", true, "Ctrl+S"},
         {"FileSaveAsItem", "Enregistrer &sous...", "Enregistrer le fichier en cours sous...",
          true},
         {"", "", "", false},
         {"FilePrintSetupItem", "&Configuration imprimante...", "Configuer l'imprimante", false},
         {"FilePageSetupItem", "&Mise en page...", "Définir les marges", true},
         {"FilePreviewItem", "&Aperçu avant impression", "Aperçu avant impression", true},
         {"FilePrintItem", "&Imprimer...", "Imprimer", true},
         {"", "", "", false},
         {"FileExitItem", "&Quitter", "Quitter l'application", false},
     }},
    {"EditMenu",
     "&Edition",
     "",
     4,
     {
         {"EditUndoItem", "&Annuler", "annuler modification", true, "Ctrl+Z"},
         {"EditRedoItem", "&Rétablir", "rétablir la modification", true, "Ctrl+Y"},
         {"", "", "", false},
         {"EditCutItem", "&Couper", "Couper dans le Presse-papiers", true, "Ctrl+X"},
         {"EditCopyItem", "Co&pier", "Copier dans le Presse-papiers", true, "Ctrl+C"},
         {"EditPasteItem", "C&oller", "Coller depuis le Presse-papiers", true, "Ctrl+V"},
         {"EditDeleteItem", "&Supprimer", "Supprimer l'obet", true, "Del"},
         {"", "", "", false},
         {"SelectAllItem", "&Tout sélectionner", "Slectiooner tous les objets", true},
         {"DeselectAllItem", "Tout &désélectionner", "Désélectionne tous les objets", true},
         {"LockItem", "&Verrouiller", "Verrouiller l'objet", true},
         {"UnlockAllItem", "Déverro&uiller tout", "Déverrouiller tout", true},
         {"", "", "", false},
         {"EraseItem", "&Effacer le dessin", "Efface le dessin", true},
     }},
    {"DrawMenu",
     "&Dessin",
     "",
     5,
     {
         {"EnlargeItem", "&Agrandir le support...", "Agrandir la feuille de dessin", true},
         {"CropItem", "Re&cadrer", "Recadrer le dessin", true},
         {"BackgroundItem", "&Fond de page...", "Fixer le fond de page", true},
         {"", "", "", false},
         {"PositionItem", "P&osition...", "Position d el'objet", true},
         {"SizeItem", "&Taille...", "Taille de l'objet", true},
         {"ModifyItem", "&Modifier...", "Modifier objet", true},
         {"", "", "", false},
         {"MirrorHItem", "Miroir &horizontal", "Miroir horizontal", true},
         {"MirrorVItem", "Miroir &vertical", "Miroir vertical", true},
         {"Rotation1", "&Rotation...", "Rotation", true},
         {"", "", "", false},
         {"PropertiesItem", "&Propriétés", "Attributs de l'image", true},
     }},
    {"ToolsMenu",
     "&Outils",
     "",
     6,
     {
         {"GroupItem", "&Grouper", "Grouper les objets", true},
         {"UngroupItem", "&Séparer", "Séparer les objets", true},
         {"", "", "", false},
         {"FrontItem", "A&vant plan", "Mettre en avant plan", true},
         {"BackItem", "&A&rrière plan", "Mettre en arrière plan", true},
         {"DownOneItem", "&Un dessous", "", true},
         {"UpOneItem", "Un &dessus", "", true},
         {"", "", "", false},
         {"ChartItem", "&Histogramme...", "Histogramme", true},
         {"", "", "", false},
         {"AlignItem", "&Aligner sur la grille", "", true},
         {"GridStepItem", "&Pas de grille...", "fixer le pas de grille", true},
     }},
    {"ViewMenu",
     "&Affichage",
     "",
     7,
     {
         {"ShowGridItem", "&Montrer la grille", "Montrer la grille", true},
         {"ColourStripItem", "&Palette des couleurs", "Afficher la palette des couleurs", false},
         {"RedrawItem", "&Redessiner", "", true},
         {"", "", "", false},
         {"ZoomResetItem", "&Taille initiale", "Revenir à la taille initiale", true},
         {"ZoomInItem", "Zoom a&vant", "Zoom avant", true},
         {"ZoomOutItem", "Zoom a&rrière", "Zoom arrière", true},
         {"", "", "", false},
         {"ObjectListItem", "&Liste des objets", "Afficher la liste des objets", true},
     }},
    {"UtilitiesMenu",
     "&Utilitaires",
     "",
     8,
     {
         {"CalendarItem", "&Calendrier", "Calendrier", false},
         {"CalculatorItem", "C&alculatrice", "Calculatrice", false},
         {"ClockItem", "&Horloge", "Horloge", false},
     }},
    {"WindowMenu",
     "Fe&nêtre",
     "Commandes de fenêtres telles que Mosaïque et Cascade",
     9,
     {
         {"WindowCascadeItem", "&Cascade", "Disposer les fenêtre de façon qu'elles se recouvrent",
          true},
         {"WindowTileItem", "&Mosaïque", "Disposer les fenêtre sans recouvrement", true},
         {"WindowArrangeItem", "&Réorganiser les icônes",
          "Disposer les icônes en bas de la fenêtre principale", true},
         {"WindowMinimizeItem", "&Tout réduire", "Réduire toutes les fenêtres", true},
     }},
    {"HelpMenu",
     "&?",
     "Rubriques d'aide",
     10,
     {
         {"HelpContentsItem", "&Index", "Sommaire de l'aide", false},
         {"HelpSearchItem", "&Rechercher", "&Rechercher dans l'aide", false},
         {"HelpHowToUseItem", "&Utiliser l'aide", "Comment utiliser l'aide", false},
         {"", "", "", false},
         {"HelpAboutItem", "&A propos", "Informations sur le logiciel, version", false},
     }},
};

} // namespace

QAction* TMainForm::addItem(QMenu* menu, const QString& name, const QString& caption,
                            const QString& hint, bool documentCommand, QKeySequence shortcut) {
    // A caption with two accelerator marks ("&A&rrière plan") shows and acts the same with its
    // first mark only, and is then also spoken as it shows.
    auto* a = new QAction(withFirstMnemonicOnly(caption), this);
    a->setObjectName(name);
    a->setStatusTip(hint);
    a->setToolTip(withoutMnemonics(hint.isEmpty() ? caption : hint));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    menu->addAction(a);
    actions_.insert(name, a);
    if (documentCommand) documentActions_ << a;
    return a;
}

void TMainForm::buildMenus() {
    for (const Menu& m : kMenus) {
        QMenu* menu = menuBar()->addMenu(withFirstMnemonicOnly(QString::fromUtf8(m.caption)));
        menu->setObjectName(QString::fromUtf8(m.name));
        menu->setStatusTip(QString::fromUtf8(m.hint));
        menu->setToolTipsVisible(false);
        menu->setProperty("helpContext", m.helpContext);
        menu->menuAction()->setProperty("helpContext", m.helpContext);
        menu->menuAction()->setStatusTip(QString::fromUtf8(m.hint));
        for (const Item& it : m.items) {
            if (!*it.name) {
                menu->addSeparator();
                continue;
            }
            QKeySequence key =
                it.shortcut ? QKeySequence(QString::fromLatin1(it.shortcut)) : QKeySequence();
            QAction* a = addItem(menu, QString::fromUtf8(it.name), QString::fromUtf8(it.caption),
                                 QString::fromUtf8(it.hint), it.document, key);
            a->setProperty("helpContext", m.helpContext);
        }
    }
    // Redo answers both usual keys.
    action(QStringLiteral("EditRedoItem"))
        ->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")),
                        QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (const char* ticked : {"ShowGridItem", "ColourStripItem"}) {
        QAction* a = action(QString::fromLatin1(ticked));
        a->setCheckable(true);
        a->setChecked(true);
    }
}

} // namespace qel
