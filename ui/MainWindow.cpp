#include "MainWindow.h"

#include <commctrl.h>

#include <array>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "EditText.h"
#include "MainWindowLayout.h"
#include "SampleDefines.h"
#include "TextOps.h"
#include "VisualStyle.h"

namespace tavrin::ui {

namespace {

constexpr int kFirstControlId = 1000;
constexpr UINT_PTR kPageSubclassId = 1;
constexpr UINT_PTR kSourceSubclassId = 2;

constexpr int controlId(std::size_t row) { return kFirstControlId + static_cast<int>(row); }

HFONT guiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void setFont(HWND control, HFONT font) {
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

bool isEditBox(HWND window) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return lstrcmpiW(name, WC_EDITW) == 0;
}

bool takesTabFocus(HWND control) {
  return control && IsWindowVisible(control) && IsWindowEnabled(control) &&
         (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP);
}

HWND createChild(const LayoutRow& row, std::size_t index, HWND parent, HINSTANCE instance) {
  const wchar_t* className = WC_EDITW;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (row.tabStop ? WS_TABSTOP : 0);
  DWORD exStyle = 0;
  switch (row.kind) {
    case ControlKind::tabControl:
      className = WC_TABCONTROLW;
      style |= WS_CLIPCHILDREN;
      break;
    case ControlKind::editBox:
      // Multi-line, wrapping at the right edge, scrolling to follow the caret,
      // with no scroll bars.
      style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_LEFT;
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::pushButton:
      className = WC_BUTTONW;
      style |= BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
      break;
    case ControlKind::topLevelWindow:
      return nullptr;
  }
  const std::wstring text =
      row.kind == ControlKind::pushButton ? toWide(row.text) : std::wstring{};
  return CreateWindowExW(exStyle, className, text.c_str(), style, row.left, row.top, row.width,
                         row.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(index))),
                         instance, nullptr);
}

bool registerWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                 GetSystemMetrics(SM_CYICON), LR_SHARED));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(instance, L"DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                 GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClassName;
  // A second window in the same process finds the class registered already.
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, DestroyedCallback destroyed)
    : instance_(instance), destroyed_(destroyed) {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

std::unique_ptr<MainWindow> MainWindow::open(HINSTANCE instance, DestroyedCallback destroyed) {
  std::unique_ptr<MainWindow> window{new MainWindow(instance, destroyed)};
  if (!window->create()) return nullptr;
  return window;
}

bool MainWindow::create() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!registerWindowClass(instance_, windowProcedure)) return false;

  // 1. The window, hidden, centred on the whole display (not the work area).
  const LayoutRow& row = kMainWindowLayout[kMainWindowRow];
  const int left = (GetSystemMetrics(SM_CXSCREEN) - row.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - row.height) / 2;
  const std::wstring title = toWide(row.text);
  // A fixed frame with a caption and the system menu: no sizing border, no
  // minimise or maximise box.
  constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (!CreateWindowExW(WS_EX_APPWINDOW, kMainWindowClassName, title.c_str(), kStyle, left, top,
                       row.width, row.height, nullptr, nullptr, instance_, this)) {
    return false;
  }
  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != row.width || outer.bottom - outer.top != row.height) {
    SetWindowPos(window_, nullptr, left, top, row.width, row.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }

  // 2. and 3. The controls, each made hidden, then shown without activating.
  if (!createControls()) return false;
  for (HWND control : {高级选择夹1, 编辑框_VC, 按钮_转换, 编辑框_易, 按钮_联系}) {
    ShowWindow(control, SW_SHOWNA);
  }
  // 4. The look is on before the window is first drawn.
  onWindowCreated();
  // 5. Shown normally, which activates it and so puts the focus in 编辑框_VC.
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  return true;
}

bool MainWindow::createControls() {
  std::array<HWND, kLayoutRowCount> made{window_};
  for (std::size_t index = kTabRow; index < kLayoutRowCount; ++index) {
    const LayoutRow& row = kMainWindowLayout[index];
    made[index] = createChild(row, index, made[static_cast<std::size_t>(row.parent)], instance_);
    if (!made[index]) return false;
  }
  高级选择夹1 = made[kTabRow];
  编辑框_VC = made[kSourceEditRow];
  按钮_转换 = made[kConvertButtonRow];
  编辑框_易 = made[kResultEditRow];
  按钮_联系 = made[kFeedbackButtonRow];

  tabFont_.reset(CreateFontW(-kTabFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"SimSun"));
  setFont(高级选择夹1, tabFont_ ? tabFont_.get() : guiFont());
  std::wstring tabText = toWide(kMainWindowLayout[kTabRow].text);
  TCITEMW tab{};
  tab.mask = TCIF_TEXT;
  tab.pszText = tabText.data();
  SendMessageW(高级选择夹1, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&tab));
  SendMessageW(高级选择夹1, TCM_SETITEMSIZE, 0, MAKELPARAM(0, kTabStripHeight));
  SendMessageW(高级选择夹1, TCM_SETCURSEL, 0, 0);
  // The page's controls tell their parent, the tab control, of clicks; it
  // passes them on to this window.
  SetWindowSubclass(高级选择夹1, pageProcedure, kPageSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  addTabHint();

  for (HWND control : {编辑框_VC, 按钮_转换, 编辑框_易, 按钮_联系}) setFont(control, guiFont());
  for (HWND edit : {编辑框_VC, 编辑框_易}) {
    // The platform's largest text instead of the 32,767 characters a user
    // may otherwise type or paste: a header pasted whole arrives whole.
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  }
  writeEditText(编辑框_VC, kMainWindowLayout[kSourceEditRow].text);
  SetWindowSubclass(编辑框_VC, sourceProcedure, kSourceSubclassId,
                    reinterpret_cast<DWORD_PTR>(this));
  return true;
}

