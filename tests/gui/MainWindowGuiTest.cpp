// Tavrin.exe driven as a user drives it: real keys and clicks through
// SendInput, and what the window then shows.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "CodePage936.h"
#include "ConstantConverter.h"
#include "RegexEngines.h"
#include "GuiTestSupport.h"

namespace tavrin::gui_test {
namespace {

const std::wstring kSample =
    L"#define MB_OK                       0x00000000L\r\n"
    L"#define MB_OKCANCEL                 0x00000001L\r\n"
    L"#define MB_ABORTRETRYIGNORE         0x00000002L\r\n"
    L"#define MB_YESNOCANCEL              0x00000003L\r\n"
    L"#define MB_YESNO                    0x00000004L\r\n"
    L"#define MB_RETRYCANCEL              0x00000005L\r\n";

// The six declarations of the worked example, 149 bytes in code page 936.
std::wstring expectedDeclarations() {
  std::ifstream in(TAVRIN_SAMPLE_EXPECTED, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(bytes.size(), 149u);
  return toWide(bytes);
}

class MainWindowGuiTest : public testing::Test {
 protected:
  void SetUp() override {
    tavrin_ = std::make_unique<TavrinProcess>(buildPath(TAVRIN_EXE));
    ASSERT_NE(window(), nullptr) << "no main window appeared";
    controls_ = findControls(window());
    ASSERT_TRUE(controls_.tab && controls_.source && controls_.convert && controls_.result &&
                controls_.feedback);
    bringToFront(window());
  }

  HWND window() const { return tavrin_->window(); }
  HWND focus() const { return focusedWindow(tavrin_->threadId()); }
  // The other process takes input in its own time; these wait for it.
  bool focusBecomes(HWND control) const {
    return waitUntil([&] { return focus() == control; }, 3000ms);
  }
  static bool textBecomes(HWND control, const std::wstring& text) {
    return waitUntil([&] { return windowText(control) == text; }, 3000ms);
  }

  std::unique_ptr<TavrinProcess> tavrin_;
  MainWindowControls controls_;
};

TEST_F(MainWindowGuiTest, LayoutRowsHaveTheirPlacesAndSizes) {
  const RECT outer = windowRect(window());
  EXPECT_EQ(outer.right - outer.left, 637);
  EXPECT_EQ(outer.bottom - outer.top, 393);
  // Centred on the whole display, each division truncating.
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 637) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 393) / 2);

  POINT client{0, 0};
  ClientToScreen(window(), &client);
  const RECT tab = windowRect(controls_.tab);
  EXPECT_EQ(tab.left - client.x, -1);
  EXPECT_EQ(tab.top - client.y, -2);
  EXPECT_EQ(tab.right - tab.left, 632);
  EXPECT_EQ(tab.bottom - tab.top, 368);

  const struct Row {
    const char* name;
    HWND MainWindowControls::*control;
    int left, top, width, height;
  } kRows[] = {
      {"source", &MainWindowControls::source, 1, 25, 304, 341},
      {"convert", &MainWindowControls::convert, 310, 46, 44, 19},
      {"result", &MainWindowControls::result, 360, 23, 266, 344},
      {"feedback", &MainWindowControls::feedback, 310, 337, 45, 17},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const HWND control = controls_.*row.control;
    EXPECT_EQ(GetParent(control), controls_.tab);
    const RECT rect = windowRect(control);
    EXPECT_EQ(rect.left - tab.left, row.left);
    EXPECT_EQ(rect.top - tab.top, row.top);
    EXPECT_EQ(rect.right - rect.left, row.width);
    EXPECT_EQ(rect.bottom - rect.top, row.height);
    EXPECT_TRUE(IsWindowVisible(control));
    EXPECT_TRUE(IsWindowEnabled(control));
  }
}

