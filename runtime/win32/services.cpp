// The operations that programMain calls, and property writes.
#include <string>

#include "form_window.h"
#include "program_path.h"
#include "property_store.h"
#include "rt.h"
#include "runtime_state.h"

namespace rt {
namespace {

std::string programFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return folderOfPath(path);
}

void initializeSupportLibraries(const ProgramHeader& header) {
    if (header.supportLibraryList == nullptr) return;
    for (std::uint32_t i = 0; i < header.supportLibraryCount; ++i) {
        const SupportLibrary* library = header.supportLibraryList[i];
        if (library != nullptr && library->initialize != nullptr) library->initialize();
    }
}

}  // namespace
}  // namespace rt

using namespace rt;

void rtInitialize() {
    RuntimeState& state = runtime();
    const ProgramHeader& header = programHeader;
    state.header = &header;
    state.runMode = header.runMode;
    state.secondWord = header.secondWord;
    state.thirdWord = header.thirdWord;

    const std::string folder = programFolder();
    if (!folder.empty()) SetCurrentDirectoryA(folder.c_str());

    state.mainThread = GetCurrentThreadId();
    if (header.constantsSize != 0) {
        state.constantsBegin = header.constantsAddress;
        state.constantsEnd = header.constantsAddress + header.constantsSize;
    }
    initializeSupportLibraries(header);

    state.description.emplace();
    if (header.windowDescriptionSize != 0) {
        DescriptionResult result = readDescription(
            ByteView(header.windowDescriptionAddress, header.windowDescriptionSize), programRoutines);
        if (!result.description) raiseRuntimeError({RuntimeErrorKind::DescriptionUnreadable});
        state.description = std::move(result.description);
    }
}

void rtAddEndRoutine(Routine routine) { runtime().endRoutines.add(routine); }

void rtLoadStartupWindow(WindowId windowId) {
    RuntimeState& state = runtime();
    WindowRecord* window = state.description ? findWindow(*state.description, windowId) : nullptr;
    std::unique_ptr<FormWindow> form = window ? FormWindow::load(*window) : nullptr;
    if (!form) raiseRuntimeError({RuntimeErrorKind::StartupWindowFailed, 0, windowId, 0});
    FormWindow& loaded = *form;
    state.forms.push_back(std::move(form));
    loaded.raiseLoadEvents();
    loaded.showByRule(state.runMode);
}

void rtRunMessageLoop() {
    RuntimeState& state = runtime();
    state.loopEntered = true;
    if (!anyProgramWindowLeft()) return;
    MSG msg;
    for (;;) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            state.quitCode = static_cast<UINT>(msg.wParam);
            return;
        }
        if (got == -1) return;
        if (FormWindow::preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void rtWriteProperty(WindowId windowId, ComponentId componentId, PropertyIndex index,
                     std::int32_t subIndex, std::uint32_t valueLow, std::uint32_t valueHigh) {
    RuntimeState& state = runtime();
    WindowRecord* window = state.description ? findWindow(*state.description, windowId) : nullptr;
    if (window == nullptr)
        raiseRuntimeError({RuntimeErrorKind::WriteWindowMissing, 0, windowId, componentId});
    UnitRecord* unit = findUnit(*window, componentId);
    // An id the window does not hold would otherwise write to no record at all.
    if (unit == nullptr)
        raiseRuntimeError({RuntimeErrorKind::WriteWindowMissing, 0, windowId, componentId});
    const std::uint64_t value = std::uint64_t{valueHigh} << 32 | valueLow;
    const PropertyChange change = writeProperty(*unit, index, subIndex, value);
    if (FormWindow* form = findForm(windowId)) form->applyProperty(*unit, index, change);
}
