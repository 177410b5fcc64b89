#pragma once

#include "platform/helpfile.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace qel {

// The help window: one topic at a time in a text browser, with a contents button,
// back and forward through the topics seen, and a keyword search beside it.
class HelpViewer : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void setHelpFile(const HelpFile& help);
    const HelpFile& helpFile() const { return help_; }

    // False when the file has no topic with that context.
    bool showTopic(int context);
    // Fills the keyword list with the keywords starting with partialKey and puts the
    // keyboard focus in the search field.
    void showSearch(const QString& partialKey);

    int currentContext() const { return current_; }
    QTextBrowser* browser() const { return browser_; }
    QLineEdit* searchField() const { return searchField_; }
    QListWidget* keywordList() const { return keywordList_; }
    QListWidget* topicList() const { return topicList_; }

private:
    void fillKeywords(const QString& partialKey);
    void fillTopics();
    void showKeywordTopic();
    void sourceChanged(const QUrl& url);

    HelpFile help_;
    int current_ = 0;
    QTextBrowser* browser_;
    QLineEdit* searchField_;
    QListWidget* keywordList_;
    QListWidget* topicList_;
    QPushButton* backButton_;
    QPushButton* forwardButton_;
};

} // namespace qel
