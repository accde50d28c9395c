// The run time's application state and the paths every part of it shares:
// raising events, the run-time error and end processing.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "description.h"
#include "end_routines.h"
#include "error_report.h"

namespace rt {

class FormWindow;

struct RuntimeState {
    std::uint32_t runMode = 0;
    std::uint32_t secondWord = 0;
    std::uint32_t thirdWord = 0;
    DWORD mainThread = 0;
    const char* constantsBegin = nullptr;
    const char* constantsEnd = nullptr;
    const ProgramHeader* header = nullptr;
    std::optional<Description> description;
    EndRoutineList endRoutines;
    std::vector<std::unique_ptr<FormWindow>> forms;  // windows that have been loaded
    bool loopEntered = false;
    bool handlersStopped = false;
    int eventsHeld = 0;
    UINT quitCode = 0;

    ~RuntimeState();
};

RuntimeState& runtime();
HINSTANCE moduleInstance();

// The loaded form that shows `window`, or null.
FormWindow* findForm(WindowId window);
// True while a loaded window of the program still has its system window.
bool anyProgramWindowLeft();
// Called once a program window has received its last message.
void programWindowDestroyed();

// Raises event `eventIndex` of a unit: finds its handler and calls it, unless
// events are held or handlers have been stopped.
void raiseEvent(WindowId window, ComponentId unit, std::uint32_t eventIndex);

// Reports the error in the error box, then ends the process with -1.
[[noreturn]] void raiseRuntimeError(const RuntimeError& error);

// Stops handlers, releases the window records and walks the end routines.
// Safe to run more than once.
void endProcessing();

// Holds back events while a window is being built.
class EventHold {
public:
    EventHold() { ++runtime().eventsHeld; }
    ~EventHold() { --runtime().eventsHeld; }
    EventHold(const EventHold&) = delete;
    EventHold& operator=(const EventHold&) = delete;
};

}  // namespace rt
