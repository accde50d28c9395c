#include "label_paint.h"

#include <algorithm>
#include <vector>

#include "pointers_and_fonts.h"

namespace rt {
namespace {

// The colour at `t` (0..1) along the colours, evenly spaced.
COLORREF blend(const std::vector<COLORREF>& colours, double t) {
    const double at = std::clamp(t, 0.0, 1.0) * static_cast<double>(colours.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(at), colours.size() - 2);
    const double f = at - static_cast<double>(i);
    auto mix = [f](int a, int b) { return static_cast<BYTE>(a + (b - a) * f + 0.5); };
    const COLORREF a = colours[i];
    const COLORREF b = colours[i + 1];
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void fillRect(HDC hdc, const RECT& rect, COLORREF colour) {
    const COLORREF old = SetBkColor(hdc, colour);
    ExtTextOutA(hdc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    SetBkColor(hdc, old);
}

// The gradient frame of border style 6: rings from the outside in, through
// the colours that are not left out. False when fewer than two remain.
bool paintGradientFrame(HDC hdc, const RECT& client, const LabelProperties& label) {
    std::vector<COLORREF> colours;
    for (std::uint32_t colour : label.frameColours)
        if (colour != kButtonFaceColour) colours.push_back(colour & 0xFFFFFF);
    if (colours.size() < 2) return false;
    const int width = label.frameWidth;
    for (int ring = 0; ring < width; ++ring) {
        const COLORREF colour = blend(colours, width > 1 ? static_cast<double>(ring) / (width - 1) : 0.0);
        const RECT outer = {client.left + ring, client.top + ring, client.right - ring, client.bottom - ring};
        if (outer.right <= outer.left || outer.bottom <= outer.top) break;
        fillRect(hdc, {outer.left, outer.top, outer.right, outer.top + 1}, colour);
        fillRect(hdc, {outer.left, outer.bottom - 1, outer.right, outer.bottom}, colour);
        fillRect(hdc, {outer.left, outer.top, outer.left + 1, outer.bottom}, colour);
        fillRect(hdc, {outer.right - 1, outer.top, outer.right, outer.bottom}, colour);
    }
    return true;
}

// Gradient backgrounds 1 to 8: four directions, each as a plain run through
// the colours (1-4) or there and back (5-8).
void paintGradientBackground(HDC hdc, const RECT& rect, const LabelProperties& label) {
    std::vector<COLORREF> colours;
    for (std::uint32_t colour : label.gradientColours) colours.push_back(resolveColour(colour));
    const unsigned kind = label.gradient - 1;
    const bool vertical = kind % 2 == 1;
    const bool reversed = kind % 4 >= 2;
    const bool mirrored = kind >= 4;
    const int length = vertical ? rect.bottom - rect.top : rect.right - rect.left;
    for (int step = 0; step < length; ++step) {
        double t = length > 1 ? static_cast<double>(step) / (length - 1) : 0.0;
        if (reversed) t = 1.0 - t;
        if (mirrored) t = 1.0 - std::abs(2.0 * t - 1.0);
        RECT line = vertical ? RECT{rect.left, rect.top + step, rect.right, rect.top + step + 1}
                             : RECT{rect.left + step, rect.top, rect.left + step + 1, rect.bottom};
        fillRect(hdc, line, blend(colours, t));
    }
}

void drawCaption(HDC hdc, const RECT& rect, const LabelProperties& label, int dx, int dy, COLORREF colour) {
    RECT at = rect;
    OffsetRect(&at, dx, dy);
    SetTextColor(hdc, colour);
    DrawTextA(hdc, label.caption.c_str(), static_cast<int>(label.caption.size()), &at, labelTextFlags(label));
}

}  // namespace

UINT labelTextFlags(const LabelProperties& label) {
    static constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    UINT flags = DT_NOCLIP | kHorizontal[label.alignment < 3 ? label.alignment : 0];
    if (label.wordWrap == 1)
        flags |= DT_WORDBREAK | DT_VCENTER;
    else
        flags |= DT_SINGLELINE | kVertical[label.verticalAlignment < 3 ? label.verticalAlignment : 1];
    return flags;
}

void paintLabel(HDC hdc, const RECT& client, const LabelProperties& label, HFONT font) {
    RECT inner = client;
    if (label.border == 6 && paintGradientFrame(hdc, client, label))
        InflateRect(&inner, -label.frameWidth, -label.frameWidth);

    if (label.gradient >= 1 && label.gradient <= 8)
        paintGradientBackground(hdc, inner, label);
    else
        fillRect(hdc, inner, resolveColour(label.backColour));

    if (label.caption.empty()) return;
    HGDIOBJ oldFont = SelectObject(hdc, font);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    const COLORREF text = resolveColour(label.textColour);
    switch (label.effect) {
    case 1:  // white copy under the text, one pixel right and down
        drawCaption(hdc, inner, label, 1, 1, RGB(255, 255, 255));
        drawCaption(hdc, inner, label, 0, 0, text);
        break;
    case 2:  // the text itself moves one pixel right and down over a white copy
        drawCaption(hdc, inner, label, 0, 0, RGB(255, 255, 255));
        drawCaption(hdc, inner, label, 1, 1, text);
        break;
    case 3:  // black copy under the text, two pixels right and down
        drawCaption(hdc, inner, label, 2, 2, RGB(0, 0, 0));
        drawCaption(hdc, inner, label, 0, 0, text);
        break;
    default:
        drawCaption(hdc, inner, label, 0, 0, text);
        break;
    }
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, oldFont);
}

}  // namespace rt
