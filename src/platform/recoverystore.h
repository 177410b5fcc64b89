#pragma once

// Recovery copies: while a drawing has unsaved changes its state is kept in a file of the
// user's data folder, so that a crash, a power cut or a killed process loses at most the last
// second. Each running instance writes into its own folder, locked while it runs, so two
// instances never take each other's copies; the folders of instances that are gone are offered
// at the next start.

#include "document/outcome.h"

#include <QDateTime>
#include <QLockFile>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace qel {

// What a copy holds: the drawing as a save would write it, and how to name its window again.
struct RecoveryData {
    QString caption;  // the window's caption
    QString fileName; // the drawing's file; empty when it was never saved
    QStringList lines;
    QDateTime time;
};

struct RecoveryEntry {
    QString path; // the copy itself
    bool readable = false;
    RecoveryData data;
};

class RecoveryStore {
public:
    // `root` holds one folder per instance; by default the user's data folder.
    explicit RecoveryStore(QString root = defaultRoot());
    ~RecoveryStore();

    static QString defaultRoot();

    // Claims this instance's folder; copies cannot be written before.
    bool open();
    // The copy file for one drawing window of this instance.
    QString fileFor(int window) const;

    // Copies left by instances that are no longer running; their folders stay claimed by
    // this instance until forget() or discard().
    std::vector<RecoveryEntry> orphans();
    // Removes one orphaned copy, and its folder once it is empty.
    void discard(const RecoveryEntry& entry);
    // Lets go of the orphaned folders without removing what is left in them.
    void forget();

    // Both are safe from any thread.
    static Outcome write(const QString& path, const RecoveryData& data);
    static RecoveryEntry read(const QString& path);

private:
    QString root_;
    QString own_;
    std::unique_ptr<QLockFile> lock_;
    std::vector<std::unique_ptr<QLockFile>> claimed_;
    std::vector<QString> claimedFolders_;
};

} // namespace qel
