// The run time's records of the stored window description, and the reader
// that builds them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "byte_reader.h"
#include "kind_parts.h"
#include "program_abi.h"

namespace rt {

inline constexpr UnitKind kKindWindow = 0x00010001;
inline constexpr UnitKind kKindLabel = 0x0001000A;
inline constexpr UnitKind kKindButton = 0x0001000B;

// Flag bits of a unit.
inline constexpr std::uint32_t kFlagVisible = 1u << 0;
inline constexpr std::uint32_t kFlagDisabled = 1u << 1;
inline constexpr std::uint32_t kFlagTabStop = 1u << 2;

struct EventEntry {
    std::uint32_t eventIndex = 0;
    Routine handler = nullptr;  // null: no handler
};

struct UnitRecord {
    ComponentId id = 0;
    UnitKind kind = 0;
    ComponentId eventSource = 0;
    std::array<std::uint8_t, 16> reserved1{};
    std::string name;
    std::string secondText;
    void* componentSlot = nullptr;  // the live component while loaded
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    void* pointerSlot = nullptr;  // the mouse-pointer handle while loaded
    ComponentId parent = 0;
    std::vector<ComponentId> pageList;
    Bytes mousePointer;
    std::string tag;
    std::uint32_t reserved2 = 0;
    std::uint32_t flags = 0;
    std::int32_t tabOrder = 0;
    std::vector<EventEntry> events;
    std::array<std::uint8_t, 20> reserved3{};
    Bytes kindPart;
    // The kind-specific properties once the part has been read.
    KindProperties properties;

    bool visible() const { return flags & kFlagVisible; }
    bool disabled() const { return flags & kFlagDisabled; }
    bool tabStop() const { return flags & kFlagTabStop; }
};

struct WindowRecord {
    WindowId id = 0;
    std::uint32_t value1 = 0;
    std::uint32_t associatedId = 0;
    std::string text1;
    std::string text2;
    std::vector<UnitRecord> units;  // unit 0 is the window itself
};

struct Description {
    std::vector<std::uint32_t> reservedSlots;
    std::vector<WindowRecord> windows;  // in window-table order
};

struct DescriptionResult {
    std::optional<Description> description;
    ReadFailure failure;
};

// Reads a whole description. Handler offsets resolve through `routines`;
// -1 means no handler and any other offset not in the table is an error.
DescriptionResult readDescription(ByteView data, RoutineTable routines);

// Lookups. They return null when nothing matches.
WindowRecord* findWindow(Description& description, WindowId id);
const WindowRecord* findWindow(const Description& description, WindowId id);
UnitRecord* findUnit(WindowRecord& window, ComponentId id);
const UnitRecord* findUnit(const WindowRecord& window, ComponentId id);
const UnitRecord* findUnitByName(const WindowRecord& window, std::string_view name);

// The handler for event `eventIndex` raised by `unit`, following the unit's
// event-source link while the linked unit exists and has the same kind.
Routine findEventHandler(const WindowRecord& window, const UnitRecord& unit,
                         std::uint32_t eventIndex);

// Reads the unit's kind-specific part into its properties once.
// False when the kind is unknown or the part cannot be read.
bool unitReadKindPart(UnitRecord& unit);

}  // namespace rt

namespace rt {

// A unit's mouse-pointer code: 0 for an empty block, else the first 32-bit
// value, or the first byte of a shorter block.
std::int32_t mousePointerCode(const Bytes& block);

}  // namespace rt
