// The stored description of the program's one window.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kWindowDescriptionSize = 507;
extern const std::uint8_t kWindowDescription[];
