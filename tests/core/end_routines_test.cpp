// The end-routine list: each routine once, in the order added, walked once.
#include <gtest/gtest.h>

#include <string>

#include "end_routines.h"

namespace {

std::string calls;
rt::EndRoutineList* listUnderWalk = nullptr;

void routineA() { calls += 'a'; }
void routineB() { calls += 'b'; }
void routineC() { calls += 'c'; }
// Adds C and A to the list it is walked from.
void routineAddingOthers() {
    calls += '+';
    listUnderWalk->add(routineC);
    listUnderWalk->add(routineA);
}

class EndRoutines : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        listUnderWalk = &list;
    }
    void TearDown() override { listUnderWalk = nullptr; }

    rt::EndRoutineList list;
};

TEST_F(EndRoutines, AreCalledOnceEachInTheOrderAdded) {
    list.add(routineB);
    list.add(routineA);
    list.add(routineC);
    list.walk();
    EXPECT_EQ(calls, "bac");
}

TEST_F(EndRoutines, AddedTwiceStayInTheListOnceAtTheirFirstPlace) {
    list.add(routineA);
    list.add(routineB);
    list.add(routineA);
    EXPECT_EQ(list.size(), 2u);
    list.walk();
    EXPECT_EQ(calls, "ab");
}

TEST_F(EndRoutines, SkipANullEntry) {
    list.add(nullptr);
    list.add(routineA);
    list.add(nullptr);
    list.walk();
    EXPECT_EQ(calls, "a");
}

TEST_F(EndRoutines, AddedDuringTheWalkAreNotCalled) {
    list.add(routineAddingOthers);
    list.add(routineB);
    list.walk();
    EXPECT_EQ(calls, "+b");
}

TEST_F(EndRoutines, AreEmptiedByTheWalkSoASecondWalkCallsNothing) {
    list.add(routineA);
    list.add(routineAddingOthers);
    list.walk();
    EXPECT_EQ(list.size(), 0u) << "routines added during the walk are dropped too";
    calls.clear();
    list.walk();
    EXPECT_EQ(calls, "");
}

TEST_F(EndRoutines, ClearedAfterAnErrorAreNeverCalled) {
    list.add(routineA);
    list.add(routineB);
    list.clear();
    list.walk();
    EXPECT_EQ(calls, "");
}

}  // namespace
