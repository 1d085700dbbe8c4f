#include "GuiTestSupport.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace tavrin::gui_test {

bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

void settle(std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); }

std::wstring buildPath(const char* unixPath) {
  // Wine maps the Unix root to drive Z:.
  std::wstring path = L"Z:";
  for (const char* c = unixPath; *c; ++c) path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
  return path;
}

TavrinProcess::TavrinProcess(const std::wstring& program, const std::wstring& arguments,
                             const std::wstring& workingDirectory, HANDLE standardOutput) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (standardOutput) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = standardOutput;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  }
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                      standardOutput ? TRUE : FALSE, 0, nullptr,
                      workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                      &info)) {
    throw std::runtime_error("cannot start the program");
  }
  process_.reset(info.hProcess);
  CloseHandle(info.hThread);
  processId_ = info.dwProcessId;
  WaitForInputIdle(info.hProcess, 10000);
  // Until the window is up, or the program has ended or reported a failure
  // without one.
  waitUntil(
      [&] {
        window_ = findTopLevel(L"TavrinMainWindow");
        return window_ || findTopLevel(L"#32770") ||
               WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
      },
      15000ms);
  if (window_) threadId_ = GetWindowThreadProcessId(window_, nullptr);
  // Until the first paint is done, pictures and input may race the start.
  settle(300ms);
}

TavrinProcess::~TavrinProcess() {
  if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.get(), 99);
    WaitForSingleObject(process_.get(), 5000);
  }
}

DWORD TavrinProcess::waitForExit(std::chrono::milliseconds timeout) {
  if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    return STILL_ACTIVE;
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

namespace {

struct TopLevelSearch {
  DWORD processId;
  const wchar_t* className;
  const std::wstring* title;
  HWND found = nullptr;
};

BOOL CALLBACK findTopLevelProc(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<TopLevelSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window) &&
      lstrcmpiW(className(window).c_str(), search.className) == 0 &&
      (search.title->empty() || windowText(window) == *search.title)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK collectChild(HWND window, LPARAM parameter) {
  reinterpret_cast<std::vector<HWND>*>(parameter)->push_back(window);
  return TRUE;
}

void sendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT keyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT mouseInput(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute places run from 0 to 65535 across the primary display.
  input.mi.dx = static_cast<LONG>((screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = static_cast<LONG>((screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return input;
}

}  // namespace

HWND TavrinProcess::findTopLevel(const wchar_t* wantedClass, const std::wstring& title) const {
  TopLevelSearch search{processId_, wantedClass, &title};
  EnumWindows(findTopLevelProc, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

MainWindowControls findControls(HWND window) {
  MainWindowControls controls;
  std::vector<HWND> children;
  EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
  std::vector<HWND> edits;
  for (HWND child : children) {
    const std::wstring name = className(child);
    if (name == L"SysTabControl32") controls.tab = child;
    if (lstrcmpiW(name.c_str(), L"Edit") == 0) edits.push_back(child);
    if (lstrcmpiW(name.c_str(), L"Button") == 0) {
      const std::wstring text = windowText(child);
      if (text == L"VC->E") controls.convert = child;
      if (text == L"\u63D0\u610F\u89C1") controls.feedback = child;  // 提意见
    }
  }
  std::sort(edits.begin(), edits.end(),
            [](HWND a, HWND b) { return windowRect(a).left < windowRect(b).left; });
  if (edits.size() == 2) {
    controls.source = edits[0];
    controls.result = edits[1];
  }
  return controls;
}

std::size_t textLength(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length);
  return length;
}

std::wstring windowText(HWND window) {
  const std::size_t length = textLength(window);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                      SMTO_ABORTIFHUNG, 10000, &copied);
  text.resize(std::min<std::size_t>(copied, length));
  return text;
}

std::wstring className(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

RECT windowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

HWND focusedWindow(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(threadId, &info)) return nullptr;
  return info.hwndFocus;
}

std::pair<DWORD, DWORD> selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  const auto packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  start = LOWORD(packed);
  end = HIWORD(packed);
  return {start, end};
}

void bringToFront(HWND window) {
  SetForegroundWindow(window);
  waitUntil([&] { return GetForegroundWindow() == window; }, 2000ms);
}

void pressKey(WORD key, bool shift, bool control, bool alt) {
  std::vector<INPUT> inputs;
  if (alt) inputs.push_back(keyInput(VK_MENU, false));
  if (control) inputs.push_back(keyInput(VK_CONTROL, false));
  if (shift) inputs.push_back(keyInput(VK_SHIFT, false));
  inputs.push_back(keyInput(key, false));
  inputs.push_back(keyInput(key, true));
  if (shift) inputs.push_back(keyInput(VK_SHIFT, true));
  if (control) inputs.push_back(keyInput(VK_CONTROL, true));
  if (alt) inputs.push_back(keyInput(VK_MENU, true));
  sendInputs(inputs);
  settle();
}

void typeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = c;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  sendInputs(inputs);
  settle();
}

void pasteText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) throw std::runtime_error("cannot open the clipboard");
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    // The clipboard owns the memory once it has taken it.
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
  pressKey('V', false, true);
}

void moveMouse(POINT screen) {
  sendInputs({mouseInput(screen, 0)});
  settle(50ms);
}

void click(POINT screen, MouseButton button, std::chrono::milliseconds pause) {
  const bool left = button == MouseButton::left;
  sendInputs({mouseInput(screen, 0),
              mouseInput(screen, left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN),
              mouseInput(screen, left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP)});
  settle(pause);
}

POINT centreOf(HWND window) {
  const RECT rect = windowRect(window);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void clickCentre(HWND window, MouseButton button) { click(centreOf(window), button); }

COLORREF Picture::at(int x, int y) const {
  const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

Picture captureScreen(const RECT& area) {
  Picture picture;
  picture.width = area.right - area.left;
  picture.height = area.bottom - area.top;
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  const ui::WindowDc screen(nullptr);
  const ui::UniqueMemoryDc memory{CreateCompatibleDC(screen.get())};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const ui::UniqueBitmap bitmap{
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0)};
  if (!bitmap || !memory) return picture;
  {
    const ui::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), area.left, area.top,
           SRCCOPY);
  }
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  std::transform(source, source + picture.pixels.size(), picture.pixels.begin(),
                 [](std::uint32_t pixel) { return pixel & 0xFFFFFF; });
  return picture;
}

bool saveBitmap(const Picture& picture, const std::wstring& path) {
  std::ofstream out(path.c_str(), std::ios::binary);
  if (!out) return false;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(picture.pixels.size() * 4);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + imageBytes;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = picture.width;
  header.biHeight = -picture.height;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(picture.pixels.data()), imageBytes);
  return static_cast<bool>(out);
}

std::wstring artefactFolder() { return buildPath(TAVRIN_ARTEFACT_DIR); }

}  // namespace tavrin::gui_test
