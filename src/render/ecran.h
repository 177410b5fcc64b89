#pragma once

// The page renderer: paints a copy of a drawing's shape list onto something other than the
// drawing window, with no grid and no selection marks. An export keeps the drawing's own scale
// in an image of exactly the page's size; the preview and the printer get the drawing placed on
// a sheet by the page settings, and the preview is the very page that prints.

#include "document/outcome.h"
#include "render/canvas.h"
#include "render/pagemapping.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;

namespace qel {

class TEcran {
public:
    // Prepares a preview: the page settings, a copy of the shape list and the sheet. It is the
    // preparation of a print, so that the preview shows exactly what prints.
    void Init(int left, int top, int right, int bottom, int enlargement,
              const QStringList& shapeList, const Paper& paper);
    // Prepares a print on the sheet.
    void Init2(int left, int top, int right, int bottom, int enlargement,
               const QStringList& shapeList, const Paper& paper);
    // Prepares an export: the page size, the enlargement (kept, but an export is not scaled)
    // and a copy of the shape list.
    void Init3(int width, int height, int enlargement, const QStringList& shapeList);

    // Paints the render list into an image already sized by the caller (white where nothing
    // is painted, as a new bitmap is).
    void CvtBmp(QImage& bitmap);
    // Paints the render list on any canvas (image, printer page, metafile, PDF, SVG).
    void paint(Canvas& canvas);
    // A white image of the stored size (the page, or the sheet) with the render list painted
    // into it: the export's picture, or the preview's page.
    QImage renderPage();
    // Paint a page-sized image and write it through the BMP, JPEG or GIF encoder.
    Outcome CvtBmpFile(const QString& path);
    Outcome CvtJpg(const QString& path);
    Outcome CvtGif(const QString& path);
    // Prints the sheet prepared by Init2 as one job on the printer, which is set to paint the
    // whole sheet at 96 pixels per inch. Fails with "Impression impossible." when the job
    // cannot begin.
    Outcome Imprime(QPrinter& printer);

    QSize pageSize() const { return {width_, height_}; }
    int enlargement() const { return enlargement_; }
    // Records the last painting could not draw (a coordinate that is not hexadecimal).
    int skippedRecords() const { return skipped_; }

private:
    int width_ = 0;
    int height_ = 0;
    int enlargement_ = 100;
    QStringList renderList_;
    std::optional<PageMapping> mapping_;
    int skipped_ = 0;
};

// Writes the drawing as a BMP, JPEG or GIF picture of the page, chosen by the name as
// outputFormatFor does; `skippedRecords` receives how many records could not be drawn.
Outcome exportPicture(const QStringList& shapeList, int pageWidth, int pageHeight, int enlargement,
                      const QString& path, int* skippedRecords = nullptr);

// What the status bar says after a painting that could not draw some records.
QString undrawnRecordsText(int count);

} // namespace qel
