// Win32System: the path of the executable and the hidden main window.
#include <windows.h>

#include "win32/system_win32.h"

namespace kelvari {

std::wstring Win32System::ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);  // a path longer than MAX_PATH
  }
}

WindowHandle Win32System::MainWindow() {
  static HWND window = [] {
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
  }();
  return window;
}

}  // namespace kelvari
