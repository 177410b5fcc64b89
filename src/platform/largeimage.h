#pragma once

#include <QImage>
#include <QSize>

namespace qel {

// A new image for a whole page, its pixels in the system's large memory pages where it offers
// them: the first touch of a page-sized picture then costs a handful of page faults instead of
// thousands. The pixels are not initialised. A null image when there is no memory for it.
QImage newLargeImage(QSize size, QImage::Format format);

} // namespace qel
