// The ordered list of routines called once at the program's normal end.
#pragma once

#include <vector>

#include "program_abi.h"

namespace rt {

class EndRoutineList {
public:
    // Appends `routine` unless it is already in the list.
    void add(Routine routine);
    // Calls each routine once in the order added, skipping nulls. The count is
    // taken first, so a routine added during the walk is not called. Empties
    // the list afterwards.
    void walk();
    void clear() { routines_.clear(); }
    std::size_t size() const { return routines_.size(); }

private:
    std::vector<Routine> routines_;
};

}  // namespace rt
