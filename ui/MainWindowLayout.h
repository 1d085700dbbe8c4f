// The main window and its controls, one row each, in creation order.
//
// Places and sizes are in pixels. The window's size is its outer size, frame
// and caption included, and it is centred on the display. The tab control's
// place is relative to the window's client area; the other four controls sit
// on the tab control's only page, placed relative to its top-left corner.
// The order of the rows is also the focus order of the Tab key.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "SampleDefines.h"
#include "Text.h"

namespace tavrin::ui {

enum class ControlKind { topLevelWindow, tabControl, editBox, pushButton };

struct LayoutRow {
  std::string_view name;  // the control's name, as the code calls it (UTF-8)
  ControlKind kind;
  int parent;  // the row of the parent, or -1 for none
  int left;
  int top;
  int width;
  int height;
  std::string_view text;  // a Text, so code page 936
  bool tabStop;
};

// Rows of kMainWindowLayout by name.
enum LayoutIndex : std::size_t {
  kMainWindowRow,
  kTabRow,
  kSourceEditRow,
  kConvertButtonRow,
  kResultEditRow,
  kFeedbackButtonRow,
  kLayoutRowCount,
};

inline constexpr int kCentred = -32768;

// "Tavrin[常量转换工具]", "常量转换", "VC->E" and "提意见".
inline constexpr std::string_view kWindowTitle =
    "Tavrin[\xB3\xA3\xC1\xBF\xD7\xAA\xBB\xBB\xB9\xA4\xBE\xDF]";
inline constexpr std::string_view kTabText = "\xB3\xA3\xC1\xBF\xD7\xAA\xBB\xBB";
inline constexpr std::string_view kTabHint = kTabText;

inline constexpr std::array<LayoutRow, kLayoutRowCount> kMainWindowLayout{{
    {"MainWindow", ControlKind::topLevelWindow, -1, kCentred, kCentred, 637, 393, kWindowTitle,
     false},
    {"高级选择夹1", ControlKind::tabControl, kMainWindowRow, -1, -2, 632, 368, kTabText, false},
    {"编辑框_VC", ControlKind::editBox, kTabRow, 1, 25, 304, 341, kSampleDefines, true},
    {"按钮_转换", ControlKind::pushButton, kTabRow, 310, 46, 44, 19, "VC->E", true},
    {"编辑框_易", ControlKind::editBox, kTabRow, 360, 23, 266, 344, "", true},
    {"按钮_联系", ControlKind::pushButton, kTabRow, 310, 337, 45, 17, "\xCC\xE1\xD2\xE2\xBC\xFB",
     true},
}};

// The tab strip's height: the larger of 20 and the tab font's character
// height.
inline constexpr int kTabStripHeight = 20;
inline constexpr int kTabFontHeight = 12;

// The window's class name; the tests find the window by it.
inline constexpr wchar_t kMainWindowClassName[] = L"TavrinMainWindow";

}  // namespace tavrin::ui
