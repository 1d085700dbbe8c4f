// The main window opened inside the test's own process, for the settings that
// another process cannot read: fonts, the tab strip, the destroyed callback.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "GuiTestSupport.h"
#include "MainWindow.h"
#include "VisualStyle.h"

namespace tavrin::gui_test {
namespace {

HWND destroyedWindow = nullptr;
int destroyedCalls = 0;

void recordDestroyed(HWND window) {
  destroyedWindow = window;
  ++destroyedCalls;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    destroyedWindow = nullptr;
    destroyedCalls = 0;
    window_ = ui::MainWindow::open(GetModuleHandleW(nullptr), recordDestroyed);
    ASSERT_NE(window_, nullptr);
    controls_ = findControls(window_->handle());
    ASSERT_NE(controls_.tab, nullptr);
  }
  void TearDown() override {
    window_.reset();
    ui::applyVisualStyle(0);
  }

  std::unique_ptr<ui::MainWindow> window_;
  MainWindowControls controls_;
};

LOGFONTW fontOf(HWND control) {
  LOGFONTW font{};
  const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  GetObjectW(handle, sizeof font, &font);
  return font;
}

TEST_F(MainWindowTest, TheTabUsesSimSunAndTheOthersTheDefaultGuiFont) {
  const LOGFONTW tab = fontOf(controls_.tab);
  EXPECT_EQ(std::wstring(tab.lfFaceName), L"SimSun");
  EXPECT_EQ(tab.lfHeight, -12);
  EXPECT_EQ(tab.lfWeight, 400);
  EXPECT_FALSE(tab.lfItalic || tab.lfUnderline || tab.lfStrikeOut);
  EXPECT_EQ(tab.lfCharSet, 134);
  for (HWND control : {controls_.source, controls_.convert, controls_.result, controls_.feedback}) {
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
  }
}

TEST_F(MainWindowTest, TheTabStripHasOneSelectedTabTwentyPixelsHigh) {
  EXPECT_EQ(SendMessageW(controls_.tab, TCM_GETITEMCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(controls_.tab, TCM_GETCURSEL, 0, 0), 0);
  RECT tab{};
  ASSERT_TRUE(SendMessageW(controls_.tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab)));
  EXPECT_EQ(tab.bottom - tab.top, 20);
  wchar_t text[32] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 32;
  SendMessageW(controls_.tab, TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(std::wstring(text), L"\u5E38\u91CF\u8F6C\u6362");  // 常量转换
}

TEST_F(MainWindowTest, ClosingDestroysTheWindowAndSaysSoOnce) {
  const HWND handle = window_->handle();
  SendMessageW(handle, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(window_->handle(), nullptr);
  EXPECT_EQ(destroyedCalls, 1);
  EXPECT_EQ(destroyedWindow, handle);
}

TEST_F(MainWindowTest, KeysOutsideTheWindowAreLeftAlone) {
  const MSG elsewhere{GetDesktopWindow(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_FALSE(window_->handleKey(elsewhere));
  EXPECT_TRUE(IsWindow(window_->handle()));
  const MSG typing{controls_.source, WM_KEYDOWN, 'A', 0, 0, {}};
  EXPECT_FALSE(window_->handleKey(typing));
}

}  // namespace
}  // namespace tavrin::gui_test
