#include "label_control.h"

#include "label_paint.h"
#include "runtime_state.h"

namespace rt {
namespace {

constexpr char kLabelClass[] = "TagPuzzleLabel";
constexpr DWORD kFrameStyles = WS_BORDER;
constexpr DWORD kFrameExStyles = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_STATICEDGE;

}  // namespace

BorderStyles labelBorderStyles(std::uint32_t border) {
    switch (border) {
    case 1: return {0, WS_EX_CLIENTEDGE};
    case 2: return {0, WS_EX_DLGMODALFRAME};
    case 3: return {0, WS_EX_STATICEDGE};
    case 4: return {0, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME};
    case 5: return {WS_BORDER, 0};
    default: return {0, 0};
    }
}

bool LabelControl::registerClass() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;  // repainted whole when resized
    wc.lpfnWndProc = windowProc;
    wc.hInstance = moduleInstance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kLabelClass;
    return RegisterClassExA(&wc) != 0;
}

HWND LabelControl::create(HWND parent, int controlId) {
    const BorderStyles frame = labelBorderStyles(properties().border);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | frame.style;
    if (unit_.disabled()) style |= WS_DISABLED;
    return CreateWindowExA(frame.exStyle, kLabelClass, properties().caption.c_str(), style, unit_.left, unit_.top,
                           unit_.width, unit_.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                           moduleInstance(), this);
}

void LabelControl::applyBorder() {
    const BorderStyles frame = labelBorderStyles(properties().border);
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, (style & ~LONG_PTR{kFrameStyles}) | frame.style);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, (exStyle & ~LONG_PTR{kFrameExStyles}) | frame.exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT CALLBACK LabelControl::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* label = static_cast<LabelControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        label->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(label));
    }
    auto* label = reinterpret_cast<LabelControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (label == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        label->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return label->handleMessage(message, wParam, lParam);
}

LRESULT LabelControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        onPaint();
        return 0;
    case WM_PRINTCLIENT: {
        RECT client;
        GetClientRect(hwnd_, &client);
        paint(reinterpret_cast<HDC>(wParam), client);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // painting covers the whole client area
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    default:
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

void LabelControl::onPaint() {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd_, &ps);
    paint(hdc, ps.rcPaint);
    EndPaint(hwnd_, &ps);
}

void LabelControl::paint(HDC hdc, const RECT& clip) const {
    RECT client;
    GetClientRect(hwnd_, &client);
    const int saved = SaveDC(hdc);
    IntersectClipRect(hdc, clip.left, clip.top, clip.right, clip.bottom);
    HFONT font = font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    paintLabel(hdc, client, properties(), font);
    RestoreDC(hdc, saved);
}

}  // namespace rt
