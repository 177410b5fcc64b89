#pragma once

#include <cstdint>
#include <cstring>

namespace qel {

// A read-only window on the bytes of one metafile record, little-endian. Every read is
// bounds-checked: a read past the end answers 0 and marks the view as overrun, so code that
// walks a record can never leave it, even where an earlier check was forgotten.
class RecordView {
public:
    RecordView() = default;
    RecordView(const unsigned char* data, std::uint32_t size) : data_(data), size_(size) {}

    std::uint32_t size() const { return size_; }
    bool overrun() const { return overrun_; }

    // True when [offset, offset + length) lies inside the record.
    bool has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }

    const unsigned char* bytes(std::uint64_t offset, std::uint64_t length) const {
        if (!has(offset, length)) {
            overrun_ = true;
            return nullptr;
        }
        return data_ + offset;
    }

    std::uint8_t u8(std::uint64_t off) const {
        const unsigned char* p = bytes(off, 1);
        return p ? p[0] : 0;
    }
    std::uint16_t u16(std::uint64_t off) const {
        const unsigned char* p = bytes(off, 2);
        return p ? std::uint16_t(p[0] | (p[1] << 8)) : 0;
    }
    std::int16_t i16(std::uint64_t off) const { return std::int16_t(u16(off)); }
    std::uint32_t u32(std::uint64_t off) const {
        const unsigned char* p = bytes(off, 4);
        return p ? std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                       (std::uint32_t(p[3]) << 24)
                 : 0;
    }
    std::int32_t i32(std::uint64_t off) const { return std::int32_t(u32(off)); }
    float f32(std::uint64_t off) const {
        std::uint32_t bits = u32(off);
        float f;
        std::memcpy(&f, &bits, sizeof f);
        return f;
    }

    RecordView sub(std::uint64_t offset, std::uint64_t length) const {
        const unsigned char* p = bytes(offset, length);
        return p ? RecordView(p, std::uint32_t(length)) : RecordView();
    }

private:
    const unsigned char* data_ = nullptr;
    std::uint32_t size_ = 0;
    mutable bool overrun_ = false;
};

} // namespace qel
