#include "pointers_and_fonts.h"

#include <algorithm>
#include <cstring>

#include "runtime_state.h"

namespace rt {

PointerHandle loadPointer(std::int32_t code) {
    // Codes 1 to 13 in order; 14, the hand, is the program's own cursor.
    static const LPCSTR kSystemPointers[] = {
        IDC_ARROW, IDC_CROSS, IDC_IBEAM, IDC_WAIT, IDC_HELP, IDC_APPSTARTING, IDC_NO,
        IDC_SIZEALL, IDC_SIZENESW, IDC_SIZENS, IDC_SIZENWSE, IDC_SIZEWE, IDC_UPARROW,
    };
    if (code >= 1 && code <= 13) {
        auto cursor = static_cast<HCURSOR>(
            LoadImageA(nullptr, kSystemPointers[code - 1], IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
        return {cursor, false};
    }
    if (code == 14) {
        auto cursor = static_cast<HCURSOR>(LoadImageA(moduleInstance(), MAKEINTRESOURCEA(kHandCursorResource),
                                                      IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
        return {cursor, cursor != nullptr};
    }
    return {};  // 0: the class pointer; -1 image data is not a format this run time reads
}

void releasePointer(PointerHandle& pointer) {
    if (pointer.owned && pointer.cursor != nullptr) DestroyCursor(pointer.cursor);
    pointer = {};
}

HFONT createFont(const FontRecord& record) {
    LOGFONTA font = {};
    font.lfHeight = record.height;
    font.lfWidth = record.width;
    font.lfEscapement = record.escapement;
    font.lfOrientation = record.orientation;
    font.lfWeight = record.weight;
    font.lfItalic = record.italic;
    font.lfUnderline = record.underline;
    font.lfStrikeOut = record.strikeOut;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = static_cast<BYTE>((record.pitchAndFamily & 0xF0) | DEFAULT_PITCH);
    const std::size_t length = std::min(record.faceName.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, record.faceName.data(), length);
    return CreateFontIndirectA(&font);
}

COLORREF resolveColour(std::uint32_t colour) {
    return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : (colour & 0x00FFFFFF);
}

}  // namespace rt
