#include "form_window.h"

#include <algorithm>

#include "label_control.h"
#include "rt.h"
#include "runtime_state.h"

namespace rt {
namespace {

constexpr char kFormClass[] = "TagPuzzleForm";
constexpr int kFirstControlId = 100;
constexpr int kControlIdStep = 10;

// Events of a window's own unit raised once it has been built.
constexpr std::uint32_t kLoadEvents[] = {0, 3, 4};

bool isMenuItem(ComponentId id) { return idClass(id) == 6 && idSubclass(id) == 2; }

// The kind's library must be the run time's own form library.
bool isFormLibraryKind(UnitKind kind) {
    const ProgramHeader* header = runtime().header;
    const std::uint32_t library = kind >> 16;
    if (header == nullptr || header->supportLibraryList == nullptr || library == 0 ||
        library > header->supportLibraryCount)
        return false;
    return header->supportLibraryList[library - 1] == &rtFormLibrary;
}

DWORD windowStyle(const WindowProperties& p) {
    DWORD style = WS_CLIPCHILDREN | WS_CAPTION;
    if (p.controlBox) style |= WS_SYSMENU;
    if (p.minimizeBox) style |= WS_MINIMIZEBOX;
    if (p.maximizeBox) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD buttonStyle(const UnitRecord& unit, const ButtonProperties& p) {
    static constexpr DWORD kHorizontal[] = {BS_LEFT, BS_CENTER, BS_RIGHT};
    static constexpr DWORD kVertical[] = {BS_TOP, BS_VCENTER, BS_BOTTOM};
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_MULTILINE;
    style |= p.type == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    style |= kHorizontal[p.alignment < 3 ? p.alignment : 1];
    style |= kVertical[p.verticalAlignment < 3 ? p.verticalAlignment : 1];
    if (unit.tabStop()) style |= WS_TABSTOP;
    if (unit.disabled()) style |= WS_DISABLED;
    return style;
}

}  // namespace

bool FormWindow::registerClass() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = moduleInstance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // the window paints its own background
    wc.lpszClassName = kFormClass;
    // The one 48 x 48 image, loaded once at each size the system shows.
    wc.hIcon = static_cast<HICON>(LoadImageA(moduleInstance(), "DEFAULT_ICON", IMAGE_ICON, 32, 32, 0));
    wc.hIconSm = static_cast<HICON>(LoadImageA(moduleInstance(), "DEFAULT_ICON", IMAGE_ICON, 16, 16, 0));
    return RegisterClassExA(&wc) != 0;
}

FormWindow::FormWindow(WindowRecord& record) : record_(record) {}

FormWindow::~FormWindow() {
    if (hwnd_ != nullptr) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

std::unique_ptr<FormWindow> FormWindow::load(WindowRecord& record) {
    EventHold hold;
    std::unique_ptr<FormWindow> form(new FormWindow(record));
    if (!form->create()) {
        if (form->hwnd_ != nullptr) DestroyWindow(form->hwnd_);
        return nullptr;
    }
    return form;
}

bool FormWindow::create() {
    if (record_.units.empty()) return false;
    UnitRecord& self = record_.units[0];
    if (self.kind != kKindWindow || !isFormLibraryKind(self.kind) || !unitReadKindPart(self)) return false;
    properties_ = &std::get<WindowProperties>(self.properties);

    components_.resize(record_.units.size());
    for (std::size_t i = 0; i < record_.units.size(); ++i) components_[i].unit = &record_.units[i];

    // Placement: centred on the primary screen unless the stored place is asked for.
    int left = self.left;
    int top = self.top;
    if (properties_->initialPosition != 0) {
        left = (GetSystemMetrics(SM_CXSCREEN) - self.width) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - self.height) / 2;
    }
    hwnd_ = CreateWindowExA(0, kFormClass, properties_->title.c_str(), windowStyle(*properties_), left, top,
                            self.width, self.height, nullptr, nullptr, moduleInstance(), this);
    if (hwnd_ == nullptr) return false;
    if (!properties_->movable) RemoveMenu(GetSystemMenu(hwnd_, FALSE), SC_MOVE, MF_BYCOMMAND);
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // The stored size is the outer size, frame and title bar included.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    if (outer.right - outer.left != self.width || outer.bottom - outer.top != self.height)
        SetWindowPos(hwnd_, nullptr, 0, 0, self.width, self.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    self.componentSlot = hwnd_;
    components_[0].hwnd = hwnd_;

    int controlId = kFirstControlId;
    for (std::size_t i = components_.size(); i-- > 1;) {
        Component& component = components_[i];
        if (isMenuItem(component.unit->id)) continue;
        if (!createComponent(component, controlId)) return false;
        controlId += kControlIdStep;
    }
    stackComponents();
    for (Component& component : components_) setPointer(component);
    for (std::size_t i = 1; i < components_.size(); ++i) {
        Component& component = components_[i];
        if (component.hwnd != nullptr) ShowWindow(component.hwnd, component.unit->visible() ? SW_SHOWNA : SW_HIDE);
    }
    return true;
}

bool FormWindow::createComponent(Component& component, int controlId) {
    UnitRecord& unit = *component.unit;
    if (!isFormLibraryKind(unit.kind) || !unitReadKindPart(unit)) return false;
    // A component lies on its parent unit, or on the client area for 0.
    HWND parent = hwnd_;
    if (const UnitRecord* parentUnit = unit.parent != 0 ? findUnit(record_, unit.parent) : nullptr) {
        const Component* container = findComponent(*parentUnit);
        if (container != nullptr && container != &component && container->hwnd != nullptr) parent = container->hwnd;
    }
    const auto menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId));
    switch (unit.kind) {
    case kKindButton: {
        const auto& p = std::get<ButtonProperties>(unit.properties);
        component.hwnd = CreateWindowExA(0, "BUTTON", p.caption.c_str(), buttonStyle(unit, p), unit.left, unit.top,
                                         unit.width, unit.height, parent, menuId, moduleInstance(), nullptr);
        break;
    }
    case kKindLabel:
        component.label = std::make_unique<LabelControl>(unit);
        component.hwnd = component.label->create(parent, controlId);
        break;
    default:
        return false;  // not a kind that can be built as a component
    }
    if (component.hwnd == nullptr) return false;
    unit.componentSlot = component.hwnd;
    applyFont(component);
    return true;
}

