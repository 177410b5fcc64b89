#include "render/vectorexport.h"

#include "platform/files.h"
#include "render/ecran.h"
#include "render/painter_canvas.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace qel {

namespace {

constexpr int kDpi = 96;

// Paints the page on a device that a painter can begin on; false when it could not begin.
bool paintPage(QPaintDevice& device, const QStringList& shapeList, QSize page, int* skipped) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // Pictures keep their exact pixels: no JPEG in the PDF.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    TEcran renderer;
    renderer.Init3(page.width(), page.height(), 100, shapeList);
    {
        PainterCanvas canvas(painter, page);
        renderer.paint(canvas);
    }
    if (skipped) *skipped = renderer.skippedRecords();
    return painter.end();
}

bool emptyPage(QSize page) {
    return page.width() <= 0 || page.height() <= 0;
}

Outcome write(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return writeFailure(path, QStringLiteral("la page est vide"));
    return writeFileAtomically(path, bytes);
}

} // namespace

QByteArray pdfOfDrawing(const QStringList& shapeList, QSize page, int* skippedRecords) {
    if (emptyPage(page)) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        // The same PDF engine as the printer's PDF output, written into memory so that the file
        // can be replaced in one step.
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDpi);
        pdf.setCreator(QStringLiteral("Qel Draw"));
        const QPageSize size(QSizeF(page.width() * 72.0 / kDpi, page.height() * 72.0 / kDpi),
                             QPageSize::Point, QString(), QPageSize::ExactMatch);
        pdf.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
        if (!paintPage(pdf, shapeList, page, skippedRecords)) return {};
    }
    return bytes;
}

QByteArray svgOfDrawing(const QStringList& shapeList, QSize page, int* skippedRecords) {
    if (emptyPage(page)) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kDpi);
    svg.setSize(page);
    svg.setViewBox(QRect(QPoint(0, 0), page));
    svg.setTitle(QStringLiteral("Qel Draw"));
    if (!paintPage(svg, shapeList, page, skippedRecords)) return {};
    return bytes;
}

Outcome writePdf(const QString& path, const QStringList& shapeList, QSize page) {
    return write(path, pdfOfDrawing(shapeList, page));
}

Outcome writeSvg(const QString& path, const QStringList& shapeList, QSize page) {
    return write(path, svgOfDrawing(shapeList, page));
}

} // namespace qel
