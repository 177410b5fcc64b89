#include "render/metafile_player.h"

#include "metafile/metafile_formats.h"
#include "render/gdi_playback.h"

#include <cmath>

namespace qel {

void playMetafile(const Metafile& file, Canvas& canvas, const QRect& target) {
    GdiPlayback gdi(canvas);
    if (file.kind == MetafileKind::Emf)
        playEmf(file, gdi, target);
    else
        playWmf(file, gdi, target);
}

QSize pictureSizeFor(QSize native) {
    const std::int64_t w = native.width(), h = native.height();
    if (w * h <= 21000) return native;
    const std::int64_t k = std::llrint(std::sqrt(double(w * h) / 21000.0)) + 1;
    return QSize(int(w / k), int(h / k));
}

} // namespace qel
