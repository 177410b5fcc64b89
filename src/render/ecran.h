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

    // Pixels of an exported picture per page pixel (1 to kMaxExportScale); 1 unless set.
    void setScale(int pixelsPerPagePixel) { scale_ = pixelsPerPagePixel; }

    // Paints the render list into an image already sized by the caller (white where nothing
    // is painted, as a new bitmap is).
    void CvtBmp(QImage& bitmap);
    // Paints the render list on any canvas (image, printer page, metafile, PDF, SVG).
    void paint(Canvas& canvas);
    // A white image of the stored size (the page, or the sheet) with the render list painted
    // into it: the export's picture, or the preview's page.
    QImage renderPage();
    // Paint a page-sized image (times the scale) and write it through the BMP, JPEG, GIF or PNG
    // encoder.
    Outcome CvtBmpFile(const QString& path);
    Outcome CvtJpg(const QString& path);
    Outcome CvtGif(const QString& path);
    Outcome CvtPng(const QString& path);
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
    int scale_ = 1;
    QStringList renderList_;
    std::optional<PageMapping> mapping_;
    int skipped_ = 0;
};

// A picture may be painted at up to 8 pixels per page pixel, and may not pass 16,384 pixels a
// side nor 256 million pixels (a gigabyte of memory while it is painted).
constexpr int kMaxExportScale = 8;
constexpr int kMaxExportSide = 16384;
constexpr qint64 kMaxExportPixels = 256'000'000;

// Why a page of that size cannot be painted at that scale, in French; empty when it can.
QString scaledPageProblem(int pageWidth, int pageHeight, int scale);

// Writes the drawing as a BMP, JPEG, GIF or PNG picture of the page, chosen by the name as
// outputFormatFor does, at `scale` pixels per page pixel; `skippedRecords` receives how many
// records could not be drawn. A scale out of range or a picture past the limits writes nothing.
Outcome exportPicture(const QStringList& shapeList, int pageWidth, int pageHeight, int enlargement,
                      const QString& path, int* skippedRecords = nullptr, int scale = 1);

// What the status bar says after a painting that could not draw some records.
QString undrawnRecordsText(int count);

} // namespace qel
