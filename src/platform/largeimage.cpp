#include "platform/largeimage.h"

#include <cstdlib>
#ifdef __linux__
#include <sys/mman.h>
#endif

namespace qel {

namespace {

constexpr std::size_t kLargePage = std::size_t(2) << 20;

void release(void* pixels) {
    std::free(pixels);
}

} // namespace

QImage newLargeImage(QSize size, QImage::Format format) {
    if (size.isEmpty()) return {};
    const int depth = QImage(1, 1, format).depth();
    const qint64 bytesPerLine = (qint64(size.width()) * depth + 31) / 32 * 4;
    const qint64 bytes = bytesPerLine * size.height();
    if (depth <= 0 || bytesPerLine > 0x7FFFFFFF || bytes / bytesPerLine != size.height()) return {};
    // Small images gain nothing from it.
    if (bytes < qint64(kLargePage)) return QImage(size, format);
    const std::size_t rounded = (std::size_t(bytes) + kLargePage - 1) / kLargePage * kLargePage;
    void* pixels = std::aligned_alloc(kLargePage, rounded);
    if (!pixels) return {};
#ifdef MADV_HUGEPAGE
    ::madvise(pixels, rounded, MADV_HUGEPAGE);
#endif
    QImage image(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, format,
                 release, pixels);
    if (image.isNull()) std::free(pixels);
    return image;
}

} // namespace qel