TEST_F(MainWindowGuiTest, TextsAndStylesAreThoseOfTheLayout) {
  EXPECT_EQ(windowText(window()), L"Tavrin[\u5E38\u91CF\u8F6C\u6362\u5DE5\u5177]");
  EXPECT_EQ(windowText(controls_.source), kSample);
  EXPECT_EQ(windowText(controls_.result), L"");

  const LONG style = GetWindowLongW(window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame must be fixed";
  EXPECT_FALSE(GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetMenu(window()), nullptr);
  EXPECT_FALSE(IsIconic(window()) || IsZoomed(window()));
  EXPECT_FALSE(GetWindowLongW(controls_.tab, GWL_STYLE) & WS_TABSTOP);

  for (HWND edit : {controls_.source, controls_.result}) {
    const LONG editStyle = GetWindowLongW(edit, GWL_STYLE);
    EXPECT_TRUE(editStyle & ES_MULTILINE);
    EXPECT_TRUE(editStyle & WS_TABSTOP);
    EXPECT_FALSE(editStyle & (WS_VSCROLL | WS_HSCROLL)) << "no scroll bars";
    EXPECT_FALSE(editStyle & ES_AUTOHSCROLL) << "long lines wrap";
    EXPECT_FALSE(editStyle & (ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE |
                              ES_NOHIDESEL));
    EXPECT_TRUE(GetWindowLongW(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // The platform's maximum, not the 32,767 characters of a default box.
    EXPECT_GT(static_cast<DWORD>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu - 1);
  }
  for (HWND button : {controls_.convert, controls_.feedback}) {
    const LONG buttonStyle = GetWindowLongW(button, GWL_STYLE);
    EXPECT_EQ(buttonStyle & BS_TYPEMASK, BS_PUSHBUTTON) << "neither is a default button";
    EXPECT_TRUE(buttonStyle & WS_TABSTOP);
    EXPECT_TRUE(buttonStyle & BS_MULTILINE);
    EXPECT_EQ(buttonStyle & BS_CENTER, BS_CENTER);
    EXPECT_EQ(buttonStyle & BS_VCENTER, BS_VCENTER);
  }
}

TEST_F(MainWindowGuiTest, StartsWithTheCaretBeforeTheSample) {
  EXPECT_EQ(GetForegroundWindow(), window());
  EXPECT_TRUE(focusBecomes(controls_.source));
  EXPECT_EQ(selection(controls_.source), std::make_pair(DWORD{0}, DWORD{0}));
}

TEST_F(MainWindowGuiTest, TabAndShiftTabCycleThroughTheFourControls) {
  const HWND forward[] = {controls_.convert, controls_.result, controls_.feedback,
                          controls_.source};
  for (HWND expected : forward) {
    pressKey(VK_TAB);
    EXPECT_TRUE(focusBecomes(expected));
  }
  EXPECT_EQ(windowText(controls_.source), kSample) << "Tab never reaches an edit box";
  const HWND backward[] = {controls_.feedback, controls_.result, controls_.convert,
                           controls_.source};
  for (HWND expected : backward) {
    pressKey(VK_TAB, true);
    EXPECT_TRUE(focusBecomes(expected));
  }
}

TEST_F(MainWindowGuiTest, FocusComesBackToTheLastControlOnReactivation) {
  pressKey(VK_TAB);
  pressKey(VK_TAB);
  ASSERT_TRUE(focusBecomes(controls_.result));
  // Another process's window takes the activation, then gives it back.
  TavrinProcess other(buildPath(TAVRIN_EXE));
  bringToFront(other.window());
  ASSERT_EQ(GetForegroundWindow(), other.window());
  bringToFront(window());
  EXPECT_TRUE(waitUntil([&] { return focus() == controls_.result; }, 2000ms));
}

TEST_F(MainWindowGuiTest, EnterBreaksLinesInEditBoxesAndDoesNothingOnButtons) {
  pressKey(VK_RETURN);
  EXPECT_TRUE(textBecomes(controls_.source, L"\r\n" + kSample));
  EXPECT_TRUE(focusBecomes(controls_.source));

  pressKey(VK_TAB);
  ASSERT_TRUE(focusBecomes(controls_.convert));
  pressKey(VK_RETURN);
  EXPECT_EQ(focus(), controls_.convert) << "Enter does not move the focus";
  EXPECT_EQ(windowText(controls_.result), L"") << "there is no default button";

  pressKey(VK_TAB);
  ASSERT_TRUE(focusBecomes(controls_.result));
  typeText(L"a");
  pressKey(VK_RETURN);
  typeText(L"b");
  EXPECT_TRUE(textBecomes(controls_.result, L"a\r\nb"));

  pressKey(VK_F1);
  EXPECT_TRUE(focusBecomes(controls_.result));
  EXPECT_EQ(tavrin_->findTopLevel(L"#32770"), nullptr) << "F1 opens nothing";
}

TEST_F(MainWindowGuiTest, SpaceOnTheConvertButtonConverts) {
  pressKey(VK_TAB);
  ASSERT_TRUE(focusBecomes(controls_.convert));
  pressKey(VK_SPACE);
  EXPECT_TRUE(waitUntil([&] { return windowText(controls_.result) == expectedDeclarations(); }));
  EXPECT_EQ(windowText(controls_.source), kSample) << "the source keeps its text";
}

TEST_F(MainWindowGuiTest, ConvertShowsTheWorkedExampleAndEmptiesOnNoDefinitions) {
  clickCentre(controls_.convert);
  ASSERT_TRUE(waitUntil([&] { return windowText(controls_.result) == expectedDeclarations(); }));
  EXPECT_EQ(selection(controls_.result), std::make_pair(DWORD{0}, DWORD{0}))
      << "the caret goes to the start";

  // The result box takes typing and pasting; a conversion replaces it all.
  click(centreOf(controls_.result));
  pressKey('A', false, true);
  typeText(L"typed ");
  pasteText(L"pasted");
  ASSERT_TRUE(textBecomes(controls_.result, L"typed pasted"));

  clickCentre(controls_.source);  // empties the untouched sample
  typeText(L"int x = 1;");
  clickCentre(controls_.convert);
  EXPECT_TRUE(waitUntil([&] { return windowText(controls_.result).empty(); }));
  EXPECT_TRUE(textBecomes(controls_.source, L"int x = 1;"));
}

TEST_F(MainWindowGuiTest, EscClosesTheWindowWithExitCodeZero) {
  typeText(L"unsaved");
  pressKey(VK_ESCAPE);
  EXPECT_EQ(tavrin_->waitForExit(), 0u);
}

TEST_F(MainWindowGuiTest, EscClosesFromAButtonToo) {
  pressKey(VK_TAB);
  ASSERT_TRUE(focusBecomes(controls_.convert));
  pressKey(VK_ESCAPE);
  EXPECT_EQ(tavrin_->waitForExit(), 0u);
}

TEST_F(MainWindowGuiTest, AltF4ClosesTheWindowWithExitCodeZero) {
  pressKey(VK_F4, false, false, true);
  EXPECT_EQ(tavrin_->waitForExit(), 0u);
}

// The first left click into the untouched sample empties it; anything that
// changed the text first keeps it.
TEST_F(MainWindowGuiTest, FirstLeftClickEmptiesTheUntouchedSample) {
  const RECT box = windowRect(controls_.source);
  click({box.left + 200, box.top + 250});
  EXPECT_TRUE(textBecomes(controls_.source, L""));
  EXPECT_TRUE(focusBecomes(controls_.source));
  EXPECT_EQ(selection(controls_.source), std::make_pair(DWORD{0}, DWORD{0}));
  typeText(L"x");
  EXPECT_TRUE(textBecomes(controls_.source, L"x"));
}

TEST_F(MainWindowGuiTest, ClickKeepsTheSampleAfterAnEdit) {
  pressKey(VK_DELETE);
  const std::wstring edited = kSample.substr(1);
  ASSERT_TRUE(textBecomes(controls_.source, edited));
  clickCentre(controls_.source);
  EXPECT_EQ(windowText(controls_.source), edited);
}

TEST_F(MainWindowGuiTest, PasteGoesBeforeTheSampleAndAClickKeepsBoth) {
  pasteText(L"#define WM_USER 0x0400\r\n");
  const std::wstring both = L"#define WM_USER 0x0400\r\n" + kSample;
  ASSERT_TRUE(textBecomes(controls_.source, both));
  clickCentre(controls_.source);
  EXPECT_EQ(windowText(controls_.source), both);
}

TEST_F(MainWindowGuiTest, RightClickLeavesTheSample) {
  clickCentre(controls_.source, MouseButton::right);
  pressKey(VK_ESCAPE);  // closes the box's context menu, if it opened one
  if (tavrin_->waitForExit(0ms) != STILL_ACTIVE) GTEST_SKIP() << "Esc reached the window";
  EXPECT_EQ(windowText(controls_.source), kSample);
  clickCentre(controls_.source);
  EXPECT_TRUE(textBecomes(controls_.source, L"")) << "the right click did not count as the first";
}

TEST_F(MainWindowGuiTest, FeedbackBoxIsTaskModalWithItsCaptionAndNoIcon) {
  clickCentre(controls_.feedback);
  HWND box = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    return (box = tavrin_->findTopLevel(L"#32770", L"\u60A8\u597D")) != nullptr;  // 您好
  }));
  settle(300ms);
  int buttons = 0;
  bool icon = false;
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring name = className(child);
    if (lstrcmpiW(name.c_str(), L"Button") == 0 && IsWindowVisible(child)) ++buttons;
    if (lstrcmpiW(name.c_str(), L"Static") == 0) {
      if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        // The box keeps an icon control; it must hold no image.
        icon = icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
      } else if (!windowText(child).empty()) {
        text = windowText(child);
      }
    }
  }
  EXPECT_EQ(buttons, 1);
  EXPECT_FALSE(icon);
  EXPECT_NE(text.find(L"issue tracker"), std::wstring::npos) << "the contact: the issue tracker";
  EXPECT_FALSE(IsWindowEnabled(window())) << "task-modal: the window is disabled";

  // A click on "VC->E" meanwhile does nothing.
  clickCentre(controls_.convert);
  EXPECT_EQ(windowText(controls_.result), L"");

  bringToFront(box);
  pressKey(VK_RETURN);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(window()) != FALSE; }));
  clickCentre(controls_.convert);
  EXPECT_TRUE(waitUntil([&] { return windowText(controls_.result) == expectedDeclarations(); }));
}

