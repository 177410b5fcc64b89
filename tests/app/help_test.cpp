#include "dialogs/aboutbox.h"
#include "app/helpengine.h"
#include "dialogs/helpviewer.h"
#include "app/splash.h"
#include "support/boxes.h"
#include "qelversion.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using qel::HelpEngine;
using qel::testing::MessageLog;

const QString kShippedHelp = QStringLiteral(QEL_TEST_DATA "/../../resources/help/QelDraw.hlp");

struct HelpFolder {
    QTemporaryDir dir;
    QString path() const { return dir.filePath("QelDraw.hlp"); }
    void write(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void copyShipped() const {
        QFile shipped(kShippedHelp);
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        write(shipped.readAll());
    }
};

TEST(HelpEngine, LooksInTheStartFolderThenBesideTheProgramThenInShare) {
    const QStringList candidates = HelpEngine::candidatesFor("/un/dossier");
    const QDir program(QCoreApplication::applicationDirPath());
    ASSERT_EQ(candidates.size(), 3);
    EXPECT_EQ(candidates[0], "/un/dossier/QelDraw.hlp");
    EXPECT_EQ(candidates[1], program.filePath("QelDraw.hlp"));
    EXPECT_EQ(candidates[2], QDir::cleanPath(program.filePath("../share/qeldraw/QelDraw.hlp")));
}

TEST(HelpEngine, MissingFileIsReportedByNameAndPlaces) {
    MessageLog log;
    HelpEngine engine({"/nulle/part/QelDraw.hlp", "/ailleurs/QelDraw.hlp"});
    EXPECT_FALSE(engine.showContents());
    EXPECT_FALSE(engine.search(""));
    ASSERT_EQ(log.texts.size(), 2);
    EXPECT_EQ(log.texts[0], "Le fichier d'aide « QelDraw.hlp » est introuvable.\n\n"
                            "Il a été cherché dans :\n/nulle/part\n/ailleurs");
    EXPECT_EQ(engine.viewer(), nullptr);
}

TEST(HelpEngine, UnreadableFileIsReportedWithTheReason) {
    MessageLog log;
    HelpFolder folder;
    folder.write("pas de l'aide");
    HelpFolder fallback;
    fallback.copyShipped();
    HelpEngine engine({folder.path(), fallback.path()});
    EXPECT_FALSE(engine.helpOnHelp());
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_TRUE(log.texts[0].startsWith("Le fichier d'aide « " + folder.path() +
                                        " » ne peut pas être lu : ce n'est pas un fichier"))
        << log.texts[0].toStdString();

    // Mended on disk, the file is read again at the next command.
    folder.copyShipped();
    QFile mended(folder.path());
    ASSERT_TRUE(mended.open(QIODevice::ReadWrite));
    mended.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    mended.close();
    EXPECT_TRUE(engine.helpOnHelp());
    EXPECT_EQ(log.texts.size(), 1);
}

TEST(HelpEngine, EachCommandOpensItsPage) {
    MessageLog log;
    HelpFolder folder;
    folder.copyShipped();
    HelpEngine engine(HelpEngine::candidatesFor(folder.dir.path()));
    struct Case {
        int command;
        int context;
        int shown;
        QString title;
    };
    const Case cases[] = {
        {HelpEngine::Contents, 0, 1, "Sommaire de l'aide"},
        {HelpEngine::HelpOnHelp, 0, 2, "Comment utiliser l'aide"},
        {HelpEngine::Context, 3, 3, "Menu Fichier"},
        {HelpEngine::Context, 4, 4, "Menu Edition"},
        {HelpEngine::Context, 5, 5, "Menu Dessin"},
        {HelpEngine::Context, 6, 6, "Menu Outils"},
        {HelpEngine::Context, 7, 7, "Menu Affichage"},
        {HelpEngine::Context, 8, 8, "Menu Utilitaires"},
        {HelpEngine::Context, 9, 9, "Menu Fenêtre"},
        {HelpEngine::Context, 10, 10, "Menu ?"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(engine.command(c.command, c.context)) << c.command << " " << c.context;
        qel::HelpViewer* viewer = engine.viewer();
        ASSERT_NE(viewer, nullptr);
        EXPECT_TRUE(viewer->isVisible());
        EXPECT_EQ(viewer->windowTitle(), "Aide de Qel Draw");
        EXPECT_EQ(viewer->currentContext(), c.shown);
        EXPECT_TRUE(viewer->browser()->toPlainText().startsWith(c.title))
            << viewer->browser()->toPlainText().left(40).toStdString();
    }
    EXPECT_EQ(engine.filePath(), folder.path());
    EXPECT_TRUE(log.texts.isEmpty());

    EXPECT_FALSE(engine.showContext(777));
    ASSERT_EQ(log.texts.size(), 1);
    EXPECT_EQ(log.texts[0],
              "La rubrique d'aide n° 777 est absente du fichier « " + folder.path() + " ».");
}

TEST(HelpViewer, KeywordSearchLeadsToTheTopic) {
    MessageLog log;
    HelpFolder folder;
    folder.copyShipped();
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
}

TEST(HelpViewer, LinksAndHistory) {
    MessageLog log;
    HelpFolder folder;
    folder.copyShipped();
    HelpEngine engine({folder.path()});
    ASSERT_TRUE(engine.showContents());
    qel::HelpViewer* viewer = engine.viewer();
    viewer->browser()->setSource(QUrl("aide:11"));
    EXPECT_EQ(viewer->currentContext(), 11);
    const QList<QPushButton*> buttons = viewer->findChildren<QPushButton*>();
    const auto named = [&](const QString& name) {
        for (QPushButton* b : buttons)
            if (b->accessibleName() == name) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    QPushButton* back = named("Précédent");
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(viewer->currentContext(), 1);
    named("Suivant")->click();
    EXPECT_EQ(viewer->currentContext(), 11);
    named("Sommaire")->click();
    EXPECT_EQ(viewer->currentContext(), 1);
}

TEST(AboutBox, ShowsNameAndVersionAndClosesOnOk) {
    bool closed = false;
    qel::testing::whenShown<qel::AboutBox>([&](qel::AboutBox* box) {
        EXPECT_EQ(box->windowTitle(), "A propos de Qel Draw");
        QStringList texts;
        for (QLabel* label : box->findChildren<QLabel*>())
            texts << label->text();
        EXPECT_TRUE(texts.contains("Qel Draw"));
        EXPECT_TRUE(texts.contains("Version " QEL_VERSION));
        for (QPushButton* button : box->findChildren<QPushButton*>())
            if (button->text() == "OK") closed = true, button->click();
        if (!closed) box->reject();
    });
    qel::showAboutBox(nullptr);
    EXPECT_TRUE(closed) << "no OK button";
}

TEST(Splash, ShowsADrawnPicture) {
    const QImage image = qel::splashPixmap().toImage();
    ASSERT_FALSE(image.isNull());
    // Something is drawn: more than a handful of colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 10);
    auto splash = qel::showSplash();
    EXPECT_TRUE(splash->isVisible());
}

} // namespace
