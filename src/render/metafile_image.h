#pragma once

#include "document/outcome.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace qel {

struct RenderedMetafile {
    Outcome outcome;
    QImage image;
    QSize nativeSize; // the picture's own size in pixels
};

// A metafile picture as the picture tool stores it: played into a white image of its own size,
// scaled down by the picture rule when it exceeds 21000 pixels (see pictureSizeFor). A failure
// says why.
RenderedMetafile renderMetafile(const QByteArray& bytes);

// The same from a file; a failure's message is the one the user reads, naming the file.
RenderedMetafile renderMetafileFile(const QString& path);

QString unreadablePictureMessage(const QString& fileName);

} // namespace qel
