// Win32System: the hidden main window.
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

}  // namespace

WindowHandle Win32System::MainWindow() {
  // Made once, on first use; a window that could not be made is not tried again.
  if (!main_window_) main_window_.emplace(CreateMainWindow());
  return main_window_->get();
}

}  // namespace kelvari
