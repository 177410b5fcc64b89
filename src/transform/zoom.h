#pragma once

// Zoom rewrites the records themselves: every coordinate, point and text size is multiplied
// and stored back, and the surface follows. The zoom of a window remembers what each zoomed
// line was at the initial size, so that coming back gives every untouched record back exactly.

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace qel {

class Drawing;

struct ScaleResult {
    enum class Status { Done, Unreadable, OutOfRange } status = Status::Done;
    QString line;
};

// One record scaled: box, point list and a text's font size, each value rounded half to even.
ScaleResult Echelle(const QString& line, double step);

class Zoom {
public:
    double factor() const { return factor_; }

    // Each answers whether the drawing was rescaled; a refused step changes nothing.
    bool ZoomAv(Drawing& drawing);
    bool ZoomAr(Drawing& drawing);
    bool ZInit(Drawing& drawing);

    // Lines of the drawing as they are at the initial size (for the clipboard and the recovery
    // copy), and lines from the initial size brought to the current one (for pasting); lines
    // that would leave the fields are left out and counted.
    QStringList atInitialSize(const QStringList& lines) const;
    QStringList atCurrentSize(const QStringList& lines, int* refused = nullptr) const;
    // A size in surface pixels as the page at the initial size holds it.
    int toInitial(int v) const;

private:
    bool scaleTo(Drawing& drawing, double factor);
    QString initialOf(const QString& line) const;

    // What each zoomed line was at zoom 1. Lines are found by their shared text first (a
    // pointer test); a line whose marks changed since is found by its text after the prefix.
    struct Known {
        QString zoomed;
        QString initial;
    };
    int findKnown(const QString& line) const;

    double factor_ = 1.0;
    std::vector<Known> known_;
    QHash<const void*, int> byText_;
    mutable QHash<QString, int> byBody_; // built when first needed
};

} // namespace qel
