// Property writes shown on the live window, and the pointers and fonts that
// come from a unit's properties.
#include "form_window.h"
#include "label_control.h"

namespace rt {
namespace {

const std::optional<FontRecord>* fontOf(const UnitRecord& unit) {
    if (const auto* label = std::get_if<LabelProperties>(&unit.properties)) return &label->font;
    if (const auto* button = std::get_if<ButtonProperties>(&unit.properties)) return &button->font;
    return nullptr;
}

// Moves or resizes without touching the stacking order or the activation;
// the dimension that was not written keeps its current value.
void applyGeometry(HWND hwnd, const UnitRecord& unit, PropertyIndex index) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (index == kPropLeft || index == kPropTop) {
        POINT place = {rect.left, rect.top};
        if (HWND parent = GetParent(hwnd); parent != nullptr && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD))
            ScreenToClient(parent, &place);
        if (index == kPropLeft) place.x = unit.left;
        if (index == kPropTop) place.y = unit.top;
        SetWindowPos(hwnd, nullptr, place.x, place.y, 0, 0, flags | SWP_NOSIZE);
        return;
    }
    if (index == kPropWidth) width = unit.width;
    if (index == kPropHeight) height = unit.height;
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, flags | SWP_NOMOVE);
}

}  // namespace

void FormWindow::applyProperty(UnitRecord& unit, PropertyIndex index, PropertyChange change) {
    Component* component = findComponent(unit);
    if (component == nullptr || component->hwnd == nullptr) return;
    HWND hwnd = component->hwnd;
    switch (change) {
    case PropertyChange::None:
        break;
    case PropertyChange::Geometry:
        applyGeometry(hwnd, unit, index);
        break;
    case PropertyChange::Visible:
        ShowWindow(hwnd, unit.visible() ? (hwnd == hwnd_ ? SW_SHOW : SW_SHOWNA) : SW_HIDE);
        break;
    case PropertyChange::Enabled:
        EnableWindow(hwnd, !unit.disabled());
        break;
    case PropertyChange::Pointer:
        setPointer(*component);
        break;
    case PropertyChange::Caption:
        if (const auto* label = std::get_if<LabelProperties>(&unit.properties))
            SetWindowTextA(hwnd, label->caption.c_str());
        else if (const auto* button = std::get_if<ButtonProperties>(&unit.properties))
            SetWindowTextA(hwnd, button->caption.c_str());
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case PropertyChange::Font:
        applyFont(*component);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case PropertyChange::Border:
        if (component->label) component->label->applyBorder();
        break;
    case PropertyChange::Appearance:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    }
}

void FormWindow::setPointer(Component& component) {
    releasePointer(component.pointer);
    component.pointer = loadPointer(mousePointerCode(component.unit->mousePointer));
    component.unit->pointerSlot = component.pointer.cursor;
}

bool FormWindow::onSetCursor(HWND target, UINT hitTest) {
    if (hitTest != HTCLIENT) return false;  // the frame keeps the system's pointers
    const Component* component = findComponent(target);
    if (component == nullptr || component->pointer.cursor == nullptr) return false;
    SetCursor(component->pointer.cursor);
    return true;
}

void FormWindow::applyFont(Component& component) {
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HFONT made = nullptr;
    const std::optional<FontRecord>* record = fontOf(*component.unit);
    if (record != nullptr && record->has_value()) made = createFont(**record);
    if (made != nullptr) font = made;
    SendMessageA(component.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    // The old font goes only once the control no longer uses it.
    if (component.font != nullptr) DeleteObject(component.font);
    component.font = made;
}

}  // namespace rt
