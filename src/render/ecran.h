#pragma once

// The page renderer for export: paints a copy of a drawing's shape list at the drawing's own
// scale into an image of exactly the page's size, with no grid and no selection marks.

#include "document/outcome.h"
#include "render/canvas.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace qel {

class TEcran {
public:
    // Prepares an export: the page size, the enlargement (kept, but an export is not scaled)
    // and a copy of the shape list.
    void Init3(int width, int height, int enlargement, const QStringList& shapeList);

    // Paints the render list into an image already sized by the caller (white where nothing
    // is painted, as a new bitmap is).
    void CvtBmp(QImage& bitmap);
    // Paints the render list on any canvas (image, printer page, metafile).
    void paint(Canvas& canvas);
    // A white image of the stored size with the render list painted into it.
    QImage renderPage();
    // Paint a page-sized image and write it through the BMP, JPEG or GIF encoder.
    Outcome CvtBmpFile(const QString& path);
    Outcome CvtJpg(const QString& path);
    Outcome CvtGif(const QString& path);

    QSize pageSize() const { return {width_, height_}; }
    int enlargement() const { return enlargement_; }
    // Records the last painting could not draw (a coordinate that is not hexadecimal).
    int skippedRecords() const { return skipped_; }

private:
    int width_ = 0;
    int height_ = 0;
    int enlargement_ = 100;
    QStringList renderList_;
    int skipped_ = 0;
};

// Writes the drawing as a BMP, JPEG or GIF picture of the page, chosen by the name as
// outputFormatFor does; `skippedRecords` receives how many records could not be drawn.
Outcome exportPicture(const QStringList& shapeList, int pageWidth, int pageHeight, int enlargement,
                      const QString& path, int* skippedRecords = nullptr);

} // namespace qel
