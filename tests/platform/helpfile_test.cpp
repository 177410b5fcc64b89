#include "platform/helpfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using qel::HelpFile;

const QString kShippedHelp = QStringLiteral(QEL_TEST_DATA "/../../resources/help/QelDraw.hlp");

const QByteArray kSample = "QELHELP 1\n"
                           "# commentaire\n"
                           "\n"
                           "@topic 1 | Sommaire | Index; Sommaire\n"
                           "<p>Voir <a href=\"aide:3\">Fichier</a></p>\n"
                           "@topic 3|Menu Fichier|Fichier; Enregistrer;; Ouvrir ;Fichier\r\n"
                           "<p>Ligne 1</p>\r\n"
                           "<p>Ligne 2</p>\r\n"
                           "\r\n"
                           "@topic 4 | Menu Edition | Édition; Effacer le dessin; enregistrer\n"
                           "@topic 7 | Sans mots clés\n"
                           "<p>x</p>";

QStringList toList(const std::vector<const qel::HelpTopic*>& topics) {
    QStringList titles;
    for (const qel::HelpTopic* topic : topics)
        titles << topic->title;
    return titles;
}

TEST(HelpFile, ParsesHeadersAndBodies) {
    HelpFile help;
    ASSERT_TRUE(help.parse(kSample)) << help.errorString().toStdString();
    ASSERT_EQ(help.topics().size(), 4u);

    const qel::HelpTopic* file = help.topic(3);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title, "Menu Fichier");
    EXPECT_EQ(file->keywords, QStringList({"Fichier", "Enregistrer", "Ouvrir"}));
    EXPECT_EQ(file->body, "<p>Ligne 1</p>\n<p>Ligne 2</p>");

    EXPECT_EQ(help.topic(4)->body, "");
    EXPECT_TRUE(help.topic(7)->keywords.isEmpty());
    EXPECT_EQ(help.topic(7)->body, "<p>x</p>");
    EXPECT_EQ(help.topic(2), nullptr);
    EXPECT_EQ(help.topic(HelpFile::ContentsContext)->title, "Sommaire");

    EXPECT_TRUE(help.parse("\xef\xbb\xbfQELHELP 1\r\n@topic 2 | Aide\r\n")) << "a byte order mark";
    // "@topics" is body text, not a header.
    EXPECT_TRUE(help.parse("QELHELP 1\n@topic 1 | A\n@topics 2 | B\n"));
    EXPECT_EQ(help.topics().size(), 1u);
}

TEST(HelpFile, KeywordsByPartialKeyLeadToEveryTopicListingThem) {
    HelpFile help;
    ASSERT_TRUE(help.parse(kSample));
    const std::pair<QString, QStringList> cases[] = {
        {"",
         {"Édition", "Effacer le dessin", "Enregistrer", "enregistrer", "Fichier", "Index",
          "Ouvrir", "Sommaire"}},
        {"e", {"Édition", "Effacer le dessin", "Enregistrer", "enregistrer"}},
        {"ED", {"Édition"}},
        {"édi", {"Édition"}},
        {"  fi", {"Fichier"}},
        {"effacer le", {"Effacer le dessin"}},
        {"dessin", {}},
    };
    for (const auto& [key, expected] : cases)
        EXPECT_EQ(help.keywords(key), expected) << key.toStdString();
    EXPECT_EQ(toList(help.topicsForKeyword("Enregistrer")), QStringList{"Menu Fichier"});
    EXPECT_EQ(toList(help.topicsForKeyword("enregistrer")), QStringList{"Menu Edition"});
    EXPECT_TRUE(help.topicsForKeyword("Inconnu").empty());
}

