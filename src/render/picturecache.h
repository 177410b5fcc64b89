#pragma once

#include "document/record.h"

#include <QCache>
#include <QImage>
#include <QString>
#include <QStringView>
#include <mutex>

namespace qel {

// Decoded pictures of BITMAP and META records, keyed by their pixel payload so that a picture
// that did not change is not decoded again on the next repaint, even after it was moved.
// Bounded by the bytes it holds; the least recently used pictures go first. Threads painting
// bands of one page share it.
class PictureCache {
public:
    explicit PictureCache(qsizetype maxBytes = qsizetype(64) << 20);

    // The decoded pixel block of a payload (empty for an empty picture).
    PixelBlock picture(QStringView payload);
    // The same, for a payload whose key(payload) is known already: a record kept read between
    // repaints spares hashing its whole picture every time.
    PixelBlock picture(QStringView payload, std::size_t key);
    static std::size_t key(QStringView payload);
    void clear();
    int count() const;

private:
    struct Entry {
        QString payload;
        PixelBlock block;
    };
    mutable std::mutex lock_;
    QCache<size_t, Entry> cache_;
};

} // namespace qel
