#include "platform/imagewriters.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <jpeglib.h>

namespace qel {

namespace {

// libjpeg's own error handler ends the program; this one jumps back to the encoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->escape, 1);
}

void onMessage(j_common_ptr, int) {} // warnings are not shown anywhere

// Plain C state only between setjmp and longjmp: nothing here has a destructor to skip.
bool compress(const unsigned char* rgb, int width, int height, unsigned char** data,
              unsigned long* size, char* message) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.escape)) {
        jpeg_destroy_compress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, data, size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE); // baseline tables: no progressive scan script is set
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<unsigned char*>(rgb + std::size_t(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

Outcome encodeJpeg(const QImage& image, QByteArray& out) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        return Outcome::failed(QStringLiteral("image vide"));
    }
    if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION) {
        return Outcome::failed(QStringLiteral("image trop grande pour le format JPEG"));
    }
    // Tightly packed rows of red, green, blue.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QByteArray packed(qsizetype(rgb.width()) * rgb.height() * 3, '\0');
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(packed.data() + qsizetype(y) * rgb.width() * 3, rgb.constScanLine(y),
                    std::size_t(rgb.width()) * 3);

    unsigned char* data = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX];
    const bool ok = compress(reinterpret_cast<const unsigned char*>(packed.constData()),
                             rgb.width(), rgb.height(), &data, &size, message);
    if (ok) out = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    std::free(data);
    if (!ok)
        return Outcome::failed(
            QStringLiteral("échec de l'encodage JPEG (%1)").arg(QString::fromLocal8Bit(message)));
    return Outcome::done();
}

Outcome writeJpeg(const QImage& image, const QString& path) {
    QByteArray bytes;
    if (const Outcome encoded = encodeJpeg(image, bytes); !encoded.ok())
        return writeFailure(path, encoded.message());
    // A picture of a drawing can be made again: no wait for the disk.
    return writeFileAtomically(path, bytes, QStringLiteral("Impossible d'écrire"),
                               Durability::Cached);
}

} // namespace qel
