#include "error_report.h"

#include <cstdio>

#include "texts.h"

namespace rt {
namespace {

constexpr char kLineBreak[] = "\r\n";

std::string formatRelatedValues(std::int32_t first, std::int32_t second) {
    char buffer[sizeof text::kRelatedValues + 2 * 12];
    std::snprintf(buffer, sizeof buffer, text::kRelatedValues, first, second);
    return buffer;
}

void appendTagLines(std::string& out, const RuntimeError& error, const Description* description) {
    const WindowRecord* window = description ? findWindow(*description, error.related1) : nullptr;
    if (window == nullptr) {
        out += kLineBreak;
        out += text::kWindowNotFound;
        return;
    }
    out += kLineBreak;
    out += text::kWindowTag;
    out += window->units.empty() ? std::string() : window->units[0].tag;
    out += '"';
    const UnitRecord* unit = nullptr;
    if (error.related2 == 0)
        unit = window->units.empty() ? nullptr : &window->units[0];
    else
        unit = findUnit(*window, error.related2);
    out += kLineBreak;
    if (unit == nullptr) {
        out += text::kComponentNotFound;
        return;
    }
    out += text::kComponentTag;
    out += unit->tag;
    out += '"';
}

}  // namespace

const char* runtimeErrorMessage(RuntimeErrorKind kind) {
    switch (kind) {
    case RuntimeErrorKind::DescriptionUnreadable: return text::kDescriptionUnreadable;
    case RuntimeErrorKind::StartupWindowFailed: return text::kStartupWindowFailed;
    case RuntimeErrorKind::WriteWindowMissing: return text::kWriteWindowMissing;
    case RuntimeErrorKind::EventWindowMissing: return text::kEventWindowMissing;
    case RuntimeErrorKind::EventComponentMissing: return text::kEventComponentMissing;
    }
    return "";
}

bool runtimeErrorIsAboutWindow(RuntimeErrorKind kind) {
    return kind != RuntimeErrorKind::DescriptionUnreadable;
}

std::string errorReportText(const RuntimeError& error, const Description* description) {
    std::string out = text::kRuntimeError;
    out += kLineBreak;
    if (error.code != 0) {
        out += kLineBreak;
        out += text::kErrorCode;
        out += std::to_string(error.code);
        out += kLineBreak;
    }
    const std::string message = runtimeErrorMessage(error.kind);
    if (!message.empty()) {
        out += kLineBreak;
        out += text::kErrorMessage;
        out += message;
        out += kLineBreak;
    }
    out += kLineBreak;
    out += formatRelatedValues(static_cast<std::int32_t>(error.related1),
                               static_cast<std::int32_t>(error.related2));
    if (runtimeErrorIsAboutWindow(error.kind)) appendTagLines(out, error, description);
    out += kLineBreak;
    return out;
}

}  // namespace rt
