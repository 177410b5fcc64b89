#include "app/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace qel {

namespace {

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

RecentFiles::RecentFiles(QString settingsKey) : key_(std::move(settingsKey)) {}

QStringList RecentFiles::paths() const {
    QStringList out;
    // A hand-edited settings file may hold anything: keep the first distinct, non-empty names.
    for (const QString& path : QSettings().value(key_).toStringList()) {
        if (path.isEmpty() || out.contains(path)) continue;
        out << path;
        if (out.size() == kMaxEntries) break;
    }
    return out;
}

void RecentFiles::add(const QString& path) {
    if (path.isEmpty()) return;
    const QString file = absolute(path);
    QStringList list = paths();
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, kMaxEntries));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    if (list.removeAll(path) + list.removeAll(absolute(path)) > 0) store(list);
}

void RecentFiles::store(const QStringList& paths) const {
    QSettings settings;
    settings.setValue(key_, paths);
}

QString RecentFiles::caption(int index, const QString& path) {
    QString name = QFileInfo(path).fileName();
    name.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(QString::number(index + 1), name);
}

} // namespace qel
