// Kind-specific properties of windows, labels and push buttons, and the
// readers of their stored parts.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "byte_reader.h"

namespace rt {

// Stands for the system's button-face colour.
inline constexpr std::uint32_t kButtonFaceColour = 0xFF000000;

// A 60-byte logical-font record in the system's layout.
struct FontRecord {
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    std::string faceName;  // at most 31 bytes
};
inline constexpr std::size_t kFontRecordSize = 60;

// Empty block: the default GUI font. A 60-byte block: that font. Anything
// else cannot be read.
bool readFontBlock(const Bytes& block, std::optional<FontRecord>& font);

struct LabelProperties {
    std::uint32_t version = 2;
    std::uint32_t effect = 0;
    std::int32_t frameWidth = 8;
    std::uint32_t border = 0;
    std::array<std::uint32_t, 3> frameColours{0x808080, 0xFFFFFF, 0x808080};
    std::uint32_t textColour = 0;
    std::uint32_t backColour = kButtonFaceColour;
    std::uint32_t pictureMode = 1;
    std::uint32_t gradient = 0;
    std::array<std::uint32_t, 3> gradientColours{0x808080, 0xFFFFFF, 0x808080};
    std::uint32_t alignment = 0;
    std::uint32_t verticalAlignment = 1;
    std::uint32_t wordWrap = 0;
    std::optional<FontRecord> font;
    Bytes picture;
    std::string caption = "\xB1\xEA\xC7\xA9";  // 标签
    std::string dataSource;
    std::string dataField;
};

struct ButtonProperties {
    std::uint32_t version = 1;
    std::uint32_t type = 0;  // 1: default button
    std::uint32_t alignment = 1;
    std::uint32_t verticalAlignment = 1;
    Bytes picture;
    std::optional<FontRecord> font;
    std::string caption = "\xB0\xB4\xC5\xA5";  // 按钮
};

// A window's part: only its version is read; every other property keeps
// the default the window is built with.
struct WindowProperties {
    std::uint32_t version = 0;
    std::string title;
    std::uint32_t border = 2;           // fixed frame
    bool controlBox = true;
    bool maximizeBox = false;
    bool minimizeBox = true;
    std::uint32_t initialPosition = 1;  // 0 stored place, 1 centred, 2 minimised, 3 maximised
    bool movable = true;
    std::uint32_t backColour = kButtonFaceColour;
    bool escapeCloses = true;
    bool enterMovesFocus = false;
};

using KindProperties =
    std::variant<std::monostate, WindowProperties, LabelProperties, ButtonProperties>;

inline constexpr std::uint32_t kLabelMaxVersion = 2;
inline constexpr std::uint32_t kButtonMaxVersion = 1;
inline constexpr std::uint32_t kWindowMaxVersion = 6;

// Each gives the defaults for an empty part, fails on a higher version or a
// part that ends early.
std::optional<LabelProperties> readLabelPart(ByteView part);
std::optional<ButtonProperties> readButtonPart(ByteView part);
std::optional<WindowProperties> readWindowPart(ByteView part);

}  // namespace rt
