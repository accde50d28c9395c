// rtCallCommand and the message-box command.
#include <string>

#include "form_window.h"
#include "rt.h"
#include "runtime_state.h"
#include "texts.h"

namespace rt {
namespace {

// A record past the count is an omitted argument; it is never read.
ArgRecord argument(int count, const ArgRecord* args, int index) {
    return (args != nullptr && index < count) ? args[index] : ArgRecord{};
}

bool isOmitted(const ArgRecord& arg) { return arg.type == 0 && arg.value == 0; }

std::string argumentText(const ArgRecord& arg) {
    switch (arg.type) {
    case kArgText: {
        const char* text = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(arg.value));
        return text ? text : "";
    }
    case kArgInteger: return std::to_string(static_cast<std::int32_t>(arg.value));
    default: return {};
    }
}

HWND ownerWindow(const ArgRecord& arg) {
    if (isOmitted(arg)) return nullptr;
    FormWindow* form = findForm(static_cast<WindowId>(arg.value));
    return form ? form->hwnd() : nullptr;
}

}  // namespace
}  // namespace rt

using namespace rt;

ArgRecord rtCallCommand(Command command, int count, const ArgRecord* args) {
    ArgRecord result{};
    if (command != nullptr) command(&result, count, args);
    return result;
}

void rtShowMessageBox(ArgRecord* result, int count, const ArgRecord* args) {
    const std::string message = argumentText(argument(count, args, 0));
    UINT style = static_cast<UINT>(argument(count, args, 1).value);
    const ArgRecord titleArg = argument(count, args, 2);
    const std::string title = isOmitted(titleArg) ? text::kMessageBoxTitle : argumentText(titleArg);
    const HWND owner = ownerWindow(argument(count, args, 3));

    if ((style & MB_SYSTEMMODAL) == 0) style |= MB_TASKMODAL;
    const int pressed = MessageBoxA(owner, message.c_str(), title.c_str(), style);
    // Buttons are numbered from 0 (OK); a box that could not be shown gives 0.
    if (result != nullptr) *result = {static_cast<std::uint64_t>(pressed > 0 ? pressed - 1 : 0), kArgInteger};
}
