// The run time's label: a child window that paints its caption itself.
#pragma once

#include <windows.h>

#include "description.h"

namespace rt {

class LabelControl {
public:
    static bool registerClass();

    explicit LabelControl(UnitRecord& unit) : unit_(unit) {}
    LabelControl(const LabelControl&) = delete;
    LabelControl& operator=(const LabelControl&) = delete;

    // Creates the control, not yet visible, at the unit's place.
    HWND create(HWND parent, int controlId);
    // Sets the frame styles of the current border property.
    void applyBorder();

    // Paints the whole label into `hdc`, clipped to `clip`.
    void paint(HDC hdc, const RECT& clip) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    const LabelProperties& properties() const { return std::get<LabelProperties>(unit_.properties); }

    UnitRecord& unit_;
    HWND hwnd_ = nullptr;
    HFONT font_ = nullptr;  // set by WM_SETFONT; null is the default GUI font
};

struct BorderStyles {
    DWORD style;
    DWORD exStyle;
};
// Window styles for a label border code; 6 is painted, so it has none.
BorderStyles labelBorderStyles(std::uint32_t border);

}  // namespace rt
