// Driving the real Tavrin.exe as a user would, from a test program of its own
// under Wine: starting it, finding its window and controls, real input
// through SendInput, and pictures of the screen.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "WindowsHandles.h"

namespace tavrin::gui_test {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` has passed.
bool waitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = 5000ms);

// Lets the other process take what has been sent so far.
void settle(std::chrono::milliseconds pause = 150ms);

// The path of a program of this build, for CreateProcess.
std::wstring buildPath(const char* unixPath);

class TavrinProcess {
 public:
  // Starts `program` with `arguments` in `workingDirectory` (the test's own
  // when empty) and waits for its main window to be on screen. With
  // `standardOutput`, the program writes there.
  explicit TavrinProcess(const std::wstring& program, const std::wstring& arguments = L"",
                         const std::wstring& workingDirectory = L"",
                         HANDLE standardOutput = nullptr);
  ~TavrinProcess();  // ends the process if it is still running
  TavrinProcess(const TavrinProcess&) = delete;
  TavrinProcess& operator=(const TavrinProcess&) = delete;

  [[nodiscard]] HWND window() const { return window_; }
  [[nodiscard]] DWORD processId() const { return processId_; }
  [[nodiscard]] DWORD threadId() const { return threadId_; }
  [[nodiscard]] HANDLE process() const { return process_.get(); }

  // The exit code once the process has ended within `timeout`; STILL_ACTIVE
  // otherwise.
  DWORD waitForExit(std::chrono::milliseconds timeout = 10000ms);

  // The visible top-level window of this process with the given class and
  // title (any title when empty), or null.
  [[nodiscard]] HWND findTopLevel(const wchar_t* className, const std::wstring& title = L"") const;

 private:
  ui::UniqueKernelHandle process_;
  DWORD processId_ = 0;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

// The window's controls, found as a user sees them: the tab control, the
// edit boxes left and right, and the buttons by their captions.
struct MainWindowControls {
  HWND tab = nullptr;
  HWND source = nullptr;
  HWND convert = nullptr;
  HWND result = nullptr;
  HWND feedback = nullptr;
};
MainWindowControls findControls(HWND window);

// A window's text and its length, asked of the window itself (another
// process's window is asked through WM_GETTEXT, not its stored title).
std::wstring windowText(HWND window);
std::size_t textLength(HWND window);
std::wstring className(HWND window);
RECT windowRect(HWND window);
HWND focusedWindow(DWORD threadId);
// The caret's place (selection start and end) in an edit box.
std::pair<DWORD, DWORD> selection(HWND edit);

// Input, through SendInput to the foreground window.
void bringToFront(HWND window);
void pressKey(WORD key, bool shift = false, bool control = false, bool alt = false);
void typeText(const std::wstring& text);
void pasteText(const std::wstring& text);  // through the clipboard and Ctrl+V
enum class MouseButton { left, right };
void moveMouse(POINT screen);
// Then pauses, for the window to take the input.
void click(POINT screen, MouseButton button = MouseButton::left,
           std::chrono::milliseconds pause = 150ms);
void clickCentre(HWND window, MouseButton button = MouseButton::left);
POINT centreOf(HWND window);

// A picture of part of the screen, as 0x00RRGGBB pixels, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  [[nodiscard]] COLORREF at(int x, int y) const;
};
Picture captureScreen(const RECT& area);
// Writes a picture as a .bmp file.
bool saveBitmap(const Picture& picture, const std::wstring& path);

// Where the tests write what is kept for review (screenshots).
std::wstring artefactFolder();

}  // namespace tavrin::gui_test
