// Writes window descriptions field by field, with defaults that make a valid
// description, so that a test changes one field and sees what reading makes
// of it. Standard C++ only: the host tests and the Win32 test driver share it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace testdesc {

using Bytes = std::vector<std::uint8_t>;

// Unit kinds: library 1, types 1 (window), 10 (label), 11 (push button).
inline constexpr std::uint32_t kKindWindow = 0x00010001;
inline constexpr std::uint32_t kKindLabel = 0x0001000A;
inline constexpr std::uint32_t kKindButton = 0x0001000B;

inline constexpr std::uint32_t kFlagVisible = 1u << 0;
inline constexpr std::uint32_t kFlagDisabled = 1u << 1;
inline constexpr std::uint32_t kFlagTabStop = 1u << 2;

inline constexpr std::uint32_t kButtonFace = 0xFF000000;
inline constexpr std::int32_t kNoHandlerOffset = -1;

// The program's identifiers.
inline constexpr std::uint32_t kStartupWindowId = 0x52010001;
inline constexpr std::uint32_t kWindowUnitId = 0x06010000;
inline constexpr std::uint32_t kButton1Id = 0x16010003;
inline constexpr std::uint32_t kLabel1Id = 0x16010002;
inline constexpr std::int32_t kButton1ClickOffset = 8;

// GBK bytes of the texts the description holds.
inline constexpr char kGbkButton[] = "\xB0\xB4\xC5\xA5";   // 按钮
inline constexpr char kGbkLabel[] = "\xB1\xEA\xC7\xA9";    // 标签
inline constexpr char kGbkButton1[] = "\xB0\xB4\xC5\xA5" "1";  // 按钮1
inline constexpr char kGbkLabel1[] = "\xB1\xEA\xC7\xA9" "1";   // 标签1
inline constexpr char kLabel1Caption[] = "tekavi{O_Uk_e_wrist}";

// Little-endian byte sink; every multi-byte field of a description goes through it.
class ByteWriter {
public:
    std::size_t size() const { return data_.size(); }
    const Bytes& data() const { return data_; }

    void u32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i) data_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void bytes(const Bytes& value) { data_.insert(data_.end(), value.begin(), value.end()); }
    void bytes(std::string_view value) {
        for (char c : value) data_.push_back(static_cast<std::uint8_t>(c));
    }
    void zeroText(std::string_view value) {
        bytes(value);
        data_.push_back(0);
    }
    void countedText(std::string_view value) {
        u32(static_cast<std::uint32_t>(value.size()));
        bytes(value);
    }
    void byteBlock(const Bytes& value) {
        u32(static_cast<std::uint32_t>(value.size()));
        bytes(value);
    }
    // Reserves a 32-bit field to be filled in once its value is known.
    std::size_t placeholder() {
        std::size_t at = size();
        u32(0);
        return at;
    }
    void patchU32(std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) data_.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }

private:
    Bytes data_;
};

