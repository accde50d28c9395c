// A test program whose header describes no window: loading the start-up
// window must fail. Its end routine would leave a trace.
#include "rt.h"
#include "variant_support.h"

namespace {

const char kHint[] = "Find Something amazing in the tag.";
void releaseGlobals() { traceLetter("endtrace.txt", 'R'); }
const rt::SupportLibrary* const kLibraries[] = {&rtFormLibrary};

}  // namespace

extern const rt::RoutineTable programRoutines = {};
extern const rt::ProgramHeader programHeader = {
    3, 0, 0x10005, reinterpret_cast<const void*>(&programMain), kHint, sizeof kHint,
    nullptr, 0, 1, kLibraries, 0, nullptr, nullptr,
};

int programMain() {
    rtInitialize();
    rtAddEndRoutine(releaseGlobals);
    rtLoadStartupWindow(0x52010001);
    rtRunMessageLoop();
    return 0;
}
