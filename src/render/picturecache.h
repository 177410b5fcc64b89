#pragma once

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

    // The decoded picture of a pixel payload (null for an empty picture).
    QImage picture(QStringView payload);
    void clear() { cache_.clear(); }
    int count() const { return int(cache_.count()); }

private:
    struct Entry {
        QString payload;
        QImage image;
    };
    QCache<size_t, Entry> cache_;
};

} // namespace qel
