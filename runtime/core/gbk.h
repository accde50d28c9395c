// GBK-aware text helpers.
#pragma once

#include <string_view>

namespace rt {

// Compares two GBK texts without regard to the case of ASCII letters. The
// second byte of a double-byte character is compared exactly, never folded.
bool gbkEqualNoCase(std::string_view a, std::string_view b);

}  // namespace rt
