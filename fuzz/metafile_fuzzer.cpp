// One source, two targets: QEL_FUZZ_WMF picks the Windows metafile reader, otherwise the
// enhanced one. Files of the other kind are refused early, so each target keeps to its format.
#include "metafile/metafile_reader.h"
#include "null_canvas.h"
#include "render/metafile_player.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv); // fonts for text records
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto file = qel::readMetafile(bytes);
    if (!file) return 0;
#ifdef QEL_FUZZ_WMF
    if (file->kind != qel::MetafileKind::Wmf) return 0;
#else
    if (file->kind != qel::MetafileKind::Emf) return 0;
#endif
    qel::NullCanvas canvas;
    qel::playMetafile(*file, canvas, QRect(0, 0, 200, 200));
    return 0;
}
