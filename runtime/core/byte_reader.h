// Bounds-checked little-endian reader: every field of a stored description
// goes through here, and every failure is recorded in one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rt {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

enum class ReadError {
    None,
    Truncated,        // a field or a count runs past the end of its data
    BadTableSize,     // the window table's byte count is not a multiple of 8
    BadUnitOffset,    // a unit offset points outside its unit block
    UnknownHandler,   // an event handler offset names no routine of the program
};

// Why reading stopped: the error, the field and the offset within the data.
struct ReadFailure {
    ReadError error = ReadError::None;
    const char* field = "";
    std::size_t offset = 0;
};

const char* readErrorText(ReadError error);

class ByteReader {
public:
    explicit ByteReader(ByteView data, std::size_t base = 0) : data_(data), base_(base) {}

    bool ok() const { return failure_.error == ReadError::None; }
    const ReadFailure& failure() const { return failure_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    bool atEnd() const { return pos_ == data_.size(); }

    std::uint32_t u32(const char* field);
    std::int32_t i32(const char* field) { return static_cast<std::int32_t>(u32(field)); }
    // Raw bytes of a fixed width.
    ByteView bytes(std::size_t length, const char* field);
    // Text ended by a 0 byte, which must lie inside the data.
    std::string zeroText(const char* field);
    // 32-bit byte count, then that many bytes.
    std::string countedText(const char* field);
    Bytes byteBlock(const char* field);
    // A 32-bit count of elements of `elementSize` bytes; checked against what is left.
    std::uint32_t count(std::size_t elementSize, const char* field);
    // Everything up to the end.
    ByteView rest() { return bytes(remaining(), "rest"); }

    // Marks the read as failed; later reads return empty values.
    void fail(ReadError error, const char* field);
    // Adopts the failure of a nested reader (whose offsets are already absolute).
    void failWith(const ReadFailure& failure) {
        if (!ok() || failure.error == ReadError::None) return;
        failure_ = failure;
        pos_ = data_.size();
    }
    // The absolute offset of the current position, for nested readers.
    std::size_t absolute() const { return base_ + pos_; }

private:
    bool take(std::size_t length, const char* field);

    ByteView data_;
    std::size_t base_;
    std::size_t pos_ = 0;
    ReadFailure failure_;
};

}  // namespace rt
