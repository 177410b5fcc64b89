#pragma once

// Writing a drawing under a name: the name's extension chooses between the native text file
// and a picture of the page.

#include "document/outcome.h"

#include <QSize>
#include <QString>
#include <QStringList>

namespace qel {

class Drawing;

enum class OutputFormat { Native, Bmp, Jpeg, Gif, Png, Wmf, Emf, Pdf, Svg };

// Looks for ".BMP", ".JPG", ".GIF", ".PNG", ".WMF", ".EMF", ".PDF", ".SVG" anywhere in the
// upper-cased path, in that order; any other name is a native drawing.
OutputFormat outputFormatFor(const QString& path);

// Whether the format is a picture of pixels, which may be painted at a scale.
bool isBitmapFormat(OutputFormat format);

// Writes the drawing. The native file gets its header line rewritten from the page size (the
// list's item 0 is updated). Pictures are painted at the drawing's own scale, page-sized, times
// `scale` for the bitmap formats; an enhanced metafile's frame is the drawing's largest extent;
// PDF and SVG are vector pictures of the page.
Outcome writeDrawing(const QString& path, QStringList& shapeList, QSize page, int enlargement,
                     QSize largestExtent, int scale = 1);

// The name a drawing is written under: one without any dot gets ".drf".
QString nativeFileName(const QString& path);

// Saves or exports the drawing under the name, as "Enregistrer" and `--export` both do: without
// selection marks, the native file's header from the page, an enhanced metafile framed by the
// shapes' extent. The drawing counts as saved when it worked.
Outcome saveDrawing(Drawing& drawing, const QString& path, int enlargement, int scale = 1);

} // namespace qel
