#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace qel {

// A metafile picture as the picture tool stores it: played into a white image of its own size,
// scaled down by the picture rule when it exceeds 21000 pixels (see pictureSizeFor).
// `nativeSize` receives the picture's own size in pixels. On failure answers nothing and
// `error` receives the reason.
std::optional<QImage> renderMetafile(const QByteArray& bytes, QSize* nativeSize = nullptr,
                                     QString* error = nullptr);

// The same from a file. On failure `message` receives the text to show the user, naming the
// file.
std::optional<QImage> renderMetafileFile(const QString& path, QSize* nativeSize = nullptr,
                                         QString* message = nullptr);

} // namespace qel
