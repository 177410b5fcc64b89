#include "platform/recoverystore.h"

#include "document/drawingfile.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QUuid>

namespace qel {

namespace {

// A first line that says what the file is, a line of facts, then the drawing's own text.
const QByteArray kMagic = "QelDraw recovery 1\n";
const QString kLockName = QStringLiteral("instance.lock");
const QString kSuffix = QStringLiteral(".qelrecovery");

} // namespace

RecoveryStore::RecoveryStore(QString root) : root_(std::move(root)) {}

RecoveryStore::~RecoveryStore() {
    forget();
    // A clean end leaves nothing to recover: this instance's folder goes when it is empty.
    if (!own_.isEmpty()) {
        lock_.reset();
        QDir(own_).remove(kLockName);
        QDir(root_).rmdir(QFileInfo(own_).fileName());
    }
}

QString RecoveryStore::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

bool RecoveryStore::open() {
    if (!own_.isEmpty()) return true;
    const QString folder =
        root_ + u'/' + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8) +
        QStringLiteral("-%1").arg(QCoreApplication::applicationPid());
    if (!QDir().mkpath(folder)) return false;
    lock_ = std::make_unique<QLockFile>(folder + u'/' + kLockName);
    lock_->setStaleLockTime(0); // only a dead owner makes a lock stale, however old
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
    own_ = folder;
    return true;
}

QString RecoveryStore::fileFor(int window) const {
    if (own_.isEmpty()) return {};
    return own_ + QStringLiteral("/drawing%1").arg(window) + kSuffix;
}

std::vector<RecoveryEntry> RecoveryStore::orphans() {
    std::vector<RecoveryEntry> out;
    const QDir root(root_);
    for (const QFileInfo& folder : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString path = folder.absoluteFilePath();
        if (path == QFileInfo(own_).absoluteFilePath()) continue;
        if (std::find(claimedFolders_.begin(), claimedFolders_.end(), path) !=
            claimedFolders_.end())
            continue;
        // A folder whose lock can be taken belongs to an instance that has ended.
        auto lock = std::make_unique<QLockFile>(path + u'/' + kLockName);
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;
        claimed_.push_back(std::move(lock));
        claimedFolders_.push_back(path);
        const QDir dir(path);
        const QFileInfoList copies = dir.entryInfoList({QStringLiteral("*") + kSuffix},
                                                       QDir::Files, QDir::Time | QDir::Reversed);
        for (const QFileInfo& f : copies)
            out.push_back(read(f.absoluteFilePath()));
        if (copies.isEmpty()) discard(RecoveryEntry{path + QStringLiteral("/none"), false, {}});
    }
    return out;
}

void RecoveryStore::discard(const RecoveryEntry& entry) {
    QFile::remove(entry.path);
    const QString folder = QFileInfo(entry.path).absolutePath();
    const QDir dir(folder);
    if (!dir.entryList({QStringLiteral("*") + kSuffix}, QDir::Files).isEmpty()) return;
    for (std::size_t i = 0; i < claimedFolders_.size(); ++i)
        if (claimedFolders_[i] == folder) {
            claimed_[i].reset(); // unlocks and removes the lock file
            claimed_.erase(claimed_.begin() + std::ptrdiff_t(i));
            claimedFolders_.erase(claimedFolders_.begin() + std::ptrdiff_t(i));
            break;
        }
    QDir(root_).rmdir(QFileInfo(folder).fileName());
}

void RecoveryStore::forget() {
    claimed_.clear();
    claimedFolders_.clear();
}

Outcome RecoveryStore::write(const QString& path, const RecoveryData& data) {
    const QByteArray drawing = encodeDrawing(data.lines);
    QJsonObject facts;
    facts[QStringLiteral("caption")] = data.caption;
    facts[QStringLiteral("file")] = data.fileName;
    facts[QStringLiteral("time")] = data.time.toString(Qt::ISODate);
    facts[QStringLiteral("bytes")] = qint64(drawing.size());
    QByteArray bytes = kMagic;
    bytes += QJsonDocument(facts).toJson(QJsonDocument::Compact);
    bytes += '\n';
    bytes += drawing;
    return writeFileAtomically(path, bytes);
}

RecoveryEntry RecoveryStore::read(const QString& path) {
    RecoveryEntry entry;
    entry.path = path;
    entry.data.time = QFileInfo(path).lastModified();
    QByteArray bytes;
    if (!readWholeFile(path, kMaxDrawingFileSize, bytes).ok() || !bytes.startsWith(kMagic))
        return entry;
    const qsizetype factsEnd = bytes.indexOf('\n', kMagic.size());
    if (factsEnd < 0) return entry;
    const QJsonObject facts =
        QJsonDocument::fromJson(bytes.mid(kMagic.size(), factsEnd - kMagic.size())).object();
    entry.data.caption = facts.value(QStringLiteral("caption")).toString();
    entry.data.fileName = facts.value(QStringLiteral("file")).toString();
    const QDateTime time =
        QDateTime::fromString(facts.value(QStringLiteral("time")).toString(), Qt::ISODate);
    if (time.isValid()) entry.data.time = time;
    const QByteArray drawing = bytes.mid(factsEnd + 1);
    // A copy cut short (a full disk, a machine that died mid-write) is not offered as whole.
    if (facts.isEmpty() || facts.value(QStringLiteral("bytes")).toInteger(-1) != drawing.size())
        return entry;
    entry.data.lines = decodeDrawing(drawing).lines;
    entry.readable = entry.data.lines.size() >= 2;
    return entry;
}

} // namespace qel
