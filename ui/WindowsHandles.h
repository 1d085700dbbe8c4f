// Owners for the few kinds of Windows handle that the program makes.
//
// Each is a std::unique_ptr whose deleter names the handle type, so that
// get(), reset() and release() work on the handle itself, and the handle is
// given back on every path out of its scope:
//
//   UniqueFont font{CreateFontIndirectW(&logFont)};
//   SendMessageW(control, WM_SETFONT, WPARAM(font.get()), TRUE);
#pragma once

#include <windows.h>

#include <memory>

namespace tavrin::ui {

namespace internal {

template <typename Handle, auto release>
struct HandleDeleter {
  using pointer = Handle;
  void operator()(Handle handle) const noexcept { release(handle); }
};

}  // namespace internal

// Fonts, brushes, pens and bitmaps: anything DeleteObject frees.
template <typename Gdi>
using UniqueGdiObject = std::unique_ptr<Gdi, internal::HandleDeleter<Gdi, &DeleteObject>>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;

// A memory device context from CreateCompatibleDC.
using UniqueMemoryDc = std::unique_ptr<HDC, internal::HandleDeleter<HDC, &DeleteDC>>;
using UniqueWindow = std::unique_ptr<HWND, internal::HandleDeleter<HWND, &DestroyWindow>>;
using UniqueHook = std::unique_ptr<HHOOK, internal::HandleDeleter<HHOOK, &UnhookWindowsHookEx>>;
using UniqueKernelHandle =
    std::unique_ptr<HANDLE, internal::HandleDeleter<HANDLE, &CloseHandle>>;

// A window's device context from GetDC or GetWindowDC, given back with
// ReleaseDC.
class WindowDc {
 public:
  enum class Area { client, whole };

  explicit WindowDc(HWND window, Area area = Area::client) noexcept
      : window_(window), dc_(area == Area::whole ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  [[nodiscard]] HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects a GDI object into a device context and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace tavrin::ui
