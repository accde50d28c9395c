#include "description.h"

#include <algorithm>
#include <utility>

#include "gbk.h"

namespace rt {
namespace {

constexpr std::size_t kIdAndOffsetSize = 8;

bool resolveHandler(std::int32_t offset, RoutineTable routines, Routine& handler) {
    if (offset == kNoHandler) {
        handler = nullptr;
        return true;
    }
    for (const ProgramRoutine& entry : routines) {
        if (entry.offset == offset) {
            handler = entry.routine;
            return true;
        }
    }
    return false;
}

void readUnitRecord(ByteReader& in, RoutineTable routines, UnitRecord& unit) {
    unit.kind = in.u32("unit kind");
    unit.eventSource = in.u32("event-source unit");
    ByteView reserved1 = in.bytes(unit.reserved1.size(), "unit reserved");
    std::copy(reserved1.begin(), reserved1.end(), unit.reserved1.begin());
    unit.name = in.zeroText("unit name");
    unit.secondText = in.zeroText("unit second text");
    in.u32("component slot");  // stored as 0; the run time keeps its own
    unit.left = in.i32("unit left");
    unit.top = in.i32("unit top");
    unit.width = in.i32("unit width");
    unit.height = in.i32("unit height");
    in.u32("pointer slot");
    unit.parent = in.u32("parent unit");
    std::uint32_t pages = in.count(4, "page list");
    for (std::uint32_t i = 0; i < pages; ++i) unit.pageList.push_back(in.u32("page list entry"));
    unit.mousePointer = in.byteBlock("mouse pointer");
    unit.tag = in.zeroText("unit tag");
    unit.reserved2 = in.u32("unit reserved");
    unit.flags = in.u32("unit flags");
    unit.tabOrder = in.i32("tab order");
    std::uint32_t events = in.count(8, "event entries");
    for (std::uint32_t i = 0; i < events && in.ok(); ++i) {
        EventEntry entry;
        entry.eventIndex = in.u32("event index");
        std::int32_t offset = in.i32("event handler");
        if (in.ok() && !resolveHandler(offset, routines, entry.handler))
            in.failWith({ReadError::UnknownHandler, "event handler", in.absolute() - 4});
        unit.events.push_back(entry);
    }
    ByteView reserved3 = in.bytes(unit.reserved3.size(), "unit reserved");
    std::copy(reserved3.begin(), reserved3.end(), unit.reserved3.begin());
    ByteView part = in.rest();
    unit.kindPart.assign(part.begin(), part.end());
}

void readUnitBlock(ByteReader& in, RoutineTable routines, WindowRecord& window,
                   std::uint32_t unitCount) {
    std::size_t blockStart = in.absolute();
    Bytes blockBytes = in.byteBlock("unit block");
    if (!in.ok()) return;
    ByteReader block(blockBytes, blockStart + 4);
    if (unitCount > block.remaining() / kIdAndOffsetSize) {
        block.fail(ReadError::Truncated, "unit count");
        in.failWith(block.failure());
        return;
    }
    window.units.resize(unitCount);
    for (UnitRecord& unit : window.units) unit.id = block.u32("component id");
    std::size_t offsetsStart = block.absolute();
    std::vector<std::uint32_t> offsets(unitCount);
    for (std::uint32_t& offset : offsets) offset = block.u32("unit offset");

    ByteView data = ByteView(blockBytes).subspan(block.position());
    std::size_t dataStart = block.absolute();
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        if (offsets[i] > data.size()) {
            in.failWith({ReadError::BadUnitOffset, "unit offset", offsetsStart + 4 * i});
            return;
        }
        ByteReader unitIn(data.subspan(offsets[i]), dataStart + offsets[i]);
        std::uint32_t size = unitIn.count(1, "unit record size");
        ByteView recordBytes = unitIn.bytes(size, "unit record");
        ByteReader record(recordBytes, dataStart + offsets[i] + 4);
        if (unitIn.ok()) readUnitRecord(record, routines, window.units[i]);
        in.failWith(unitIn.failure());
        in.failWith(record.failure());
        if (!in.ok()) return;
    }
}

}  // namespace

