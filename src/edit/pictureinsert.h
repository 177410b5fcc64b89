#pragma once

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

// Loads a picture file for the picture tool: icons and bitmaps as they are, metafiles played
// into a bitmap at their own size (scaled down when large). An unreadable file gives
// "Image illisible" with its name and nothing.
std::optional<InsertedPicture> loadPicture(const QString& path, QString* error);

// Runs the picture open dialog and loads the chosen file, showing any error.
std::optional<InsertedPicture> choosePicture(QWidget* parent);

// Whether the picture can be stored in a record: at most 21,800 pixels, and sides that fit the
// three-digit size fields.
bool fitsInRecord(const QImage& picture);

} // namespace qel
