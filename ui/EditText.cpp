#include "EditText.h"

#include <string>

#include "CodePage936.h"

namespace tavrin::ui {

Text readEditText(HWND edit) {
  std::wstring wide(static_cast<std::size_t>(GetWindowTextLengthW(edit)), L'\0');
  if (!wide.empty()) {
    // GetWindowTextW writes a terminating NUL, which the string's own
    // terminator slot takes.
    const int copied = GetWindowTextW(edit, wide.data(), static_cast<int>(wide.size()) + 1);
    wide.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  }
  return fromWide(wide);
}

void writeEditText(HWND edit, std::string_view text) {
  // A Text ends at its first NUL byte.
  const std::wstring wide = toWide(text.substr(0, text.find('\0')));
  SetWindowTextW(edit, wide.c_str());
  SendMessageW(edit, EM_SETSEL, 0, 0);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

}  // namespace tavrin::ui
