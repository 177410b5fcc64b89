#pragma once

// The editing commands as operations on the lines of a drawing: clipboard, deleting, the
// stacking order, groups, locks, erasing and cropping. Every walk starts at the first shape
// (line 2) and skips empty lines, so the header and the background are never touched. The
// window runs each through the drawing's one door.

#include <QSize>
#include <QStringList>
#include <optional>

namespace qel {

// The selected records, in order, each with its mark cleared.
QStringList Copier(const QStringList& lines);
// Every selected record goes.
void Supprimer(QStringList& lines);
// The clipboard's records go on top of everything, as they were copied.
void Coller(QStringList& lines, const QStringList& clipboard);

// The stacking order. The selected records go to the front, keeping their order...
void AvPlan(QStringList& lines);
// ...to the back, the last one found backmost...
void ArPlan(QStringList& lines);
// ...one place forward (of two neighbours only the rear one jumps)...
void UnDessus(QStringList& lines);
// ...or one place back (a run moves back together).
void UnDessous(QStringList& lines);

// The next free group number: one more than the largest in the drawing; nothing past 9.
std::optional<int> nextGroup(const QStringList& lines);
// The selected records join the group.
void Grouper(QStringList& lines, int group);
// The selected records leave their groups.
void Separer(QStringList& lines);
// The selected records are locked.
void Verrouiller(QStringList& lines);
// Every record is unlocked and deselected.
void Deverrouiller(QStringList& lines);
// Only the header for the page and a blank background are left.
void Effacer(QStringList& lines, QSize page);

// The crop: every record moves so that the drawing's top-left corner comes to (step, step),
// and the page hugs the drawing with the step on every side. Answers the new page, or nothing
// when no record has a readable box (then nothing moves).
std::optional<QSize> Recadrer(QStringList& lines, int gridStep);

} // namespace qel
