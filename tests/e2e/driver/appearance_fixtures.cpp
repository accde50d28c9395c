#include "appearance_fixtures.h"

#include <algorithm>
#include <cstdio>

namespace e2e {

Capture Capture::part(const RECT& part) const {
    std::vector<COLORREF> pixels;
    for (LONG y = part.top; y < part.bottom; ++y)
        for (LONG x = part.left; x < part.right; ++x) pixels.push_back(at(x - area_.left, y - area_.top));
    return Capture(part, std::move(pixels));
}

int Capture::count(const std::function<bool(COLORREF)>& match) const { return countRows(0, height(), match); }

int Capture::countRows(int top, int bottom, const std::function<bool(COLORREF)>& match) const {
    int found = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height()); ++y)
        for (int x = 0; x < width(); ++x)
            if (match(at(x, y))) ++found;
    return found;
}

Capture captureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return Capture(area, {});
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const auto* raw = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = RGB(raw[4 * i + 2], raw[4 * i + 1], raw[4 * i]);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return Capture(area, std::move(pixels));
}

RECT pixelBox(const Capture& capture, const std::function<bool(COLORREF)>& match) {
    RECT box = {capture.width(), capture.height(), 0, 0};
    for (int y = 0; y < capture.height(); ++y)
        for (int x = 0; x < capture.width(); ++x)
            if (match(capture.at(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    if (box.right == 0) return RECT{};
    return box;
}

int rowBands(const Capture& capture, const std::function<bool(COLORREF)>& match) {
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < capture.height(); ++y) {
        const bool hit = capture.countRows(y, y + 1, match) > 0;
        if (hit && !inBand) ++bands;
        inBand = hit;
    }
    return bands;
}

std::string colourName(COLORREF colour) {
    char text[32];
    std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::string sketch(const Capture& capture) {
    static constexpr char kLetters[] = ".#abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::vector<COLORREF> seen;
    std::string out;
    for (int y = 0; y < capture.height(); ++y) {
        for (int x = 0; x < capture.width(); ++x) {
            const COLORREF c = capture.at(x, y);
            auto it = std::find(seen.begin(), seen.end(), c);
            if (it == seen.end()) it = seen.insert(seen.end(), c);
            const auto index = static_cast<std::size_t>(it - seen.begin());
            out += index < sizeof kLetters - 1 ? kLetters[index] : '?';
        }
        out += '\n';
    }
    for (std::size_t i = 0; i < seen.size() && i < sizeof kLetters - 1; ++i)
        out += std::string(1, kLetters[i]) + " " + colourName(seen[i]) + "\n";
    return out;
}

// Smoothed glyph edges blend text and background; the thresholds keep such
// blends out of every class they do not belong to.
bool isDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96; }
bool isBlack(COLORREF c) { return GetRValue(c) < 60 && GetGValue(c) < 60 && GetBValue(c) < 60; }

testdesc::Bytes labelWindowDescription(int width, int height, const std::vector<PlacedLabel>& labels) {
    testdesc::WindowSpec window = testdesc::windowWithOwnUnit(testdesc::kStartupWindowId);
    window.units[0].width = width;
    window.units[0].height = height;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const PlacedLabel& placed = labels[i];
        testdesc::UnitSpec unit = testdesc::labelUnit(0x16010010 + static_cast<std::uint32_t>(i),
                                                      "label" + std::to_string(i + 1));
        unit.left = placed.left;
        unit.top = placed.top;
        unit.width = placed.width;
        unit.height = placed.height;
        unit.kindPart = placed.part.bytes();
        window.units.push_back(unit);
    }
    testdesc::DescriptionSpec description;
    description.windows.push_back(window);
    return description.bytes();
}

int labelControlId(std::size_t index, std::size_t count) { return 100 + 10 * static_cast<int>(count - 1 - index); }

LabelWindow::LabelWindow(int width, int height, std::vector<PlacedLabel> labels)
    : labels_(std::move(labels)), run_(startFixture(labelWindowDescription(width, height, labels_))) {
    window_ = waitTopWindow(run_.process->id(), "TagPuzzleForm");
    if (window_ != nullptr) bringToFront(window_);
}

LabelWindow::~LabelWindow() {
    if (window_ != nullptr && run_.process->running()) {
        PostMessageA(window_, WM_CLOSE, 0, 0);
        run_.process->waitExit();
    }
}

HWND LabelWindow::label(std::size_t index) const {
    return GetDlgItem(window_, labelControlId(index, labels_.size()));
}

Capture LabelWindow::labelPixels(std::size_t index) const { return captureScreen(clientRectOnScreen(label(index))); }

bool LabelWindow::waitPainted(const std::function<bool(std::size_t index, const Capture& label)>& painted) {
    Capture last;
    return waitUntil([&] {
        Capture now = captureScreen(clientRectOnScreen(window_));
        const bool steady = now == last && now.width() > 0;
        last = std::move(now);
        if (!steady) return false;
        for (std::size_t i = 0; i < labels_.size(); ++i)
            if (!painted(i, labelPixels(i))) return false;
        return true;
    });
}

}  // namespace e2e