// The tab's hint, shown while the pointer rests on the tab.
void MainWindow::addTabHint() {
  const HWND tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                       nullptr, instance_, nullptr);
  // Owned by the window, so destroyed with it.
  if (!tooltip) return;
  tabHint_ = toWide(kTabHint);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_SUBCLASS;
  tool.hwnd = 高级选择夹1;
  tool.uId = 1;
  SendMessageW(高级选择夹1, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tool.rect));
  tool.hinst = instance_;
  tool.lpszText = tabHint_.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
    self->onDestroyed();
    return result;
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      onActivate(wParam);
      break;
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::pageProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_COMMAND) {
    reinterpret_cast<MainWindow*>(self)->onCommand(LOWORD(wParam), HIWORD(wParam));
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, pageProcedure, kPageSubclassId);
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::sourceProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR self) {
  if (message == WM_LBUTTONDOWN) {
    // Before the box handles the press, which then always reaches it.
    const int keys = (GetKeyState(VK_CONTROL) < 0 ? 1 : 0) | (GetKeyState(VK_SHIFT) < 0 ? 2 : 0) |
                     (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    reinterpret_cast<MainWindow*>(self)->onSourceLeftButtonDown(LOWORD(lParam), HIWORD(lParam),
                                                                keys);
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, sourceProcedure, kSourceSubclassId);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void MainWindow::onWindowCreated() {
  // If the look cannot be switched on, the controls keep their own.
  applyVisualStyle(kBlueScheme);
}

void MainWindow::onConvertClicked() {
  const Text source = readEditText(编辑框_VC);
  const Text result = convertVcToE(source);
  writeEditText(编辑框_易, result);
}

void MainWindow::onSourceLeftButtonDown(int /*x*/, int /*y*/, int /*keys*/) {
  const Text source = readEditText(编辑框_VC);
  if (compareText(source, kSampleDefines) == 0) writeEditText(编辑框_VC, "");
}

void MainWindow::onFeedbackClicked() {
  const std::wstring text = toWide(kFeedbackContact);
  const std::wstring caption = toWide(kFeedbackCaption);
  // Task-modal: every window of the thread is disabled until the box closes.
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}

void MainWindow::onTextTooLong() {
  const std::wstring text = toWide(kTextTooLong);
  MessageBoxW(window_, text.c_str(), L"Tavrin", MB_OK | MB_ICONWARNING);
}

void MainWindow::onActivate(WPARAM state) {
  if (LOWORD(state) != WA_INACTIVE) return;
  const HWND focus = GetFocus();
  if (focus && IsChild(window_, focus)) lastFocus_ = focus;
}

void MainWindow::onSetFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) {
    SetFocus(lastFocus_);
    return;
  }
  for (HWND control : {高级选择夹1, 编辑框_VC, 按钮_转换, 编辑框_易, 按钮_联系}) {
    if (takesTabFocus(control)) {
      SetFocus(control);
      return;
    }
  }
}

void MainWindow::onCommand(int id, int code) {
  const bool fromEditBox = id == controlId(kSourceEditRow) || id == controlId(kResultEditRow);
  if (fromEditBox && (code == EN_MAXTEXT || code == EN_ERRSPACE)) {
    onTextTooLong();
    return;
  }
  if (code != BN_CLICKED) return;
  if (id == controlId(kConvertButtonRow)) {
    onConvertClicked();
  } else if (id == controlId(kFeedbackButtonRow)) {
    onFeedbackClicked();
  }
}

void MainWindow::onDestroyed() {
  const HWND destroyed = window_;
  window_ = nullptr;
  lastFocus_ = nullptr;
  if (destroyed_) destroyed_(destroyed);
}

bool MainWindow::handleKey(const MSG& message) {
  // Keys with Alt held arrive as WM_SYSKEYDOWN and keep their usual meaning.
  if (message.message != WM_KEYDOWN || !window_) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (control || alt) return false;
  switch (message.wParam) {
    case VK_TAB:
      // Tab and Shift+Tab only move the focus; they never reach an edit box.
      moveFocus(shift);
      return true;
    case VK_ESCAPE:
      if (shift) return false;
      SendMessageW(window_, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      // A line break in an edit box; nothing anywhere else, since there is
      // no default button.
      return !shift && !isEditBox(GetFocus());
    case VK_F1:
      return !shift;
    default:
      return false;
  }
}

void MainWindow::moveFocus(bool backwards) {
  const std::array<HWND, 4> order{编辑框_VC, 按钮_转换, 编辑框_易, 按钮_联系};
  const int count = static_cast<int>(order.size());
  const HWND focus = GetFocus();
  int current = -1;
  for (int index = 0; index < count; ++index) {
    if (order[static_cast<std::size_t>(index)] == focus) current = index;
  }
  // From outside the order (the tab control, the window itself) Tab goes
  // to the first and Shift+Tab to the last.
  if (current < 0) current = backwards ? 0 : count - 1;
  for (int step = 1; step <= count; ++step) {
    const int next = ((current + (backwards ? -step : step)) % count + count) % count;
    const HWND candidate = order[static_cast<std::size_t>(next)];
    if (takesTabFocus(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

}  // namespace tavrin::ui
