// What the end-to-end tests need to drive a program under Wine: start it,
// find its windows, read them, send real input, and wait on states.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Clock = std::chrono::steady_clock;
inline constexpr std::chrono::milliseconds kDeadline{20000};

// Waits a moment, handling the messages of the driver's own windows meanwhile:
// a window whose thread does not answer holds up activation for everyone.
void pumpMessagesFor(DWORD milliseconds);

// Polls `ready` until it holds or the deadline passes.
template <class Ready>
bool waitUntil(Ready ready, std::chrono::milliseconds deadline = kDeadline) {
    const auto end = Clock::now() + deadline;
    for (;;) {
        if (ready()) return true;
        if (Clock::now() >= end) return false;
        pumpMessagesFor(15);
    }
}

// The test programs lie beside the driver; the program itself one folder up.
std::string driverFolder();
std::string programPath();
std::string variantPath(const char* name);

// A started program; terminated on destruction if still running.
class Process {
public:
    Process(const std::string& exe, const std::string& args = "", const std::string& folder = "");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD id() const { return info_.dwProcessId; }
    bool running() const;
    // The exit code once the program has ended, or nothing at the deadline.
    std::optional<DWORD> waitExit(std::chrono::milliseconds deadline = kDeadline);

private:
    PROCESS_INFORMATION info_{};
};

// Visible top-level windows of a process, optionally of one class.
std::vector<HWND> topWindows(DWORD processId, const char* className = nullptr);
HWND waitTopWindow(DWORD processId, const char* className);
std::vector<HWND> childWindows(HWND parent);
// The first child of a class, compared without regard to case.
HWND findChild(HWND parent, const char* className);

std::string windowText(HWND hwnd);
std::string windowClass(HWND hwnd);
RECT windowRect(HWND hwnd);
RECT clientRectOnScreen(HWND hwnd);
LONG_PTR windowStyle(HWND hwnd);
LONG_PTR windowExStyle(HWND hwnd);

// The window with the keyboard focus in the thread of `hwnd`.
HWND focusedWindow(HWND hwnd);
HWND activeWindow(HWND hwnd);

// A message box as the user sees it.
struct MessageBoxView {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;
    std::vector<std::string> buttons;
    bool hasIcon = false;
};
MessageBoxView readMessageBox(HWND dialog);
HWND waitMessageBox(DWORD processId);

// Real input through the system's input queue.
void bringToFront(HWND hwnd);
// Brings a program's window to the front and waits until the program has
// handled its activation, which ends with `focus` (or, when null, the window
// or one of its children) holding the keyboard focus. Input sent before then
// can be undone by the activation: a click, for one, is cancelled when the
// focus moves in between its press and its release.
bool activateAndWait(HWND window, HWND focus = nullptr);
void moveMouseTo(int x, int y);
void clickAt(int x, int y);
void clickCentre(HWND hwnd);
void pressKey(WORD key, bool shift = false);

// Screen pixels.
COLORREF screenPixel(int x, int y);

// A copy of a test program alone in a new folder, so that the traces of
// one test never meet another's.
struct Sandbox {
    std::string folder;
    std::string exe;
};
Sandbox sandboxCopy(const std::string& exe);

// Files and folders.
std::string makeTempFolder();
void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::string readFile(const std::string& path);
bool fileExists(const std::string& path);

}  // namespace e2e
