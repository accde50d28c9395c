// Property writes to the run time's record of a unit.
#pragma once

#include <cstdint>

#include "description.h"

namespace rt {

inline constexpr std::int32_t kCoordinateBound = 32627;
inline constexpr std::int32_t kWholeProperty = -1;
inline constexpr std::int32_t kMinFrameWidth = 5;

enum PropertyIndexes : PropertyIndex {
    kPropLeft = 0,
    kPropTop = 1,
    kPropWidth = 2,
    kPropHeight = 3,
    kPropTag = 4,
    kPropVisible = 5,
    kPropDisabled = 6,
    kPropMousePointer = 7,
};

// What the live component must do to show a write.
enum class PropertyChange {
    None,        // nothing stored, or nothing visible changed
    Geometry,    // position or size
    Visible,
    Enabled,
    Pointer,
    Caption,
    Font,
    Border,      // the label's frame styles
    Appearance,  // anything that only needs a repaint
};

// Stores a value in the unit's record. Text values are addresses of
// zero-terminated texts (0: empty); a font is the address of a 60-byte
// logical-font record (0: the default font).
PropertyChange writeProperty(UnitRecord& unit, PropertyIndex index, std::int32_t subIndex,
                             std::uint64_t value);

std::int32_t clampCoordinate(std::int64_t value);
std::int32_t clampSize(std::int64_t value);

}  // namespace rt
