// Under Wine, the first input that a fresh desktop receives was lost now and
// then in these tests. One harmless click on the empty desktop and one key
// press before the first test take that turn.
#include <gtest/gtest.h>

#include "harness.h"

namespace e2e {
namespace {

class InputWarmUp : public ::testing::Environment {
public:
    void SetUp() override {
        const int right = GetSystemMetrics(SM_CXSCREEN) - 5;
        const int bottom = GetSystemMetrics(SM_CYSCREEN) - 5;
        clickAt(right, bottom);
        pressKey(VK_SHIFT);
        pumpMessagesFor(200);
    }
};

[[maybe_unused]] ::testing::Environment* const warmUp = ::testing::AddGlobalTestEnvironment(new InputWarmUp);

}  // namespace
}  // namespace e2e
