// The start-up window as it appears: geometry, styles, components, focus and
// the keys that close it.
#include <gtest/gtest.h>

#include "expected_texts.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {
namespace {

constexpr char kFormClass[] = "TagPuzzleForm";

// The running program with its window up.
class StartupWindow : public ::testing::Test {
protected:
    void SetUp() override {
        process_ = std::make_unique<Process>(programPath());
        window_ = waitTopWindow(process_->id(), kFormClass);
        ASSERT_NE(window_, nullptr) << "the window never appeared";
        button_ = GetDlgItem(window_, 110);
        label_ = GetDlgItem(window_, 100);
        ASSERT_NE(button_, nullptr);
        ASSERT_NE(label_, nullptr);
    }

    RECT childRect(HWND child) const {
        RECT rect = windowRect(child);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    std::unique_ptr<Process> process_;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND label_ = nullptr;
};

TEST_F(StartupWindow, IsAnUntitled380By250WindowCentredOnTheScreen) {
    const RECT rect = windowRect(window_);
    EXPECT_EQ(rect.right - rect.left, 380);
    EXPECT_EQ(rect.bottom - rect.top, 250);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 250) / 2);
    EXPECT_EQ(windowText(window_), "");
}

TEST_F(StartupWindow, HasAFixedFrameWithMinimiseAndCloseBoxesOnly) {
    const LONG_PTR style = windowStyle(window_);
    const LONG_PTR wanted = WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE;
    EXPECT_EQ(style & ~LONG_PTR{WS_CLIPSIBLINGS}, wanted);
    // The system adds the window edge to every captioned window; nothing else.
    EXPECT_EQ(windowExStyle(window_) & ~LONG_PTR{WS_EX_WINDOWEDGE}, 0);
    EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr) << "an owned window leaves the taskbar";
    // Movable: the title bar is a caption to drag; the frame is no sizing border.
    const RECT rect = windowRect(window_);
    const RECT client = clientRectOnScreen(window_);
    const int captionY = (rect.top + client.top) / 2;
    EXPECT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM((rect.left + rect.right) / 2, captionY)), HTCAPTION);
    EXPECT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(rect.right - 1, (rect.top + rect.bottom) / 2)), HTBORDER);
}

TEST_F(StartupWindow, ShowsTheProgramIconInTheTitleBar) {
    // The small icon sits at the left end of the title bar; without one the
    // system draws its own default icon there, which has no amber in it.
    const RECT rect = windowRect(window_);
    const RECT client = clientRectOnScreen(window_);
    int amber = 0;
    for (int y = rect.top; y < client.top; ++y)
        for (int x = rect.left; x < rect.left + 24; ++x) {
            const COLORREF c = screenPixel(x, y);
            if (GetRValue(c) > 180 && GetGValue(c) > 90 && GetGValue(c) < 200 && GetBValue(c) < 90) ++amber;
        }
    EXPECT_GT(amber, 10);
}

TEST_F(StartupWindow, HoldsTheButtonAboveTheLabelWithTheirIdsPlacesAndTexts) {
    EXPECT_EQ(GetWindow(window_, GW_CHILD), button_) << "the button lies on top";
    EXPECT_EQ(GetWindow(button_, GW_HWNDNEXT), label_);
    EXPECT_EQ(GetWindow(label_, GW_HWNDNEXT), nullptr);

    EXPECT_EQ(windowClass(button_), "Button");
    EXPECT_EQ(windowText(button_), expected::kButtonCaption);
    const RECT button = childRect(button_);
    EXPECT_EQ(button.left, 160);
    EXPECT_EQ(button.top, 48);
    EXPECT_EQ(button.right - button.left, 120);
    EXPECT_EQ(button.bottom - button.top, 113);
    const LONG_PTR buttonWanted = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER |
                                  BS_VCENTER | BS_MULTILINE;
    EXPECT_EQ(windowStyle(button_), buttonWanted);
    EXPECT_EQ(windowExStyle(button_), 0);

    EXPECT_EQ(windowText(label_), expected::kLabelCaption) << "the window text holds the whole caption";
    const RECT label = childRect(label_);
    EXPECT_EQ(label.left, 64);
    EXPECT_EQ(label.top, 88);
    EXPECT_EQ(label.right - label.left, 48);
    EXPECT_EQ(label.bottom - label.top, 12);
    EXPECT_EQ(windowStyle(label_), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
    EXPECT_EQ(windowExStyle(label_), 0);
}

TEST_F(StartupWindow, GivesTheFocusToTheButtonAndTabKeepsItThere) {
    bringToFront(window_);
    ASSERT_TRUE(waitUntil([&] { return focusedWindow(window_) == button_; }));
    pressKey(VK_TAB);
    pressKey(VK_TAB, true);
    // Space clicks only the focused button: the hint box shows that the focus
    // was still on it after both Tabs.
    pressKey(VK_SPACE);
    EXPECT_NE(waitMessageBox(process_->id()), nullptr);
    EXPECT_TRUE(process_->running());
}

TEST_F(StartupWindow, FocusComesBackToTheButtonAfterAnotherWindowWasActive) {
    bringToFront(window_);
    ASSERT_TRUE(waitUntil([&] { return focusedWindow(window_) == button_; }));
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    bringToFront(other);
    ASSERT_TRUE(waitUntil([&] { return activeWindow(window_) != window_; }));
    bringToFront(window_);
    EXPECT_TRUE(waitUntil([&] { return focusedWindow(window_) == button_; }));
    DestroyWindow(other);
}

// Ways a user closes the window; each ends the program with exit code 0.
struct CloseWay {
    const char* name;
    void (*close)(HWND window);
};

void closeWithEscape(HWND window) {
    activateAndWait(window);
    pressKey(VK_ESCAPE);
}

void closeWithCloseBox(HWND window) {
    // Find the close box by asking the window what lies under each point of
    // the title bar.
    const RECT rect = windowRect(window);
    for (int x = rect.right - 1; x > rect.left; --x)
        for (int y = rect.top + 1; y < rect.top + 30; ++y)
            if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) {
                activateAndWait(window);
                clickAt(x, y);
                return;
            }
    ADD_FAILURE() << "no close box found";
}

void closeWithSystemMenu(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

class ClosingTheWindow : public ::testing::TestWithParam<CloseWay> {};

TEST_P(ClosingTheWindow, EndsTheProgramWithExitCodeZeroAfterItsEndRoutineRanOnce) {
    FixtureRun run = startFixture(storedDescription());
    HWND window = waitTopWindow(run.process->id(), kFormClass);
    ASSERT_NE(window, nullptr);
    GetParam().close(window);
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.endTrace(), "ABC");
    EXPECT_EQ(run.clickTrace(), "") << "closing must not click";
}

INSTANTIATE_TEST_SUITE_P(Ways, ClosingTheWindow,
                         ::testing::Values(CloseWay{"Escape", closeWithEscape}, CloseWay{"CloseBox", closeWithCloseBox},
                                           CloseWay{"SystemMenu", closeWithSystemMenu}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnterKey, RaisesNoClickWithoutADefaultButton) {
    FixtureRun run = startFixture(storedDescription());
    HWND window = waitTopWindow(run.process->id(), kFormClass);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(activateAndWait(window, GetDlgItem(window, 110)));
    pressKey(VK_RETURN);
    pressKey(VK_ESCAPE);  // queued behind Enter: once the program ends, Enter has been handled
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.clickTrace(), "");
}

}  // namespace
}  // namespace e2e
