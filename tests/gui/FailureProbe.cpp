// A second program around the real start-up and failure code, for the tests
// that need to look inside the process or make it fail:
//   failure_probe allocation         a request for 1 TiB once the loop runs
//   failure_probe window             the main window cannot be created
//   failure_probe working-directory  prints the working directory, then closes
// Everything else is Tavrin.exe's own code: runProgram, the replaced
// operator new and reportRuntimeError.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "MainWindowLayout.h"
#include "Program.h"

namespace {

// Far more than the machine has, and above 2 GiB, so the count shows in full.
// (Wine spends minutes looking for address space for requests of 2^46 bytes
// and more, so the request stays below that.)
volatile std::size_t hugeRequest = std::size_t{1} << 40;
char* volatile kept = nullptr;

void CALLBACK allocateTooMuch(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  // Kept in a volatile, so that the compiler cannot leave the request out.
  kept = new char[hugeRequest];
  delete[] kept;
}

void CALLBACK reportWorkingDirectory(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  wchar_t folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, folder);
  std::printf("%ls\n", folder);
  std::fflush(stdout);
  PostMessageW(FindWindowW(tavrin::ui::kMainWindowClassName, nullptr), WM_CLOSE, 0, 0);
}

// A class of the main window's name that refuses to make windows, registered
// before the program registers its own.
LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) return FALSE;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring mode = argc > 1 ? argv[1] : L"";
  if (mode == L"allocation") {
    SetTimer(nullptr, 0, 200, allocateTooMuch);
  } else if (mode == L"working-directory") {
    SetTimer(nullptr, 0, 200, reportWorkingDirectory);
  } else if (mode == L"window") {
    WNDCLASSEXW refusing{};
    refusing.cbSize = sizeof refusing;
    refusing.lpfnWndProc = refuseCreation;
    refusing.hInstance = GetModuleHandleW(nullptr);
    refusing.lpszClassName = tavrin::ui::kMainWindowClassName;
    RegisterClassExW(&refusing);
  } else {
    std::fwprintf(stderr, L"usage: failure_probe allocation|window|working-directory\n");
    return 2;
  }
  return tavrin::ui::runProgram();
}
