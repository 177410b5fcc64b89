#include "edit/pictureinsert.h"

#include "platform/filechooser.h"
#include "platform/messages.h"
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

} // namespace

bool fitsInRecord(const QImage& picture) {
    return qint64(picture.width()) * picture.height() <= kMaxPicturePixels &&
           picture.width() <= 4095 && picture.height() <= 4095;
}

LoadedPicture loadPicture(const QString& path) {
    LoadedPicture out;
    InsertedPicture& picture = out.picture;
    picture.upperCaseName = path.toUpper();
    picture.kind = 1;
    std::optional<QImage> image;
    // The kind comes from the file's own name: a folder such as "~/.icons" says nothing.
    const QString name = QFileInfo(path).fileName().toUpper();
    if (name.contains(QLatin1String(".ICO"))) {
        image = readRaster(path, "ico");
    } else if (name.contains(QLatin1String(".WMF")) || name.contains(QLatin1String(".EMF"))) {
        RenderedMetafile metafile = renderMetafileFile(path);
        picture.kind = 2;
        if (!metafile.outcome.ok()) {
            out.outcome = metafile.outcome;
            return out;
        }
        image = std::move(metafile.image);
    } else {
        image = readRaster(path, nullptr);
    }
    if (!image) {
        out.outcome = Outcome::failed(unreadable(path));
        return out;
    }
    picture.image = *image;
    return out;
}

std::optional<InsertedPicture> choosePicture(QWidget* parent) {
    const auto choice =
        chooseFile({parent, FileChooserMode::Open, QStringLiteral("Ouvrir une image"),
                    kPictureFilter, QString(), QString()});
    if (!choice || choice->path.isEmpty()) return std::nullopt;
    LoadedPicture loaded = loadPicture(choice->path);
    if (!loaded.outcome.ok()) {
        showError(parent, loaded.outcome.message());
        return std::nullopt;
    }
    return std::move(loaded.picture);
}

} // namespace qel
