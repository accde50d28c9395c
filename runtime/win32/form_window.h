// A described window on screen: the top-level window, its components, their
// events, keyboard handling and property writes.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "description.h"
#include "pointers_and_fonts.h"
#include "property_store.h"

namespace rt {

class LabelControl;

class FormWindow {
public:
    static bool registerClass();

    // Builds the window and its components, not yet shown. Null when a unit
    // cannot be created; whatever was made is destroyed again.
    static std::unique_ptr<FormWindow> load(WindowRecord& record);

    // Keyboard handling for the loop: true when the message was taken.
    static bool preTranslate(const MSG& msg);

    ~FormWindow();

    WindowId windowId() const { return record_.id; }
    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr; }

    // Steps after creation: the window's load events, then the show rule.
    void raiseLoadEvents();
    void showByRule(std::uint32_t runMode);

    // Shows a property write on the live window or component.
    void applyProperty(UnitRecord& unit, PropertyIndex index, PropertyChange change);

private:
    struct Component {
        UnitRecord* unit = nullptr;
        HWND hwnd = nullptr;
        PointerHandle pointer;
        HFONT font = nullptr;  // created for this unit, else null
        std::unique_ptr<LabelControl> label;
    };

    explicit FormWindow(WindowRecord& record);
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool create();
    bool createComponent(Component& component, int controlId);
    void stackComponents();
    void setPointer(Component& component);
    void applyFont(Component& component);

    void onCommand(WPARAM wParam, LPARAM lParam);
    void onActivate(WPARAM wParam);
    void onSetFocus();
    bool onSetCursor(HWND target, UINT hitTest);
    void onEraseBackground(HDC hdc);
    void onDestroy();
    void onNcDestroy();

    bool onKeyDown(const MSG& msg);
    bool focusedTakesKey(const MSG& msg, UINT wantCode) const;
    void moveFocus(bool backward);
    HWND firstFocusTarget();
    std::vector<Component*> tabOrder();
    bool takesFocus(const Component& component) const;
    Component* findComponent(HWND hwnd);
    Component* findComponent(const UnitRecord& unit);
    Component* defaultButton();

    WindowRecord& record_;
    const WindowProperties* properties_ = nullptr;
    HWND hwnd_ = nullptr;
    std::vector<Component> components_;  // by unit index; 0 is the window itself
    HWND lastFocus_ = nullptr;
};

}  // namespace rt
