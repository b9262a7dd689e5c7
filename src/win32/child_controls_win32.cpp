#include "win32/child_controls_win32.h"

namespace kelvari {

HWND CreateControl(HWND parent, const wchar_t* control_class, const wchar_t* text, DWORD style,
                   DWORD ex_style, int id, const PixelRect& place) {
  return ::CreateWindowExW(ex_style, control_class, text, style | WS_CHILD, place.left, place.top,
                           place.width, place.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), nullptr);
}

void PlaceControl(HWND control, const TwipsRect& twips, int dpi) {
  const PixelRect r = TwipsToPixels(twips, dpi);
  ::SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace kelvari
