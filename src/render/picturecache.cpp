#include "render/picturecache.h"

#include "document/record.h"

namespace qel {

PictureCache::PictureCache(qsizetype maxBytes) : cache_(maxBytes) {}

QImage PictureCache::picture(QStringView payload) {
    const size_t key = qHash(payload, 0);
    if (const Entry* hit = cache_.object(key); hit && hit->payload == payload) return hit->image;

    QImage image = decodePixels(payload);
    const qsizetype cost = payload.size() * qsizetype(sizeof(QChar)) + image.sizeInBytes();
    if (cost <= cache_.maxCost()) cache_.insert(key, new Entry{payload.toString(), image}, cost);
    return image;
}

} // namespace qel