DescriptionResult readDescription(ByteView data, RoutineTable routines) {
    ByteReader in(data);
    Description description;
    std::uint32_t tableSize = in.count(1, "window table size");
    if (in.ok() && tableSize % 8 != 0) in.fail(ReadError::BadTableSize, "window table size");
    std::uint32_t windowCount = tableSize / 8;
    description.windows.resize(windowCount);
    for (WindowRecord& window : description.windows) window.id = in.u32("window id");
    for (std::uint32_t i = 0; i < windowCount; ++i)
        description.reservedSlots.push_back(in.u32("window slot"));

    for (WindowRecord& window : description.windows) {
        if (!in.ok()) break;
        window.value1 = in.u32("window value");
        window.associatedId = in.u32("associated id");
        window.text1 = in.countedText("window first text");
        window.text2 = in.countedText("window second text");
        std::uint32_t unitCount = in.u32("unit count");
        readUnitBlock(in, routines, window, unitCount);
    }
    if (!in.ok()) return {std::nullopt, in.failure()};
    return {std::move(description), {}};
}

WindowRecord* findWindow(Description& description, WindowId id) {
    return const_cast<WindowRecord*>(findWindow(std::as_const(description), id));
}

const WindowRecord* findWindow(const Description& description, WindowId id) {
    if (!idIsFindable(id)) return nullptr;
    for (const WindowRecord& window : description.windows)
        if (window.id == id) return &window;
    return nullptr;
}

UnitRecord* findUnit(WindowRecord& window, ComponentId id) {
    return const_cast<UnitRecord*>(findUnit(std::as_const(window), id));
}

const UnitRecord* findUnit(const WindowRecord& window, ComponentId id) {
    if (!idIsFindable(id)) return nullptr;
    for (const UnitRecord& unit : window.units)
        if (unit.id == id) return &unit;
    return nullptr;
}

const UnitRecord* findUnitByName(const WindowRecord& window, std::string_view name) {
    for (const UnitRecord& unit : window.units)
        if (gbkEqualNoCase(unit.name, name)) return &unit;
    return nullptr;
}

Routine findEventHandler(const WindowRecord& window, const UnitRecord& unit,
                         std::uint32_t eventIndex) {
    const UnitRecord* source = &unit;
    // A chain can visit each unit at most once; a longer one is a cycle.
    for (std::size_t hops = 0; source->eventSource != 0 && hops < window.units.size(); ++hops) {
        const UnitRecord* linked = findUnit(window, source->eventSource);
        if (linked == nullptr || linked->kind != unit.kind) break;
        source = linked;
    }
    for (const EventEntry& entry : source->events)
        if (entry.eventIndex == eventIndex) return entry.handler;
    return nullptr;
}

bool unitReadKindPart(UnitRecord& unit) {
    if (!std::holds_alternative<std::monostate>(unit.properties)) return true;
    switch (unit.kind) {
    case kKindWindow:
        if (auto p = readWindowPart(unit.kindPart)) unit.properties = *p;
        break;
    case kKindLabel:
        if (auto p = readLabelPart(unit.kindPart)) unit.properties = std::move(*p);
        break;
    case kKindButton:
        if (auto p = readButtonPart(unit.kindPart)) unit.properties = std::move(*p);
        break;
    default:
        break;
    }
    return !std::holds_alternative<std::monostate>(unit.properties);
}

}  // namespace rt

namespace rt {

std::int32_t mousePointerCode(const Bytes& block) {
    if (block.empty()) return 0;
    if (block.size() < 4) return block[0];
    ByteReader in(block);
    return in.i32("mouse pointer code");
}

}  // namespace rt
