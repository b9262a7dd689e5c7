// Win32System: opening documents and addresses with the shell.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include "win32/system_win32.h"

namespace kelvari {

void Win32System::OpenDocument(DocumentKind kind, const std::wstring& target) {
  // A manual opens as its program starts by default; an address of the about box in a window
  // of normal size.
  const int show_mode = kind == DocumentKind::kManual ? SW_SHOWDEFAULT : SW_SHOWNORMAL;
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
  ::ShellExecuteA(OwnerWindow(), "Open", ansi.bytes.c_str(), /*lpParameters=*/nullptr,
                  /*lpDirectory=*/nullptr, show_mode);
}

}  // namespace kelvari
