// Keyboard focus, Tab, Esc and Enter for a described window.
#include <algorithm>

#include "form_window.h"
#include "runtime_state.h"

namespace rt {
namespace {

constexpr std::uint32_t kFocusGainedEvent = 5;

bool modifierDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool FormWindow::preTranslate(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.hwnd == nullptr) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    for (auto& form : runtime().forms)
        if (form->exists() && form->hwnd() == root) return form->onKeyDown(msg);
    return false;
}

bool FormWindow::onKeyDown(const MSG& msg) {
    const bool ctrl = modifierDown(VK_CONTROL);
    const bool alt = modifierDown(VK_MENU);
    const bool shift = modifierDown(VK_SHIFT);
    switch (msg.wParam) {
    case VK_TAB:
        if (ctrl || alt || focusedTakesKey(msg, DLGC_WANTTAB)) return false;
        moveFocus(shift);
        return true;
    case VK_ESCAPE:
        if (ctrl || alt || shift || !properties_->escapeCloses || focusedTakesKey(msg, 0)) return false;
        SendMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case VK_RETURN: {
        if (ctrl || alt || shift || focusedTakesKey(msg, 0)) return false;
        Component* button = defaultButton();
        if (button == nullptr) return false;
        raiseEvent(record_.id, button->unit->id, 0);
        return true;
    }
    default:
        return false;
    }
}

// True when the focused control asks for the key itself.
bool FormWindow::focusedTakesKey(const MSG& msg, UINT wantCode) const {
    HWND focus = GetFocus();
    if (focus == nullptr || focus == hwnd_) return false;
    const auto code = static_cast<UINT>(
        SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | wantCode)) != 0;
}

bool FormWindow::takesFocus(const Component& component) const {
    // Of the kinds built here only the push button takes the focus.
    return component.hwnd != nullptr && component.unit->kind == kKindButton && component.unit->tabStop() &&
           IsWindowVisible(component.hwnd) && IsWindowEnabled(component.hwnd);
}

// Candidates by tab order; on equal orders the later unit comes first.
std::vector<FormWindow::Component*> FormWindow::tabOrder() {
    std::vector<Component*> order;
    for (std::size_t i = components_.size(); i-- > 1;)
        if (takesFocus(components_[i])) order.push_back(&components_[i]);
    std::stable_sort(order.begin(), order.end(),
                     [](const Component* a, const Component* b) { return a->unit->tabOrder < b->unit->tabOrder; });
    return order;
}

HWND FormWindow::firstFocusTarget() {
    std::vector<Component*> order = tabOrder();
    return order.empty() ? nullptr : order.front()->hwnd;
}

void FormWindow::moveFocus(bool backward) {
    std::vector<Component*> order = tabOrder();
    if (order.empty()) return;
    HWND focus = GetFocus();
    auto current = std::find_if(order.begin(), order.end(), [focus](const Component* c) { return c->hwnd == focus; });
    std::size_t next = 0;
    if (current == order.end()) {
        next = backward ? order.size() - 1 : 0;
    } else {
        const std::size_t at = current - order.begin();
        next = backward ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    SetFocus(order[next]->hwnd);
}

void FormWindow::onActivate(WPARAM wParam) {
    if (LOWORD(wParam) != WA_INACTIVE) return;
    // Remember the focused component, to give the focus back on return.
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
}

void FormWindow::onSetFocus() {
    raiseEvent(record_.id, record_.units[0].id, kFocusGainedEvent);
    if (!exists()) return;
    HWND target = (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_)) ? lastFocus_
                                                                                                 : firstFocusTarget();
    if (target != nullptr) SetFocus(target);
}

FormWindow::Component* FormWindow::defaultButton() {
    auto isDefault = [](const Component& c) {
        const auto* p = std::get_if<ButtonProperties>(&c.unit->properties);
        return c.hwnd != nullptr && p != nullptr && p->type == 1 && IsWindowEnabled(c.hwnd);
    };
    if (Component* focused = findComponent(GetFocus()); focused != nullptr && isDefault(*focused)) return focused;
    for (std::size_t i = 1; i < components_.size(); ++i)
        if (isDefault(components_[i])) return &components_[i];
    return nullptr;
}

}  // namespace rt
