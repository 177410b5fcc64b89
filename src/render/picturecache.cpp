#include "render/picturecache.h"

#include "document/record.h"

namespace qel {

PictureCache::PictureCache(qsizetype maxBytes) : cache_(maxBytes) {}

PixelBlock PictureCache::picture(QStringView payload) {
    const size_t key = qHash(payload, 0);
    if (const Entry* hit = cache_.object(key); hit && hit->payload == payload) return hit->block;

    PixelBlock block = decodePixelBlock(payload);
    const qsizetype cost = payload.size() * qsizetype(sizeof(QChar)) + block.supplied.sizeInBytes();
    if (cost <= cache_.maxCost()) cache_.insert(key, new Entry{payload.toString(), block}, cost);
    return block;
}

} // namespace qel
