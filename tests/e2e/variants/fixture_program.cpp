// A test program whose window description is read from the file named by its
// first argument (the window to load may follow, in hex). Its end routines
// and its click handler leave traces in the current folder.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "rt.h"
#include "variant_support.h"

namespace {

// Trailing zero bytes after the description are never read.
std::uint8_t description[64 * 1024];
const char kHint[] = "Find Something amazing in the tag.";

void endA() { traceLetter("endtrace.txt", 'A'); }
void endB() { traceLetter("endtrace.txt", 'B'); }
void endLate() { traceLetter("endtrace.txt", 'L'); }
void endC() {
    traceLetter("endtrace.txt", 'C');
    rtAddEndRoutine(endLate);  // added during the walk: never called
}

void onClick() {
    traceLetter("clicktrace.txt", 'K');
    const rt::ArgRecord args[4] = {{reinterpret_cast<std::uintptr_t>(kHint), rt::kArgText}, {0, rt::kArgInteger}, {}, {}};
    rtCallCommand(rtShowMessageBox, 4, args);
    traceLetter("clicktrace.txt", 'k');
    rtWriteProperty(0x52010001, 0x16010002, 3, -1, 12, 0);
    rtWriteProperty(0x52010001, 0x16010002, 2, -1, 48, 0);
}

void onOther() { traceLetter("clicktrace.txt", 'O'); }

// Bound to a window's own events: the window is gone before the loop runs.
void destroyStartupWindow() {
    traceLetter("clicktrace.txt", 'D');
    DestroyWindow(FindWindowA("TagPuzzleForm", nullptr));
}

const rt::SupportLibrary* const kLibraries[] = {&rtFormLibrary};
// Writes that must fail: a unit the window does not hold, a window that is
// not described.
void writeUnknownUnit() { rtWriteProperty(0x52010001, 0x16010099, 2, -1, 10, 0); }
void writeUnknownWindow() { rtWriteProperty(0x52010002, 0x16010002, 2, -1, 10, 0); }

const rt::ProgramRoutine kRoutines[] = {
    {8, onClick}, {12, onOther}, {16, destroyStartupWindow}, {20, writeUnknownUnit}, {24, writeUnknownWindow},
};

void loadDescriptionFile() {
    if (__argc < 2) return;
    if (std::FILE* in = std::fopen(__argv[1], "rb")) {
        std::fread(description, 1, sizeof description, in);
        std::fclose(in);
    }
}

}  // namespace

extern const rt::RoutineTable programRoutines = kRoutines;
extern const rt::ProgramHeader programHeader = {
    3, 0, 0x10005, reinterpret_cast<const void*>(&programMain), kHint, sizeof kHint,
    description, sizeof description, 1, kLibraries, 0, nullptr, nullptr,
};

int programMain() {
    loadDescriptionFile();
    const rt::WindowId window = __argc >= 3 ? std::strtoul(__argv[2], nullptr, 16) : 0x52010001;
    rtInitialize();
    rtAddEndRoutine(endA);
    rtAddEndRoutine(endB);
    rtAddEndRoutine(endA);  // already there: stays once
    rtAddEndRoutine(nullptr);
    rtAddEndRoutine(endC);
    rtLoadStartupWindow(window);
    rtRunMessageLoop();
    return 0;
}
