#include "edit/clipboardformats.h"

#include "document/record.h"
#include "edit/selection.h"
#include "render/painter_canvas.h"
#include "render/picturecache.h"
#include "render/recordpainter.h"
#include "render/vectorexport.h"
#include "transform/moveresize.h"

#include <QBuffer>
#include <QMimeData>

namespace qel {

namespace {

constexpr int kMargin = 8; // room for wide pens and arrowheads beyond the boxes

// The records moved so that their box starts at the margin, and the size that holds them.
QStringList atOrigin(const QStringList& records, QSize& size) {
    std::optional<Box> all;
    for (const QString& r : records)
        if (const std::optional<Box> b = hitBox(r)) {
            if (!all)
                all = b;
            else
                all = Box{std::min(all->left, b->left), std::min(all->top, b->top),
                          std::max(all->right, b->right), std::max(all->bottom, b->bottom)};
        }
    if (!all) return {};
    QStringList moved = {headerLine(1, 1), kBlankBackground};
    for (const QString& r : records)
        if (const std::optional<QString> m = MoveXY(r, kMargin - all->left, kMargin - all->top))
            moved << *m;
    size = QSize(all->right - all->left + 2 * kMargin, all->bottom - all->top + 2 * kMargin);
    return moved;
}

} // namespace

QImage pictureOfRecords(const QStringList& records) {
    QSize size;
    const QStringList lines = atOrigin(records, size);
    if (lines.size() <= 2) return {};
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    {
        PainterCanvas canvas(picture);
        PictureCache pictures;
        PaintState state;
        RecordPainter painter(canvas, PaintOptions::page(size, &pictures), state);
        painter.paintList(lines, 2);
    }
    return picture;
}

QMimeData* clipboardDataFor(const QStringList& records) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRecordsMimeType), records.join(u'\n').toUtf8());
    const QImage picture = pictureOfRecords(records);
    if (!picture.isNull()) {
        data->setImageData(picture);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        data->setData(QStringLiteral("image/png"), png);
        QSize size;
        const QStringList lines = atOrigin(records, size);
        const QByteArray svg = svgOfDrawing(lines, size);
        if (!svg.isEmpty()) data->setData(QStringLiteral("image/svg+xml"), svg);
    }
    return data;
}

ClipboardContent readClipboard(const QMimeData* data) {
    ClipboardContent content;
    if (!data) return content;
    const QString records = QString::fromLatin1(kRecordsMimeType);
    if (data->hasFormat(records)) {
        // Only what reads as shape records comes in: a TAB late enough, a prefix.
        for (const QString& line : QString::fromUtf8(data->data(records)).split(u'\n'))
            if (hasStyleTab(line)) content.records << line;
        if (!content.records.isEmpty()) return content;
    }
    if (data->hasImage()) {
        content.picture = qvariant_cast<QImage>(data->imageData());
        if (!content.picture.isNull()) return content;
    }
    if (data->hasText()) content.text = data->text();
    return content;
}

} // namespace qel
