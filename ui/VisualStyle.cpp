#include "VisualStyle.h"

#include <commctrl.h>

#include <iterator>
#include <map>
#include <string>

#include "WindowsHandles.h"
#include "XpPainting.h"

namespace tavrin::ui {

namespace {

enum class ControlClass { button, edit, comboBox, comboList, upDown };

struct PaintedControl {
  ControlClass kind;
  bool hot = false;  // the pointer is over it
};

struct LookState {
  const XpScheme* scheme = nullptr;
  UniqueHook creationHook;
  // A map, so that an entry stays put while a window is attached during the
  // handling of another one's message.
  std::map<HWND, PaintedControl> controls;
};

// The look belongs to one thread, the one that switched it on.
thread_local LookState look;

constexpr UINT_PTR kSubclassId = 0x58504C4B;  // "XPLK"

bool classIs(const wchar_t* className, const wchar_t* wanted) {
  return lstrcmpiW(className, wanted) == 0;
}

bool classify(HWND window, ControlClass& kind) {
  wchar_t name[64] = {};
  if (GetClassNameW(window, name, static_cast<int>(std::size(name))) == 0) return false;
  if (classIs(name, WC_BUTTONW)) {
    kind = ControlClass::button;
  } else if (classIs(name, WC_EDITW)) {
    kind = ControlClass::edit;
  } else if (classIs(name, WC_COMBOBOXW)) {
    kind = ControlClass::comboBox;
  } else if (classIs(name, L"ComboLBox")) {
    kind = ControlClass::comboList;
  } else if (classIs(name, UPDOWN_CLASSW)) {
    kind = ControlClass::upDown;
  } else {
    return false;
  }
  return true;
}

void redrawNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

// Push buttons, check boxes, radio buttons and group boxes; owner-drawn,
// image and other buttons keep their own painting.
bool buttonShape(HWND window, ButtonShape& shape) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (style & (BS_BITMAP | BS_ICON)) return false;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      shape = ButtonShape::push;
      return true;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
      shape = (style & BS_PUSHLIKE) ? ButtonShape::push : ButtonShape::check;
      return true;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
      shape = (style & BS_PUSHLIKE) ? ButtonShape::push : ButtonShape::radio;
      return true;
    case BS_GROUPBOX:
      shape = ButtonShape::group;
      return true;
    default:
      return false;
  }
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
  if (!text.empty()) {
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  }
  return text;
}

