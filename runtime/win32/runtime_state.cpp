#include "runtime_state.h"

#include "form_window.h"
#include "rt.h"
#include "texts.h"

namespace rt {
namespace {

void endProcessing(RuntimeState& state) {
    state.handlersStopped = true;
    // Windows still open (after a run-time error) go before their records.
    for (auto& form : state.forms)
        if (form->exists()) DestroyWindow(form->hwnd());
    state.forms.clear();
    state.description.reset();
    state.endRoutines.walk();
    if (const ProgramHeader* header = state.header) {
        for (std::uint32_t i = 0; header->supportLibraryList && i < header->supportLibraryCount; ++i) {
            const SupportLibrary* library = header->supportLibraryList[i];
            if (library != nullptr && library->programEnds != nullptr) library->programEnds();
        }
        state.header = nullptr;
    }
}

}  // namespace

RuntimeState::~RuntimeState() {
    // The state dies during process exit: end processing runs once more, with
    // an empty list by then.
    endProcessing(*this);
}

RuntimeState& runtime() {
    static RuntimeState state;
    return state;
}

HINSTANCE moduleInstance() { return GetModuleHandleA(nullptr); }

FormWindow* findForm(WindowId window) {
    for (auto& form : runtime().forms)
        if (form->windowId() == window && form->exists()) return form.get();
    return nullptr;
}

bool anyProgramWindowLeft() {
    for (auto& form : runtime().forms)
        if (form->exists()) return true;
    return false;
}

void programWindowDestroyed() {
    RuntimeState& state = runtime();
    if (state.loopEntered && !anyProgramWindowLeft()) PostQuitMessage(0);
}

void raiseEvent(WindowId windowId, ComponentId unitId, std::uint32_t eventIndex) {
    RuntimeState& state = runtime();
    if (state.handlersStopped || state.eventsHeld > 0) return;
    const WindowRecord* window = state.description ? findWindow(*state.description, windowId) : nullptr;
    if (window == nullptr) raiseRuntimeError({RuntimeErrorKind::EventWindowMissing, 0, windowId, unitId});
    const UnitRecord* unit = findUnit(*window, unitId);
    if (unitId == 0 && !window->units.empty()) unit = &window->units[0];
    if (unit == nullptr) raiseRuntimeError({RuntimeErrorKind::EventComponentMissing, 0, windowId, unitId});
    if (Routine handler = findEventHandler(*window, *unit, eventIndex)) handler();
}

void raiseRuntimeError(const RuntimeError& error) {
    RuntimeState& state = runtime();
    state.handlersStopped = true;
    const std::string report = errorReportText(error, state.description ? &*state.description : nullptr);
    MessageBoxA(nullptr, report.c_str(), text::kErrorTitle, MB_OK | MB_ICONERROR | MB_TASKMODAL);
    state.endRoutines.clear();
    endProcessing();
    std::exit(-1);
}

void endProcessing() { endProcessing(runtime()); }

}  // namespace rt
