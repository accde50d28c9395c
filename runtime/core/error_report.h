// Run-time errors and the text of the box that reports them.
#pragma once

#include <cstdint>
#include <string>

#include "description.h"

namespace rt {

enum class RuntimeErrorKind {
    DescriptionUnreadable,
    StartupWindowFailed,
    WriteWindowMissing,
    EventWindowMissing,
    EventComponentMissing,
};

struct RuntimeError {
    RuntimeErrorKind kind;
    std::int32_t code = 0;
    std::uint32_t related1 = 0;  // a WindowId for the errors about a window
    std::uint32_t related2 = 0;  // a ComponentId, 0 meaning the window's own unit
};

const char* runtimeErrorMessage(RuntimeErrorKind kind);
bool runtimeErrorIsAboutWindow(RuntimeErrorKind kind);

// The whole report, lines broken by CR LF. `description` may be null once the
// records are gone; every window is then reported as not found.
std::string errorReportText(const RuntimeError& error, const Description* description);

}  // namespace rt
