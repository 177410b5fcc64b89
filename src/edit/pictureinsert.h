#pragma once

#include "document/outcome.h"

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace qel {

constexpr int kMaxPicturePixels = 21800;

struct InsertedPicture {
    QImage image;
    int kind = 1;          // 1 bitmap or icon, 2 metafile
    QString upperCaseName; // the chosen file's name, upper-cased
};

struct LoadedPicture {
    Outcome outcome;
    InsertedPicture picture;
};

// Loads a picture file for the picture tool: icons and bitmaps as they are, metafiles played
// into a bitmap at their own size (scaled down when large). An unreadable file fails with
// "Image illisible" and its name.
LoadedPicture loadPicture(const QString& path);

// Runs the picture open dialog and loads the chosen file, showing any error.
std::optional<InsertedPicture> choosePicture(QWidget* parent);

// Whether the picture can be stored in a record: at most 21,800 pixels, and sides that fit the
// three-digit size fields.
bool fitsInRecord(const QImage& picture);

} // namespace qel
