// The program's only window: a tab control whose one page holds the source
// box 编辑框_VC, the "VC->E" button 按钮_转换, the result box 编辑框_易 and
// the "提意见" button 按钮_联系.
//
//   auto window = MainWindow::open(instance, onProgramWindowDestroyed);
//   if (!window) ... the window could not be created ...
//   while (GetMessageW(&message, nullptr, 0, 0) > 0) {
//     if (window->handleKey(message)) continue;
//     TranslateMessage(&message);
//     DispatchMessageW(&message);
//   }
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "Text.h"
#include "WindowsHandles.h"

namespace tavrin::ui {

// The text of the feedback box: where comments go.
inline constexpr std::string_view kFeedbackContact =
    "\xBB\xB6\xD3\xAD\xCC\xE1\xB3\xF6\xD2\xE2\xBC\xFB\xBA\xCD\xBD\xA8\xD2\xE9\xA3\xBA\xC7\xEB"
    "\xD4\xDA Tavrin \xCF\xEE\xC4\xBF\xB5\xC4\xCE\xCA\xCC\xE2\xB8\xFA\xD7\xD9\xD2\xB3\xA3\xA8"
    "issue tracker\xA3\xA9\xCC\xE1\xBD\xBB\xA3\xAC\xD0\xBB\xD0\xBB\xA3\xA1";
// "您好", the feedback box's caption.
inline constexpr std::string_view kFeedbackCaption = "\xC4\xFA\xBA\xC3";
// "编辑框放不下这么多文本：超出上限的部分没有放入，请分几次转换。", shown
// when typing or a paste went past what an edit box can hold.
inline constexpr std::string_view kTextTooLong =
    "\xB1\xE0\xBC\xAD\xBF\xF2\xB7\xC5\xB2\xBB\xCF\xC2\xD5\xE2\xC3\xB4\xB6\xE0\xCE\xC4"
    "\xB1\xBE\xA3\xBA\xB3\xAC\xB3\xF6\xC9\xCF\xCF\xDE\xB5\xC4\xB2\xBF\xB7\xD6\xC3\xBB"
    "\xD3\xD0\xB7\xC5\xC8\xEB\xA3\xAC\xC7\xEB\xB7\xD6\xBC\xB8\xB4\xCE\xD7\xAA\xBB\xBB"
    "\xA1\xA3";

class MainWindow {
 public:
  // Called with the window's handle while its final clean-up runs.
  using DestroyedCallback = void (*)(HWND window);

  // Creates the window and its controls hidden, switches the XP look on and
  // shows the window centred, with the focus in 编辑框_VC. `destroyed` is
  // called when the window has been destroyed. Null when the window cannot
  // be created.
  [[nodiscard]] static std::unique_ptr<MainWindow> open(HINSTANCE instance,
                                                        DestroyedCallback destroyed);

  // Destroys the window if it still exists.
  ~MainWindow();
  // The window procedure holds a pointer to this object.
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Null once the window has been destroyed.
  [[nodiscard]] HWND handle() const noexcept { return window_; }

  // Applies the window's keys (Tab, Shift+Tab, Esc, Enter, F1) to a message
  // that the loop has taken and not yet dispatched. True when the key has
  // been dealt with, and the message must not be translated or dispatched.
  bool handleKey(const MSG& message);

 private:
  MainWindow(HINSTANCE instance, DestroyedCallback destroyed);

  bool create();
  bool createControls();
  void addTabHint();

  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  static LRESULT CALLBACK pageProcedure(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK sourceProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Switches the XP look on once every control exists.
  void onWindowCreated();
  // Converts the source box's text into the result box.
  void onConvertClicked();
  // Empties the source box on a click while it still holds the sample.
  void onSourceLeftButtonDown(int x, int y, int keys);
  // Shows where to send comments, task-modal.
  void onFeedbackClicked();
  // Says so when an edit box could not take all of a paste or of typing,
  // instead of letting the rest go silently.
  void onTextTooLong();

  // Remembers which control had the focus when the window lost activation.
  void onActivate(WPARAM state);
  // Gives the focus back to that control, or to the first one in order.
  void onSetFocus();
  void onCommand(int id, int code);
  void onDestroyed();

  void moveFocus(bool backwards);

  HINSTANCE instance_;
  DestroyedCallback destroyed_;
  // The window destroys itself when it is closed; until then this is it.
  HWND window_ = nullptr;
  HWND 高级选择夹1 = nullptr;
  HWND 编辑框_VC = nullptr;
  HWND 按钮_转换 = nullptr;
  HWND 编辑框_易 = nullptr;
  HWND 按钮_联系 = nullptr;
  HWND lastFocus_ = nullptr;
  UniqueFont tabFont_;
  std::wstring tabHint_;
};

}  // namespace tavrin::ui
