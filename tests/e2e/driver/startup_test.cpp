// Start-up and end: run-time errors, end routines, exit codes, current folder.
#include <gtest/gtest.h>

#include "description_builder.h"
#include "expected_texts.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {
namespace {

constexpr DWORD kExitRuntimeError = 0xFFFFFFFF;

// Reads the error box, dismisses it with OK and returns what it showed.
MessageBoxView dismissErrorBox(Process& process) {
    HWND box = waitMessageBox(process.id());
    if (box == nullptr) return {};
    MessageBoxView view = readMessageBox(box);
    activateAndWait(box);
    pressKey(VK_RETURN);
    return view;
}

TEST(StartupErrors, AHeaderWithoutDescriptionFailsToLoadTheStartupWindow) {
    Sandbox sandbox = sandboxCopy(variantPath("empty_description_program"));
    Process process(sandbox.exe);
    MessageBoxView box = dismissErrorBox(process);
    EXPECT_EQ(box.title, expected::kErrorTitle);
    EXPECT_EQ(box.text, expected::errorReport(expected::kStartupWindowFailed, "1375797249, 0", expected::kNoWindowLines));
    EXPECT_EQ(box.buttons.size(), 1u);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(process.waitExit(), kExitRuntimeError);
    EXPECT_FALSE(fileExists(sandbox.folder + "\\endtrace.txt")) << "an end routine ran after a run-time error";
}

TEST(StartupErrors, ALabelPartOfVersionThreeFailsTheLoadWithTheWindowsTags) {
    std::vector<std::uint8_t> description = storedDescription();
    constexpr std::size_t kLabelVersion = 0x18F;  // first word of 标签1's kind-specific part
    ASSERT_EQ(description.at(kLabelVersion), 2);
    description[kLabelVersion] = 3;
    FixtureRun run = startFixture(description);
    MessageBoxView box = dismissErrorBox(*run.process);
    EXPECT_EQ(box.text, expected::errorReport(expected::kStartupWindowFailed, "1375797249, 0", expected::kEmptyTagLines));
    EXPECT_EQ(run.process->waitExit(), kExitRuntimeError);
    EXPECT_EQ(run.endTrace(), "");
    EXPECT_TRUE(topWindows(run.process->id(), "TagPuzzleForm").empty());
}

TEST(StartupErrors, AnUndescribedStartupWindowIsReportedAsNotFound) {
    FixtureRun run = startFixture(storedDescription(), "52010002");
    MessageBoxView box = dismissErrorBox(*run.process);
    EXPECT_EQ(box.text, expected::errorReport(expected::kStartupWindowFailed, "1375797250, 0", expected::kNoWindowLines));
    EXPECT_EQ(run.process->waitExit(), kExitRuntimeError);
}

TEST(EventErrors, AClickFromAControlThatIsNoUnitIsARunTimeError) {
    FixtureRun run = startFixture(storedDescription());
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    HWND stranger = CreateWindowExA(0, "BUTTON", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), reinterpret_cast<LPARAM>(stranger));
    MessageBoxView box = dismissErrorBox(*run.process);
    EXPECT_EQ(box.text, expected::errorReport(expected::kEventComponentMissing, "1375797249, -1",
                                              expected::kUnknownComponentLines));
    EXPECT_EQ(run.process->waitExit(), kExitRuntimeError);
    EXPECT_EQ(run.endTrace(), "") << "end routines run after a run-time error";
    EXPECT_EQ(run.clickTrace(), "");
    DestroyWindow(stranger);
}

// A window holding one button whose click runs the fixture's handler at `offset`.
std::vector<std::uint8_t> buttonWindow(std::int32_t offset) {
    testdesc::WindowSpec window = testdesc::windowWithOwnUnit(testdesc::kStartupWindowId);
    testdesc::UnitSpec button = testdesc::buttonUnit(testdesc::kButton1Id, "B");
    button.kindPart = testdesc::ButtonPart{}.bytes();
    button.events.push_back({0, offset});
    window.units.push_back(button);
    testdesc::DescriptionSpec description;
    description.windows.push_back(window);
    return description.bytes();
}

struct FailingWrite {
    const char* name;
    std::int32_t handler;
    const char* values;
    const std::string* tags;
};

class PropertyWriteErrors : public ::testing::TestWithParam<FailingWrite> {};

TEST_P(PropertyWriteErrors, AreReportedAndEndTheProgramWithoutEndRoutines) {
    FixtureRun run = startFixture(buttonWindow(GetParam().handler));
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    PostMessageA(GetDlgItem(window, 100), BM_CLICK, 0, 0);
    MessageBoxView box = dismissErrorBox(*run.process);
    EXPECT_EQ(box.text, expected::errorReport(expected::kWriteWindowMissing, GetParam().values, *GetParam().tags));
    EXPECT_EQ(run.process->waitExit(), kExitRuntimeError);
    EXPECT_EQ(run.endTrace(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PropertyWriteErrors,
    ::testing::Values(FailingWrite{"UnitTheWindowDoesNotHold", 20, "1375797249, 369164441",
                                   &expected::kUnknownComponentLines},
                      FailingWrite{"WindowNotDescribed", 24, "1375797250, 369164290", &expected::kNoWindowLines}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NormalEnd, EndRoutinesRunOnceInOrderAndTheExitCodeIsZero) {
    FixtureRun run = startFixture(storedDescription());
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(run.endTrace(), "") << "end routines ran before the end";
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.process->waitExit(), 0u);
    // A then B (added twice, kept once), the null entry skipped, then C,
    // whose own addition during the walk is not called.
    EXPECT_EQ(run.endTrace(), "ABC");
}

TEST(NormalEnd, TheCurrentFolderBecomesTheProgramsFolder) {
    const std::string elsewhere = makeTempFolder();
    FixtureRun run = startFixture(storedDescription(), "", elsewhere);
    HWND window = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.endTrace(), "ABC");
    EXPECT_FALSE(fileExists(elsewhere + "\\endtrace.txt"));
}

// The fixture window with its own unit only, changed by `change`.
template <class Change>
std::vector<std::uint8_t> ownUnitWindow(Change change) {
    testdesc::WindowSpec window = testdesc::windowWithOwnUnit(testdesc::kStartupWindowId);
    change(window.units[0]);
    testdesc::DescriptionSpec description;
    description.windows.push_back(window);
    return description.bytes();
}

TEST(EventLoop, AHiddenProgramWindowKeepsTheLoopRunning) {
    FixtureRun run = startFixture(ownUnitWindow([](testdesc::UnitSpec& unit) { unit.flags = 0; }));
    HWND hidden = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        hidden = FindWindowA("TagPuzzleForm", nullptr);
        return hidden != nullptr;
    }));
    EXPECT_FALSE(IsWindowVisible(hidden));
    // Still running once the window has answered: the loop is waiting.
    SendMessageA(hidden, WM_NULL, 0, 0);
    EXPECT_TRUE(run.process->running());
    PostMessageA(hidden, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.endTrace(), "ABC");
}

TEST(EventLoop, ReturnsAtOnceWhenTheWindowIsGoneBeforeTheLoopStarts) {
    // The window's load event destroys it: no quit request is posted, since
    // the loop has not been entered, and the loop must not wait for one.
    FixtureRun run = startFixture(ownUnitWindow([](testdesc::UnitSpec& unit) { unit.events.push_back({0, 16}); }));
    EXPECT_EQ(run.process->waitExit(), 0u);
    EXPECT_EQ(run.clickTrace(), "D");
    EXPECT_EQ(run.endTrace(), "ABC");
}

}  // namespace
}  // namespace e2e
