// Conversion between Text (code page 936 bytes) and the system's wide strings.
//
// Wide strings are what the regular-expression engines and the window system
// take: UTF-16 on Windows. On Linux wchar_t holds one code point; every
// character of code page 936 lies in the Basic Multilingual Plane, so a wide
// string made from a Text has the same length in both builds and positions in
// it agree.
//
// No conversion fails: a character that code page 936 lacks becomes "?", and an
// invalid byte sequence becomes one replacement character and the conversion
// goes on.
#pragma once

#include <string>
#include <string_view>

#include "Text.h"

namespace tavrin {

[[nodiscard]] std::wstring toWide(std::string_view text);
[[nodiscard]] Text fromWide(std::wstring_view wide);

// What a conversion from UTF-8 had to give up.
struct Utf8Loss {
  bool invalidInput = false;  // bytes that are not UTF-8 became "?"
  bool unmappable = false;    // characters that code page 936 lacks became "?"
};

// UTF-8 and Text, for the command-line companion.
[[nodiscard]] Text fromUtf8(std::string_view utf8, Utf8Loss* loss = nullptr);
[[nodiscard]] std::string toUtf8(std::string_view text);

}  // namespace tavrin
