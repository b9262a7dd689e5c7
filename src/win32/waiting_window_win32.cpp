#include "win32/waiting_window_win32.h"

namespace kelvari {
namespace {

bool IsWaitingForTheUser(HWND window) {
  return ::IsWindowVisible(window) && ::IsWindowEnabled(window) &&
         (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

BOOL CALLBACK TakeWaitingWindow(HWND window, LPARAM found) noexcept {
  if (!IsWaitingForTheUser(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

BOOL CALLBACK TakeDefaultButton(HWND control, LPARAM found) noexcept {
  wchar_t kind[16] = {};
  ::GetClassNameW(control, kind, 16);
  if (::lstrcmpiW(kind, L"Button") != 0 ||
      (::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON ||
      !::IsWindowEnabled(control)) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = control;
  return FALSE;
}

// The button Enter presses in `dialog`: the one drawn as default, else the one the dialog
// names, else "OK".
WORD DefaultButtonOf(HWND dialog) {
  HWND button = nullptr;
  ::EnumChildWindows(dialog, TakeDefaultButton, reinterpret_cast<LPARAM>(&button));
  if (button && ::GetParent(button) == dialog) {
    return static_cast<WORD>(::GetDlgCtrlID(button));
  }
  const LRESULT named = ::SendMessageW(dialog, DM_GETDEFID, 0, 0);
  if (HIWORD(named) == DC_HASDEFID && ::GetDlgItem(dialog, LOWORD(named))) return LOWORD(named);
  return IDOK;
}

void PostCommand(HWND window, WORD id) {
  ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

}  // namespace

HWND WindowInFront() {
  HWND active = ::GetActiveWindow();
  if (active && IsWaitingForTheUser(active)) return active;
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeWaitingWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

void EndWindow(HWND window, WhenTimeRunsOut how, WORD command) {
  switch (how) {
    case WhenTimeRunsOut::kPressDefaultButton:
      PostCommand(window, DefaultButtonOf(window));
      break;
    case WhenTimeRunsOut::kCommand:
      PostCommand(window, command);
      break;
    case WhenTimeRunsOut::kClose:
      ::PostMessageW(window, WM_CLOSE, 0, 0);
      break;
  }
}

}  // namespace kelvari
