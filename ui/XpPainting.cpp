#include "XpPainting.h"

#include <algorithm>
#include <array>

#include "WindowsHandles.h"

namespace tavrin::ui {

namespace {

constexpr std::array<XpScheme, 3> kXpSchemes{{
    // 1: blue
    {RGB(123, 158, 189), RGB(0, 60, 116), RGB(255, 255, 255), RGB(214, 208, 197),
     RGB(209, 204, 193), RGB(239, 238, 233), RGB(255, 240, 207), RGB(229, 151, 0),
     RGB(206, 231, 255), RGB(105, 130, 238), RGB(28, 81, 128), RGB(33, 161, 33),
     RGB(208, 208, 191), RGB(0, 70, 213), RGB(77, 97, 133), RGB(196, 215, 255),
     RGB(163, 189, 251)},
    // 2: olive green
    {RGB(164, 185, 127), RGB(55, 98, 6), RGB(255, 255, 255), RGB(214, 208, 197),
     RGB(209, 204, 193), RGB(239, 238, 233), RGB(255, 240, 207), RGB(229, 151, 0),
     RGB(194, 209, 143), RGB(177, 203, 128), RGB(143, 166, 110), RGB(33, 161, 33),
     RGB(208, 208, 191), RGB(52, 110, 10), RGB(80, 99, 52), RGB(222, 235, 190),
     RGB(182, 205, 137)},
    // 3: silver
    {RGB(198, 197, 215), RGB(118, 116, 151), RGB(255, 255, 255), RGB(198, 197, 215),
     RGB(191, 190, 205), RGB(234, 234, 240), RGB(255, 240, 207), RGB(229, 151, 0),
     RGB(230, 230, 239), RGB(150, 148, 178), RGB(118, 116, 151), RGB(33, 161, 33),
     RGB(208, 208, 191), RGB(63, 61, 61), RGB(74, 73, 100), RGB(245, 245, 250),
     RGB(204, 203, 218)},
}};

void fill(HDC dc, const RECT& area, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

COLORREF mix(COLORREF from, COLORREF to, int step, int steps) {
  if (steps <= 0) return from;
  auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

void fillVerticalGradient(HDC dc, const RECT& area, COLORREF top, COLORREF bottom) {
  const int rows = area.bottom - area.top;
  for (int row = 0; row < rows; ++row) {
    const RECT line{area.left, area.top + row, area.right, area.top + row + 1};
    fill(dc, line, mix(top, bottom, row, rows > 1 ? rows - 1 : 1));
  }
}

// A rectangle's outline, one pixel wide, inside `area`.
void outline(HDC dc, const RECT& area, COLORREF colour) {
  if (area.right <= area.left || area.bottom <= area.top) return;
  fill(dc, {area.left, area.top, area.right, area.top + 1}, colour);
  fill(dc, {area.left, area.bottom - 1, area.right, area.bottom}, colour);
  fill(dc, {area.left, area.top, area.left + 1, area.bottom}, colour);
  fill(dc, {area.right - 1, area.top, area.right, area.bottom}, colour);
}

RECT inset(RECT area, int by) {
  InflateRect(&area, -by, -by);
  return area;
}

UINT textFormat(LONG style, ButtonShape shape) {
  UINT format = 0;
  const LONG horizontal = style & BS_CENTER;
  if (horizontal == BS_LEFT) {
    format |= DT_LEFT;
  } else if (horizontal == BS_RIGHT) {
    format |= DT_RIGHT;
  } else if (horizontal == BS_CENTER || shape == ButtonShape::push) {
    format |= DT_CENTER;
  }
  format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  return format;
}

// Draws the caption inside `area`, centred vertically unless the style says
// otherwise; a wrapped caption is measured first so that it centres too.
void drawCaption(HDC dc, RECT area, std::wstring_view text, HFONT font, COLORREF colour,
                 LONG style, ButtonShape shape) {
  if (text.empty()) return;
  const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font)
                                         : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  const UINT format = textFormat(style, shape);
  RECT measured = area;
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured, format | DT_CALCRECT);
  const int height = measured.bottom - measured.top;
  const LONG vertical = style & BS_VCENTER;
  if (vertical == BS_TOP) {
    area.bottom = area.top + height;
  } else if (vertical == BS_BOTTOM) {
    area.top = area.bottom - height;
  } else {
    area.top += (area.bottom - area.top - height) / 2;
    area.bottom = area.top + height;
  }
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &area, format);
}

void paintPushButton(HDC dc, const RECT& bounds, const ButtonLook& look, const XpScheme& scheme,
                     std::wstring_view text, HFONT font, HBRUSH background, LONG style) {
  FillRect(dc, &bounds, background);
  const RECT face = inset(bounds, 1);
  if (!look.enabled) {
    fill(dc, face, RGB(245, 244, 234));
    outline(dc, bounds, RGB(201, 199, 186));
  } else {
    if (look.pressed) {
      fillVerticalGradient(dc, face, scheme.pressedTop, scheme.pressedBottom);
    } else {
      fillVerticalGradient(dc, face, scheme.faceTop, scheme.faceBottom);
    }
    outline(dc, bounds, scheme.buttonBorder);
    if (!look.pressed && (look.hot || look.focused || look.isDefault)) {
      const COLORREF outer = look.hot ? scheme.hotOuter : scheme.focusOuter;
      const COLORREF inner = look.hot ? scheme.hotInner : scheme.focusInner;
      outline(dc, face, outer);
      outline(dc, inset(face, 1), inner);
    }
  }
  // Rounded corners: the outline's corner pixels take the background's colour.
  const COLORREF corner = GetSysColor(COLOR_BTNFACE);
  for (const POINT point : {POINT{bounds.left, bounds.top}, POINT{bounds.right - 1, bounds.top},
                            POINT{bounds.left, bounds.bottom - 1},
                            POINT{bounds.right - 1, bounds.bottom - 1}}) {
    SetPixel(dc, point.x, point.y, corner);
  }
  RECT caption = inset(bounds, 3);
  if (look.pressed) OffsetRect(&caption, 1, 1);
  drawCaption(dc, caption, text, font,
              look.enabled ? GetSysColor(COLOR_BTNTEXT) : RGB(161, 161, 146), style,
              ButtonShape::push);
  if (look.focused && look.enabled) {
    const RECT focus = inset(bounds, 3);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void paintCheckOrRadio(HDC dc, const RECT& bounds, ButtonShape shape, const ButtonLook& look,
                       const XpScheme& scheme, std::wstring_view text, HFONT font,
                       HBRUSH background, LONG style) {
  FillRect(dc, &bounds, background);
  constexpr int kBox = 13;
  const int top = bounds.top + (bounds.bottom - bounds.top - kBox) / 2;
  const RECT box{bounds.left, top, bounds.left + kBox, top + kBox};
  const COLORREF frame = look.enabled ? scheme.checkFrame : RGB(202, 200, 187);
  const COLORREF inside = look.pressed ? scheme.pressedTop : RGB(255, 255, 255);
  const COLORREF mark = look.enabled ? scheme.checkMark : RGB(202, 200, 187);
  if (shape == ButtonShape::radio) {
    SetDCBrushColor(dc, inside);
    SetDCPenColor(dc, look.hot ? scheme.hotInner : frame);
    const SelectedObject brush(dc, GetStockObject(DC_BRUSH));
    const SelectedObject pen(dc, GetStockObject(DC_PEN));
    Ellipse(dc, box.left, box.top, box.right, box.bottom);
    if (look.checkState == BST_CHECKED) {
      SetDCBrushColor(dc, mark);
      SetDCPenColor(dc, mark);
      Ellipse(dc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
    }
  } else {
    fill(dc, box, inside);
    outline(dc, box, frame);
    if (look.hot) outline(dc, inset(box, 1), scheme.hotInner);
    if (look.checkState != BST_UNCHECKED) {
      const COLORREF tick = look.checkState == BST_INDETERMINATE ? frame : mark;
      // A tick of three-pixel-high strokes: down to the right, then up.
      for (int step = 0; step < 7; ++step) {
        const int x = box.left + 3 + step;
        const int y = step < 3 ? box.top + 5 + step : box.top + 7 - (step - 2);
        fill(dc, {x, y, x + 1, y + 3}, tick);
      }
    }
  }
  RECT caption{box.right + 4, bounds.top, bounds.right, bounds.bottom};
  drawCaption(dc, caption, text, font,
              look.enabled ? GetSysColor(COLOR_BTNTEXT) : RGB(161, 161, 146), style, shape);
  if (look.focused && !text.empty()) {
    RECT focus = caption;
    InflateRect(&focus, 1, -1);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

void paintGroupBox(HDC dc, const RECT& bounds, const ButtonLook& look, const XpScheme& scheme,
                   std::wstring_view text, HFONT font, HBRUSH background, LONG style) {
  FillRect(dc, &bounds, background);
  const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font)
                                         : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT frame = bounds;
  frame.top += metrics.tmHeight / 2;
  outline(dc, frame, scheme.groupFrame);
  if (text.empty()) return;
  RECT caption{bounds.left + 8, bounds.top, bounds.right - 8, bounds.top + metrics.tmHeight};
  RECT measured = caption;
  DrawTextW(dc, text.data(), static_cast<int>(text.size()), &measured,
            DT_SINGLELINE | DT_CALCRECT);
  caption.right = std::min(caption.right, measured.right + 2);
  FillRect(dc, &caption, background);
  OffsetRect(&caption, 1, 0);
  drawCaption(dc, caption, text, font, look.enabled ? scheme.groupText : RGB(161, 161, 146),
              (style & ~BS_CENTER) | BS_LEFT, ButtonShape::group);
}

}  // namespace

const XpScheme* findXpScheme(int scheme) noexcept {
  if (scheme < 1 || scheme > static_cast<int>(kXpSchemes.size())) return nullptr;
  return &kXpSchemes[static_cast<std::size_t>(scheme - 1)];
}

void paintButton(HDC dc, const RECT& bounds, ButtonShape shape, const ButtonLook& look,
                 const XpScheme& scheme, std::wstring_view text, HFONT font, HBRUSH background,
                 LONG style) {
  switch (shape) {
    case ButtonShape::push:
      paintPushButton(dc, bounds, look, scheme, text, font, background, style);
      break;
    case ButtonShape::check:
    case ButtonShape::radio:
      paintCheckOrRadio(dc, bounds, shape, look, scheme, text, font, background, style);
      break;
    case ButtonShape::group:
      paintGroupBox(dc, bounds, look, scheme, text, font, background, style);
      break;
  }
}

void paintControlFrame(HDC dc, const RECT& bounds, int width, COLORREF frame, COLORREF inner) {
  if (width <= 0) return;
  outline(dc, bounds, frame);
  for (int ring = 1; ring < width; ++ring) outline(dc, inset(bounds, ring), inner);
}

void paintArrowButton(HDC dc, const RECT& bounds, ArrowDirection direction,
                      const ButtonLook& look, const XpScheme& scheme) {
  const RECT face = inset(bounds, 1);
  if (look.pressed) {
    fillVerticalGradient(dc, face, scheme.arrowFaceBottom, scheme.arrowFaceTop);
  } else {
    fillVerticalGradient(dc, face, scheme.arrowFaceTop, scheme.arrowFaceBottom);
  }
  outline(dc, face, look.hot ? scheme.hotInner : scheme.arrowFaceBottom);
  fill(dc, {bounds.left, bounds.top, bounds.right, bounds.top + 1}, RGB(255, 255, 255));
  // The glyph: a small triangle of rows (or columns) one pixel shorter on
  // each side than the last.
  const COLORREF glyph = look.enabled ? scheme.arrowGlyph : RGB(201, 199, 186);
  const int centreX = (face.left + face.right) / 2;
  const int centreY = (face.top + face.bottom) / 2;
  constexpr int kRows = 4;
  for (int row = 0; row < kRows; ++row) {
    const int half = direction == ArrowDirection::up || direction == ArrowDirection::left
                         ? row
                         : kRows - 1 - row;
    if (direction == ArrowDirection::up || direction == ArrowDirection::down) {
      const int y = centreY - kRows / 2 + row;
      fill(dc, {centreX - half - 1, y, centreX + half + 1, y + 1}, glyph);
    } else {
      const int x = centreX - kRows / 2 + row;
      fill(dc, {x, centreY - half - 1, x + 1, centreY + half + 1}, glyph);
    }
  }
}

}  // namespace tavrin::ui
