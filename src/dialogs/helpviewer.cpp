#include "dialogs/helpviewer.h"

#include "platform/mnemonic.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qel {

namespace {

const QString kScheme = QStringLiteral("aide");

QUrl topicUrl(int context) {
    return QUrl(kScheme + QLatin1Char(':') + QString::number(context));
}

int contextOf(const QUrl& url) {
    bool ok = false;
    const int context = url.scheme() == kScheme ? url.path().toInt(&ok) : 0;
    return ok ? context : 0;
}

QString pageHtml(const HelpTopic* topic) {
    if (!topic) return QStringLiteral("<p>Cette rubrique n'existe pas dans le fichier d'aide.</p>");
    return QStringLiteral("<h2>%1</h2>\n%2").arg(topic->title.toHtmlEscaped(), topic->body);
}

// Serves "aide:N" links from the help file, so that the browser's own history gives
// back and forward; other links lead nowhere.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(const HelpFile& help, QWidget* parent) : QTextBrowser(parent), help_(help) {}

    QVariant loadResource(int type, const QUrl& url) override {
        if (type == QTextDocument::HtmlResource && url.scheme() == kScheme)
            return pageHtml(help_.topic(contextOf(url)));
        return {};
    }

private:
    const HelpFile& help_;
};

// Captions double as accessible names, as they are shown.
QString plainCaption(const QString& caption) {
    return withoutMnemonics(caption);
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption);
    label->setBuddy(buddy);
    buddy->setAccessibleName(plainCaption(caption).remove(QLatin1Char(':')).trimmed());
    return label;
}

QPushButton* button(const QString& caption) {
    auto* result = new QPushButton(caption);
    result->setAccessibleName(plainCaption(caption));
    result->setAutoDefault(false);
    return result;
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QDialog(parent), browser_(new HelpBrowser(help_, this)), searchField_(new QLineEdit),
      keywordList_(new QListWidget), topicList_(new QListWidget) {
    setWindowTitle(QStringLiteral("Aide de Qel Draw"));
    setAccessibleName(windowTitle());
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(820, 560);

    auto* contentsButton = button(QStringLiteral("&Sommaire"));
    backButton_ = button(QStringLiteral("&Précédent"));
    forwardButton_ = button(QStringLiteral("S&uivant"));
    auto* closeButton = button(QStringLiteral("&Fermer"));
    backButton_->setEnabled(false);
    forwardButton_->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {contentsButton, backButton_, forwardButton_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto* searchPane = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(buddyLabel(QStringLiteral("&Mot clé :"), searchField_));
    searchLayout->addWidget(searchField_);
    searchLayout->addWidget(buddyLabel(QStringLiteral("Mots &clés :"), keywordList_));
    searchLayout->addWidget(keywordList_, 3);
    searchLayout->addWidget(buddyLabel(QStringLiteral("&Rubriques trouvées :"), topicList_));
    searchLayout->addWidget(topicList_, 1);

    browser_->setAccessibleName(QStringLiteral("Rubrique d'aide"));
    browser_->setOpenExternalLinks(false);
    auto* splitter = new QSplitter;
    splitter->addWidget(searchPane);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 600});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    connect(contentsButton, &QPushButton::clicked, this,
            [this] { showTopic(HelpFile::ContentsContext); });
    connect(backButton_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forwardButton_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(browser_, &QTextBrowser::backwardAvailable, backButton_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forwardButton_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewer::sourceChanged);
    connect(searchField_, &QLineEdit::textEdited, this, &HelpViewer::fillKeywords);
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpViewer::showKeywordTopic);
    connect(keywordList_, &QListWidget::currentRowChanged, this, &HelpViewer::fillTopics);
    connect(keywordList_, &QListWidget::itemActivated, this, &HelpViewer::showKeywordTopic);
    connect(topicList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toInt()); });
    connect(topicList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showTopic(item->data(Qt::UserRole).toInt()); });
}

void HelpViewer::setHelpFile(const HelpFile& help) {
    help_ = help;
    current_ = 0;
    browser_->clearHistory();
    browser_->clear();
    fillKeywords(searchField_->text());
}

bool HelpViewer::showTopic(int context) {
    if (!help_.topic(context)) return false;
    if (context == current_)
        browser_->reload();
    else
        browser_->setSource(topicUrl(context), QTextDocument::HtmlResource);
    return true;
}

void HelpViewer::showSearch(const QString& partialKey) {
    searchField_->setText(partialKey);
    fillKeywords(partialKey);
    searchField_->setFocus();
    searchField_->selectAll();
}

void HelpViewer::fillKeywords(const QString& partialKey) {
    keywordList_->clear();
    keywordList_->addItems(help_.keywords(partialKey));
    if (keywordList_->count() > 0) keywordList_->setCurrentRow(0);
    fillTopics();
}

void HelpViewer::fillTopics() {
    topicList_->clear();
    const QListWidgetItem* keyword = keywordList_->currentItem();
    if (!keyword) return;
    for (const HelpTopic* topic : help_.topicsForKeyword(keyword->text())) {
        auto* item = new QListWidgetItem(topic->title, topicList_);
        item->setData(Qt::UserRole, topic->context);
    }
    if (topicList_->count() > 0) topicList_->setCurrentRow(0);
}

void HelpViewer::showKeywordTopic() {
    if (const QListWidgetItem* topic = topicList_->currentItem())
        showTopic(topic->data(Qt::UserRole).toInt());
}

void HelpViewer::sourceChanged(const QUrl& url) {
    current_ = contextOf(url);
}

} // namespace qel
