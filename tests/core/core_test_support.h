// What the host tests share: stand-ins for the program's routines, a reader
// call bound to them, and readable failures.
#pragma once

#include <cstdio>
#include <ostream>
#include <string>

#include "description.h"
#include "description_builder.h"

namespace coretest {

// Each stand-in counts its own calls, so a test can tell which one a handler is.
inline int routineCalls[4] = {};
inline void routineAt0() { ++routineCalls[0]; }
inline void routineAt4() { ++routineCalls[1]; }
inline void routineAt8() { ++routineCalls[2]; }
inline void routineAt16() { ++routineCalls[3]; }

inline const rt::ProgramRoutine kRoutines[] = {
    {0, routineAt0},
    {4, routineAt4},
    {8, routineAt8},
    {16, routineAt16},
};

inline rt::DescriptionResult read(const testdesc::Bytes& bytes) {
    return rt::readDescription(bytes, kRoutines);
}

// "data ends inside a field: unit name at offset 187 (0xBB)".
inline std::string describe(const rt::ReadFailure& failure) {
    char where[64];
    std::snprintf(where, sizeof where, " at offset %zu (0x%zX)", failure.offset, failure.offset);
    return std::string(rt::readErrorText(failure.error)) + ": " + failure.field + where;
}

}  // namespace coretest

namespace rt {

inline void PrintTo(const ReadFailure& failure, std::ostream* os) { *os << coretest::describe(failure); }

inline void PrintTo(ReadError error, std::ostream* os) { *os << readErrorText(error); }

}  // namespace rt
