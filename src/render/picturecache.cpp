#include "render/picturecache.h"

#include "document/record.h"

namespace qel {

PictureCache::PictureCache(qsizetype maxBytes) : cache_(maxBytes) {}

std::size_t PictureCache::key(QStringView payload) {
    return qHash(payload, 0);
}

PixelBlock PictureCache::picture(QStringView payload) {
    return picture(payload, key(payload));
}

PixelBlock PictureCache::picture(QStringView payload, std::size_t key) {
    {
        std::lock_guard guard(lock_);
        if (const Entry* hit = cache_.object(key); hit && hit->payload == payload)
            return hit->block;
    }
    // Decoded outside the lock: other bands go on meanwhile. Two bands that meet the same new
    // picture at once both decode it, to the same pixels.
    PixelBlock block = decodePixelBlock(payload);
    const qsizetype cost = payload.size() * qsizetype(sizeof(QChar)) + block.supplied.sizeInBytes();
    std::lock_guard guard(lock_);
    if (cost <= cache_.maxCost()) cache_.insert(key, new Entry{payload.toString(), block}, cost);
    return block;
}

void PictureCache::clear() {
    std::lock_guard guard(lock_);
    cache_.clear();
}

int PictureCache::count() const {
    std::lock_guard guard(lock_);
    return int(cache_.count());
}

} // namespace qel