// What the parent would fill behind the control: its WM_CTLCOLOR... answer,
// or the button face.
HBRUSH parentBackground(HWND window, HDC dc, UINT colourMessage) {
  const HWND parent = GetParent(window);
  HBRUSH brush = nullptr;
  if (parent) {
    brush = reinterpret_cast<HBRUSH>(SendMessageW(parent, colourMessage,
                                                  reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(window)));
  }
  return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void paintButtonWindow(HWND window, HDC dc, ButtonShape shape, const PaintedControl& control) {
  RECT bounds{};
  GetClientRect(window, &bounds);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const auto state = static_cast<UINT>(SendMessageW(window, BM_GETSTATE, 0, 0));
  ButtonLook buttonLook;
  buttonLook.checkState = static_cast<int>(state & (BST_CHECKED | BST_INDETERMINATE));
  buttonLook.pressed = (state & BST_PUSHED) != 0 ||
                       (shape == ButtonShape::push && buttonLook.checkState != BST_UNCHECKED);
  buttonLook.hot = control.hot;
  buttonLook.focused = GetFocus() == window;
  buttonLook.enabled = IsWindowEnabled(window) != FALSE;
  buttonLook.isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  const HBRUSH background = parentBackground(
      window, dc, shape == ButtonShape::push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
  paintButton(dc, bounds, shape, buttonLook, *look.scheme, windowText(window), font, background,
              style);
}

// The frame of an edit box or a drop-down list, in the window's non-client
// area: one pixel of the frame colour, and a pixel of the box's own
// background inside it where the border is two pixels wide.
void paintEditFrame(HWND window, HDC dc) {
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  const int width = (exStyle & WS_EX_CLIENTEDGE) ? 2 : (style & WS_BORDER) ? 1 : 0;
  if (width == 0) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  const RECT bounds{0, 0, outer.right - outer.left, outer.bottom - outer.top};
  const bool plain = IsWindowEnabled(window) && !(style & ES_READONLY);
  paintControlFrame(dc, bounds, width, look.scheme->editFrame,
                    GetSysColor(plain ? COLOR_WINDOW : COLOR_BTNFACE));
}

void paintEditFrame(HWND window) {
  const WindowDc dc(window, WindowDc::Area::whole);
  if (dc) paintEditFrame(window, dc.get());
}

// A combo box draws its border and drop button in its client area; both are
// painted over once the box has drawn itself.
void paintComboOverlay(HWND window, const PaintedControl& control) {
  if ((GetWindowLongW(window, GWL_STYLE) & 3) == CBS_SIMPLE) return;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (!GetComboBoxInfo(window, &info)) return;
  const WindowDc dc(window);
  if (!dc) return;
  RECT bounds{};
  GetClientRect(window, &bounds);
  paintControlFrame(dc.get(), bounds, 2, look.scheme->editFrame,
                    GetSysColor(IsWindowEnabled(window) ? COLOR_WINDOW : COLOR_BTNFACE));
  ButtonLook buttonLook;
  buttonLook.pressed = (info.stateButton & STATE_SYSTEM_PRESSED) != 0;
  buttonLook.hot = control.hot;
  buttonLook.enabled = IsWindowEnabled(window) != FALSE;
  if (!(info.stateButton & STATE_SYSTEM_INVISIBLE)) {
    paintArrowButton(dc.get(), info.rcButton, ArrowDirection::down, buttonLook, *look.scheme);
  }
}

void paintUpDown(HWND window, HDC dc, const PaintedControl& control) {
  RECT bounds{};
  GetClientRect(window, &bounds);
  const bool horizontal = (GetWindowLongW(window, GWL_STYLE) & UDS_HORZ) != 0;
  RECT first = bounds;
  RECT second = bounds;
  if (horizontal) {
    first.right = second.left = (bounds.left + bounds.right) / 2;
  } else {
    first.bottom = second.top = (bounds.top + bounds.bottom) / 2;
  }
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(window, &pointer);
  const bool pressing = GetCapture() == window && GetKeyState(VK_LBUTTON) < 0;
  for (const auto& [part, direction] :
       {std::pair{first, horizontal ? ArrowDirection::left : ArrowDirection::up},
        std::pair{second, horizontal ? ArrowDirection::right : ArrowDirection::down}}) {
    const bool under = PtInRect(&part, pointer) != FALSE;
    ButtonLook buttonLook;
    buttonLook.hot = control.hot && under;
    buttonLook.pressed = pressing && under;
    buttonLook.enabled = IsWindowEnabled(window) != FALSE;
    paintArrowButton(dc, part, direction, buttonLook, *look.scheme);
  }
}

void trackHover(HWND window, UINT message) {
  const auto found = look.controls.find(window);
  if (found == look.controls.end()) return;
  // Frames do not change under the pointer; faces do.
  const ControlClass kind = found->second.kind;
  if (kind == ControlClass::edit || kind == ControlClass::comboList) return;
  if (message == WM_MOUSELEAVE) {
    found->second.hot = false;
  } else if (!found->second.hot) {
    found->second.hot = true;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
    TrackMouseEvent(&track);
  } else if (found->second.kind != ControlClass::upDown) {
    return;  // still hot, nothing to redraw
  }
  redrawNow(window);
}

// Messages after which a control's own procedure may have painted it
// directly, over the look.
bool changesState(UINT message) {
  switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case BM_CLICK:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case CB_SHOWDROPDOWN:
      return true;
    default:
      return false;
  }
}

LRESULT handleButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     const PaintedControl& control) {
  ButtonShape shape{};
  if (!buttonShape(window, shape)) return DefSubclassProc(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(window, &paint);
      if (dc) paintButtonWindow(window, dc, shape, control);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      paintButtonWindow(window, reinterpret_cast<HDC>(wParam), shape, control);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    default:
      break;
  }
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (changesState(message) && IsWindow(window)) redrawNow(window);
  return result;
}

