// Reading and writing the whole text of an edit box as a Text.
//
// The controls are Unicode windows; their text crosses into and out of them
// through the code page 936 conversion, so Chinese text shows correctly
// whatever the system's own code page is. A character that code page 936
// lacks reads back as "?".
#pragma once

#include <windows.h>

#include <string_view>

#include "Text.h"

namespace tavrin::ui {

// The box's whole content, CR LF between lines, as the box holds it.
[[nodiscard]] Text readEditText(HWND edit);

// Replaces the box's whole content; the caret goes to the start and the box
// scrolls to the top. An empty text empties the box.
void writeEditText(HWND edit, std::string_view text);

}  // namespace tavrin::ui
