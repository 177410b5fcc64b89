#pragma once

// The drawing written as vector pictures of its page: PDF (one page of the drawing's size) and
// SVG. Both are painted at the drawing's own scale through the page renderer, at 96 pixels per
// inch, so text stays text and every shape, picture and background appears as in the BMP
// export. Files are replaced atomically.

#include "document/outcome.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qel {

// The file's bytes; empty when the page is empty or the document could not be made.
QByteArray pdfOfDrawing(const QStringList& shapeList, QSize page, int* skippedRecords = nullptr);
QByteArray svgOfDrawing(const QStringList& shapeList, QSize page, int* skippedRecords = nullptr);

Outcome writePdf(const QString& path, const QStringList& shapeList, QSize page);
Outcome writeSvg(const QString& path, const QStringList& shapeList, QSize page);

} // namespace qel
