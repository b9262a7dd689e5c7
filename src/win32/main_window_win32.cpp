// Win32System: the hidden main window, and the owner of the windows the program opens.
#include <windows.h>

#include "win32/system_win32.h"

namespace kelvari {
namespace {

HWND CreateMainWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"KelvariMain";
  wc.hIcon = ::LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  ::RegisterClassW(&wc);
  // Never shown: it stands for the program in owner relations and the shell.
  return ::CreateWindowExW(0, L"KelvariMain", L"Kelvari", WS_OVERLAPPED, 0, 0, 0, 0,
                           /*hWndParent=*/nullptr, /*hMenu=*/nullptr, wc.hInstance,
                           /*lpParam=*/nullptr);
}

BOOL CALLBACK TakeTopLevelWindow(HWND window, LPARAM found) {
  if (!::IsWindowVisible(window) || !::IsWindowEnabled(window) ||
      ::GetWindow(window, GW_OWNER) != nullptr) {
    return TRUE;  // hidden, waiting for a modal window, or a part of another (a tooltip)
  }
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The program's own window on the screen that takes input, or nullptr when none stands.
HWND ShownProgramWindow() {
  if (HWND active = ::GetActiveWindow()) return active;
  HWND found = nullptr;
  ::EnumThreadWindows(::GetCurrentThreadId(), TakeTopLevelWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

HWND Win32System::MainWindow() {
  // Made once, on first use; a window that could not be made is not tried again.
  if (!main_window_) main_window_.emplace(CreateMainWindow());
  return main_window_->get();
}

HWND Win32System::OwnerWindow() {
  HWND shown = ShownProgramWindow();
  return shown ? shown : MainWindow();
}

}  // namespace kelvari
