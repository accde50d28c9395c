// Windows of labels for appearance tests, and the screen pixels they show.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "description_builder.h"
#include "fixture.h"
#include "harness.h"

namespace e2e {

// A block of screen pixels, addressed relative to its top left corner.
class Capture {
public:
    Capture() = default;
    Capture(const RECT& area, std::vector<COLORREF> pixels) : area_(area), pixels_(std::move(pixels)) {}

    int width() const { return area_.right - area_.left; }
    int height() const { return area_.bottom - area_.top; }
    COLORREF at(int x, int y) const { return pixels_.at(static_cast<std::size_t>(y * width() + x)); }
    bool samePixels(const Capture& other) const { return width() == other.width() && pixels_ == other.pixels_; }
    bool operator==(const Capture& other) const {
        return EqualRect(&area_, &other.area_) && pixels_ == other.pixels_;
    }

    // The pixels of `part` (screen coordinates, inside the capture's area).
    Capture part(const RECT& part) const;
    // Pixels of the capture for which `match` holds.
    int count(const std::function<bool(COLORREF)>& match) const;
    // The same, within the given rows (top inclusive, bottom exclusive).
    int countRows(int top, int bottom, const std::function<bool(COLORREF)>& match) const;

private:
    RECT area_{};
    std::vector<COLORREF> pixels_;
};

// The screen's pixels in `area` (screen coordinates).
Capture captureScreen(const RECT& area);

// The smallest rectangle around the pixels for which `match` holds, relative
// to the capture; empty (IsRectEmpty) when none does.
RECT pixelBox(const Capture& capture, const std::function<bool(COLORREF)>& match);

// Runs of rows that hold at least one matching pixel: lines of text.
int rowBands(const Capture& capture, const std::function<bool(COLORREF)>& match);

// A short description of a colour for failure messages.
std::string colourName(COLORREF colour);

// The capture as text for failure messages: one letter per colour, in order
// of first appearance, then which colour each letter stands for.
std::string sketch(const Capture& capture);

// Colour classes for text drawn on a known background.
bool isDark(COLORREF colour);
bool isBlack(COLORREF colour);

// A label to put into a fixture window: where, and its kind-specific part.
struct PlacedLabel {
    int left = 0;
    int top = 0;
    int width = 48;
    int height = 12;
    testdesc::LabelPart part;
};

// Window 0x52010001, `width` x `height`, centred, holding the labels as
// units 1 to n in the given order.
testdesc::Bytes labelWindowDescription(int width, int height, const std::vector<PlacedLabel>& labels);

// The control id of label `index` (0-based) of `count`: the last unit is
// created first and gets 100, each earlier one 10 more.
int labelControlId(std::size_t index, std::size_t count);

// The fixture program showing a window of labels, brought to the front.
class LabelWindow {
public:
    // Starts the program; window() is null when no window appeared.
    LabelWindow(int width, int height, std::vector<PlacedLabel> labels);
    ~LabelWindow();

    HWND window() const { return window_; }
    HWND label(std::size_t index) const;

    // Waits until the window's client area shows the same pixels twice in a
    // row and `painted` holds for every label's client pixels; false at the
    // deadline.
    bool waitPainted(const std::function<bool(std::size_t index, const Capture& label)>& painted);
    // The label's client area as it is on the screen now.
    Capture labelPixels(std::size_t index) const;

private:
    std::vector<PlacedLabel> labels_;
    FixtureRun run_;
    HWND window_ = nullptr;
};

}  // namespace e2e
