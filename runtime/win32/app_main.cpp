// Process entry: the run time's own start-up, then the program, then end
// processing.
#include <windows.h>

#include "rt.h"
#include "runtime_state.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    rt::runtime();  // the application state exists before the program runs
    programMain();
    // programMain returning means the program has run to its end.
    rt::endProcessing();
    return static_cast<int>(rt::runtime().quitCode);
}
