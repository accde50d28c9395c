#include "harness.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace e2e {

void pumpMessagesFor(DWORD milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::string driverFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\'));
}

std::string programPath() {
    if (const char* path = std::getenv("TAGPUZZLE_EXE")) return path;
    return driverFolder() + "\\..\\..\\program\\tagpuzzle.exe";
}

std::string variantPath(const char* name) { return driverFolder() + "\\" + name + ".exe"; }

Process::Process(const std::string& exe, const std::string& args, const std::string& folder) {
    std::string commandLine = "\"" + exe + "\"" + (args.empty() ? "" : " " + args);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info_))
        throw std::runtime_error("cannot start " + exe + ": error " + std::to_string(GetLastError()));
}

Process::~Process() {
    // The pointer leaves first: input was lost now and then under Wine when
    // a program ended, or the next one appeared, under a resting pointer.
    moveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    // Ask first, so that the program ends as a user would end it.
    if (running()) {
        for (HWND window : topWindows(info_.dwProcessId)) PostMessageA(window, WM_CLOSE, 0, 0);
        waitExit(std::chrono::milliseconds(5000));
    }
    if (running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 10000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool Process::running() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::waitExit(std::chrono::milliseconds deadline) {
    if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(deadline.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

struct WindowQuery {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK collectTopWindow(HWND hwnd, LPARAM param) {
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == query->processId && IsWindowVisible(hwnd) &&
        (query->className == nullptr || windowClass(hwnd) == query->className))
        query->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND hwnd, LPARAM param) {
    auto* found = reinterpret_cast<std::vector<HWND>*>(param);
    found->push_back(hwnd);
    return TRUE;
}

void sendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

std::vector<HWND> topWindows(DWORD processId, const char* className) {
    WindowQuery query{processId, className, {}};
    EnumWindows(collectTopWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND waitTopWindow(DWORD processId, const char* className) {
    HWND found = nullptr;
    waitUntil([&] {
        auto windows = topWindows(processId, className);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
    });
    return found;
}

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND findChild(HWND parent, const char* className) {
    for (HWND child : childWindows(parent))
        if (lstrcmpiA(windowClass(child).c_str(), className) == 0) return child;
    return nullptr;
}

std::string windowText(HWND hwnd) {
    char text[1024] = {};
    // WM_GETTEXT reaches controls of other processes; GetWindowText does not.
    LRESULT length = SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return std::string(text, static_cast<std::size_t>(length));
}

std::string windowClass(HWND hwnd) {
    char name[256] = {};
    int length = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length));
}

RECT windowRect(HWND hwnd) {
    RECT rect = {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

RECT clientRectOnScreen(HWND hwnd) {
    RECT rect = {};
    GetClientRect(hwnd, &rect);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LONG_PTR windowStyle(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }
LONG_PTR windowExStyle(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

HWND focusedWindow(HWND hwnd) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
    return info.hwndFocus;
}

HWND activeWindow(HWND hwnd) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
    return info.hwndActive;
}

MessageBoxView readMessageBox(HWND dialog) {
    MessageBoxView view;
    view.hwnd = dialog;
    view.title = windowText(dialog);
    for (HWND child : childWindows(dialog)) {
        const std::string cls = windowClass(child);
        if (lstrcmpiA(cls.c_str(), "Button") == 0) {
            if (IsWindowVisible(child)) view.buttons.push_back(windowText(child));
        } else if (lstrcmpiA(cls.c_str(), "Static") == 0) {
            if ((windowStyle(child) & SS_TYPEMASK) == SS_ICON) {
                view.hasIcon = view.hasIcon || SendMessageA(child, STM_GETICON, 0, 0) != 0;
                continue;
            }
            std::string text = windowText(child);
            if (text.size() > view.text.size()) view.text = text;
        }
    }
    return view;
}

HWND waitMessageBox(DWORD processId) { return waitTopWindow(processId, "#32770"); }

void bringToFront(HWND hwnd) {
    SetForegroundWindow(hwnd);
    waitUntil([hwnd] { return GetForegroundWindow() == hwnd; }, std::chrono::milliseconds(5000));
}

bool activateAndWait(HWND window, HWND focus) {
    bringToFront(window);
    return waitUntil([&] {
        HWND focused = focusedWindow(window);
        const bool focusReady = focus ? focused == focus : (focused == window || IsChild(window, focused));
        return activeWindow(window) == window && focusReady;
    });
}

void moveMouseTo(int x, int y) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65535 + width / 2) / (width - 1);
    input.mi.dy = (y * 65535 + height / 2) / (height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    sendInputs({input});
    // Under Wine the move also reaches the X server, whose echo of it comes
    // back later; the pointer counts as there once it has stayed there.
    int steady = 0;
    waitUntil([&] {
        POINT at;
        steady = (GetCursorPos(&at) && at.x == x && at.y == y) ? steady + 1 : 0;
        return steady >= 5;
    }, std::chrono::milliseconds(5000));
}

void clickAt(int x, int y) {
    // The pointer arrives first, so that the press goes to what lies under it.
    // It comes from the corner of the screen, entering the target afresh:
    // under Wine, a click on a window that had appeared under the resting
    // pointer was lost now and then.
    moveMouseTo(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    moveMouseTo(x, y);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    sendInputs({input[0], input[1]});
}

void clickCentre(HWND hwnd) {
    RECT rect = windowRect(hwnd);
    clickAt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

void pressKey(WORD key, bool shift) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(keyInput(VK_SHIFT, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    if (shift) inputs.push_back(keyInput(VK_SHIFT, true));
    sendInputs(inputs);
}

COLORREF screenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string makeTempFolder() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char path[MAX_PATH];
    GetTempFileNameA(base, "e2e", 0, path);
    DeleteFileA(path);
    CreateDirectoryA(path, nullptr);
    return path;
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Sandbox sandboxCopy(const std::string& exe) {
    Sandbox sandbox;
    sandbox.folder = makeTempFolder();
    sandbox.exe = sandbox.folder + exe.substr(exe.rfind('\\'));
    if (!CopyFileA(exe.c_str(), sandbox.exe.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + exe + ": error " + std::to_string(GetLastError()));
    return sandbox;
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace e2e
