#include "end_routines.h"

#include <algorithm>

namespace rt {

void EndRoutineList::add(Routine routine) {
    if (std::find(routines_.begin(), routines_.end(), routine) == routines_.end())
        routines_.push_back(routine);
}

void EndRoutineList::walk() {
    const std::size_t count = routines_.size();
    // Index, not iterator: a routine may add to the list while it runs.
    for (std::size_t i = 0; i < count; ++i) {
        Routine routine = routines_[i];
        if (routine != nullptr) routine();
    }
    routines_.clear();
}

}  // namespace rt
