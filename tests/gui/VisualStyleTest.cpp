// The XP look on this test's own windows: what it paints, in which colours,
// and that switching it off gives the controls their own painting back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "GuiTestSupport.h"
#include "VisualStyle.h"

namespace tavrin::gui_test {
namespace {

using ui::applyVisualStyle;

void pumpMessages(std::chrono::milliseconds during = 250ms) {
  const auto deadline = std::chrono::steady_clock::now() + during;
  do {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(10);
  } while (std::chrono::steady_clock::now() < deadline);
}

// A window of the test's own with one control of each kind that the look
// paints.
class VisualStyleTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"VisualStyleTestHost";
    RegisterClassW(&windowClass);
    host_.reset(CreateWindowExW(WS_EX_TOPMOST, L"VisualStyleTestHost", L"look",
                                WS_POPUP | WS_BORDER, 100, 100, 320, 200, nullptr, nullptr,
                                windowClass.hInstance, nullptr));
    ASSERT_TRUE(host_);
    button_ = child(WC_BUTTONW, L"Push", BS_PUSHBUTTON, 10, 10, 80, 24);
    edit_ = child(WC_EDITW, L"text", ES_MULTILINE, 10, 50, 120, 40, WS_EX_CLIENTEDGE);
    check_ = child(WC_BUTTONW, L"Check", BS_AUTOCHECKBOX, 150, 10, 100, 20);
    combo_ = child(WC_COMBOBOXW, L"", CBS_DROPDOWNLIST, 10, 110, 120, 100);
    upDown_ = child(UPDOWN_CLASSW, L"", 0, 150, 110, 20, 30);
    ShowWindow(host_.get(), SW_SHOWNORMAL);
    SetForegroundWindow(host_.get());
    pumpMessages();
    before_ = capture();
  }

  void TearDown() override { applyVisualStyle(0); }

  HWND child(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
             int width, int height, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, host_.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  }

  Picture capture() {
    pumpMessages();
    return captureScreen(windowRect(host_.get()));
  }

  // A control's point in the host's picture.
  COLORREF pixel(const Picture& picture, HWND control, int x, int y) {
    const RECT host = windowRect(host_.get());
    const RECT rect = windowRect(control);
    return picture.at(rect.left - host.left + x, rect.top - host.top + y);
  }

  ui::UniqueWindow host_;
  HWND button_ = nullptr;
  HWND edit_ = nullptr;
  HWND check_ = nullptr;
  HWND combo_ = nullptr;
  HWND upDown_ = nullptr;
  Picture before_;
};

TEST_F(VisualStyleTest, EachSchemeFramesEditBoxesInItsColour) {
  const struct {
    int scheme;
    COLORREF frame;
  } kCases[] = {
      {1, RGB(123, 158, 189)},
      {2, RGB(164, 185, 127)},
      {3, RGB(198, 197, 215)},
  };
  for (const auto& entry : kCases) {
    SCOPED_TRACE(entry.scheme);
    EXPECT_EQ(applyVisualStyle(entry.scheme), 1);
    EXPECT_EQ(ui::editFrameColour(entry.scheme), entry.frame);
    const Picture picture = capture();
    EXPECT_EQ(pixel(picture, edit_, 0, 20), entry.frame);
    EXPECT_EQ(pixel(picture, edit_, 60, 0), entry.frame);
    EXPECT_EQ(pixel(picture, edit_, 119, 20), entry.frame);
    EXPECT_EQ(pixel(picture, edit_, 60, 39), entry.frame);
    EXPECT_EQ(pixel(picture, combo_, 0, 10), entry.frame) << "combo boxes are framed too";
  }
}

TEST_F(VisualStyleTest, ButtonsAndUpDownsGetFacesOfTheirOwn) {
  ASSERT_EQ(applyVisualStyle(1), 1);
  const Picture picture = capture();
  EXPECT_NE(pixel(picture, button_, 4, 4), pixel(before_, button_, 4, 4));
  EXPECT_NE(pixel(picture, button_, 0, 12), pixel(before_, button_, 0, 12));
  EXPECT_NE(pixel(picture, check_, 1, 10), pixel(before_, check_, 1, 10));
  bool upDownChanged = false;
  for (int y = 0; y < 30; ++y) {
    upDownChanged = upDownChanged || pixel(picture, upDown_, 3, y) != pixel(before_, upDown_, 3, y);
  }
  EXPECT_TRUE(upDownChanged);
}

TEST_F(VisualStyleTest, SwitchingOffGivesTheControlsTheirOwnPaintingBack) {
  ASSERT_EQ(applyVisualStyle(1), 1);
  ASSERT_NE(pixel(capture(), edit_, 0, 20), pixel(before_, edit_, 0, 20));
  EXPECT_EQ(applyVisualStyle(0), 0);
  const Picture after = capture();
  for (const auto& [control, x, y] : {std::tuple{edit_, 0, 20}, std::tuple{edit_, 60, 0},
                                      std::tuple{button_, 4, 4}, std::tuple{button_, 0, 12},
                                      std::tuple{check_, 1, 10}, std::tuple{upDown_, 3, 5}}) {
    EXPECT_EQ(pixel(after, control, x, y), pixel(before_, control, x, y));
  }
}

TEST_F(VisualStyleTest, OtherNumbersSwitchTheLookOff) {
  for (int scheme : {0, 4, -1}) {
    SCOPED_TRACE(scheme);
    ASSERT_EQ(applyVisualStyle(1), 1);
    EXPECT_EQ(applyVisualStyle(scheme), 0);
    EXPECT_EQ(ui::editFrameColour(scheme), CLR_INVALID);
    EXPECT_EQ(pixel(capture(), edit_, 0, 20), pixel(before_, edit_, 0, 20));
  }
}

TEST_F(VisualStyleTest, ControlsMadeLaterArePaintedToo) {
  ASSERT_EQ(applyVisualStyle(1), 1);
  const HWND later = child(WC_EDITW, L"", ES_MULTILINE, 150, 50, 120, 40, WS_EX_CLIENTEDGE);
  EXPECT_EQ(pixel(capture(), later, 0, 20), RGB(123, 158, 189));
  // A control destroyed while the look is on is forgotten with it.
  DestroyWindow(later);
  EXPECT_EQ(applyVisualStyle(0), 0);
}

TEST_F(VisualStyleTest, HoverAndPressChangeAButtonsLook) {
  ASSERT_EQ(applyVisualStyle(1), 1);
  moveMouse({5, 5});
  const Picture resting = capture();
  moveMouse(centreOf(button_));
  const Picture hovered = capture();
  // The rim inside the outline takes the hover colour.
  EXPECT_NE(pixel(hovered, button_, 1, 12), pixel(resting, button_, 1, 12));

  INPUT press{};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof press);
  const Picture pressed = capture();
  INPUT release{};
  release.type = INPUT_MOUSE;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &release, sizeof release);
  pumpMessages();
  EXPECT_NE(pixel(pressed, button_, 4, 4), pixel(hovered, button_, 4, 4));
  moveMouse({5, 5});
}

}  // namespace
}  // namespace tavrin::gui_test
