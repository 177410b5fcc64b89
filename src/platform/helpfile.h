#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace qel {

// One page of help: the context number the program asks for, a title, the keywords
// under which the keyword search lists it, and an HTML body.
struct HelpTopic {
    int context = 0;
    QString title;
    QStringList keywords;
    QString body;
};

// The help file "QelDraw.hlp", a UTF-8 text file:
//
//   QELHELP 1                                  first line, names the format and its version
//   # comment                                  comments and blank lines before the first topic
//   @topic 3 | Le menu Fichier | Fichier; Ouvrir; Enregistrer
//   <p>HTML body, up to the next "@topic" line or the end of the file</p>
//
// A topic header carries a context number (1..999999, each used once), a title and an
// optional list of keywords separated by ";". Bodies link to other topics with
// <a href="aide:N">. Context 1 is the contents page, context 2 explains the help itself.
class HelpFile {
public:
    static constexpr int ContentsContext = 1;
    static constexpr int HelpOnHelpContext = 2;
    static constexpr qint64 MaxSize = 8 * 1024 * 1024;

    // Both return false with errorString() set and no topics when the file is unusable.
    bool load(const QString& path);
    bool parse(const QByteArray& bytes);

    QString errorString() const { return error_; }
    const std::vector<HelpTopic>& topics() const { return topics_; }
    const HelpTopic* topic(int context) const;

    // Keywords beginning with partialKey, ignoring case and accents, in alphabetical order;
    // an empty key gives every keyword.
    QStringList keywords(const QString& partialKey = {}) const;
    // Topics listed under one keyword (exact text, as keywords() returns it), in file order.
    std::vector<const HelpTopic*> topicsForKeyword(const QString& keyword) const;

    // Lower-case, accent-free form under which keywords are compared.
    static QString searchKey(const QString& text);

private:
    bool fail(const QString& message);

    std::vector<HelpTopic> topics_;
    QString error_;
};

} // namespace qel
