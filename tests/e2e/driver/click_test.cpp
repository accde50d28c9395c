// A click on 按钮1: the hint box, then the label's height and width.
#include <gtest/gtest.h>

#include "expected_texts.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {
namespace {

class ButtonClick : public ::testing::Test {
protected:
    void SetUp() override {
        process_ = std::make_unique<Process>(programPath());
        window_ = waitTopWindow(process_->id(), "TagPuzzleForm");
        ASSERT_NE(window_, nullptr);
        button_ = GetDlgItem(window_, 110);
        label_ = GetDlgItem(window_, 100);
        ASSERT_TRUE(activateAndWait(window_, button_));
    }

    RECT childRect(HWND child) const {
        RECT rect = windowRect(child);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    // Gives the label another size, so that the click's writes can be seen.
    void resizeLabel(int width, int height) {
        SetWindowPos(label_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(waitUntil([&] {
            RECT r = childRect(label_);
            return r.right - r.left == width && r.bottom - r.top == height;
        }));
    }

    bool labelIs(int left, int top, int width, int height) const {
        RECT r = childRect(label_);
        return r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height;
    }

    HWND clickAndWaitForBox() {
        clickCentre(button_);
        return waitMessageBox(process_->id());
    }

    std::unique_ptr<Process> process_;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND label_ = nullptr;
};

TEST_F(ButtonClick, ShowsTheTaskModalHintBoxWithoutOwnerOrIcon) {
    HWND box = clickAndWaitForBox();
    ASSERT_NE(box, nullptr);
    MessageBoxView view = readMessageBox(box);
    EXPECT_EQ(view.title, expected::kHintTitle);
    EXPECT_EQ(view.text, expected::kHint);
    EXPECT_EQ(view.buttons.size(), 1u) << "OK only";
    EXPECT_FALSE(view.hasIcon);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowEnabled(window_)) << "task-modal: the window takes no input while the box is up";
}

TEST_F(ButtonClick, WritesHeightAndWidthOnlyAfterTheBoxClosesAndTouchesNothingElse) {
    resizeLabel(100, 30);
    const RECT buttonBefore = childRect(button_);
    HWND box = clickAndWaitForBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(labelIs(64, 88, 100, 30)) << "the label changed while the box was up";

    activateAndWait(box);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return labelIs(64, 88, 48, 12); }));
    EXPECT_TRUE(IsWindowEnabled(window_));
    EXPECT_EQ(GetWindow(window_, GW_CHILD), button_) << "the stacking order is kept";
    const RECT buttonAfter = childRect(button_);
    EXPECT_TRUE(EqualRect(&buttonAfter, &buttonBefore)) << "the button moved or changed size";
    EXPECT_EQ(windowText(button_), expected::kButtonCaption);
    EXPECT_EQ(windowText(label_), expected::kLabelCaption);
}

// Every way of closing the hint box counts as OK, and the writes follow.
struct BoxCloseWay {
    const char* name;
    void (*close)(HWND box);
};

class ClosingTheHintBox : public ButtonClick, public ::testing::WithParamInterface<BoxCloseWay> {};

TEST_P(ClosingTheHintBox, IsFollowedByBothWrites) {
    resizeLabel(90, 25);
    HWND box = clickAndWaitForBox();
    ASSERT_NE(box, nullptr);
    GetParam().close(box);
    EXPECT_TRUE(waitUntil([&] { return labelIs(64, 88, 48, 12); }));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTheHintBox,
    ::testing::Values(BoxCloseWay{"Enter", [](HWND box) { activateAndWait(box); pressKey(VK_RETURN); }},
                      BoxCloseWay{"Escape", [](HWND box) { activateAndWait(box); pressKey(VK_ESCAPE); }},
                      BoxCloseWay{"OkButton", [](HWND box) { activateAndWait(box); clickCentre(findChild(box, "Button")); }},
                      BoxCloseWay{"CloseButton", [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ButtonClick, ASecondClickShowsTheBoxAgainAndRepeatsTheWrites) {
    for (int round = 0; round < 2; ++round) {
        resizeLabel(70 + round, 20);
        HWND box = clickAndWaitForBox();
        ASSERT_NE(box, nullptr) << "round " << round;
        activateAndWait(box);
        pressKey(VK_RETURN);
        ASSERT_TRUE(waitUntil([&] { return labelIs(64, 88, 48, 12); })) << "round " << round;
        ASSERT_TRUE(waitUntil([&] { return topWindows(process_->id(), "#32770").empty(); }));
    }
}

TEST(ClicksWhileTheBoxIsUp, NeverReachTheHandler) {
    FixtureRun run = startFixture(storedDescription());
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    HWND button = GetDlgItem(window, 110);
    ASSERT_TRUE(activateAndWait(window, button));
    clickCentre(button);
    HWND box = waitMessageBox(run.process->id());
    ASSERT_NE(box, nullptr);
    clickCentre(button);
    clickCentre(button);
    // Close the box; the writes run, the handler returns. Then end the program:
    // everything queued before has been handled by then.
    activateAndWait(box);
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return topWindows(run.process->id(), "#32770").empty(); }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.clickTrace(), "Kk") << "the handler ran again while the box was up";
}

}  // namespace
}  // namespace e2e
