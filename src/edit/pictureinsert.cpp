#include "edit/pictureinsert.h"

#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/metafile_reader.h"
#include "render/metafile_image.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace qel {

namespace {

const QString kPictureFilter =
    QStringLiteral("Tous  (*.bmp;*.ico;*.wmf;*.emf)|*.bmp;*.ico;*.wmf;*.emf|Bitmap (*.bmp)|*.bmp|"
                   "Icônes (*.ico)|*.ico|Metafiles (*.wmf;*.emf)|*.wmf;*.emf");

QString unreadable(const QString& path) {
    return QStringLiteral("Image illisible : %1").arg(QFileInfo(path).fileName());
}

// Icons and bitmaps keep their pixels; transparent parts of an icon show white.
QImage onWhite(const QImage& image) {
    QImage out(image.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, image);
    return out;
}

std::optional<QImage> readRaster(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setDecideFormatFromContent(format == nullptr);
    // Sizes beyond what a record stores are refused later; this only guards memory.
    reader.setAllocationLimit(64);
    QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    return onWhite(image);
}

// Metafiles come with the metafile player; until it is wired here they cannot be read.
std::optional<QImage> rasteriseMetafileFile(const QString&) {
    return std::nullopt;
}

} // namespace

bool fitsInRecord(const QImage& picture) {
    return qint64(picture.width()) * picture.height() <= kMaxPicturePixels &&
           picture.width() <= 4095 && picture.height() <= 4095;
}

std::optional<InsertedPicture> loadPicture(const QString& path, QString* error) {
    InsertedPicture out;
    out.upperCaseName = path.toUpper();
    out.kind = 1;
    std::optional<QImage> image;
    if (out.upperCaseName.contains(QLatin1String(".ICO"))) {
        image = readRaster(path, "ico");
    } else if (out.upperCaseName.contains(QLatin1String(".WMF")) ||
               out.upperCaseName.contains(QLatin1String(".EMF"))) {
        QString message;
        image = renderMetafileFile(path, nullptr, &message);
        out.kind = 2;
        if (!image) {
            if (error) *error = message.isEmpty() ? unreadable(path) : message;
            return std::nullopt;
        }
    } else {
        image = readRaster(path, nullptr);
    }
    if (!image) {
        if (error) *error = unreadable(path);
        return std::nullopt;
    }
    out.image = *image;
    return out;
}

std::optional<InsertedPicture> choosePicture(QWidget* parent) {
    const auto choice =
        chooseFile({parent, FileChooserMode::Open, QStringLiteral("Ouvrir une image"),
                    kPictureFilter, QString(), QString()});
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    QString error;
    auto picture = loadPicture(choice->path, &error);
    if (!picture) showError(parent, error);
    return picture;
}

} // namespace qel
