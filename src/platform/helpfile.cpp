#include "platform/helpfile.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <map>

namespace qel {

namespace {

const QString kMagic = QStringLiteral("QELHELP 1");
const QString kTopicTag = QStringLiteral("@topic");
constexpr int kMaxContext = 999999;

bool isTopicHeader(const QString& line) {
    return line.startsWith(kTopicTag) &&
           (line.size() == kTopicTag.size() || line.at(kTopicTag.size()).isSpace());
}

// Digits only: toInt would also take signs and surrounding blanks.
int parseContext(const QString& text) {
    if (text.isEmpty() || text.size() > 6) return -1;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return -1;
    const int value = text.toInt();
    return value >= 1 && value <= kMaxContext ? value : -1;
}

QStringList splitKeywords(const QString& field) {
    QStringList keywords;
    for (const QString& part : field.split(QLatin1Char(';'))) {
        const QString keyword = part.trimmed();
        if (!keyword.isEmpty() && !keywords.contains(keyword)) keywords << keyword;
    }
    return keywords;
}

} // namespace

bool HelpFile::fail(const QString& message) {
    topics_.clear();
    error_ = message;
    return false;
}

bool HelpFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    if (file.size() > MaxSize) return fail(QStringLiteral("le fichier est trop grand"));
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
    return parse(bytes);
}

bool HelpFile::parse(const QByteArray& bytes) {
    topics_.clear();
    error_.clear();
    if (bytes.size() > MaxSize) return fail(QStringLiteral("le fichier est trop grand"));
    if (bytes.contains('\0'))
        return fail(QStringLiteral("le fichier contient des caractères nuls"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) return fail(QStringLiteral("le texte n'est pas codé en UTF-8"));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (lines.first().trimmed() != kMagic)
        return fail(QStringLiteral("ce n'est pas un fichier d'aide de Qel Draw "
                                   "(la première ligne doit être « %1 »)")
                        .arg(kMagic));

    std::map<int, int> headerLine; // context -> line number, to name both lines of a duplicate
    QStringList body;
    const auto closeTopic = [&] {
        if (!topics_.empty()) topics_.back().body = body.join(QLatin1Char('\n')).trimmed();
        body.clear();
    };
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        const int number = i + 1;
        if (!isTopicHeader(line)) {
            if (!topics_.empty())
                body << line;
            else if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
                return fail(
                    QStringLiteral("ligne %1 : texte en dehors d'une rubrique").arg(number));
            continue;
        }
        const QStringList fields = line.mid(kTopicTag.size()).split(QLatin1Char('|'));
        if (fields.size() < 2 || fields.size() > 3)
            return fail(QStringLiteral("ligne %1 : en-tête de rubrique mal formé "
                                       "(attendu « @topic numéro | titre | mots clés »)")
                            .arg(number));
        const QString contextText = fields.at(0).trimmed();
        if (contextText.isEmpty())
            return fail(QStringLiteral("ligne %1 : numéro de contexte manquant").arg(number));
        const int context = parseContext(contextText);
        if (context < 0)
            return fail(QStringLiteral("ligne %1 : numéro de contexte invalide « %2 »")
                            .arg(number)
                            .arg(contextText));
        if (const auto found = headerLine.find(context); found != headerLine.end())
            return fail(QStringLiteral("ligne %1 : le contexte %2 est déjà défini ligne %3")
                            .arg(number)
                            .arg(context)
                            .arg(found->second));
        HelpTopic topic;
        topic.context = context;
        topic.title = fields.at(1).trimmed();
        if (topic.title.isEmpty())
            return fail(QStringLiteral("ligne %1 : la rubrique n'a pas de titre").arg(number));
        if (fields.size() == 3) topic.keywords = splitKeywords(fields.at(2));
        closeTopic();
        headerLine[context] = number;
        topics_.push_back(std::move(topic));
    }
    closeTopic();
    if (topics_.empty()) return fail(QStringLiteral("le fichier ne contient aucune rubrique"));
    return true;
}

const HelpTopic* HelpFile::topic(int context) const {
    const auto found = std::find_if(topics_.begin(), topics_.end(),
                                    [context](const HelpTopic& t) { return t.context == context; });
    return found == topics_.end() ? nullptr : &*found;
}

QString HelpFile::searchKey(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing) key += c;
    return key.toCaseFolded();
}

QStringList HelpFile::keywords(const QString& partialKey) const {
    const QString prefix = searchKey(partialKey.trimmed());
    std::vector<std::pair<QString, QString>> found; // (search key, keyword)
    for (const HelpTopic& topic : topics_)
        for (const QString& keyword : topic.keywords) {
            QString key = searchKey(keyword);
            if (key.startsWith(prefix)) found.emplace_back(std::move(key), keyword);
        }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    QStringList result;
    for (const auto& entry : found)
        result << entry.second;
    return result;
}

std::vector<const HelpTopic*> HelpFile::topicsForKeyword(const QString& keyword) const {
    std::vector<const HelpTopic*> result;
    for (const HelpTopic& topic : topics_)
        if (topic.keywords.contains(keyword)) result.push_back(&topic);
    return result;
}

} // namespace qel
