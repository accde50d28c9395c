// Mouse pointers and fonts made from a unit's stored properties.
#pragma once

#include <windows.h>

#include <optional>

#include "kind_parts.h"

namespace rt {

inline constexpr int kHandCursorResource = 1032;

struct PointerHandle {
    HCURSOR cursor = nullptr;
    bool owned = false;  // loaded from the program's resources, so released again
};

// The pointer for a stored pointer code; no handle for 0 or an unknown code.
PointerHandle loadPointer(std::int32_t code);
void releasePointer(PointerHandle& pointer);

// A font from a logical-font record, with the system defaults for the
// character set, precisions, quality and pitch. Null when it cannot be made.
HFONT createFont(const FontRecord& record);

// The colour a stored colour stands for.
COLORREF resolveColour(std::uint32_t colour);

}  // namespace rt