inline void patchU32(Bytes& data, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t readU32(const Bytes& data, std::size_t at) {
    return std::uint32_t{data.at(at)} | std::uint32_t{data.at(at + 1)} << 8 |
           std::uint32_t{data.at(at + 2)} << 16 | std::uint32_t{data.at(at + 3)} << 24;
}

// A mouse-pointer block holding a 32-bit pointer code.
inline Bytes pointerBlock(std::int32_t code) {
    ByteWriter out;
    out.i32(code);
    return out.data();
}

// A 60-byte logical-font record.
struct FontSpec {
    std::int32_t height = -12;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 134;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    // Up to 32 bytes, zero-padded; 32 non-zero bytes leave no terminator.
    std::string faceName = "\xCB\xCE\xCC\xE5";  // 宋体

    Bytes bytes() const {
        ByteWriter out;
        out.i32(height);
        out.i32(width);
        out.i32(escapement);
        out.i32(orientation);
        out.i32(weight);
        out.bytes(Bytes{italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality,
                        pitchAndFamily});
        Bytes face(32, 0);
        for (std::size_t i = 0; i < faceName.size() && i < face.size(); ++i)
            face[i] = static_cast<std::uint8_t>(faceName[i]);
        out.bytes(face);
        return out.data();
    }
};

// Kind-specific part of a label; the defaults are the stored defaults.
struct LabelPart {
    std::uint32_t version = 2;
    std::uint32_t effect = 0;
    std::int32_t frameWidth = 8;
    std::uint32_t border = 0;
    std::array<std::uint32_t, 3> frameColours{0x808080, 0xFFFFFF, 0x808080};
    std::uint32_t textColour = 0;
    std::uint32_t backColour = kButtonFace;
    std::uint32_t pictureMode = 1;
    std::uint32_t gradient = 0;
    std::array<std::uint32_t, 3> gradientColours{0x808080, 0xFFFFFF, 0x808080};
    std::uint32_t alignment = 0;
    std::uint32_t verticalAlignment = 1;
    std::uint32_t wordWrap = 0;
    Bytes font;
    Bytes picture;
    std::string caption = kGbkLabel;
    // Written for version 2 and above only.
    std::string dataSource;
    std::string dataField;

    Bytes bytes() const {
        ByteWriter out;
        out.u32(version);
        out.u32(effect);
        out.i32(frameWidth);
        out.u32(border);
        for (std::uint32_t colour : frameColours) out.u32(colour);
        out.u32(textColour);
        out.u32(backColour);
        out.u32(pictureMode);
        out.u32(gradient);
        for (std::uint32_t colour : gradientColours) out.u32(colour);
        out.u32(alignment);
        out.u32(verticalAlignment);
        out.u32(wordWrap);
        out.byteBlock(font);
        out.byteBlock(picture);
        out.countedText(caption);
        if (version >= 2) {
            out.countedText(dataSource);
            out.countedText(dataField);
        }
        return out.data();
    }
};

// Kind-specific part of a push button; the defaults are the stored defaults.
struct ButtonPart {
    std::uint32_t version = 1;
    std::uint32_t type = 0;
    std::uint32_t alignment = 1;
    std::uint32_t verticalAlignment = 1;
    Bytes picture;
    Bytes font;
    std::string caption = kGbkButton;

    Bytes bytes() const {
        ByteWriter out;
        out.u32(version);
        out.u32(type);
        out.u32(alignment);
        out.u32(verticalAlignment);
        out.byteBlock(picture);
        out.byteBlock(font);
        out.countedText(caption);
        return out.data();
    }
};

// A window's kind-specific part: only its version word.
inline Bytes windowPart(std::uint32_t version) {
    ByteWriter out;
    out.u32(version);
    return out.data();
}

struct EventSpec {
    std::uint32_t eventIndex = 0;
    std::int32_t handlerOffset = kNoHandlerOffset;
};

// One unit: its ComponentId and the fields of its UnitRecord in stored order.
struct UnitSpec {
    std::uint32_t id = 0;
    std::uint32_t kind = kKindLabel;
    std::uint32_t eventSource = 0;
    std::array<std::uint8_t, 16> reserved1{};
    std::string name;
    std::string secondText;
    std::uint32_t componentSlot = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t pointerSlot = 0;
    std::uint32_t parent = 0;
    std::vector<std::uint32_t> pageList;
    Bytes mousePointer = pointerBlock(0);
    std::string tag;
    std::uint32_t reserved2 = 0;
    std::uint32_t flags = kFlagVisible;
    std::int32_t tabOrder = 0;
    std::vector<EventSpec> events;
    std::array<std::uint8_t, 20> reserved3{};
    Bytes kindPart;
};

struct WindowSpec {
    std::uint32_t id = kStartupWindowId;
    std::uint32_t slot = 0;
    std::uint32_t value1 = 0;
    std::uint32_t associatedId = 0;
    std::string text1;
    std::string text2;
    std::vector<UnitSpec> units;
    // Order in which the units' data is stored; empty: unit order. The
    // offsets follow wherever the data lands.
    std::vector<std::size_t> storageOrder;
    // Bytes stored between the offsets and the first unit's data.
    Bytes gapBeforeData;
};

// Where each field landed: names like "window 0 unit 1 event count".
struct Written {
    Bytes bytes;
    std::map<std::string, std::size_t, std::less<>> fields;

    std::size_t at(std::string_view field) const {
        auto it = fields.find(field);
        if (it == fields.end()) throw std::out_of_range("no field named " + std::string(field));
        return it->second;
    }
};

inline std::string windowField(std::size_t window, std::string_view field) {
    return "window " + std::to_string(window) + " " + std::string(field);
}

inline std::string unitField(std::size_t window, std::size_t unit, std::string_view field) {
    return windowField(window, "unit " + std::to_string(unit) + " " + std::string(field));
}

struct DescriptionSpec {
    std::vector<WindowSpec> windows;

    Written write() const {
        Written result;
        ByteWriter out;
        auto mark = [&](std::string name) { result.fields[std::move(name)] = out.size(); };

        mark("table size");
        out.u32(static_cast<std::uint32_t>(8 * windows.size()));
        for (std::size_t w = 0; w < windows.size(); ++w) {
            mark(windowField(w, "id"));
            out.u32(windows[w].id);
        }
        for (std::size_t w = 0; w < windows.size(); ++w) {
            mark(windowField(w, "slot"));
            out.u32(windows[w].slot);
        }
        for (std::size_t w = 0; w < windows.size(); ++w) writeWindow(out, w, mark);
        result.bytes = out.data();
        return result;
    }

    Bytes bytes() const { return write().bytes; }

private:
    template <typename Mark>
    void writeWindow(ByteWriter& out, std::size_t w, Mark& mark) const {
        const WindowSpec& window = windows[w];
        mark(windowField(w, "value"));
        out.u32(window.value1);
        mark(windowField(w, "associated id"));
        out.u32(window.associatedId);
        mark(windowField(w, "text 1"));
        out.countedText(window.text1);
        mark(windowField(w, "text 2"));
        out.countedText(window.text2);
        mark(windowField(w, "unit count"));
        out.u32(static_cast<std::uint32_t>(window.units.size()));
        mark(windowField(w, "block size"));
        const std::size_t blockSize = out.placeholder();
        const std::size_t blockStart = out.size();
        for (std::size_t u = 0; u < window.units.size(); ++u) {
            mark(unitField(w, u, "id"));
            out.u32(window.units[u].id);
        }
        std::vector<std::size_t> offsets;
        for (std::size_t u = 0; u < window.units.size(); ++u) {
            mark(unitField(w, u, "offset"));
            offsets.push_back(out.placeholder());
        }
        const std::size_t dataStart = out.size();
        mark(windowField(w, "unit data"));
        out.bytes(window.gapBeforeData);
        std::vector<std::size_t> order = window.storageOrder;
        if (order.empty())
            for (std::size_t u = 0; u < window.units.size(); ++u) order.push_back(u);
        for (std::size_t u : order) {
            out.patchU32(offsets.at(u), static_cast<std::uint32_t>(out.size() - dataStart));
            mark(unitField(w, u, "size"));
            const std::size_t recordSize = out.placeholder();
            const std::size_t recordStart = out.size();
            writeUnit(out, window.units.at(u), [&](std::string_view field) { mark(unitField(w, u, field)); });
            mark(unitField(w, u, "end"));
            out.patchU32(recordSize, static_cast<std::uint32_t>(out.size() - recordStart));
        }
        mark(windowField(w, "end"));
        out.patchU32(blockSize, static_cast<std::uint32_t>(out.size() - blockStart));
    }

    template <typename Mark>
    static void writeUnit(ByteWriter& out, const UnitSpec& unit, Mark mark) {
        mark("kind");
        out.u32(unit.kind);
        mark("event source");
        out.u32(unit.eventSource);
        mark("reserved 1");
        out.bytes(Bytes(unit.reserved1.begin(), unit.reserved1.end()));
        mark("name");
        out.zeroText(unit.name);
        mark("second text");
        out.zeroText(unit.secondText);
        mark("component slot");
        out.u32(unit.componentSlot);
        mark("left");
        out.i32(unit.left);
        mark("top");
        out.i32(unit.top);
        mark("width");
        out.i32(unit.width);
        mark("height");
        out.i32(unit.height);
        mark("pointer slot");
        out.u32(unit.pointerSlot);
        mark("parent");
        out.u32(unit.parent);
        mark("page count");
        out.u32(static_cast<std::uint32_t>(unit.pageList.size()));
        for (std::uint32_t id : unit.pageList) out.u32(id);
        mark("pointer block");
        out.byteBlock(unit.mousePointer);
        mark("tag");
        out.zeroText(unit.tag);
        mark("reserved 2");
        out.u32(unit.reserved2);
        mark("flags");
        out.u32(unit.flags);
        mark("tab order");
        out.i32(unit.tabOrder);
        mark("event count");
        out.u32(static_cast<std::uint32_t>(unit.events.size()));
        for (std::size_t e = 0; e < unit.events.size(); ++e) {
            mark("event " + std::to_string(e) + " index");
            out.u32(unit.events[e].eventIndex);
            mark("event " + std::to_string(e) + " handler");
            out.i32(unit.events[e].handlerOffset);
        }
        mark("reserved 3");
        out.bytes(Bytes(unit.reserved3.begin(), unit.reserved3.end()));
        mark("kind part");
        out.bytes(unit.kindPart);
    }
};

// Units with the values a test would otherwise repeat.
inline UnitSpec windowUnit(std::uint32_t id = kWindowUnitId) {
    UnitSpec unit;
    unit.id = id;
    unit.kind = kKindWindow;
    unit.left = 50;
    unit.top = 50;
    unit.width = 380;
    unit.height = 250;
    return unit;
}

inline UnitSpec buttonUnit(std::uint32_t id, std::string name) {
    UnitSpec unit;
    unit.id = id;
    unit.kind = kKindButton;
    unit.name = std::move(name);
    unit.width = 120;
    unit.height = 24;
    unit.flags = kFlagVisible | kFlagTabStop;
    return unit;
}

inline UnitSpec labelUnit(std::uint32_t id, std::string name) {
    UnitSpec unit;
    unit.id = id;
    unit.kind = kKindLabel;
    unit.name = std::move(name);
    unit.width = 48;
    unit.height = 12;
    return unit;
}

// A window holding its own unit only.
inline WindowSpec windowWithOwnUnit(std::uint32_t id, std::uint32_t unitId = kWindowUnitId) {
    WindowSpec window;
    window.id = id;
    window.units.push_back(windowUnit(unitId));
    return window;
}

// The program's description as its tables give it: window 0x52010001 with
// its own unit, 按钮1 (click bound to offset 8) and 标签1.
inline DescriptionSpec programDescription() {
    UnitSpec window = windowUnit(kWindowUnitId);

    UnitSpec button = buttonUnit(kButton1Id, kGbkButton1);
    button.left = 160;
    button.top = 48;
    button.width = 120;
    button.height = 113;
    button.events.push_back({0, kButton1ClickOffset});

    UnitSpec label = labelUnit(kLabel1Id, kGbkLabel1);
    label.left = 64;
    label.top = 88;
    label.width = 48;
    label.height = 12;
    LabelPart part;
    part.caption = kLabel1Caption;
    label.kindPart = part.bytes();

    WindowSpec startupWindow;
    startupWindow.id = kStartupWindowId;
    startupWindow.slot = 0x0253BE80;
    startupWindow.value1 = 0;
    startupWindow.associatedId = 0x19010004;
    startupWindow.units = {window, button, label};

    DescriptionSpec description;
    description.windows.push_back(startupWindow);
    return description;
}

}  // namespace testdesc
