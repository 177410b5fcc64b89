#pragma once

#include <QString>
#include <QStringList>

namespace qel {

// The drawings last opened or saved, newest first, kept in the user's settings so that the list
// outlives the program and is shared by every running copy: each call reads and writes the
// settings afresh.
class RecentFiles {
public:
    static constexpr int kMaxEntries = 8;

    explicit RecentFiles(QString settingsKey = QStringLiteral("recentFiles"));

    QStringList paths() const;
    // Puts the file first (once, by its absolute path), keeping at most kMaxEntries.
    void add(const QString& path);
    void remove(const QString& path);

    // The menu caption of entry index (0-based): "&1 nom.drf", any "&" of the name doubled.
    static QString caption(int index, const QString& path);

private:
    void store(const QStringList& paths) const;

    QString key_;
};

} // namespace qel
