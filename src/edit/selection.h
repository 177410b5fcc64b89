#pragma once

// Selection lives in the records: a "*" mark selects, "#" locks, the second character names a
// group. These functions read and set those marks over the lines of a drawing (the header and
// the background, lines 0 and 1, are never selected). Lines that cannot be read are skipped.

#include "document/record.h"
#include "transform/moveresize.h"

#include <QPoint>
#include <QStringList>
#include <optional>

namespace qel {

class HitIndex;

constexpr qsizetype kFirstShape = 2;

// isSelected, isLocked and groupOf read the marks: see document/record.h.

// The record's box put right way round; nothing when the line cannot be read.
std::optional<Box> hitBox(const QString& line);
// Whether the point lies in the record's box, edges included.
bool Insel(const QString& line, QPoint p);

// The frontmost line under the point that is not locked; -1 when there is none.
qsizetype frontmostAt(const QStringList& lines, QPoint p);

// A pick at the point: the record's mark toggles, and when it belongs to a group every
// unlocked member is selected. Answers whether something was picked. A window passes the index
// it keeps of its drawing's boxes.
bool Selectionne(QStringList& lines, QPoint p, HitIndex* index = nullptr);
// One record selected by its index, with its group; a locked record stays locked.
void selectLine(QStringList& lines, qsizetype index);
// Every mark that is not a lock is cleared.
void clearSelection(QStringList& lines);
// Every unlocked shape is selected.
void ToutSel(QStringList& lines);

bool hasSelection(const QStringList& lines);
int selectedCount(const QStringList& lines);
// The union of the selected records' boxes; nothing without a selection.
std::optional<Box> selectionBox(const QStringList& lines);

// What the pointer is over, for the cursor and for a press: inside the box (strictly), and the
// handle within 4 pixels of its centre (0 for none; a later handle wins over an earlier one).
struct SelectionHover {
    bool inside = false;
    int handle = 0;
};
SelectionHover CurseurSel(const Box& selection, QPoint p);
QPoint handleCentre(const Box& box, int handle);

// One step of a drag over every selected record. A record that the step would take out of the
// fields stays where it is for this step.
void Deplace(QStringList& lines, int dx, int dy);
// `texts` holds one latch per line index, filled as the drag goes.
void RedimSel(QStringList& lines, int dx, int dy, int handle, std::vector<TextResize>& texts,
              const TextMeasure& measure);
// Text records among the selected lines refitted to their text.
void refitSelectedTexts(QStringList& lines, const TextMeasure& measure);

} // namespace qel
