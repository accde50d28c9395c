// The program header and the data it points to.
#include "constants.h"
#include "program.h"
#include "rt.h"
#include "window_description.h"

const char kConstants[35] = "Find Something amazing in the tag.";

namespace {

const rt::SupportLibrary* const kSupportLibraries[] = {&rtFormLibrary};

// Handler offsets of the window description resolve through this table.
const rt::ProgramRoutine kRoutines[] = {
    {0, initGlobals},
    {4, releaseGlobals},
    {8, onButton1Click},
};

}  // namespace

extern const rt::RoutineTable programRoutines = kRoutines;

extern const rt::ProgramHeader programHeader = {
    3,        // run mode: the first showing applies the stored initial state
    0,        // second word
    0x10005,  // third word
    reinterpret_cast<const void*>(&programMain),  // code base
    kConstants,
    sizeof kConstants,
    kWindowDescription,
    kWindowDescriptionSize,
    1,
    kSupportLibraries,
    0,        // no external routines
    nullptr,
    nullptr,
};
