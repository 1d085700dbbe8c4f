#include "Program.h"

#include <windows.h>
#include <ole2.h>

#include <string>

#include "MainWindow.h"
#include "MainWindowLayout.h"
#include "RuntimeError.h"

namespace tavrin::ui {

namespace {

struct ProgramState {
  // Set just before the message loop is entered; a quit request is posted
  // only once it is set.
  bool messageLoopStarted = false;
  bool oleInitialised = false;
};

ProgramState program;

struct WindowSearch {
  HWND ignored;  // the window whose final clean-up is running
  bool found = false;
};

// The program's windows are its main windows; message boxes, tooltips and
// the system's own helper windows are not.
BOOL CALLBACK findProgramWindow(HWND window, LPARAM search) {
  auto& state = *reinterpret_cast<WindowSearch*>(search);
  wchar_t name[64] = {};
  if (window != state.ignored && GetClassNameW(window, name, 64) &&
      lstrcmpiW(name, kMainWindowClassName) == 0) {
    state.found = true;
    return FALSE;
  }
  return TRUE;
}

bool programWindowExists(HWND ignored = nullptr) {
  WindowSearch search{ignored};
  EnumThreadWindows(GetCurrentThreadId(), findProgramWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The quit rule: once the last window of the program is gone, and the loop
// has started, the loop is asked to end.
void onProgramWindowDestroyed(HWND window) {
  if (program.messageLoopStarted && !programWindowExists(window)) PostQuitMessage(0);
}

// The program file's full path without its last backslash and what follows.
void useProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const std::size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return;
  path.resize(slash);
  SetCurrentDirectoryW(path.c_str());
}

int runMessageLoop(MainWindow& window) {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 0;
    if (window.handleKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

int runProgram() {
  program.oleInitialised = SUCCEEDED(OleInitialize(nullptr));
  useProgramFolder();
  const auto window = MainWindow::open(GetModuleHandleW(nullptr), onProgramWindowDestroyed);
  if (!window) reportRuntimeError(kWindowNotCreatedMessage);
  program.messageLoopStarted = true;
  const int exitCode = programWindowExists() ? runMessageLoop(*window) : 0;
  releaseProgram();
  return exitCode;
}

void releaseProgram() {
  if (!program.oleInitialised) return;
  program.oleInitialised = false;
  OleUninitialize();
}

}  // namespace tavrin::ui
