// Helpers for the program's own windows: child controls placed at design positions given in
// twips, centring on the work area of a monitor, and scoped guards that give back what a
// device context borrowed (a DC of a window, a memory DC, an object selected into a DC).
#pragma once

#include <windows.h>

#include <optional>

#include "core/twips.h"

namespace kelvari {

// A child control of `parent` with the id `id` at `place` (all zero: placed later).
// WS_CHILD is added to `style`.
HWND CreateControl(HWND parent, const wchar_t* control_class, const wchar_t* text, DWORD style,
                   DWORD ex_style, int id, const PixelRect& place = {});

// Moves `control` to `twips` of its window's design, in the pixels of `dpi`.
void PlaceControl(HWND control, const TwipsRect& twips, int dpi);

// The work area of the monitor that `window` is on (the primary one when it is on none);
// nullopt when the system cannot tell it.
std::optional<RECT> WorkAreaOf(HWND window);

// The top left corner of a window of `width` × `height` centred on `work`; negative offsets
// for a window larger than the work area.
POINT CentredIn(const RECT& work, int width, int height);

// A window's device context (GetDC), released when the guard ends. nullptr for the screen.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(::GetDC(window)) {}
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ~ScopedGetDC() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with `dc`, deleted when the guard ends.
class ScopedMemoryDC {
 public:
  explicit ScopedMemoryDC(HDC dc) : dc_(::CreateCompatibleDC(dc)) {}
  ScopedMemoryDC(const ScopedMemoryDC&) = delete;
  ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
  ~ScopedMemoryDC() {
    if (dc_) ::DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects `object` into `dc` and puts the object it replaced back when the guard ends.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace kelvari
