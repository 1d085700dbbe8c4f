// The one way the program reports a failure: a fixed error box, after which
// the process ends with exit code -1.
//
//   reportRuntimeError(kWindowNotCreatedMessage);  // never returns
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "Text.h"

namespace tavrin::ui {

// "载入启动窗口失败"
inline constexpr std::string_view kWindowNotCreatedMessage =
    "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";

// "分配 <bytes> 字节内存失败!", the count written in full, written into
// `buffer` without allocating (memory has just run out). Returns the part of
// `buffer` that holds it.
std::string_view composeAllocationFailureMessage(std::size_t bytes, std::span<char> buffer);

// The failure box's text: "运行时出错!" CR LF CR LF, then, for a message
// that is not empty, "错误信息：", the message and CR LF. Written into
// `buffer` without allocating, and cut short if the buffer is too small.
std::string_view composeRuntimeErrorText(std::string_view message, std::span<char> buffer);

// Shows the failure box (title "错误", one OK button, the stop icon, no
// owner window: the main window stays on screen and enabled meanwhile).
// When it is closed, releases the program and ends the process with exit
// code -1. Never returns.
[[noreturn]] void reportRuntimeError(std::string_view message);

}  // namespace tavrin::ui
