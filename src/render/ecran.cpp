#include "render/ecran.h"

#include "render/drawingoutput.h"

#include "platform/imagewriters.h"
#include "platform/largeimage.h"
#include "render/pagepainter.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"

#include <QPainter>
#include <QPrinter>

namespace qel {

namespace {

PaintOptions pageOptions(QSize surface, PictureCache* pictures,
                         const std::optional<PageMapping>& mapping) {
    PaintOptions o = PaintOptions::page(surface, pictures);
    o.mapping = mapping;
    return o;
}

} // namespace

void TEcran::Init(int left, int top, int right, int bottom, int enlargement,
                  const QStringList& shapeList, const Paper& paper) {
    Init2(left, top, right, bottom, enlargement, shapeList, paper);
}

void TEcran::Init2(int left, int top, int right, int bottom, int enlargement,
                   const QStringList& shapeList, const Paper& paper) {
    const Paper sheet = paper.usable() ? paper : Paper::a4();
    width_ = sheet.pixels.width();
    height_ = sheet.pixels.height();
    enlargement_ = enlargement;
    renderList_ = shapeList;
    PageSettings settings;
    settings.margins[0] = left;
    settings.margins[1] = top;
    settings.margins[2] = right;
    settings.margins[3] = bottom;
    settings.enlargement = enlargement;
    mapping_ = pageMapping(sheet, settings);
}

void TEcran::Init3(int width, int height, int enlargement, const QStringList& shapeList) {
    // An export is painted at the drawing's own scale: no margins and no mapping.
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    enlargement_ = enlargement;
    renderList_ = shapeList;
    mapping_.reset();
}

void TEcran::paint(Canvas& canvas) {
    // An export paints the drawing's page whatever the target's own size: an enhanced metafile
    // framed by the drawing's extent keeps the page's background bands, as the bitmap does.
    const QSize size = width_ > 0 && height_ > 0 ? QSize(width_, height_) : canvas.size();
    PictureCache pictures;
    const PaintOptions o = pageOptions(size, &pictures, mapping_);
    PaintState state;
    RecordPainter painter(canvas, o, state);
    skipped_ = painter.paintList(renderList_, 1);
}

void TEcran::CvtBmp(QImage& bitmap) {
    if (bitmap.isNull()) return;
    const QSize size = width_ > 0 && height_ > 0 ? QSize(width_, height_) : bitmap.size();
    PagePaint what;
    what.clearWhite = false;
    skipped_ = paintPage(bitmap, renderList_, pageOptions(size, nullptr, mapping_), what);
}

QImage TEcran::renderPage() {
    // Pages stop at 4095 x 4095; only an absurd custom sheet goes beyond this, and gets nothing
    // rather than gigabytes. A scaled page was measured against its own limits before.
    constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
    if (width_ <= 0 || height_ <= 0) return {};
    if (scale_ == 1 ? qint64(width_) * height_ > kMaxPixels
                    : !scaledPageProblem(width_, height_, scale_).isEmpty())
        return {};
    QImage page = newLargeImage(QSize(width_, height_) * scale_, QImage::Format_RGB32);
    if (page.isNull()) return {};
    // The same painting as the window's on a high-density screen: page pixels, more of them.
    page.setDevicePixelRatio(scale_);
    skipped_ = paintPage(page, renderList_, pageOptions(QSize(width_, height_), nullptr, mapping_));
    page.setDevicePixelRatio(1);
    return page;
}

} // namespace qel

namespace qel {

namespace {

// An empty page (a width or height of 0) has nothing the encoders could hold.
Outcome emptyPage(const QString& path) {
    return writeFailure(path, QStringLiteral("la page est vide"));
}

} // namespace

Outcome TEcran::CvtBmpFile(const QString& path) {
    const QImage page = renderPage();
    return page.isNull() ? emptyPage(path) : writeBmp(page, path);
}

Outcome TEcran::CvtJpg(const QString& path) {
    const QImage page = renderPage();
    return page.isNull() ? emptyPage(path) : writeJpeg(page, path);
}

Outcome TEcran::CvtGif(const QString& path) {
    const QImage page = renderPage();
    return page.isNull() ? emptyPage(path) : writeGif(page, path);
}

Outcome TEcran::CvtPng(const QString& path) {
    const QImage page = renderPage();
    return page.isNull() ? emptyPage(path) : writePng(page, path);
}

Outcome TEcran::Imprime(QPrinter& printer) {
    // The printer scales: 100 % prints the page at its screen size in millimetres whatever the
    // printer's own resolution, and the sheet's corner is the origin the margins count from.
    printer.setFullPage(true);
    printer.setResolution(96);
    QPainter painter;
    if (width_ <= 0 || height_ <= 0 || !painter.begin(&printer))
        return Outcome::failed(QStringLiteral("Impression impossible."));
    painter.setRenderHint(QPainter::LosslessImageRendering); // pictures print their own pixels
    // A printer that cannot make copies itself (a PDF file) gets the page once per copy.
    const int pages = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    bool printed = true;
    for (int page = 0; page < pages && printed; ++page) {
        printed = page == 0 || printer.newPage();
        PainterCanvas canvas(painter, QSize(width_, height_));
        if (printed) paint(canvas);
    }
    printed = painter.end() && printed;
    return printed ? Outcome::done() : Outcome::failed(QStringLiteral("Impression impossible."));
}

QString undrawnRecordsText(int count) {
    return count == 1 ? QStringLiteral("1 objet n'a pas pu être dessiné")
                      : QStringLiteral("%1 objets n'ont pas pu être dessinés").arg(count);
}

QString scaledPageProblem(int pageWidth, int pageHeight, int scale) {
    if (scale < 1 || scale > kMaxExportScale)
        return QStringLiteral("l'échelle %1 n'est pas permise (de 1 à %2)")
            .arg(scale)
            .arg(kMaxExportScale);
    const qint64 width = qint64(pageWidth) * scale, height = qint64(pageHeight) * scale;
    if (width > kMaxExportSide || height > kMaxExportSide || width * height > kMaxExportPixels)
        return QStringLiteral("l'image ferait %1 × %2 pixels, au-delà de la limite de %3 pixels "
                              "de côté et de 256 millions de pixels")
            .arg(width)
            .arg(height)
            .arg(kMaxExportSide);
    return {};
}

Outcome exportPicture(const QStringList& shapeList, int pageWidth, int pageHeight, int enlargement,
                      const QString& path, int* skippedRecords, int scale) {
    // Refused before anything is painted or written: the file stays as it was.
    if (const QString problem = scaledPageProblem(pageWidth, pageHeight, scale); !problem.isEmpty())
        return writeFailure(path, problem);
    Outcome (TEcran::*convert)(const QString&) = &TEcran::CvtBmpFile;
    switch (outputFormatFor(path)) {
    case OutputFormat::Jpeg:
        convert = &TEcran::CvtJpg;
        break;
    case OutputFormat::Gif:
        convert = &TEcran::CvtGif;
        break;
    case OutputFormat::Png:
        convert = &TEcran::CvtPng;
        break;
    default:
        break;
    }
    TEcran ecran;
    ecran.Init3(pageWidth, pageHeight, enlargement, shapeList);
    ecran.setScale(scale);
    const Outcome outcome = (ecran.*convert)(path);
    if (skippedRecords) *skippedRecords = ecran.skippedRecords();
    return outcome;
}

} // namespace qel
