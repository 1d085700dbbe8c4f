// Text: the string type of the whole converter.
//
// A Text is a string of bytes in code page 936 (simplified Chinese GBK), on
// every system: the bytes are the same on Windows in any locale, under Wine
// and on Linux. A byte of 0x80 or above begins a two-byte character. A Text
// ends at its first zero byte; the empty string also stands for an absent text.
#pragma once

#include <string>

namespace tavrin {

using Text = std::string;

// The code page of every Text, whatever the system's own ANSI code page is.
inline constexpr unsigned kTextCodePage = 936;

}  // namespace tavrin
