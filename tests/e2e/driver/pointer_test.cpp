// Mouse pointers of units: the class arrow without a code of its own, a
// system pointer or the program's own hand otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "description_builder.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {
namespace {

using namespace testdesc;

// Enters the point from the corner of the screen, so that the window under
// it is asked for its pointer afresh.
void moveMouse(int x, int y) {
    moveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    moveMouseTo(x, y);
}

HCURSOR currentCursor() {
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

// Moves the mouse to the middle of `hwnd` and returns the pointer shown there
// once it is none of `others`: at the deadline, whatever is shown.
HCURSOR pointerOver(HWND hwnd, std::initializer_list<HCURSOR> others) {
    RECT rect = windowRect(hwnd);
    moveMouse((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    HCURSOR shown = nullptr;
    waitUntil([&] {
        shown = currentCursor();
        return std::find(others.begin(), others.end(), shown) == others.end();
    });
    return shown;
}

// The pointer once it has shown the same handle for a number of polls in a row.
HCURSOR settledPointer() {
    HCURSOR last = nullptr;
    int same = 0;
    waitUntil([&] {
        HCURSOR now = currentCursor();
        same = (now == last && now != nullptr) ? same + 1 : 0;
        last = now;
        return same >= 10;
    });
    return last;
}

TEST(MousePointers, EachUnitShowsThePointerOfItsCode) {
    WindowSpec window = windowWithOwnUnit(kStartupWindowId);
    const std::int32_t codes[] = {3, 14};  // I-beam, the program's own hand
    for (std::size_t i = 0; i < std::size(codes); ++i) {
        UnitSpec label = labelUnit(0x16010001 + static_cast<std::uint32_t>(i), "L");
        label.left = 20 + 120 * static_cast<int>(i);
        label.top = 20;
        label.width = 100;
        label.height = 100;
        label.mousePointer = pointerBlock(codes[i]);
        label.kindPart = LabelPart{}.bytes();
        window.units.push_back(label);
    }
    DescriptionSpec description;
    description.windows.push_back(window);
    FixtureRun run = startFixture(description.bytes());
    HWND form = waitTopWindow(run.process->id(), "TagPuzzleForm");
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(activateAndWait(form));
    HWND ibeamLabel = GetDlgItem(form, 110);  // the last unit gets id 100
    HWND handLabel = GetDlgItem(form, 100);

    // The client area away from the labels shows the class arrow.
    RECT client = clientRectOnScreen(form);
    moveMouse(client.right - 10, client.bottom - 10);
    HCURSOR arrow = settledPointer();
    ASSERT_NE(arrow, nullptr);

    HCURSOR ibeam = pointerOver(ibeamLabel, {arrow});
    HCURSOR hand = pointerOver(handLabel, {arrow, ibeam});
    EXPECT_NE(ibeam, arrow);
    EXPECT_NE(hand, arrow);
    EXPECT_NE(hand, ibeam);
    moveMouse(client.right - 10, client.bottom - 10);
    EXPECT_TRUE(waitUntil([&] { return currentCursor() == arrow; })) << "the arrow comes back off the labels";
}

}  // namespace
}  // namespace e2e
