#pragma once

// Operations on the whole shape list (header line, background record, shapes back to front).

#include <QStringList>

namespace qel {

// A new drawing: the header line for the page, then the blank background.
QStringList newShapeList(int pageWidth, int pageHeight);

// Sets the state mark of every item from index 1 on to a space, except locked ("#") ones.
void clearSelectionMarks(QStringList& shapeList);

// A list read from a file may lack the header or the background: complete it so that every
// later operation finds both.
void ensureHeaderAndBackground(QStringList& shapeList, int pageWidth, int pageHeight);

} // namespace qel

#include <QSize>

namespace qel {

// The size the drawing reports for itself: the extent from the page origin over every shape's
// coordinate block, as a repaint at zoom 1 measures it.
QSize largestExtentOf(const QStringList& shapeList);

} // namespace qel
