#include "program.h"

#include "constants.h"
#include "rt.h"

namespace {

constexpr rt::WindowId kStartupWindow = 0x52010001;
constexpr rt::ComponentId kLabel1 = 0x16010002;  // 标签1

}  // namespace

int programMain() {
    rtInitialize();
    initGlobals();
    rtAddEndRoutine(releaseGlobals);
    rtLoadStartupWindow(kStartupWindow);
    rtRunMessageLoop();
    return 0;
}

void initGlobals() {}

void releaseGlobals() {}

void onButton1Click() {
    const rt::ArgRecord args[4] = {
        {reinterpret_cast<std::uintptr_t>(kHintText), rt::kArgText},
        {0, rt::kArgInteger},  // style: OK only, no icon
        {0, 0},                // title: omitted
        {0, 0},                // owner window: omitted
    };
    rtCallCommand(rtShowMessageBox, 4, args);
    rtWriteProperty(kStartupWindow, kLabel1, 3, -1, 12, 0);
    rtWriteProperty(kStartupWindow, kLabel1, 2, -1, 48, 0);
}
