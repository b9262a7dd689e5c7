// Win32System: opening documents and addresses with the shell.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "win32/system_win32.h"

namespace kelvari {

void Win32System::ShellExecuteOpen(WindowHandle owner, const std::wstring& target, int show_mode) {
  AnsiText ansi = ToAnsi(target);
  // A document in a folder whose name the code page cannot hold is opened by its short form;
  // without one the shell is handed the default characters and finds nothing, never another
  // document.
  if (!ansi.exact) {
    if (const auto short_path = ShortPath(target)) {
      AnsiText short_ansi = ToAnsi(*short_path);
      if (short_ansi.exact) ansi = std::move(short_ansi);
    }
  }
  ::ShellExecuteA(static_cast<HWND>(owner), "Open", ansi.bytes.c_str(), /*lpParameters=*/nullptr,
                  /*lpDirectory=*/nullptr, show_mode);
}

}  // namespace kelvari
