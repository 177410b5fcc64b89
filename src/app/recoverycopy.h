#pragma once

#include "platform/recoverystore.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace qel {

class Drawing;

// Keeps one drawing window's recovery copy: written about a second after the drawing changes
// while it has unsaved changes, on a worker thread so a large drawing never holds the window up;
// removed when the drawing is saved, undone back to its file, or closed on purpose.
class RecoveryCopy : public QObject {
    Q_OBJECT

public:
    // `snapshot` answers what the copy must hold (the drawing as a save would write it).
    RecoveryCopy(Drawing& drawing, QString path, std::function<RecoveryData()> snapshot,
                 QObject* parent = nullptr);
    // Closing on purpose (saved, or "Non"): the copy goes.
    ~RecoveryCopy() override;

    const QString& path() const { return path_; }
    // Writes at once what is pending (tests, and before the program ends on purpose).
    void flush();
    // Waits until every write asked for so far is on disk.
    static void waitForWrites();

private:
    void changed();
    void writeNow();
    void remove();

    Drawing& drawing_;
    QString path_;
    std::function<RecoveryData()> snapshot_;
    QTimer timer_;
};

} // namespace qel
