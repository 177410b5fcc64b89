#pragma once

#include "dialogs/helpviewer.h"
#include "platform/helpfile.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace qel {

// What the frame asks of the help: a topic by context number, the contents, the
// keyword search and the help on the help. The file is looked for in each candidate
// folder in turn and read again when it changes; a missing or unreadable file is
// reported in a message box naming it.
class HelpEngine : public QObject {
    Q_OBJECT
public:
    // The command numbers the menus use.
    enum Command { Context = 1, Contents = 3, HelpOnHelp = 4, PartialKey = 261 };

    static const QString FileName; // "QelDraw.hlp"

    // startDir/QelDraw.hlp first, then the copy beside the executable, then the installed one
    // in ../share/qeldraw/ from the executable's folder.
    static QStringList candidatesFor(const QString& startDir);

    explicit HelpEngine(QStringList candidates, QWidget* parent = nullptr);
    ~HelpEngine() override;
    void setCandidates(QStringList candidates) { candidates_ = std::move(candidates); }
    const QStringList& candidates() const { return candidates_; }

    bool showContext(int context);
    bool showContents();
    bool search(const QString& partialKey);
    bool helpOnHelp();
    bool command(int command, int context = 0, const QString& partialKey = {});

    // The window, once a command has opened it (null before).
    HelpViewer* viewer() const { return viewer_; }
    // The file the last command read, empty when none was found.
    QString filePath() const { return path_; }

private:
    bool ensureLoaded();
    HelpViewer* openViewer();

    QWidget* parentWidget_;
    QStringList candidates_;
    QString path_;
    QDateTime loadedStamp_;
    HelpFile help_;
    QPointer<HelpViewer> viewer_;
};

} // namespace qel
