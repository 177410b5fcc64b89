// The help: where its file is looked for, what is said when it cannot be read, its pages and
// the viewer's search and links; the about box and the splash picture.

#include "app/helpengine.h"
#include "app/splash.h"
#include "dialogs/aboutbox.h"
#include "dialogs/helpviewer.h"
#include "qelversion.h"
#include "support/drawingwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>

namespace {

using qel::HelpEngine;
using qel::testing::MessageLog;

const QString kShippedHelp = QStringLiteral(QEL_TEST_DATA "/../../resources/help/QelDraw.hlp");

// A folder holding a help file: the shipped one unless told otherwise.
struct HelpFolder {
    QTemporaryDir dir;
    QString path() const { return dir.filePath("QelDraw.hlp"); }
    explicit HelpFolder(bool shipped = true) {
        if (shipped) QFile::copy(kShippedHelp, path());
    }
};

TEST(HelpEngine, LooksInTheStartFolderThenBesideTheProgramThenInShare) {
    const QDir program(QCoreApplication::applicationDirPath());
    EXPECT_EQ(HelpEngine::candidatesFor("/un/dossier"),
              QStringList({"/un/dossier/QelDraw.hlp", program.filePath("QelDraw.hlp"),
                           QDir::cleanPath(program.filePath("../share/qeldraw/QelDraw.hlp"))}));
}

// A missing file is reported with the places looked in, an unreadable one with the reason; a
// file mended on disk is read again at the next command.
TEST(HelpEngine, MissingOrUnreadableFileIsReported) {
    MessageLog log;
    HelpEngine lost({"/nulle/part/QelDraw.hlp", "/ailleurs/QelDraw.hlp"});
    EXPECT_FALSE(lost.showContents());
    EXPECT_FALSE(lost.search(""));
    EXPECT_EQ(lost.viewer(), nullptr);
    HelpFolder folder(false), fallback;
    ASSERT_TRUE(qel::testing::writeFile(folder.path(), "pas de l'aide"));
    HelpEngine engine({folder.path(), fallback.path()});
    EXPECT_FALSE(engine.helpOnHelp());
    ASSERT_EQ(log.texts.size(), 3);
    EXPECT_EQ(log.texts[0], "Le fichier d'aide « QelDraw.hlp » est introuvable.\n\n"
                            "Il a été cherché dans :\n/nulle/part\n/ailleurs");
    EXPECT_TRUE(log.texts[2].startsWith("Le fichier d'aide « " + folder.path() +
                                        " » ne peut pas être lu : ce n'est pas un fichier"))
        << log.texts[2].toStdString();

    QFile file(folder.path());
    file.remove();
    QFile::copy(kShippedHelp, folder.path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_TRUE(engine.helpOnHelp());
    EXPECT_EQ(log.texts.size(), 3);
}

// The contents, the help on help, then each menu's own page.
TEST(HelpEngine, EachCommandOpensItsPage) {
    MessageLog log;
    HelpFolder folder;
    HelpEngine engine(HelpEngine::candidatesFor(folder.dir.path()));
    const char* const titles[] = {"Sommaire de l'aide", "Comment utiliser l'aide",
                                  "Menu Fichier",       "Menu Edition",
                                  "Menu Dessin",        "Menu Outils",
                                  "Menu Affichage",     "Menu Utilitaires",
                                  "Menu Fenêtre",       "Menu ?"};
    for (int shown = 1; shown <= 10; ++shown) {
        SCOPED_TRACE(titles[shown - 1]);
        const int command = shown == 1   ? HelpEngine::Contents
                            : shown == 2 ? HelpEngine::HelpOnHelp
                                         : HelpEngine::Context;
        ASSERT_TRUE(engine.command(command, shown > 2 ? shown : 0));
        qel::HelpViewer* viewer = engine.viewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->windowTitle(), "Aide de Qel Draw");
        EXPECT_EQ(viewer->currentContext(), shown);
        EXPECT_TRUE(
            viewer->browser()->toPlainText().startsWith(QString::fromUtf8(titles[shown - 1])));
    }
    EXPECT_EQ(engine.filePath(), folder.path());
    EXPECT_TRUE(log.texts.isEmpty());
    EXPECT_FALSE(engine.showContext(777));
    EXPECT_EQ(log.texts, QStringList("La rubrique d'aide n° 777 est absente du fichier « " +
                                     folder.path() + " »."));
}

TEST(HelpViewer, KeywordSearchLinksAndHistoryLeadToTheirTopics) {
    MessageLog log;
    HelpFolder folder;
    HelpEngine engine({folder.path()});
    ASSERT_TRUE(engine.command(HelpEngine::PartialKey, 0, QString()));
    qel::HelpViewer* viewer = engine.viewer();
    EXPECT_EQ(viewer->currentContext(), 1);
    EXPECT_EQ(viewer->keywordList()->count(), viewer->helpFile().keywords().size());
    QTest::keyClicks(viewer->searchField(), "zoom a");
    ASSERT_EQ(viewer->keywordList()->count(), 2);
    EXPECT_EQ(viewer->keywordList()->item(0)->text(), "Zoom arrière");
    EXPECT_EQ(viewer->topicList()->item(0)->text(), "Menu Affichage");
    QTest::keyClick(viewer->searchField(), Qt::Key_Return);
    EXPECT_EQ(viewer->currentContext(), 7);
    ASSERT_TRUE(engine.search("grou"));
    EXPECT_EQ(viewer->searchField()->text(), "grou");
    EXPECT_EQ(viewer->keywordList()->item(0)->text(), "Groupe");

    // A link, then back, forward and the contents by the buttons' spoken names.
    ASSERT_TRUE(engine.showContents());
    viewer->browser()->setSource(QUrl("aide:11"));
    EXPECT_EQ(viewer->currentContext(), 11);
    const auto click = [&](const QString& name) {
        for (QPushButton* b : viewer->findChildren<QPushButton*>())
            if (b->accessibleName() == name && b->isEnabled()) return b->click(), true;
        return false;
    };
    const std::pair<const char*, int> steps[] = {
        {"Précédent", 1}, {"Suivant", 11}, {"Sommaire", 1}};
    for (const auto& [button, shown] : steps) {
        ASSERT_TRUE(click(QString::fromUtf8(button))) << button;
        EXPECT_EQ(viewer->currentContext(), shown) << button;
    }
}

TEST(AboutBox, ShowsNameAndVersionAndClosesOnOk) {
    bool closed = false;
    qel::testing::whenShown<qel::AboutBox>([&](qel::AboutBox* box) {
        EXPECT_EQ(box->windowTitle(), "A propos de Qel Draw");
        QStringList texts;
        for (QLabel* label : box->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains("Qel Draw") && texts.contains("Version " QEL_VERSION));
        for (QPushButton* button : box->findChildren<QPushButton*>())
            if (button->text() == "OK") closed = true, button->click();
        if (!closed) box->reject();
    });
    qel::showAboutBox(nullptr);
    EXPECT_TRUE(closed) << "no OK button";
}

// Something is drawn: more than a handful of colours.
TEST(Splash, ShowsADrawnPicture) {
    const QImage image = qel::splashPixmap().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 10);
    EXPECT_TRUE(qel::showSplash()->isVisible());
}

} // namespace
