#include "property_store.h"

#include <algorithm>
#include <cstring>

namespace rt {
namespace {

std::string textAt(std::uint64_t value) {
    const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(value));
    return text ? std::string(text) : std::string();
}

std::int32_t low32(std::uint64_t value) { return static_cast<std::int32_t>(value & 0xFFFFFFFFu); }

void setFlag(UnitRecord& unit, std::uint32_t flag, bool on) {
    unit.flags = on ? (unit.flags | flag) : (unit.flags & ~flag);
}

PropertyChange storeFont(std::optional<FontRecord>& font, std::uint64_t value) {
    Bytes block;
    if (const auto* record = reinterpret_cast<const std::uint8_t*>(static_cast<std::uintptr_t>(value)))
        block.assign(record, record + kFontRecordSize);
    return readFontBlock(block, font) ? PropertyChange::Font : PropertyChange::None;
}

PropertyChange writeLabel(LabelProperties& p, PropertyIndex index, std::uint64_t value) {
    const std::int32_t v = low32(value);
    const auto u = static_cast<std::uint32_t>(v);
    switch (index) {
    case 8: p.caption = textAt(value); return PropertyChange::Caption;
    case 9: p.effect = u; return PropertyChange::Appearance;
    case 10: p.border = u; return PropertyChange::Border;
    case 11: p.frameWidth = std::max(v, kMinFrameWidth); return PropertyChange::Appearance;
    case 12: case 13: case 14: p.frameColours[index - 12] = u; return PropertyChange::Appearance;
    case 15: return storeFont(p.font, value);
    case 16: p.textColour = u; return PropertyChange::Appearance;
    case 17: p.backColour = u; return PropertyChange::Appearance;
    case 19: p.pictureMode = u; return PropertyChange::Appearance;
    case 20: p.gradient = u; return PropertyChange::Appearance;
    case 21: case 22: case 23: p.gradientColours[index - 21] = u; return PropertyChange::Appearance;
    case 24: p.alignment = u; return PropertyChange::Appearance;
    case 25: p.wordWrap = u; return PropertyChange::Appearance;
    case 26: p.verticalAlignment = u; return PropertyChange::Appearance;
    case 27: p.dataSource = textAt(value); return PropertyChange::None;
    case 28: p.dataField = textAt(value); return PropertyChange::None;
    default: return PropertyChange::None;  // pictures are not taken by address
    }
}

PropertyChange writeButton(ButtonProperties& p, PropertyIndex index, std::uint64_t value) {
    const auto u = static_cast<std::uint32_t>(low32(value));
    switch (index) {
    case 9: p.type = u; return PropertyChange::Appearance;
    case 10: p.caption = textAt(value); return PropertyChange::Caption;
    case 11: p.alignment = u; return PropertyChange::Appearance;
    case 12: p.verticalAlignment = u; return PropertyChange::Appearance;
    case 13: return storeFont(p.font, value);
    default: return PropertyChange::None;
    }
}

}  // namespace

std::int32_t clampCoordinate(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, -kCoordinateBound, kCoordinateBound));
}

std::int32_t clampSize(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, kCoordinateBound));
}

PropertyChange writeProperty(UnitRecord& unit, PropertyIndex index, std::int32_t subIndex,
                             std::uint64_t value) {
    if (subIndex != kWholeProperty) return PropertyChange::None;  // no property here has elements
    const std::int32_t v = low32(value);
    switch (index) {
    case kPropLeft: unit.left = clampCoordinate(v); return PropertyChange::Geometry;
    case kPropTop: unit.top = clampCoordinate(v); return PropertyChange::Geometry;
    case kPropWidth: unit.width = clampSize(v); return PropertyChange::Geometry;
    case kPropHeight: unit.height = clampSize(v); return PropertyChange::Geometry;
    case kPropTag: unit.tag = textAt(value); return PropertyChange::None;
    case kPropVisible: setFlag(unit, kFlagVisible, v != 0); return PropertyChange::Visible;
    case kPropDisabled: setFlag(unit, kFlagDisabled, v != 0); return PropertyChange::Enabled;
    case kPropMousePointer: {
        unit.mousePointer.resize(4);
        const auto code = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) unit.mousePointer[i] = static_cast<std::uint8_t>(code >> (8 * i));
        return PropertyChange::Pointer;
    }
    default: break;
    }
    if (!unitReadKindPart(unit)) return PropertyChange::None;
    if (auto* label = std::get_if<LabelProperties>(&unit.properties)) return writeLabel(*label, index, value);
    if (auto* button = std::get_if<ButtonProperties>(&unit.properties)) return writeButton(*button, index, value);
    return PropertyChange::None;
}

}  // namespace rt
