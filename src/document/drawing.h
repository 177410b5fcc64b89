#pragma once

// One drawing: its lines (header, background, shapes back to front), its undo history, its
// modified flag, its page and its zoom. Every change to the lines goes through apply(), which
// keeps the history, the flag and the observers in step; nothing else writes the lines.

#include "document/record.h"

#include <QObject>
#include <QSize>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace qel {

// What an observer learns of a change, so that a window can repaint no more than it must.
struct DrawingChange {
    enum class Kind {
        Lines,     // some shape lines changed: `before` and `after` hold them
        Selection, // only state marks changed; nothing is drawn differently
        Whole,     // anything may differ: page, background, zoom, undo, loading
    };
    Kind kind = Kind::Whole;
    QStringList before; // the lines that went away or were replaced, as they were
    QStringList after;  // the lines that came in their place
};

class Drawing : public QObject {
    Q_OBJECT

public:
    // How many steps and how much memory the undo history may hold; the oldest steps go first.
    static constexpr int kMaxHistorySteps = 100;
    static constexpr qint64 kMaxHistoryBytes = 256LL * 1024 * 1024;

    explicit Drawing(QSize page, QObject* parent = nullptr);

    // ---- reading ----
    const QStringList& lines() const { return lines_; }
    qsizetype size() const { return lines_.size(); }
    const QString& line(qsizetype i) const { return lines_[i]; }
    // The page at zoom 1, as the header line holds it.
    QSize page() const { return page_; }
    // The page at the current zoom: what the window shows.
    QSize surface() const;
    double zoom() const { return zoom_; }
    bool isModified() const { return current_ != saved_; }

    // ---- the one door for changes ----
    enum class Effect {
        Change,    // a real change: one undo step (shared by a whole gesture), modified
        Selection, // state marks only: no undo step, the modified flag stays as it is
    };
    using Edit = std::function<void(QStringList& lines)>;
    // Runs the edit on a copy of the lines; when a line really changed, the copy becomes the
    // drawing and observers hear of it once. Answers whether anything changed.
    bool apply(const Edit& edit, Effect effect = Effect::Change);

    // Changes made between begin and end form one undo step (a drag, a zoom step).
    void beginGesture();
    void endGesture();

    // ---- history ----
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    bool undo();
    bool redo();
    int undoSteps() const { return int(undo_.size()); }
    // What the undo steps hold beyond the drawing itself, as the history's cap counts it.
    qint64 historyBytes() const;

    // ---- files ----
    // A drawing read from a file: a fresh history, not modified. A missing or unreadable header
    // keeps the current page; the header and background are completed when missing.
    void load(QStringList lines, std::optional<QSize> page);
    // The state now is what the file holds.
    void markSaved();
    // Unsaved whatever the history says (a recovered drawing).
    void markUnsaved();

    // ---- zoom ----
    // Rewrites every shape line, and every line of the history, for a new zoom: a change of
    // view, so no undo step and no change to the modified flag. A history step with a line the
    // rewrite refuses is dropped with every older one.
    using LineMap = std::function<std::optional<QString>(const QString& line)>;
    void rescale(const LineMap& map, double zoom);

    // ---- size bookkeeping ----
    // Grows the drawing's extent with a box just drawn or painted; at zoom 1 the largest extent
    // follows it.
    void noteExtent(int x1, int y1, int x2, int y2);
    QSize largestExtent() const { return largest_; }
    void resetExtent();

signals:
    void changed(const DrawingChange& change);
    // The drawing became modified, or unmodified again (saved, or undone back to its file).
    void modifiedChanged(bool modified);

private:
    struct Step {
        QStringList lines;
        quint64 state = 0;
        qint64 bytes = 0; // what this step holds that the next one does not share
    };
    static constexpr quint64 kNeverSaved = ~quint64(0);

    void pushStep(std::vector<Step>& stack, QStringList lines, quint64 state,
                  const QStringList& next);
    void trimHistory();
    void restore(std::vector<Step>& from, std::vector<Step>& to);
    void readPage();
    // Tells of a change of the modified flag since `wasModified`.
    void tellModified(bool wasModified);

    QStringList lines_;
    QSize page_;
    double zoom_ = 1.0;
    std::vector<Step> undo_, redo_;
    quint64 current_ = 0, saved_ = 0, nextState_ = 1;
    bool inGesture_ = false, gestureStepTaken_ = false;
    Box extent_;
    QSize largest_{0, 0};
};

} // namespace qel
