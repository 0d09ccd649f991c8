#pragma once
// A cursor over a block of bytes that refuses to run past its end: every read either succeeds whole or
// fails and leaves the cursor where it was.
#include <cstddef>
#include <cstdint>

class ByteReader {
public:
    ByteReader(const uint8_t* data, int32_t size)
        : data_(data), size_(data && size > 0 ? static_cast<size_t>(size) : 0) {}

    size_t Remaining() const { return size_ - position_; }

    bool ReadByte(uint8_t& value) {
        if (Remaining() < 1) return false;
        value = data_[position_++];
        return true;
    }

    bool ReadU16LittleEndian(uint16_t& value) {
        if (Remaining() < 2) return false;
        value = static_cast<uint16_t>(data_[position_] | data_[position_ + 1] << 8);
        position_ += 2;
        return true;
    }

    bool ReadU16BigEndian(uint16_t& value) {
        if (Remaining() < 2) return false;
        value = static_cast<uint16_t>(data_[position_] << 8 | data_[position_ + 1]);
        position_ += 2;
        return true;
    }

    // The next `count` bytes, in place, or nullptr when fewer remain.
    const uint8_t* Take(size_t count) {
        if (Remaining() < count) return nullptr;
        const uint8_t* start = data_ + position_;
        position_ += count;
        return start;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};