TEST_F(MainWindowGuiTest, RestingOnTheTabShowsItsHint) {
  const RECT tab = windowRect(controls_.tab);
  moveMouse({tab.left + 30, tab.top + 12});
  moveMouse({tab.left + 31, tab.top + 11});
  HWND tip = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (tip = tavrin_->findTopLevel(TOOLTIPS_CLASSW)) != nullptr; },
                        5000ms));
  EXPECT_EQ(windowText(tip), L"\u5E38\u91CF\u8F6C\u6362");  // 常量转换
}

TEST_F(MainWindowGuiTest, LongTextWrapsWithoutScrollBars) {
  clickCentre(controls_.source);
  const std::wstring longLine(400, L'x');
  typeText(longLine.substr(0, 20));
  pasteText(longLine + L"\r\n" + std::wstring(60, L'\n'));
  EXPECT_GT(SendMessageW(controls_.source, EM_GETLINECOUNT, 0, 0), 60 + 2)
      << "the long line wraps onto several";
  EXPECT_FALSE(GetWindowLongW(controls_.source, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL));
}

TEST_F(MainWindowGuiTest, TheWindowMovesByItsCaptionButDoesNotResize) {
  const RECT before = windowRect(window());
  POINT client{0, 0};
  ClientToScreen(window(), &client);
  const POINT caption{before.left + 200, (before.top + client.y) / 2};
  const POINT rightEdge{before.right - 1, (before.top + before.bottom) / 2};
  auto drag = [](POINT from, POINT to) {
    moveMouse(from);
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    SendInput(1, &press, sizeof press);
    settle(100ms);
    for (int step = 1; step <= 5; ++step) {
      moveMouse({from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
    }
    INPUT release{};
    release.type = INPUT_MOUSE;
    release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(1, &release, sizeof release);
    settle(300ms);
  };
  drag(rightEdge, {rightEdge.x + 60, rightEdge.y});
  RECT after = windowRect(window());
  EXPECT_EQ(after.right - after.left, 637);
  EXPECT_EQ(after.bottom - after.top, 393);

  drag(caption, {caption.x + 40, caption.y + 30});
  after = windowRect(window());
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 30);
  EXPECT_EQ(after.right - after.left, 637);
}

// The look in force: scheme 1's edit-box frame, and button faces that are not
// the platform's own. The picture is kept under build/ for review.
TEST_F(MainWindowGuiTest, TheLookIsSchemeOneAfterAConversion) {
  clickCentre(controls_.convert);
  ASSERT_TRUE(waitUntil([&] { return windowText(controls_.result) == expectedDeclarations(); }));
  moveMouse({5, 5});  // away, so that no control is hot
  settle(300ms);
  const RECT outer = windowRect(window());
  const Picture picture = captureScreen(outer);
  saveBitmap(picture, artefactFolder() + L"\\main-window.bmp");

  for (HWND edit : {controls_.source, controls_.result}) {
    const RECT box = windowRect(edit);
    const int middle = (box.top + box.bottom) / 2 - outer.top;
    EXPECT_EQ(picture.at(box.left - outer.left, middle), RGB(123, 158, 189));
    EXPECT_EQ(picture.at(box.right - 1 - outer.left, middle), RGB(123, 158, 189));
    EXPECT_EQ(picture.at((box.left + box.right) / 2 - outer.left, box.top - outer.top),
              RGB(123, 158, 189));
    EXPECT_EQ(picture.at(box.left + 1 - outer.left, middle), RGB(255, 255, 255));
  }
  const RECT button = windowRect(controls_.feedback);
  const COLORREF face = picture.at(button.left + 3 - outer.left, button.top + 3 - outer.top);
  EXPECT_NE(face, GetSysColor(COLOR_BTNFACE));
}

TEST_F(MainWindowGuiTest, TheFeedbackBoxsButtonIsInTheLook) {
  clickCentre(controls_.feedback);
  HWND box = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (box = tavrin_->findTopLevel(L"#32770")) != nullptr; }));
  settle(300ms);
  const HWND ok = FindWindowExW(box, nullptr, L"Button", nullptr);
  ASSERT_NE(ok, nullptr);
  moveMouse({5, 5});
  settle(200ms);
  const RECT area = windowRect(ok);
  const Picture picture = captureScreen(area);
  EXPECT_NE(picture.at(3, 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_NE(picture.at(0, picture.height / 2), picture.at(3, picture.height / 2))
      << "the button has a frame of its own";
  bringToFront(box);
  pressKey(VK_RETURN);
}

// A header pasted whole arrives whole, far past a default edit box's 32,767
// characters, and converts whole.
TEST_F(MainWindowGuiTest, AOneMegabytePasteArrivesWholeAndConverts) {
  const int kLines = 20000;
  std::string header;
  for (int index = 0; index < kLines; ++index) {
    char line[64];
    std::snprintf(line, sizeof line, "#define TAVRIN_CONSTANT_%05d          0x%08XL\r\n", index,
                  static_cast<unsigned>(index) * 2654435761u);
    header += line;
  }
  ASSERT_GT(header.size(), 1000000u);
  const std::wstring pasted = toWide(header);

  clickCentre(controls_.source);
  ASSERT_TRUE(textBecomes(controls_.source, L""));
  pasteText(pasted);
  ASSERT_TRUE(waitUntil(
      [&] { return textLength(controls_.source) == pasted.size(); },
      60000ms))
      << textLength(controls_.source) << " of " << pasted.size() << " characters";
  EXPECT_EQ(windowText(controls_.source), pasted);

  const std::wstring expected = toWide(convertVcToE(header, portableRegexEngine()));
  ASSERT_EQ(std::count(expected.begin(), expected.end(), L'\n'), kLines);
  clickCentre(controls_.convert);
  EXPECT_TRUE(waitUntil(
      [&] { return textLength(controls_.result) == expected.size(); },
      120000ms));
  EXPECT_EQ(windowText(controls_.result), expected);
}

// Past an edit box's limit a paste is cut short; the window says so rather
// than converting part of a header with no word of it. The platform's own
// limit is billions of characters, so the test lowers it from outside.
TEST_F(MainWindowGuiTest, APastePastTheLimitIsCutShortAndSaidSo) {
  SendMessageW(controls_.source, EM_SETLIMITTEXT, 100, 0);
  clickCentre(controls_.source);
  ASSERT_TRUE(textBecomes(controls_.source, L""));
  pasteText(std::wstring(150, L'x'));
  HWND box = nullptr;
  ASSERT_TRUE(waitUntil([&] { return (box = tavrin_->findTopLevel(L"#32770", L"Tavrin")) != nullptr; }));
  settle(300ms);
  // 编辑框放不下这么多文本 ...
  EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)).substr(0, 10),
            L"\u7F16\u8F91\u6846\u653E\u4E0D\u4E0B\u8FD9\u4E48\u591A\u6587");
  bringToFront(box);
  pressKey(VK_RETURN);
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(box); }));
  // What fits stays: the box holds its limit's worth.
  EXPECT_EQ(textLength(controls_.source), 100u);
}

}  // namespace
}  // namespace tavrin::gui_test
