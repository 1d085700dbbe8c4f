// The XP look, painted by the program itself so that it is the same on every
// Windows version and under Wine.
//
// applyVisualStyle(1) subclasses the calling thread's push buttons, check
// boxes, radio buttons, group boxes, edit boxes, combo boxes (with their
// drop-down lists) and up-down controls, those that exist and, through a
// window-creation hook, those made later (message boxes' buttons too), and
// paints their faces and frames in the scheme. applyVisualStyle(0) gives every
// one of them its own painting back. The module knows nothing of the windows
// it paints.
#pragma once

#include <windows.h>

namespace tavrin::ui {

inline constexpr int kBlueScheme = 1;
inline constexpr int kOliveScheme = 2;
inline constexpr int kSilverScheme = 3;

// With 1 (blue), 2 (olive green) or 3 (silver): switches any look that is on
// off, then switches the look on in that scheme for the calling thread, and
// returns 1. With any other number: switches the look off, redraws what it
// painted, and returns 0. Returns 0 as well if the look cannot be switched on;
// the controls then keep their own painting.
int applyVisualStyle(int scheme);

// The one-pixel frame colour of an edit box in the scheme: RGB(123,158,189),
// RGB(164,185,127) or RGB(198,197,215); CLR_INVALID for any other number.
[[nodiscard]] COLORREF editFrameColour(int scheme) noexcept;

}  // namespace tavrin::ui
