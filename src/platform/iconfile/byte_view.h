#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// A read-only window on bytes whose every read is checked against its end, so a header that
// lies about offsets or sizes can never make us read outside the file. Little-endian reads.
class ByteView {
public:
    ByteView() = default;
    ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    const uint8_t* data() const { return data_; }
    size_t size() const { return size_; }

    // The bytes [offset, offset + length), or nothing when they run past the end.
    std::optional<ByteView> sub(uint64_t offset, uint64_t length) const
    {
        if (offset > size_ || length > size_ - offset)
            return std::nullopt;
        return ByteView(data_ + offset, size_t(length));
    }
    // Everything from offset to the end.
    std::optional<ByteView> from(uint64_t offset) const
    {
        if (offset > size_)
            return std::nullopt;
        return ByteView(data_ + offset, size_ - size_t(offset));
    }

    std::optional<uint8_t> u8(uint64_t offset) const
    {
        if (offset >= size_)
            return std::nullopt;
        return data_[offset];
    }
    std::optional<uint16_t> u16(uint64_t offset) const
    {
        if (!sub(offset, 2))
            return std::nullopt;
        return uint16_t(data_[offset] | data_[offset + 1] << 8);
    }
    std::optional<uint32_t> u32(uint64_t offset) const
    {
        if (!sub(offset, 4))
            return std::nullopt;
        return uint32_t(data_[offset]) | uint32_t(data_[offset + 1]) << 8
               | uint32_t(data_[offset + 2]) << 16 | uint32_t(data_[offset + 3]) << 24;
    }
    std::optional<int32_t> i32(uint64_t offset) const
    {
        const auto value = u32(offset);
        if (!value)
            return std::nullopt;
        return int32_t(*value);
    }
    bool startsWith(const char* magic, size_t length) const
    {
        if (length > size_)
            return false;
        for (size_t i = 0; i < length; ++i) {
            if (data_[i] != uint8_t(magic[i]))
                return false;
        }
        return true;
    }

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
