// The XP look's colour schemes, and the painting of each kind of control in
// them.
//
// Every routine paints into a device context that the caller owns, with the
// stock DC brush and pen, so nothing is created that would need releasing.
#pragma once

#include <windows.h>

#include <string_view>

namespace tavrin::ui {

struct XpScheme {
  COLORREF editFrame;      // the one-pixel frame of edit boxes and combo boxes
  COLORREF buttonBorder;   // the outline of push buttons
  COLORREF faceTop;        // a push button's face runs from faceTop to faceBottom
  COLORREF faceBottom;
  COLORREF pressedTop;     // ... and while pressed, from pressedTop to pressedBottom
  COLORREF pressedBottom;
  COLORREF hotOuter;       // the two-pixel rim under the pointer
  COLORREF hotInner;
  COLORREF focusOuter;     // the rim of a focused or default button
  COLORREF focusInner;
  COLORREF checkFrame;     // check boxes and radio buttons
  COLORREF checkMark;
  COLORREF groupFrame;     // group boxes
  COLORREF groupText;
  COLORREF arrowGlyph;     // combo box drop buttons and up-down arrows
  COLORREF arrowFaceTop;
  COLORREF arrowFaceBottom;
};

// Scheme 1 blue, 2 olive green, 3 silver; null for any other number.
[[nodiscard]] const XpScheme* findXpScheme(int scheme) noexcept;

struct ButtonLook {
  bool pressed = false;
  bool hot = false;
  bool focused = false;
  bool enabled = true;
  bool isDefault = false;
  int checkState = BST_UNCHECKED;  // check boxes and radio buttons
};

enum class ButtonShape { push, check, radio, group };

// Paints a whole button of the given shape over `bounds`. `background` fills
// what the button does not cover; `text` and `font` are the caption's, and
// `style` the button's window style (alignment, word wrap).
void paintButton(HDC dc, const RECT& bounds, ButtonShape shape, const ButtonLook& look,
                 const XpScheme& scheme, std::wstring_view text, HFONT font, HBRUSH background,
                 LONG style);

// Paints the frame of an edit box or list over the outer `width` pixels of
// `bounds` (a window rectangle in its own window DC): one pixel of the
// scheme's frame colour, then `inner` for any further pixel.
void paintControlFrame(HDC dc, const RECT& bounds, int width, COLORREF frame, COLORREF inner);

enum class ArrowDirection { up, down, left, right };

// Paints one arrow button: a combo box's drop button or half an up-down control.
void paintArrowButton(HDC dc, const RECT& bounds, ArrowDirection direction,
                      const ButtonLook& look, const XpScheme& scheme);

}  // namespace tavrin::ui
