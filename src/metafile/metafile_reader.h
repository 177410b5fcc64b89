#pragma once

#include "metafile/record_view.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace qel {

enum class MetafileKind { Emf, Wmf };

// Caps on the work one file may ask for, so that no input can hang the program or exhaust its
// memory. Real pictures stay far below them.
struct MetafileLimits {
    std::uint32_t maxBytes = 64u * 1024 * 1024;
    std::uint32_t maxRecords = 1000000;
    std::uint64_t maxPoints = 4000000;         // summed over every poly record
    std::uint64_t maxBitmapPixels = 64u << 20; // summed over every bitmap record
};

// One record of a checked file: where its bytes start in the file and how many there are.
struct MetaRecord {
    std::uint32_t type = 0; // EMF record type, or WMF function number
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

// A metafile whose framing and every record the player reads have been checked against the
// record and the file: counts, offsets, lengths and bitmap headers.
struct Metafile {
    MetafileKind kind = MetafileKind::Emf;
    QByteArray data;
    std::vector<MetaRecord> records;

    // Enhanced metafile header: device bounds, frame in 0.01 mm, reference device in pixels and
    // in millimetres.
    std::int32_t bounds[4] = {0, 0, 0, 0};
    std::int32_t frame[4] = {0, 0, 0, 0};
    std::int32_t device[2] = {0, 0};
    std::int32_t millimetres[2] = {0, 0};

    // Windows metafile: the placeable header's box and units per inch, or else the first window
    // origin and extent the records set.
    bool placeable = false;
    std::int16_t box[4] = {0, 0, 0, 0};
    std::uint16_t unitsPerInch = 0;
    bool hasWindow = false;
    std::int16_t windowOrg[2] = {0, 0};
    std::int16_t windowExt[2] = {0, 0};

    RecordView view(const MetaRecord& r) const {
        return RecordView(reinterpret_cast<const unsigned char*>(data.constData()) + r.offset,
                          r.size);
    }
};

// Reads an EMF or WMF (with or without placeable header) from its bytes. On failure answers
// nothing and, when `error` is given, says why (for the log of a developer, not for the user).
std::optional<Metafile> readMetafile(const QByteArray& bytes, QString* error = nullptr,
                                     const MetafileLimits& limits = {});

// The picture's own size in screen pixels (96 per inch): the frame of an EMF, the placeable box
// of a WMF, or else its window extent at one unit per pixel. Empty when the file gives none.
QSize metafileNativeSize(const Metafile& file);

// Checks the structure of one record of a known type (used by readMetafile; exposed for tests).
// `points` and `pixels` accumulate the work the record asks for.
bool checkEmfRecord(std::uint32_t type, const RecordView& r, std::uint64_t& points,
                    std::uint64_t& pixels);
bool checkWmfRecord(std::uint32_t function, const RecordView& r, std::uint64_t& points,
                    std::uint64_t& pixels);

} // namespace qel
