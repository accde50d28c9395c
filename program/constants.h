// The program's constants block.
#pragma once

#include <cstddef>

// The constants block begins with the hint text and holds nothing else.
extern const char kConstants[35];
inline constexpr const char* kHintText = kConstants;