TEST(HelpFile, MalformedFilesGiveAnErrorAndNoTopics) {
    struct Case {
        QByteArray bytes;
        QString error;
    };
    const Case cases[] = {
        {"", "ce n'est pas un fichier d'aide"},
        {"QELHELP 2\n@topic 1 | A\n", "ce n'est pas un fichier d'aide"},
        {"<html>\n", "ce n'est pas un fichier d'aide"},
        {"QELHELP 1\n", "aucune rubrique"},
        {"QELHELP 1\ntexte\n@topic 1 | A\n", "ligne 2 : texte en dehors d'une rubrique"},
        {"QELHELP 1\n@topic 1\n", "ligne 2 : en-tête de rubrique mal formé"},
        {"QELHELP 1\n@topic 1 | A | b | c\n", "ligne 2 : en-tête de rubrique mal formé"},
        {"QELHELP 1\n@topic x | A\n", "ligne 2 : numéro de contexte invalide « x »"},
        {"QELHELP 1\n@topic -3 | A\n", "numéro de contexte invalide « -3 »"},
        {"QELHELP 1\n@topic 0 | A\n", "numéro de contexte invalide « 0 »"},
        {"QELHELP 1\n@topic 99999999999 | A\n", "numéro de contexte invalide"},
        {"QELHELP 1\n@topic | A\n", "ligne 2 : numéro de contexte manquant"},
        {"QELHELP 1\n@topic 5 |  | k\n", "ligne 2 : la rubrique n'a pas de titre"},
        {"QELHELP 1\n@topic 5 | A\nx\n@topic 5 | B\n",
         "ligne 4 : le contexte 5 est déjà défini ligne 2"},
        {"QELHELP 1\n@topic 5 | A\n\xff\xfe\n", "UTF-8"},
        {QByteArray("QELHELP 1\n@topic 5 | A\n\0\n", 24), "caractères nuls"},
    };
    for (const Case& c : cases) {
        HelpFile help;
        EXPECT_FALSE(help.parse(c.bytes)) << c.bytes.toStdString();
        EXPECT_TRUE(help.errorString().contains(c.error))
            << help.errorString().toStdString() << " / " << c.error.toStdString();
        EXPECT_TRUE(help.topics().empty());
        EXPECT_TRUE(help.keywords().isEmpty());
    }
}

TEST(HelpFile, SurvivesTruncatedAndRandomBytes) {
    QFile file(kShippedHelp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray shipped = file.readAll();
    for (qsizetype size = 0; size < shipped.size(); size += 7) {
        HelpFile help;
        help.parse(shipped.left(size));
    }
    QRandomGenerator random(42);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes = "QELHELP 1\n@topic ";
        const int extra = random.bounded(200);
        for (int i = 0; i < extra; ++i)
            bytes += "|;@\n 19x\xc3\xa9\xff"[random.bounded(12)];
        HelpFile help;
        if (!help.parse(bytes)) EXPECT_FALSE(help.errorString().isEmpty());
    }
}

TEST(HelpFile, LoadReportsMissingAndOversizedFiles) {
    HelpFile help;
    EXPECT_FALSE(help.load("/nonexistent/QelDraw.hlp"));
    EXPECT_FALSE(help.errorString().isEmpty());

    QTemporaryDir dir;
    QFile big(dir.filePath("big.hlp"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("QELHELP 1\n@topic 1 | A\n");
    big.resize(HelpFile::MaxSize + 1);
    big.close();
    EXPECT_FALSE(help.load(big.fileName()));
    EXPECT_TRUE(help.errorString().contains("trop grand"));
}

// The file we ship: every menu has its page, and every link leads somewhere.
TEST(HelpFile, ShippedFileCoversEveryMenuAndLinksResolve) {
    HelpFile help;
    ASSERT_TRUE(help.load(kShippedHelp)) << help.errorString().toStdString();
    const std::pair<int, QString> pages[] = {
        {1, "Sommaire"}, {2, "aide"},   {3, "Fichier"},           {4, "Edition"},
        {5, "Dessin"},   {6, "Outils"}, {7, "Affichage"},         {8, "Utilitaires"},
        {9, "Fenêtre"},  {10, "?"},     {11, "palette d'outils"}, {12, "palette des couleurs"},
    };
    for (const auto& [context, title] : pages) {
        const qel::HelpTopic* topic = help.topic(context);
        ASSERT_NE(topic, nullptr) << context;
        EXPECT_TRUE(topic->title.contains(title)) << topic->title.toStdString();
        EXPECT_FALSE(topic->body.isEmpty()) << context;
        EXPECT_FALSE(topic->keywords.isEmpty()) << context;
    }
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (const qel::HelpTopic& topic : help.topics()) {
        for (const auto& match : link.globalMatch(topic.body)) {
            const QString target = match.captured(1);
            ASSERT_TRUE(target.startsWith("aide:")) << target.toStdString();
            EXPECT_NE(help.topic(target.mid(5).toInt()), nullptr) << target.toStdString();
        }
    }
    EXPECT_GT(help.keywords().size(), 50);
}

} // namespace
