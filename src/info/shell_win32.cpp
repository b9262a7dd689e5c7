// Win32System: opening documents and addresses with the shell.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "frontend/system_win32.h"

namespace kelvari {

void Win32System::ShellExecuteOpen(WindowHandle owner, const std::wstring& target, int show_mode) {
  const std::string ansi = ToAnsi(target);
  ::ShellExecuteA(static_cast<HWND>(owner), "Open", ansi.c_str(), /*lpParameters=*/nullptr,
                  /*lpDirectory=*/nullptr, show_mode);
}

}  // namespace kelvari