LRESULT handleEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_NCPAINT || message == WM_ENABLE || message == EM_SETREADONLY) {
    paintEditFrame(window);
  } else if (message == WM_PRINT && (lParam & PRF_NONCLIENT)) {
    paintEditFrame(window, reinterpret_cast<HDC>(wParam));
  }
  return result;
}

LRESULT handleComboBox(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (!IsWindow(window)) return result;
  const auto found = look.controls.find(window);
  if (found == look.controls.end()) return result;
  if (message == WM_PAINT) {
    paintComboOverlay(window, found->second);
  } else if (changesState(message)) {
    redrawNow(window);
  }
  return result;
}

LRESULT handleUpDown(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     const PaintedControl& control) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      const HDC dc = BeginPaint(window, &paint);
      if (dc) paintUpDown(window, dc, control);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      paintUpDown(window, reinterpret_cast<HDC>(wParam), control);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      break;
  }
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (changesState(message) && IsWindow(window)) redrawNow(window);
  return result;
}

LRESULT CALLBACK paintInLook(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             UINT_PTR /*id*/, DWORD_PTR /*data*/) {
  const auto found = look.controls.find(window);
  if (found == look.controls.end() || !look.scheme) {
    return DefSubclassProc(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    look.controls.erase(found);
    RemoveWindowSubclass(window, paintInLook, kSubclassId);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (IsWindow(window)) trackHover(window, message);
    return result;
  }
  const PaintedControl control = found->second;
  switch (control.kind) {
    case ControlClass::button:
      return handleButton(window, message, wParam, lParam, control);
    case ControlClass::edit:
    case ControlClass::comboList:
      return handleEdit(window, message, wParam, lParam);
    case ControlClass::comboBox:
      return handleComboBox(window, message, wParam, lParam);
    case ControlClass::upDown:
      return handleUpDown(window, message, wParam, lParam, control);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool attach(HWND window) {
  if (look.controls.contains(window)) return false;
  ControlClass kind{};
  if (!classify(window, kind)) return false;
  if (!SetWindowSubclass(window, paintInLook, kSubclassId, 0)) return false;
  look.controls.emplace(window, PaintedControl{kind});
  return true;
}

BOOL CALLBACK attachChild(HWND window, LPARAM) {
  attach(window);
  return TRUE;
}

BOOL CALLBACK attachTree(HWND window, LPARAM) {
  attach(window);
  EnumChildWindows(window, attachChild, 0);
  return TRUE;
}

LRESULT CALLBACK watchCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && look.scheme) attach(reinterpret_cast<HWND>(wParam));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void redrawWhole(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void switchOff() {
  look.creationHook.reset();
  look.scheme = nullptr;
  const auto controls = std::move(look.controls);
  look.controls.clear();
  for (const auto& [window, control] : controls) {
    RemoveWindowSubclass(window, paintInLook, kSubclassId);
    redrawWhole(window);
  }
}

}  // namespace

int applyVisualStyle(int scheme) {
  switchOff();
  const XpScheme* colours = findXpScheme(scheme);
  if (!colours) return 0;
  UniqueHook hook{SetWindowsHookExW(WH_CBT, watchCreation, nullptr, GetCurrentThreadId())};
  if (!hook) return 0;
  look.scheme = colours;
  look.creationHook = std::move(hook);
  EnumThreadWindows(GetCurrentThreadId(), attachTree, 0);
  for (const auto& [window, control] : look.controls) redrawWhole(window);
  return 1;
}

COLORREF editFrameColour(int scheme) noexcept {
  const XpScheme* colours = findXpScheme(scheme);
  return colours ? colours->editFrame : CLR_INVALID;
}

}  // namespace tavrin::ui
