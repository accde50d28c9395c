#include "gbk.h"

namespace rt {
namespace {

bool isLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

unsigned char foldAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

}  // namespace

bool gbkEqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (isLeadByte(ca) && i + 1 < a.size()) {
            // Both bytes of a double-byte character must match as they are.
            if (ca != cb || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (foldAscii(ca) != foldAscii(cb)) return false;
    }
    return true;
}

}  // namespace rt
