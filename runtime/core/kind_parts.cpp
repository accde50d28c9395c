#include "kind_parts.h"

namespace rt {

bool readFontBlock(const Bytes& block, std::optional<FontRecord>& font) {
    if (block.empty()) {
        font.reset();
        return true;
    }
    if (block.size() != kFontRecordSize) return false;
    ByteReader in(block);
    FontRecord f;
    f.height = in.i32("font height");
    f.width = in.i32("font width");
    f.escapement = in.i32("font escapement");
    f.orientation = in.i32("font orientation");
    f.weight = in.i32("font weight");
    ByteView b = in.bytes(8, "font attributes");
    f.italic = b[0];
    f.underline = b[1];
    f.strikeOut = b[2];
    f.charSet = b[3];
    f.outPrecision = b[4];
    f.clipPrecision = b[5];
    f.quality = b[6];
    f.pitchAndFamily = b[7];
    // A face name without its zero is cut so that one always fits.
    ByteView face = in.bytes(32, "font face name");
    std::size_t length = 0;
    while (length < 31 && face[length] != 0) ++length;
    f.faceName.assign(face.begin(), face.begin() + length);
    font = f;
    return in.ok();
}

std::optional<LabelProperties> readLabelPart(ByteView part) {
    LabelProperties p;
    if (part.empty()) return p;
    ByteReader in(part);
    p.version = in.u32("label version");
    if (p.version > kLabelMaxVersion) return std::nullopt;
    p.effect = in.u32("label effect");
    p.frameWidth = in.i32("label frame width");
    p.border = in.u32("label border");
    for (auto& colour : p.frameColours) colour = in.u32("label frame colour");
    p.textColour = in.u32("label text colour");
    p.backColour = in.u32("label background colour");
    p.pictureMode = in.u32("label picture mode");
    p.gradient = in.u32("label gradient");
    for (auto& colour : p.gradientColours) colour = in.u32("label gradient colour");
    p.alignment = in.u32("label alignment");
    p.verticalAlignment = in.u32("label vertical alignment");
    p.wordWrap = in.u32("label word wrap");
    Bytes font = in.byteBlock("label font");
    p.picture = in.byteBlock("label picture");
    p.caption = in.countedText("label caption");
    if (p.version >= 2) {
        p.dataSource = in.countedText("label data source");
        p.dataField = in.countedText("label data field");
    }
    if (!in.ok() || !readFontBlock(font, p.font)) return std::nullopt;
    return p;
}

std::optional<ButtonProperties> readButtonPart(ByteView part) {
    ButtonProperties p;
    if (part.empty()) return p;
    ByteReader in(part);
    p.version = in.u32("button version");
    if (p.version > kButtonMaxVersion) return std::nullopt;
    p.type = in.u32("button type");
    p.alignment = in.u32("button alignment");
    p.verticalAlignment = in.u32("button vertical alignment");
    p.picture = in.byteBlock("button picture");
    Bytes font = in.byteBlock("button font");
    p.caption = in.countedText("button caption");
    if (!in.ok() || !readFontBlock(font, p.font)) return std::nullopt;
    return p;
}

std::optional<WindowProperties> readWindowPart(ByteView part) {
    WindowProperties p;
    if (part.empty()) return p;
    ByteReader in(part);
    p.version = in.u32("window version");
    if (!in.ok() || p.version > kWindowMaxVersion) return std::nullopt;
    return p;
}

}  // namespace rt
