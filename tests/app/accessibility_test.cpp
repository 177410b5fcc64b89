// What a screen reader hears: every name and description as a person reads it, without the
// accelerator marks of the captions, in the frame and in every dialog; and Qt's own texts
// in French.

#include "app/colourpanel.h"
#include "app/mainform.h"
#include "app/toolpalette.h"
#include "dialogs/gradientdialog.h"
#include "dialogs/patterndialog.h"
#include "dialogs/recoverydialog.h"
#include "dialogs/textinput.h"
#include "platform/colourchooser.h"
#include "platform/messages.h"
#include "platform/mnemonic.h"

#include "app/accessible.h"
#include "support/boxes.h"

#include <QMenu>
#include <memory>

using namespace qel;
using namespace qel::testing;

// A caption as shown, and as given to Qt, which takes only one mark.
TEST(Mnemonics, CaptionsAsShownAndAsQtSpeaksThem) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"&A&rrière plan", "Arrière plan", "&Arrière plan"},
        {"&Noir && &blanc", "Noir & blanc", "&Noir && blanc"},
        {"Fin&", "Fin", "Fin&"}};
    for (const auto& [caption, shown, firstOnly] : cases) {
        EXPECT_EQ(withoutMnemonics(QString::fromUtf8(caption)), QString::fromUtf8(shown));
        EXPECT_EQ(withFirstMnemonicOnly(QString::fromUtf8(caption)), QString::fromUtf8(firstOnly));
    }
}

TEST(Accessibility, FrameMenusAndButtonsAreSpokenWithoutMarks) {
    FrenchQt french;
    TMainForm frame;
    frame.FileNewItemClick();
    frame.setStatusText(0, QStringLiteral("&Rechercher dans l'aide"));
    frame.show();
    EXPECT_EQ(marksIn(&frame), "");
    EXPECT_EQ(unnamedIn(&frame), "");

    // The restacking item is read as it shows.
    QAccessibleInterface* item = nullptr;
    QAction* back = frame.action(QStringLiteral("BackItem"));
    for (QMenu* menu : frame.findChildren<QMenu*>())
        if (menu->actions().contains(back))
            item = QAccessible::queryAccessibleInterface(menu)->child(
                int(menu->actions().indexOf(back)));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name).toStdString(), "Arrière plan");
}

TEST(Accessibility, StyleButtonsOfOneHintAreToldApartByName) {
    TMainForm frame;
    QStringList names;
    walk(QAccessible::queryAccessibleInterface(frame.toolPalette()),
         [&](QAccessibleInterface* i) { names << i->text(QAccessible::Name); });
    for (const char* group : {"Style de trait : ", "Motif de remplissage : "}) {
        QStringList found = names.filter(QString::fromUtf8(group));
        const qsizetype count = found.size();
        found.removeDuplicates();
        EXPECT_EQ(found.size(), count) << group;
        EXPECT_EQ(count, group[0] == 'S' ? 6 : 8) << group;
    }
}

TEST(Accessibility, DialogsAreSpokenWithoutMarks) {
    FrenchQt french;
    QWidget owner;
    // The boxes the menu commands open are heard in the walk through every command; these are
    // reached otherwise.
    const std::pair<const char*, std::function<QWidget*()>> dialogs[] = {
        {"text", [&] { return new TEditext(&owner); }},
        {"pattern", [&] { return new TMotif(&owner); }},
        {"gradient", [&] { return new TCouleur(&owner); }},
        {"recovery", [&] { return new TRecuperation({}, &owner); }},
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QWidget> dialog(make());
        dialog->show(); // hidden controls are not spoken
        EXPECT_EQ(marksIn(dialog.get()), "") << name;
        EXPECT_EQ(unnamedIn(dialog.get()), "") << name;
    }
    // The boxes Qt shows for us, heard while they are up; the file dialogs are heard in the
    // walk through every command.
    const std::function<void()> modal[] = {[] { askYesNoCancel(nullptr, "Enregistrer ?"); },
                                           [] { chooseColour(nullptr, kBlack); }};
    for (const auto& open : modal) {
        std::string heard;
        BoxCatcher boxes(nullptr, [&](QWidget* box) { heard += marksIn(box); });
        open();
        EXPECT_EQ(boxes.opened.size(), 1);
        EXPECT_EQ(heard, "");
    }
}

TEST(Translation, QtTextsInFrenchWhenTheCatalogueIsInstalled) {
    const auto lookIn = [] { return QCoreApplication::translate("QFileDialog", "Look in:"); };
    QObject owner;
    EXPECT_EQ(installQtTranslation(&owner, QStringLiteral("/nonexistent")), nullptr);
    EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
    FrenchQt french;
    if (!french.translator) GTEST_SKIP() << "Qt's French catalogue is not installed";
    EXPECT_EQ(lookIn(), QStringLiteral("Voir dans :"));
}
