#include "byte_reader.h"

#include <cstring>

namespace rt {

const char* readErrorText(ReadError error) {
    switch (error) {
    case ReadError::None: return "no error";
    case ReadError::Truncated: return "data ends inside a field";
    case ReadError::BadTableSize: return "window table size is not a multiple of 8";
    case ReadError::BadUnitOffset: return "unit offset lies outside its unit block";
    case ReadError::UnknownHandler: return "event handler offset names no routine";
    }
    return "unknown error";
}

void ByteReader::fail(ReadError error, const char* field) {
    if (!ok()) return;
    failure_ = {error, field, base_ + pos_};
    pos_ = data_.size();
}

bool ByteReader::take(std::size_t length, const char* field) {
    if (!ok()) return false;
    if (length > remaining()) {
        fail(ReadError::Truncated, field);
        return false;
    }
    return true;
}

std::uint32_t ByteReader::u32(const char* field) {
    if (!take(4, field)) return 0;
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += 4;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

ByteView ByteReader::bytes(std::size_t length, const char* field) {
    if (!take(length, field)) return {};
    ByteView view = data_.subspan(pos_, length);
    pos_ += length;
    return view;
}

std::string ByteReader::zeroText(const char* field) {
    if (!ok()) return {};
    const void* end = remaining() == 0 ? nullptr : std::memchr(data_.data() + pos_, 0, remaining());
    if (end == nullptr) {
        fail(ReadError::Truncated, field);
        return {};
    }
    std::size_t length = static_cast<const std::uint8_t*>(end) - (data_.data() + pos_);
    std::string text(reinterpret_cast<const char*>(data_.data() + pos_), length);
    pos_ += length + 1;
    return text;
}

std::string ByteReader::countedText(const char* field) {
    std::uint32_t length = count(1, field);
    ByteView view = bytes(length, field);
    return std::string(view.begin(), view.end());
}

Bytes ByteReader::byteBlock(const char* field) {
    std::uint32_t length = count(1, field);
    ByteView view = bytes(length, field);
    return Bytes(view.begin(), view.end());
}

std::uint32_t ByteReader::count(std::size_t elementSize, const char* field) {
    std::size_t start = pos_;
    std::uint32_t n = u32(field);
    if (!ok()) return 0;
    if (n > remaining() / elementSize) {
        pos_ = start;  // report the offset of the count itself
        fail(ReadError::Truncated, field);
        return 0;
    }
    return n;
}

}  // namespace rt
