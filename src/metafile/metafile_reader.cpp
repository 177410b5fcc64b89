#include "metafile/metafile_reader.h"

#include "metafile/records.h"

#include <cmath>

namespace qel {

namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

bool fail(QString* error, const char* why) {
    if (error) *error = QString::fromLatin1(why);
    return false;
}

bool readEmf(Metafile& m, const MetafileLimits& limits, QString* error) {
    const RecordView file(reinterpret_cast<const unsigned char*>(m.data.constData()),
                          std::uint32_t(m.data.size()));
    if (!file.has(0, 88) || file.u32(0) != EMR_HEADER || file.u32(40) != kEmfSignature)
        return fail(error, "not an enhanced metafile");
    for (int i = 0; i < 4; ++i) {
        m.bounds[i] = file.i32(8 + 4 * i);
        m.frame[i] = file.i32(24 + 4 * i);
    }
    m.device[0] = file.i32(72);
    m.device[1] = file.i32(76);
    m.millimetres[0] = file.i32(80);
    m.millimetres[1] = file.i32(84);

    std::uint64_t points = 0, pixels = 0;
    std::uint32_t offset = 0;
    bool sawEof = false;
    while (!sawEof) {
        if (!file.has(offset, 8)) return fail(error, "truncated: no end-of-file record");
        const std::uint32_t type = file.u32(offset);
        const std::uint32_t size = file.u32(offset + 4);
        if (size < 8 || size % 4 != 0 || !file.has(offset, size))
            return fail(error, "record size out of the file");
        if (m.records.size() >= limits.maxRecords) return fail(error, "too many records");
        if ((type == EMR_HEADER) != (offset == 0)) return fail(error, "header record misplaced");
        const RecordView r = file.sub(offset, size);
        if (!checkEmfRecord(type, r, points, pixels)) return fail(error, "malformed record");
        if (points > limits.maxPoints || pixels > limits.maxBitmapPixels)
            return fail(error, "too much work asked");
        m.records.push_back({type, offset, size});
        sawEof = type == EMR_EOF;
        offset += size;
    }
    return true;
}

bool readWmf(Metafile& m, const MetafileLimits& limits, QString* error) {
    const RecordView file(reinterpret_cast<const unsigned char*>(m.data.constData()),
                          std::uint32_t(m.data.size()));
    std::uint32_t offset = 0;
    if (file.u32(0) == kPlaceableKey) {
        if (!file.has(0, 22)) return fail(error, "truncated placeable header");
        m.placeable = true;
        for (int i = 0; i < 4; ++i)
            m.box[i] = file.i16(6 + 2 * i);
        m.unitsPerInch = file.u16(14);
        offset = 22;
    }
    if (!file.has(offset, 18)) return fail(error, "truncated header");
    const std::uint16_t type = file.u16(offset);
    const std::uint16_t headerWords = file.u16(offset + 2);
    if ((type != 1 && type != 2) || headerWords != 9) return fail(error, "not a Windows metafile");
    offset += 18;

    std::uint64_t points = 0, pixels = 0;
    bool sawEof = false;
    bool sawOrg = false;
    while (!sawEof) {
        if (!file.has(offset, 6)) return fail(error, "truncated: no end-of-file record");
        const std::uint64_t size = std::uint64_t(file.u32(offset)) * 2;
        const std::uint16_t function = file.u16(offset + 4);
        if (size < 6 || !file.has(offset, size)) return fail(error, "record size out of the file");
        if (m.records.size() >= limits.maxRecords) return fail(error, "too many records");
        const RecordView r = file.sub(offset, size);
        if (!checkWmfRecord(function, r, points, pixels)) return fail(error, "malformed record");
        if (points > limits.maxPoints || pixels > limits.maxBitmapPixels)
            return fail(error, "too much work asked");
        if (function == WMR_SETWINDOWORG && !sawOrg) {
            m.windowOrg[1] = r.i16(6);
            m.windowOrg[0] = r.i16(8);
            sawOrg = true;
        } else if (function == WMR_SETWINDOWEXT && !m.hasWindow) {
            m.windowExt[1] = r.i16(6);
            m.windowExt[0] = r.i16(8);
            m.hasWindow = true;
        }
        m.records.push_back({function, offset, std::uint32_t(size)});
        sawEof = function == WMR_EOF;
        offset += std::uint32_t(size);
    }
    return true;
}

int toPixels(double units, double unitsPerInch) {
    return int(std::lrint(units * 96.0 / unitsPerInch));
}

} // namespace

std::optional<Metafile> readMetafile(const QByteArray& bytes, QString* error,
                                     const MetafileLimits& limits) {
    if (std::uint64_t(bytes.size()) > limits.maxBytes) {
        fail(error, "file too large");
        return std::nullopt;
    }
    Metafile m;
    m.data = bytes;
    const RecordView head(reinterpret_cast<const unsigned char*>(bytes.constData()),
                          std::uint32_t(bytes.size()));
    const bool emf = head.has(0, 44) && head.u32(0) == EMR_HEADER && head.u32(40) == kEmfSignature;
    m.kind = emf ? MetafileKind::Emf : MetafileKind::Wmf;
    const bool ok = emf ? readEmf(m, limits, error) : readWmf(m, limits, error);
    if (!ok) return std::nullopt;
    if (metafileNativeSize(m).isEmpty()) {
        fail(error, "no usable picture size");
        return std::nullopt;
    }
    return m;
}

QSize metafileNativeSize(const Metafile& m) {
    // Bounded so that the caller's arithmetic on the size can never overflow.
    constexpr int kMaxSide = 1 << 20;
    std::int64_t w = 0, h = 0;
    if (m.kind == MetafileKind::Emf) {
        // The frame is inclusive, in hundredths of a millimetre.
        w = toPixels(double(m.frame[2]) - m.frame[0] + 1, 2540.0);
        h = toPixels(double(m.frame[3]) - m.frame[1] + 1, 2540.0);
    } else if (m.placeable && m.unitsPerInch > 0) {
        w = toPixels(std::abs(double(m.box[2]) - m.box[0]), m.unitsPerInch);
        h = toPixels(std::abs(double(m.box[3]) - m.box[1]), m.unitsPerInch);
    } else if (m.hasWindow) {
        w = std::abs(int(m.windowExt[0]));
        h = std::abs(int(m.windowExt[1]));
    }
    if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return {};
    return QSize(int(w), int(h));
}

} // namespace qel
