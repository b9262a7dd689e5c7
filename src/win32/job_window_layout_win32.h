// Small helpers for laying out the windows of a long job and the button box in pixels: sizes
// scaled to a DPI, the size a text needs, and the work area of the monitor the user works on.
#pragma once

#include <windows.h>

#include <string>

namespace kelvari {

// `value` pixels at 96 DPI, in pixels at `dpi`.
inline int Scaled(int value, UINT dpi) {
  return ::MulDiv(value, static_cast<int>(dpi), 96);
}

// The size `text` needs in `font` with the DrawText `flags` (DT_CALCRECT is added) when lines
// are at most `width` pixels wide.
SIZE TextSize(HWND window, HFONT font, const std::wstring& text, int width, UINT flags);

// The work area of the monitor the user works on: that of the foreground window, else that of
// the mouse pointer.
RECT UsersWorkArea();

}  // namespace kelvari
