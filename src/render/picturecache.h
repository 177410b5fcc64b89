#pragma once

#include "document/record.h"

#include <QCache>
#include <QImage>
#include <QString>
#include <QStringView>

namespace qel {

// Decoded pictures of BITMAP and META records, keyed by their pixel payload so that a picture
// that did not change is not decoded again on the next repaint, even after it was moved.
// Bounded by the bytes it holds; the least recently used pictures go first.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxBytes = qsizetype(64) << 20);

    // The decoded pixel block of a payload (empty for an empty picture).
    PixelBlock picture(QStringView payload);
    void clear() { cache_.clear(); }
    int count() const { return int(cache_.count()); }

private:
    struct Entry {
        QString payload;
        PixelBlock block;
    };
    QCache<size_t, Entry> cache_;
};

} // namespace qel
