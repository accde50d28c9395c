// Keyboard focus on windows with several push buttons: the tab order, its
// wrap-around, focus coming back, and Enter on default buttons.
#include <gtest/gtest.h>

#include "description_builder.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {
namespace {

using namespace testdesc;

// Handler offsets of the fixture program.
constexpr std::int32_t kShowHintHandler = 8;  // traces K, shows the hint box, traces k
constexpr std::int32_t kOtherHandler = 12;    // traces O

UnitSpec button(std::uint32_t serial, const char* name, int row, std::uint32_t flags, std::int32_t tabOrder,
                ButtonPart part = {}, std::int32_t handler = kNoHandlerOffset) {
    UnitSpec unit = buttonUnit(0x16010000 + serial, name);
    unit.left = 10;
    unit.top = 10 + 30 * row;
    unit.flags = flags;
    unit.tabOrder = tabOrder;
    unit.kindPart = part.bytes();
    if (handler != kNoHandlerOffset) unit.events.push_back({0, handler});
    return unit;
}

std::vector<std::uint8_t> describe(std::vector<UnitSpec> components) {
    WindowSpec window = windowWithOwnUnit(kStartupWindowId);
    for (UnitSpec& unit : components) window.units.push_back(std::move(unit));
    DescriptionSpec description;
    description.windows.push_back(window);
    return description.bytes();
}

// Control ids count up by 10 from 100, starting at the last unit.
int controlId(std::size_t unitIndex, std::size_t unitCount) {
    return 100 + 10 * static_cast<int>(unitCount - 1 - unitIndex);
}

class TabOrder : public ::testing::Test {
protected:
    static constexpr std::uint32_t kTabStop = kFlagVisible | kFlagTabStop;

    void SetUp() override {
        // Unit order A B C D E F; tab orders A 2, B 0, C 0. D has no tab
        // stop, E is disabled, F hidden: none of them takes the focus.
        run_ = startFixture(describe({
            button(1, "A", 0, kTabStop, 2),
            button(2, "B", 1, kTabStop, 0),
            button(3, "C", 2, kTabStop, 0),
            button(4, "D", 3, kFlagVisible, 0),
            button(5, "E", 4, kTabStop | kFlagDisabled, 0),
            button(6, "F", 5, kFlagTabStop, 0),
        }));
        window_ = waitTopWindow(run_.process->id(), "TagPuzzleForm");
        ASSERT_NE(window_, nullptr);
        bringToFront(window_);
    }

    HWND unit(std::size_t index) const { return GetDlgItem(window_, controlId(index, 7)); }
    bool focusIs(std::size_t index) const {
        return waitUntil([&] { return focusedWindow(window_) == unit(index); });
    }

    FixtureRun run_;
    HWND window_ = nullptr;
};

TEST_F(TabOrder, StartsAtTheSmallestOrderWithTheLaterUnitFirstOnEqualOrders) {
    EXPECT_TRUE(focusIs(3)) << "C and B share the smallest order; C comes later in the list";
}

TEST_F(TabOrder, TabWalksTheOrderAndWrapsAround) {
    ASSERT_TRUE(focusIs(3));
    for (std::size_t next : {2u, 1u, 3u}) {
        pressKey(VK_TAB);
        ASSERT_TRUE(focusIs(next)) << "expected unit " << next;
    }
}

TEST_F(TabOrder, ShiftTabWalksBackAndWrapsAround) {
    ASSERT_TRUE(focusIs(3));
    for (std::size_t next : {1u, 2u, 3u}) {
        pressKey(VK_TAB, true);
        ASSERT_TRUE(focusIs(next)) << "expected unit " << next;
    }
}

TEST_F(TabOrder, TheFocusReturnsToTheComponentThatLastHadIt) {
    ASSERT_TRUE(focusIs(3));
    pressKey(VK_TAB);
    ASSERT_TRUE(focusIs(2));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    bringToFront(other);
    ASSERT_TRUE(waitUntil([&] { return activeWindow(window_) != window_; }));
    bringToFront(window_);
    EXPECT_TRUE(focusIs(2)) << "B had the focus, not the first in tab order";
    DestroyWindow(other);
}

TEST(EnterKey, ClicksTheFirstDefaultButtonOrTheFocusedOne) {
    ButtonPart defaultButton;
    defaultButton.type = 1;
    // N has the focus first; D1 and D2 are default buttons.
    FixtureRun run = startFixture(describe({
        button(1, "N", 0, kFlagVisible | kFlagTabStop, 0),
        button(2, "D1", 1, kFlagVisible | kFlagTabStop, 1, defaultButton, kShowHintHandler),
        button(3, "D2", 2, kFlagVisible | kFlagTabStop, 2, defaultButton, kOtherHandler),
    }));
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    HWND n = GetDlgItem(window, controlId(1, 4));
    HWND d2 = GetDlgItem(window, controlId(3, 4));
    EXPECT_EQ(windowStyle(d2) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    bringToFront(window);
    ASSERT_TRUE(waitUntil([&] { return focusedWindow(window) == n; }));

    pressKey(VK_RETURN);  // N is no default button: D1, the first one, is clicked
    HWND box = waitMessageBox(run.process->id());
    ASSERT_NE(box, nullptr);
    activateAndWait(box);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return topWindows(run.process->id(), "#32770").empty(); }));

    bringToFront(window);
    ASSERT_TRUE(waitUntil([&] { return focusedWindow(window) == n; }));
    pressKey(VK_TAB);
    pressKey(VK_TAB);
    ASSERT_TRUE(waitUntil([&] { return focusedWindow(window) == d2; }));
    pressKey(VK_RETURN);  // the focused default button is clicked
    pressKey(VK_ESCAPE);
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.clickTrace(), "KkO");
}

}  // namespace
}  // namespace e2e