void FormWindow::stackComponents() {
    // In unit order: the first child of a parent on top, each next one below it.
    std::vector<std::pair<HWND, HWND>> lastByParent;  // parent, last placed child
    for (std::size_t i = 1; i < components_.size(); ++i) {
        HWND child = components_[i].hwnd;
        if (child == nullptr) continue;
        HWND parent = GetParent(child);
        HWND after = HWND_TOP;
        auto placed = std::find_if(lastByParent.begin(), lastByParent.end(),
                                   [parent](const auto& entry) { return entry.first == parent; });
        if (placed != lastByParent.end()) {
            after = placed->second;
            placed->second = child;
        } else {
            lastByParent.emplace_back(parent, child);
        }
        SetWindowPos(child, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::raiseLoadEvents() {
    for (std::uint32_t event : kLoadEvents) {
        if (!exists()) return;
        raiseEvent(record_.id, record_.units[0].id, event);
    }
}

void FormWindow::showByRule(std::uint32_t runMode) {
    if (!exists() || !record_.units[0].visible()) return;
    int show = SW_SHOW;
    if (runMode != 0 && properties_->initialPosition == 2) show = SW_SHOWMINIMIZED;
    if (runMode != 0 && properties_->initialPosition == 3) show = SW_SHOWMAXIMIZED;
    ShowWindow(hwnd_, show);
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (form == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    return form->handleMessage(message, wParam, lParam);
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        onActivate(wParam);
        break;  // the default gives the window the focus, which onSetFocus passes on
    case WM_SETFOCUS:
        onSetFocus();
        return 0;
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
        break;
    case WM_ERASEBKGND:
        onEraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = hwnd_;
        onNcDestroy();
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void FormWindow::onCommand(WPARAM wParam, LPARAM lParam) {
    HWND control = reinterpret_cast<HWND>(lParam);
    if (control == nullptr || HIWORD(wParam) != BN_CLICKED) return;
    // A click from a control that is not one of the window's units is
    // reported with the id -1.
    Component* component = findComponent(control);
    const ComponentId unit = component ? component->unit->id : 0xFFFFFFFF;
    if (component == nullptr || component->unit->kind == kKindButton) raiseEvent(record_.id, unit, 0);
}

void FormWindow::onEraseBackground(HDC hdc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    const std::uint32_t colour = properties_->backColour;
    if (colour == kButtonFaceColour) {
        FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    HBRUSH brush = CreateSolidBrush(colour & 0xFFFFFF);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
}

void FormWindow::onDestroy() {
    for (Component& component : components_) {
        releasePointer(component.pointer);
        component.unit->pointerSlot = nullptr;
        component.unit->componentSlot = nullptr;
    }
}

void FormWindow::onNcDestroy() {
    // Fonts outlive the components that use them until here.
    for (Component& component : components_) {
        if (component.font != nullptr) DeleteObject(component.font);
        component.font = nullptr;
        component.hwnd = nullptr;
    }
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    programWindowDestroyed();
}

FormWindow::Component* FormWindow::findComponent(HWND hwnd) {
    if (hwnd == nullptr) return nullptr;
    for (Component& component : components_)
        if (component.hwnd == hwnd) return &component;
    return nullptr;
}

FormWindow::Component* FormWindow::findComponent(const UnitRecord& unit) {
    for (Component& component : components_)
        if (component.unit == &unit) return &component;
    return nullptr;
}

}  // namespace rt
